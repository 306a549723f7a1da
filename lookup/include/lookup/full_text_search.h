// The full-text search: every entry whose description, as the entry pane would show it, holds
// the searched text. The lexicon's descriptions, the user's supplements and the user's own
// entries are searched, in table order.
//
// Each description is read as plain text by the rich-text engine's extractor, behind the
// lexicon's prologue read once, so the search never builds a document; the text it compares is
// exactly the text the pane would show for that document.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lexicon/description.h"
#include "lexicon/description_texts.h"
#include "lexicon/lexicon_files.h"
#include "lexicon/list_search.h"
#include "lexicon/loaded_lexicon.h"
#include "lexicon/tables.h"
#include "richtext/rtf_reader.h"
#include "richtext/shown_characters.h"

namespace orvan::lookup {

using orvan::kFullTextResultLimit;

/// What a full-text search reads: the tables, the supplements' locations and the stores.
struct FullTextSources {
    const EntryTables& tables;
    const NoteList& notes;
    const LexiconFiles& files;
    const PersonalFiles& personal;
    const std::string& rtfHeader;
};

/// \brief What a search of one whole load reads.
FullTextSources FullTextSourcesOf(const LoadedLexicon& lexicon);

using orvan::FullTextTerm;

/// \brief A search, run a few entries at a time so that the window can show its progress and
/// stop it; what was found so far stays found.
///
///     FullTextSearch search(sources, FullTextTerm(typed));
///     while (search.step(1000)) progress(search.searched(), search.total());
///     list(search.results());
class FullTextSearch {
  public:
    FullTextSearch(const FullTextSources& sources, std::u16string term);

    /// \brief Searches up to `count` more entries; false once the search is over: the table's
    /// end, the result limit, or a lexicon store that cannot be opened.
    bool step(int count);
    /// Entries searched so far, and in all.
    int searched() const { return next_ - 1; }
    int total() const { return total_; }
    /// List items in table order: English headwords, " *" after the user's own.
    const std::vector<ListItem>& results() const { return results_; }

    /// \brief The text the description of the entry in `slot` shows, as the search compares it,
    /// into `out`.
    void shownText(int slot, std::u16string& out);

  private:
    // Each thread of a step reads the stores through its own open files, into its own buffers.
    struct alignas(64) Reading {
        DescriptionReader lexicon;
        DescriptionReader personal;
        std::string body;
        std::u16string shown;
    };

    /// The entries of slots `first` to `last` whose text holds the term.
    std::vector<ListItem> search(Reading& reading, int first, int last) const;
    /// \brief The document's second line for `entry` into `reading.body`: the description's
    /// start, the lexicon's text, the user's note followed by a blank or the user's own text,
    /// "}}}" and the line end. Unlike the entry pane's, a note has no heading here. A text that
    /// cannot be read is left out.
    void readBody(Reading& reading, const EntryRecord& entry) const;
    bool matches(Reading& reading) const;

    FullTextSources sources_;
    std::u16string term_;
    richtext::RtfPrologue prologue_;
    richtext::ShownCharacterProbe probe_;  // rules out most bodies before they are read
    std::vector<Reading> readings_;        // one for each thread
    bool personalOpen_ = false;            // the user's notes and own entries are searched
    std::vector<ListItem> results_;
    int next_ = 1;
    int total_ = 0;
    bool finished_ = false;
};

/// \brief Every entry's shown text, in table order, as the saved texts keep them; nothing when
/// the lexicon's store cannot be opened (then nothing is found).
std::optional<std::vector<DescriptionText>> ShownDescriptionTexts(const FullTextSources& sources);

/// \brief The whole search at once.
std::vector<ListItem> SearchDescriptions(const FullTextSources& sources, std::u16string_view typed);

}  // namespace orvan::lookup
