// What the RTF reader hands to its outputs: character and paragraph formats in RTF's own units,
// the font and colour tables, and whole tables once their last row has been read.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace orvan::richtext {

/// The longest length the reader keeps (22 inches, in twips); longer ones are cut to it.
inline constexpr int kMaxTwips = 31680;

/// One entry of a document's font table.
struct RtfFont {
    enum class Family { Nil, Roman, Swiss, Modern, Script, Decor, Tech, Bidi };

    int number = 0;
    std::string name;  // as declared, decoded to UTF-8
    Family family = Family::Nil;
    int charset = -1;  // \fcharset, -1 when not declared
    int codePage = 0;  // the code page \'hh escapes in this font stand for
};

/// One entry of the colour table; `isAuto` for an entry without colour words (the default).
struct RtfColour {
    bool isAuto = true;
    std::uint8_t red = 0, green = 0, blue = 0;

    bool operator==(const RtfColour&) const = default;
};

enum class RtfUnderline : std::uint8_t { None, Single, Double, Dotted, Dashed, Wave, Words };
enum class RtfVertical : std::uint8_t { Normal, Super, Sub };
enum class RtfAlignment : std::uint8_t { Left, Centre, Right, Justify };

struct RtfCharFormat {
    int font = -1;        // font number, -1 for the document's default font
    int halfPoints = 24;  // \fs
    int foreground = 0;   // colour table index, 0 = automatic
    int background = 0;   // \cb, \highlight or \chcbpat; 0 = none
    bool bold = false;
    bool italic = false;
    bool strike = false;
    bool hidden = false;  // \v: not shown
    bool allCaps = false;
    bool smallCaps = false;
    RtfUnderline underline = RtfUnderline::None;
    RtfVertical vertical = RtfVertical::Normal;
    int link = -1;  // index of the hyperlink target this text belongs to, -1 for none

    bool operator==(const RtfCharFormat&) const = default;
};

struct RtfTabStop {
    enum class Kind : std::uint8_t { Left, Centre, Right, Decimal };
    int position = 0;  // twips from the left margin
    Kind kind = Kind::Left;

    bool operator==(const RtfTabStop&) const = default;
};

/// Tab stops are kept inline so that opening a group copies no heap memory.
inline constexpr int kMaxTabStops = 32;

struct RtfParagraphFormat {
    RtfAlignment alignment = RtfAlignment::Left;
    int leftIndent = 0;  // twips
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0;        // \sl: 0 = single, > 0 at least, < 0 exactly (twips)
    bool lineMultiple = false;  // \slmult1: lineSpacing is in 240ths of a line
    bool inTable = false;
    int tabCount = 0;
    std::array<RtfTabStop, kMaxTabStops> tabs{};
    RtfTabStop::Kind nextTabKind = RtfTabStop::Kind::Left;

    bool operator==(const RtfParagraphFormat&) const = default;
};

/// A picture the document holds (\pict with PNG or JPEG data).
struct RtfImage {
    enum class Kind : std::uint8_t { Png, Jpeg };
    Kind kind = Kind::Png;
    std::string data;    // the encoded picture
    int widthTwips = 0;  // the size to show it at; 0 for its own size
    int heightTwips = 0;
};

/// A run of text with one character format, or a picture (then `text` is U+FFFC).
struct RtfRun {
    std::u16string text;
    RtfCharFormat format;
    std::shared_ptr<const RtfImage> image;
};

struct RtfParagraph {
    std::vector<RtfRun> runs;
    RtfParagraphFormat format;
};

/// A table as read: rows of cells, each cell one or more paragraphs. Rows may differ in their
/// number of cells; the table is as wide as its widest row.
struct RtfTable {
    using Cell = std::vector<RtfParagraph>;
    using Row = std::vector<Cell>;
    std::vector<Row> rows;

    std::size_t columnCount() const;
};

/// The tables a document declares, for outputs that render formats.
struct RtfTables {
    std::vector<RtfFont> fonts;
    std::unordered_map<int, std::size_t> fontIndex;  // font number -> index in `fonts`
    std::vector<RtfColour> colours;
    std::vector<std::u16string> links;  // hyperlink targets, indexed by RtfCharFormat::link
    int defaultFont = 0;                // \deff
    int defaultTabTwips = 720;          // \deftab: the distance between default tab stops

    const RtfFont* font(int number) const;
    void addFont(const RtfFont& font);  // replaces an earlier font of the same number
    RtfColour colour(int index) const;  // automatic for 0 and indexes past the table
};

/// Where the reader sends what it reads. Text never holds paragraph separators: a paragraph ends
/// with endParagraph, whose format is the one in force when it ended.
class RtfOutput {
  public:
    virtual ~RtfOutput() = default;
    /// Called before anything else; the tables stay valid, and grow, while the reader reads.
    virtual void useTables(const RtfTables& /*tables*/) {}
    virtual void addText(std::u16string_view text, const RtfCharFormat& format) = 0;
    /// A picture, standing in the text as one character.
    virtual void addImage(const RtfImage& image, const RtfCharFormat& format) = 0;
    virtual void endParagraph(const RtfParagraphFormat& format) = 0;
    /// A table, placed after the current paragraph; the text after it starts a new paragraph.
    virtual void addTable(const RtfTable& table) = 0;
    /// The last paragraph of the document has this format (it has no \par of its own).
    virtual void finish(const RtfParagraphFormat& format) = 0;
};

}  // namespace orvan::richtext
