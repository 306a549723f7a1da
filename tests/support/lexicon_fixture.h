// Small lexicons written by the tests themselves: plain lines in, scrambled files out, in a
// temporary folder that also serves as HOME.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lexicon/line_formats.h"
#include "lexicon/tables.h"

namespace orvan::test {

/// \brief UTF-8 (as the test sources are written) to code page 1253 bytes.
std::string Cp(const std::string& utf8);
/// \brief Code page 1253 bytes to UTF-8, for readable failure messages and comparisons.
std::string Utf8(const std::string& codePage);

/// \brief The bytes of ci.tbo or cigr.tbo holding plain `lines`, and the plain lines of such bytes.
std::string ScrambledPersonal(const std::vector<std::string>& lines);
std::vector<std::string> PlainPersonal(const std::string& stored);

/// \brief A file's bytes; nothing when it cannot be read.
std::optional<std::string> FileBytes(const std::string& path);

/// The headwords of the user's own entries, in table order.
std::vector<std::string> OwnHeadwords(const EntryTables& tables);

/// \brief A fresh folder under the system's temporary folder, removed with its content.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;

  private:
    std::string path_;
};

/// \brief Builds a program folder with data/i.tbo, data/igr.tbo, data/lex.tbo and
/// data/srt.tbo, and a personal folder with ci.tbo, cigr.tbo and clex.tbo.
class LexiconBuilder {
  public:
    /// Adds an English entry with its plain description, numbered by its line; returns the
    /// number. The headword and field code are code page 1253.
    int addEntry(const std::string& headword, const std::string& description = "{x}",
                 int keyStart = 1, const std::string& fieldCode = "");
    void addGreek(int number, const std::string& headword);
    void addField(const std::string& code, const std::string& name);
    /// Adds a raw plain line to an index, for malformed input.
    void addRawEnglishLine(const std::string& line) { englishLines_.push_back(line); }
    void addRawGreekLine(const std::string& line) { greekLines_.push_back(line); }

    /// A personal entry placed after entry `anchor`; its text goes to clex.tbo.
    void addPersonalEntry(int anchor, int own, const std::string& headword,
                          const std::string& text = "{p}", const std::string& fieldCode = "");
    void addSupplement(int anchor, const std::string& text = "{s}");
    void addPersonalGreek(int anchor, int own, const std::string& headword);
    void addRawPersonalLine(const std::string& plainLine) { personalLines_.push_back(plainLine); }

    /// The plain prologue block (57601 bytes) that opens data/lex.tbo.
    static std::string prologue();

    void writeLexicon(const std::string& programFolder) const;
    void writePersonal(const std::string& personalFolder) const;

    const std::vector<std::string>& englishLines() const { return englishLines_; }

  private:
    std::vector<std::string> englishLines_, greekLines_, fieldLines_;
    std::string descriptions_ = prologue();
    std::vector<std::string> personalLines_, personalGreekLines_;
    std::string personalTexts_;
};

}  // namespace orvan::test
