// The fixed-column line formats of the lexicon's and the user's files, in their plain
// (unscrambled) form. Columns are 1-based, as the files are described.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvan {

/// \brief Columns `first`..`first + width - 1` of a line, cut short where the line ends.
std::string_view Columns(std::string_view line, size_t first, size_t width);

/// \brief A decimal number as the files hold it: leading blanks and zeros accepted, an optional
/// sign, then digits only. Blank, letters, a trailing blank or a value outside 32 bits give
/// nothing.
std::optional<long long> ParseDecimal(std::string_view field);

/// \brief `value` in decimal, zero-padded on the left to `width` digits.
std::string ZeroPadded(long long value, int width);

/// \brief `text` cut or blank-padded on the right to exactly `width` characters.
std::string BlankPadded(std::string_view text, size_t width);

/// \brief An entry number fits in 16 bits and is never 0 (0 marks the end of a table).
bool IsEntryNumber(long long value);

/// \brief A line of "data/i.tbo" (English index).
struct IndexLine {
    uint16_t number = 0;
    std::string headword;  // trailing blanks removed
    int32_t descPos = 0;   // 0-based offset in the description store
    int32_t descLen = 0;
    uint8_t keyStart = 0;  // 1-based position of the alphabetical key in the headword
    std::string fieldCode;
};
std::optional<IndexLine> ParseIndexLine(std::string_view line);
std::string FormatIndexLine(const IndexLine& line);

/// \brief A line of "data/igr.tbo" (Greek index).
struct GreekIndexLine {
    uint16_t number = 0;  // the English entry this Greek headword renders
    std::string headword;
};
std::optional<GreekIndexLine> ParseGreekIndexLine(std::string_view line);
std::string FormatGreekIndexLine(const GreekIndexLine& line);

/// \brief A line of ci.tbo: a personal entry, or (both numbers equal) a supplement to the
/// lexicon entry numbered `anchor`.
struct PersonalIndexLine {
    std::string anchorText;  // columns 1-5 as written
    std::string ownText;     // columns 6-10 as written
    uint16_t anchor = 0;
    uint16_t own = 0;
    std::string headword;  // entries only; trailing blanks removed
    int32_t textPos = 0;   // 1-based position in clex.tbo
    int32_t textLen = 0;
    std::string location;   // columns 91-103: the supplement's position and length as text
    std::string fieldCode;  // entries only

    bool isSupplement() const { return anchorText == ownText; }
};
/// \brief Only the anchor (columns 1-5) must be a number for a line to be read: the rest is
/// read when the line is merged, by ParsePersonalIndexLine.
std::optional<uint16_t> ParsePersonalAnchor(std::string_view line);
std::optional<PersonalIndexLine> ParsePersonalIndexLine(std::string_view line);
std::string FormatPersonalIndexLine(const PersonalIndexLine& line);

/// \brief A line of cigr.tbo.
struct PersonalGreekLine {
    uint16_t anchor = 0;
    uint16_t own = 0;
    std::string headword;  // trailing blanks removed
};
std::optional<PersonalGreekLine> ParsePersonalGreekLine(std::string_view line);
std::string FormatPersonalGreekLine(const PersonalGreekLine& line);

/// \brief A line of "data/srt.tbo": code in columns 1-13, name in columns 15-134, both trimmed.
struct FieldLine {
    std::string code;
    std::string name;
};
FieldLine ParseFieldLine(std::string_view line);
std::string FormatFieldLine(const FieldLine& line);

/// \brief A line of "content/fil.tbo": a folder when it ends with a backslash, a file otherwise.
struct ContentListLine {
    bool isFolder = false;
    std::string path;
};
std::optional<ContentListLine> ParseContentListLine(std::string_view line);

}  // namespace orvan
