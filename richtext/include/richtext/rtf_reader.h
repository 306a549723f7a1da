// Reads RTF: tokens feed a stack of group states (destination, character and paragraph format,
// the current font's code page, the \uc count), and the visible text goes to an RtfOutput as
// runs, paragraph ends and whole tables. Reading never fails: unknown words are ignored, missing
// closing braces are supplied at the end and extra ones are passed over.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "richtext/rtf_format.h"
#include "richtext/rtf_tokenizer.h"
#include "richtext/rtf_words.h"

namespace orvan::richtext {

/// \brief True when `text` is an RTF document (it begins with "{\rtf"); anything else is shown as
/// the text it is.
bool IsRtf(std::string_view text);

/// Tables with more cells than this (rows times the widest row), or with a row of more cells
/// than kMaxTableColumns, are sent as text.
inline constexpr std::size_t kMaxTableCells = 20000;
inline constexpr std::size_t kMaxTableColumns = 256;

/// Groups nested deeper than this share the state of the deepest one; their braces still count.
inline constexpr int kMaxGroupDepth = 1024;

class RtfReader {
  public:
    RtfReader();

    /// Reads `source` (a whole document, or the next piece of one) and sends what it shows to
    /// `output`. When `holdBackOpenEnd` is true, a control word that ends the piece and might go
    /// on in the next piece is left unread; the return value is how many bytes were read.
    std::size_t read(std::string_view source, RtfOutput& output, bool holdBackOpenEnd = false);

    /// Ends the document: sends what is still held (text, an open table) and the last paragraph.
    void finish(RtfOutput& output);

    const RtfTables& tables() const { return tables_; }

  private:
    enum class Destination : std::uint8_t {
        Normal,
        Skip,
        FontTable,
        ColourTable,
        FieldInstruction,
        Picture
    };

    struct GroupState {
        Destination destination = Destination::Normal;
        bool ansiTwin = false;  // inside \upr but outside its \ud: not shown
        int unicodeSkip = 1;
        int codePage = 1252;
        const std::array<char16_t, 256>* byteTable = nullptr;  // null for multi-byte pages
        RtfCharFormat chars;
        RtfParagraphFormat paragraph;
    };

    void handleWord(const RtfToken& token);
    void handleSymbol(char symbol);
    void handleBytes(std::string_view bytes);
    void groupStart();
    void groupEnd();
    bool skipForUnicode(RtfToken& token);

    // In the document's own text (not a font table, field instruction or skipped group), where
    // paragraph, cell and row ends count even inside hidden text.
    bool inDocumentText() const {
        return state_.destination == Destination::Normal && !state_.ansiTwin;
    }
    bool shows() const { return inDocumentText() && !state_.chars.hidden; }
    void appendText(std::u16string_view text);
    void appendVisible(std::u16string_view text);
    void appendCharacter(char16_t character);
    void flushBytes();
    void flushRun();
    void endParagraph();
    void endCell();
    void endRow();
    void closeRow();
    void flushTable();
    void sendTableAsText();
    bool tableOpen() const;

    void setCodePage(int codePage);
    void setFont(int number);
    int codePageOfFont(int number) const;
    void finishFontEntry();
    void beginFieldResult();
    void beginPicture();
    void addPictureBytes(std::string_view hex);
    void finishPicture();

    RtfOutput* output_ = nullptr;
    RtfTokenizer* tokenizer_ = nullptr;
    RtfTables tables_;
    int documentCodePage_ = 1252;

    GroupState state_;
    std::vector<GroupState> stack_;
    int overflowDepth_ = 0;          // groups opened beyond kMaxGroupDepth
    int unicodeSkipLeft_ = 0;        // characters still to pass over after a \u
    bool ignorablePending_ = false;  // \* seen: the next word names a destination

    // The font table entry being read, and its name's bytes.
    bool fontEntryOpen_ = false;
    RtfFont fontEntry_;
    std::string fontName_;
    // The colour table entry being read.
    RtfColour colour_;
    // The instruction of the field being read.
    std::string fieldInstruction_;
    int fieldLink_ = -1;  // the link its results belong to
    // The picture being read: its data from hexadecimal digits or \bin, its size and scale.
    RtfImage picture_;
    bool pictureShown_ = false;  // a format the view can show (PNG, JPEG)
    int pictureNibble_ = -1;     // the first digit of a byte, while waiting for the second
    int pictureScaleX_ = 100, pictureScaleY_ = 100;

    // Bytes of a multi-byte code page wait here until a different token comes.
    std::string pendingBytes_;
    int pendingCodePage_ = 0;
    // Text with one format waiting to go out, and where it goes.
    std::u16string run_;
    RtfCharFormat runFormat_;
    bool runInTable_ = false;
    // A table being read.
    RtfTable table_;
    RtfTable::Row row_;
    RtfTable::Cell cell_;
    RtfParagraph cellParagraph_;
    bool afterCarriageReturn_ = false;  // the last text ended with an escaped CR
    // Set once the group that holds the whole document has closed; the rest is not read.
    bool ended_ = false;
    RtfParagraphFormat endParagraphFormat_;
    std::u16string decoded_;  // scratch space for decoding
    std::string escapedRun_;  // the bytes of escapes that follow one another
};

/// \brief Reads a whole RTF document into `output`.
void ReadRtf(std::string_view rtf, RtfOutput& output);

/// A prologue read once, for many documents that begin with it (the lexicon sends the same
/// prologue before every description). Reading a body after it gives exactly what reading the
/// prologue and the body together gives.
class RtfPrologue {
  public:
    RtfPrologue() = default;
    explicit RtfPrologue(std::string_view prologue);

    const std::string& source() const { return source_; }
    /// The end of the prologue that a body completes (a control word cut short), read again in
    /// front of each body; empty when the prologue ends between tokens.
    const std::string& openEnd() const { return openEnd_; }
    /// \brief Reads the document made of this prologue followed by `body`.
    void read(std::string_view body, RtfOutput& output) const;

  private:
    void readWith(RtfReader& reader, std::string_view body, RtfOutput& output) const;

    std::string source_;
    RtfReader reader_;
    std::string openEnd_;  // the unread end of the prologue, read again before each body

    // What the prologue itself shows, sent again before each body.
    struct Shown {
        enum class Kind : std::uint8_t { Text, Image, Paragraph, Table } kind;
        std::u16string text;
        RtfCharFormat chars;
        RtfParagraphFormat paragraph;
        std::shared_ptr<const RtfImage> image;
        std::shared_ptr<const RtfTable> table;
    };
    friend class ShownRecorder;
    std::vector<Shown> shown_;
};

}  // namespace orvan::richtext
