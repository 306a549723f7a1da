// Small tables for the lookup state's tests, built from a list of words kept in headword order,
// with the edits the personal store makes: new entries get new numbers, a changed entry of the
// user's gets a new number, a deleted one leaves.
#pragma once

#include <string>
#include <vector>

#include "lexicon/tables.h"

namespace orvan::lookup::test {

struct Word {
    long long number = 0;
    std::string english;
    EntryKind kind = EntryKind::Lexicon;
    std::string greek;  // code page 1253; empty for none
};

class WordTables {
  public:
    explicit WordTables(std::vector<Word> words);

    /// The tables as the loader would build them: English records in headword order, and a
    /// Greek record for every word with a Greek headword.
    EntryTables tables() const;

    /// Adds a word of the user's under a new number, and returns the number.
    long long insert(const std::string& english, const std::string& greek = "");
    /// Replaces the user's word `number` by `english` under a new number, and returns it.
    long long change(long long number, const std::string& english);
    /// A supplement added to a lexicon word.
    void annotate(long long number);
    void remove(long long number);

    const std::vector<Word>& words() const { return words_; }
    const Word* find(long long number) const;

  private:
    void sort();

    std::vector<Word> words_;
    long long nextNumber_ = 1000;
};

}  // namespace orvan::lookup::test
