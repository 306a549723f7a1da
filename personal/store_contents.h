// The personal files as the store works on them: the index lines unscrambled, the texts as
// stored, and the columns of a personal index line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lexicon_files.h"
#include "store_files.h"

namespace orvan::personal {

struct StoreContents {
    std::vector<std::string> english;  // ci.tbo, one plain line each
    std::vector<std::string> greek;    // cigr.tbo
    std::string texts;                 // clex.tbo, scrambled as stored
};

/// \brief Reads the three files (a missing file reads as empty). Throws StoreFileError.
StoreContents ReadContents(StoreFileSystem& files, const PersonalFiles& personal);

/// \brief The files to write for `contents`: ci.tbo and clex.tbo, and cigr.tbo when `withGreek`.
std::vector<FileReplacement> Replacements(const StoreContents& contents,
                                          const PersonalFiles& personal, bool withGreek);

/// The numeric columns of a ci.tbo line.
struct EnglishLineColumns {
    long long anchor = 0;   // 1-5
    long long own = 0;      // 6-10
    long long textPos = 0;  // 91-98
    long long textLen = 0;  // 99-103
};

/// \brief The columns of a ci.tbo line; nothing when one of them is not a number or the length
/// is negative (a damaged line).
std::optional<EnglishLineColumns> ReadEnglishLine(const std::string& line);

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
    void Add(const std::string& line, const std::string& scrambledText);
    long long position() const { return static_cast<long long>(texts_.size()) + 1; }
    std::vector<std::string> takeLines() { return std::move(lines_); }
    std::string takeTexts() { return std::move(texts_); }

  private:
    std::vector<std::string> lines_;
    std::string texts_;
};

/// \brief Reads the old texts in line order: each line's text is the next TextLen bytes.
class TextReader {
  public:
    explicit TextReader(const std::string& texts) : texts_(texts) {}
    /// The next `length` bytes; throws StoreFileError when clex.tbo ends before them.
    std::string Take(long long length);

  private:
    const std::string& texts_;
    size_t at_ = 0;
};

}  // namespace orvan::personal
