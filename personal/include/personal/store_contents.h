// The personal files as the store works on them: the index lines unscrambled, the texts as
// stored, and the columns of a personal index line.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "lexicon/lexicon_files.h"
#include "lexicon/line_formats.h"
#include "lexicon/tables.h"
#include "personal/store_commit.h"
#include "personal/store_files.h"

namespace orvan::personal {

struct StoreContents {
    PersonalIndexes indexes;           // ci.tbo and cigr.tbo as read, for the tables' stamp
    std::vector<std::string> english;  // ci.tbo, one plain line each
    std::vector<std::string> greek;    // cigr.tbo
    std::string texts;                 // clex.tbo, scrambled as stored
    /// The last entry number the store handed out (cnum.tbo); nothing when the file is missing
    /// or damaged, and then worked out again from the numbers in use.
    std::optional<long long> lastNumber;
};

/// \brief Reads the three files (a missing file reads as empty). Throws StoreFileError.
StoreContents ReadContents(StoreFileSystem& files, const PersonalFiles& personal);

/// \brief Reads ci.tbo and cigr.tbo for the loader; a file that cannot be read is named in the
/// result's problem instead.
PersonalIndexes ReadIndexes(StoreFileSystem& files, const PersonalFiles& personal);

/// \brief The temporaries of a change: tempi.tbo, tempigr.tbo and templex.tbo.
std::vector<std::string> Temporaries(const PersonalFiles& personal);

/// \brief The files to write for `contents`: ci.tbo and clex.tbo, cigr.tbo when `withGreek`,
/// and cnum.tbo when the contents know the last number handed out.
std::vector<FileReplacement> Replacements(const StoreContents& contents,
                                          const PersonalFiles& personal, bool withGreek);

/// \brief The columns of ci.tbo line `lineNumber` (from 1), read as the loader reads them;
/// throws StoreFileError naming the line when it is damaged.
PersonalIndexLine ReadEnglishLine(const std::string& line, size_t lineNumber);

/// \brief The owner number (columns 6-10) of a cigr.tbo line.
std::optional<long long> GreekLineOwner(const std::string& line);

/// \brief A ci.tbo line: numbers zero-padded, the headword blank-padded to 80 characters, the
/// field code (entries only) at the end.
std::string EnglishLine(long long anchor, long long own, const std::string& headword,
                        long long textPos, long long textLen, const std::string& fieldCode);

/// \brief `line` with `textPos` in columns 91-98.
std::string WithTextPos(const std::string& line, long long textPos);

/// \brief A cigr.tbo line: the Greek headword as entered, at most 80 characters.
std::string GreekLine(long long anchor, long long own, const std::string& headword);

/// \brief Builds new contents line by line, each line followed by its text, so that every
/// line's TextPos is where its text lands.
class ContentsWriter {
  public:
    /// Appends a line (re-positioned to where `text` goes) and its scrambled text.
    void add(const std::string& line, const std::string& scrambledText);
    long long position() const { return static_cast<long long>(texts_.size()) + 1; }
    std::vector<std::string> takeLines() { return std::move(lines_); }
    std::string takeTexts() { return std::move(texts_); }

  private:
    std::vector<std::string> lines_;
    std::string texts_;
};

/// \brief The text of a ci.tbo line in clex.tbo, where the line says it is (as the entry display
/// reads it); throws StoreFileError when it lies past the end of clex.tbo.
std::string TextOf(const std::string& texts, const PersonalIndexLine& line, size_t lineNumber);

/// Picks a ci.tbo line by its columns, told how many lines it has picked so far.
using EnglishLinePick = std::function<bool(const PersonalIndexLine& columns, int picked)>;

/// \brief Drops the ci.tbo lines that `drop` picks with their texts, and packs the texts of the
/// others anew; false (and the contents as they were) when it picked none.
bool DropEnglishLines(StoreContents& contents, const EnglishLinePick& drop);

}  // namespace orvan::personal
