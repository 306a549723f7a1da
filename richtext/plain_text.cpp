#include "richtext/plain_text.h"

#include "richtext/code_pages.h"

namespace orvan::richtext {

namespace {

// Builds the text the way the document builder lays it out: blocks separated by one line end,
// a table as a line end, its cells row by row each followed by a line end, then the next block.
class PlainTextOutput final : public RtfOutput {
  public:
    explicit PlainTextOutput(std::u16string& text) : text_(text) { text_.clear(); }

    void addText(std::u16string_view text, const RtfCharFormat&) override { append(text); }
    void addImage(const RtfImage&, const RtfCharFormat&) override { text_.push_back(u'\uFFFC'); }
    void endParagraph(const RtfParagraphFormat&) override { text_.push_back(u'\n'); }
    void addTable(const RtfTable& table) override {
        const std::size_t columns = table.columnCount();
        text_.push_back(u'\n');
        bool first = true;
        for (const RtfTable::Row& row : table.rows) {
            for (std::size_t column = 0; column < columns; ++column) {
                if (!first) text_.push_back(u'\n');
                first = false;
                if (column >= row.size()) continue;
                bool firstParagraph = true;
                for (const RtfParagraph& paragraph : row[column]) {
                    if (!firstParagraph) text_.push_back(u'\n');
                    firstParagraph = false;
                    for (const RtfRun& run : paragraph.runs)
                        append(run.text);
                }
            }
        }
        text_.push_back(u'\n');
    }
    void finish(const RtfParagraphFormat&) override {}

  private:
    // toPlainText() turns no-break spaces into blanks and line separators into line ends.
    void append(std::u16string_view text) {
        const std::size_t start = text_.size();
        text_.append(text);
        for (std::size_t i = start; i < text_.size(); ++i) {
            if (text_[i] == u'\u00A0') text_[i] = u' ';
            if (text_[i] == u'\u2028') text_[i] = u'\n';
        }
    }

    std::u16string& text_;
};

}  // namespace

std::u16string ShownPlainText(std::string_view text) {
    std::u16string decoded;
    AppendDecoded(kGreekCodePage, text, decoded);
    std::u16string shown;
    shown.reserve(decoded.size());
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        const char16_t c = decoded[i];
        if (c == u'\r' && i + 1 < decoded.size() && decoded[i + 1] == u'\n') continue;
        if (c == u'\r' || c == u'\u2029' || c == u'\u2028' || c == u'\uFDD0' || c == u'\uFDD1')
            shown.push_back(u'\n');
        else if (c == u'\u00A0')
            shown.push_back(u' ');
        else
            shown.push_back(c);
    }
    return shown;
}

std::u16string PlainTextOf(std::string_view text) {
    if (!IsRtf(text)) return ShownPlainText(text);
    std::u16string shown;
    PlainTextOutput output(shown);
    ReadRtf(text, output);
    return shown;
}

std::u16string PlainTextOf(const RtfPrologue& prologue, std::string_view body) {
    std::u16string shown;
    ExtractPlainText(prologue, body, shown);
    return shown;
}

void ExtractPlainText(const RtfPrologue& prologue, std::string_view body, std::u16string& out) {
    if (!IsRtf(prologue.source())) {
        out = PlainTextOf(prologue.source() + std::string(body));
        return;
    }
    PlainTextOutput output(out);
    prologue.read(body, output);
}

}  // namespace orvan::richtext
