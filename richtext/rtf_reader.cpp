#include "rtf_reader.h"

#include <QString>
#include <algorithm>
#include <memory>

#include "code_pages.h"

namespace orvan::richtext {

namespace {

class NullOutput final : public RtfOutput {
  public:
    void addText(std::u16string_view, const RtfCharFormat&) override {}
    void addImage(const RtfImage&, const RtfCharFormat&) override {}
    void endParagraph(const RtfParagraphFormat&) override {}
    void addTable(const RtfTable&) override {}
    void finish(const RtfParagraphFormat&) override {}
};

// A control word that touches the end of a piece could go on in the next piece ("\f" + "60"),
// and so does the data of a \bin that reaches past it.
bool OpenEnded(std::string_view source, std::size_t end, const RtfToken& word) {
    if (word.word == "bin" && word.hasParameter && word.parameter > 0 &&
        static_cast<std::size_t>(word.parameter) > source.size() - end)
        return true;
    if (end == source.size()) return source.back() != ' ';
    return end + 1 == source.size() && source[end] == '-';
}

bool Flag(const RtfToken& token) {
    return !token.hasParameter || token.parameter != 0;
}

std::string TrimBlanks(std::string text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// The target of a HYPERLINK field, unless it points inside the document (\l).
std::u16string HyperlinkTarget(std::string_view instruction) {
    const auto start = instruction.find_first_not_of(' ');
    if (start == std::string_view::npos || instruction.substr(start, 9) != "HYPERLINK") return {};
    std::string_view rest = instruction.substr(start + 9);
    const auto quote = rest.find('"');
    if (quote == std::string_view::npos) return {};
    if (rest.substr(0, quote).find("\\l") != std::string_view::npos) return {};
    const auto close = rest.find('"', quote + 1);
    const std::string_view target = rest.substr(
        quote + 1, close == std::string_view::npos ? std::string_view::npos : close - quote - 1);
    std::u16string decoded;
    AppendDecoded(kWesternCodePage, target, decoded);
    return decoded;
}

}  // namespace

bool IsRtf(std::string_view text) {
    return text.starts_with("{\\rtf");
}

RtfReader::RtfReader() {
    setCodePage(documentCodePage_);
}

std::size_t RtfReader::read(std::string_view source, RtfOutput& output, bool holdBackOpenEnd) {
    output_ = &output;
    output.useTables(tables_);
    RtfTokenizer tokenizer(source);
    tokenizer_ = &tokenizer;
    while (!ended_) {
        RtfToken token = tokenizer.next();
        if (token.kind == RtfToken::Kind::End) break;
        if (holdBackOpenEnd && (token.kind == RtfToken::Kind::Incomplete ||
                                (token.kind == RtfToken::Kind::Word &&
                                 OpenEnded(source, tokenizer.position(), token)))) {
            tokenizer_ = nullptr;
            return token.start;
        }
        if (token.kind != RtfToken::Kind::Word) ignorablePending_ = false;
        if (unicodeSkipLeft_ > 0 && skipForUnicode(token)) continue;
        switch (token.kind) {
            case RtfToken::Kind::GroupStart:
                groupStart();
                break;
            case RtfToken::Kind::GroupEnd:
                groupEnd();
                break;
            case RtfToken::Kind::Word:
                handleWord(token);
                break;
            case RtfToken::Kind::Symbol:
                handleSymbol(token.symbol);
                break;
            case RtfToken::Kind::HexByte: {
                const char byte = static_cast<char>(token.byte);
                handleBytes(std::string_view(&byte, 1));
                break;
            }
            case RtfToken::Kind::Text:
                handleBytes(token.word);
                break;
            case RtfToken::Kind::Incomplete:
            case RtfToken::Kind::End:
                break;
        }
    }
    tokenizer_ = nullptr;
    return source.size();
}

void RtfReader::finish(RtfOutput& output) {
    output_ = &output;
    flushBytes();
    flushRun();
    if (tableOpen()) flushTable();
    output.finish(ended_ ? endParagraphFormat_ : state_.paragraph);
}

// After \uN the next \uc characters are the fallback for readers without Unicode: a text byte,
// an escape or a control word each count as one; a brace ends the fallback.
bool RtfReader::skipForUnicode(RtfToken& token) {
    switch (token.kind) {
        case RtfToken::Kind::GroupStart:
        case RtfToken::Kind::GroupEnd:
        case RtfToken::Kind::End:
            unicodeSkipLeft_ = 0;
            return false;
        case RtfToken::Kind::Text:
            if (token.word.size() <= static_cast<std::size_t>(unicodeSkipLeft_)) {
                unicodeSkipLeft_ -= static_cast<int>(token.word.size());
                return true;
            }
            token.word.remove_prefix(static_cast<std::size_t>(unicodeSkipLeft_));
            unicodeSkipLeft_ = 0;
            return false;
        case RtfToken::Kind::Word:
            if (token.word == "bin" && token.hasParameter) tokenizer_->skipBytes(token.parameter);
            --unicodeSkipLeft_;
            return true;
        default:
            --unicodeSkipLeft_;
            return true;
    }
}

void RtfReader::groupStart() {
    flushBytes();
    if (stack_.size() >= static_cast<std::size_t>(kMaxGroupDepth)) {
        ++overflowDepth_;
        return;
    }
    stack_.push_back(state_);
}

void RtfReader::groupEnd() {
    flushBytes();
    if (overflowDepth_ > 0) {
        --overflowDepth_;
        return;
    }
    if (stack_.empty()) return;  // a closing brace too many
    const Destination closing = state_.destination;
    if (closing == Destination::FontTable && fontEntryOpen_) finishFontEntry();
    if (stack_.size() == 1) {
        endParagraphFormat_ = state_.paragraph;
        ended_ = true;
    }
    state_ = stack_.back();
    stack_.pop_back();
    if (closing == Destination::Picture && state_.destination != Destination::Picture)
        finishPicture();
    if (closing == Destination::FontTable && state_.destination != Destination::FontTable)
        setCodePage(codePageOfFont(state_.chars.font));
}

void RtfReader::handleBytes(std::string_view bytes) {
    switch (state_.destination) {
        case Destination::Normal:
            break;
        case Destination::Skip:
            return;
        case Destination::FontTable:
            for (char byte : bytes) {
                if (byte == ';') {
                    if (fontEntryOpen_) finishFontEntry();
                } else if (fontEntryOpen_) {
                    fontName_ += byte;
                }
            }
            return;
        case Destination::ColourTable:
            for (char byte : bytes) {
                if (byte != ';') continue;
                tables_.colours.push_back(colour_);
                colour_ = RtfColour{};
            }
            return;
        case Destination::FieldInstruction:
            fieldInstruction_.append(bytes);
            return;
        case Destination::Picture:
            addPictureBytes(bytes);
            return;
    }
    if (!shows()) return;
    if (const auto* table = state_.byteTable) {
        flushBytes();
        decoded_.resize(bytes.size());
        for (std::size_t i = 0; i < bytes.size(); ++i)
            decoded_[i] = (*table)[static_cast<unsigned char>(bytes[i])];
        appendText(decoded_);
        return;
    }
    if (!pendingBytes_.empty() && pendingCodePage_ != state_.codePage) flushBytes();
    shownContent_ = true;
    pendingCodePage_ = state_.codePage;
    pendingBytes_.append(bytes);
}

void RtfReader::flushBytes() {
    if (pendingBytes_.empty()) return;
    decoded_.clear();
    AppendDecoded(pendingCodePage_, pendingBytes_, decoded_);
    pendingBytes_.clear();
    appendText(decoded_);
}

void RtfReader::appendCharacter(char16_t character) {
    flushBytes();
    if (shows()) appendText(std::u16string_view(&character, 1));
}

// Decoded text may hold line and paragraph separators; they end paragraphs as \par does, so that
// no output ever receives them inside text.
void RtfReader::appendText(std::u16string_view text) {
    std::size_t start = 0;
    if (afterCarriageReturn_ && !text.empty() && text[0] == u'\n') start = 1;  // CR LF is one end
    afterCarriageReturn_ = false;
    for (std::size_t i = start; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c != u'\r' && c != u'\n' && c != u'\u2029' && c != u'\uFDD0' && c != u'\uFDD1')
            continue;
        appendVisible(text.substr(start, i - start));
        start = i + 1;
        if (c == u'\uFDD0' || c == u'\uFDD1') {
            appendVisible(u"\uFFFD");
            continue;
        }
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') start = ++i + 1;
        endParagraph();
        afterCarriageReturn_ = c == u'\r' && i + 1 == text.size();
    }
    appendVisible(text.substr(start));
}

void RtfReader::appendVisible(std::u16string_view text) {
    if (text.empty()) return;
    shownContent_ = true;
    const bool inTable = state_.paragraph.inTable;
    if (!inTable && tableOpen()) {
        flushRun();
        flushTable();
    }
    if (!run_.empty() && (runInTable_ != inTable || !(runFormat_ == state_.chars))) flushRun();
    if (run_.empty()) {
        runFormat_ = state_.chars;
        runInTable_ = inTable;
    }
    run_.append(text);
}

void RtfReader::flushRun() {
    if (run_.empty()) return;
    if (runInTable_)
        cellParagraph_.runs.push_back(RtfRun{run_, runFormat_, nullptr});
    else
        output_->addText(run_, runFormat_);
    run_.clear();
}

void RtfReader::endParagraph() {
    flushBytes();
    afterCarriageReturn_ = false;
    if (state_.destination != Destination::Normal || state_.ansiTwin) return;
    shownContent_ = true;
    flushRun();
    if (state_.paragraph.inTable) {
        cellParagraph_.format = state_.paragraph;
        cell_.push_back(std::move(cellParagraph_));
        cellParagraph_ = RtfParagraph{};
        return;
    }
    if (tableOpen()) flushTable();
    output_->endParagraph(state_.paragraph);
}

void RtfReader::endCell() {
    flushBytes();
    if (state_.destination != Destination::Normal || state_.ansiTwin) return;
    shownContent_ = true;
    flushRun();
    cellParagraph_.format = state_.paragraph;
    cellParagraph_.format.inTable = true;
    cell_.push_back(std::move(cellParagraph_));
    cellParagraph_ = RtfParagraph{};
    row_.push_back(std::move(cell_));
    cell_.clear();
}

void RtfReader::endRow() {
    flushBytes();
    if (state_.destination != Destination::Normal || state_.ansiTwin) return;
    flushRun();
    if (!cellParagraph_.runs.empty()) {  // text after the last \cell of the row
        cell_.push_back(std::move(cellParagraph_));
        cellParagraph_ = RtfParagraph{};
    }
    if (!cell_.empty()) {
        row_.push_back(std::move(cell_));
        cell_.clear();
    }
    if (!row_.empty()) {
        table_.rows.push_back(std::move(row_));
        row_.clear();
    }
}

bool RtfReader::tableOpen() const {
    return !table_.rows.empty() || !row_.empty() || !cell_.empty() ||
           !cellParagraph_.runs.empty() || (runInTable_ && !run_.empty());
}

// Sends the table read so far; a row or cell left open at its end is kept as read.
void RtfReader::flushTable() {
    if (runInTable_) flushRun();
    if (!cellParagraph_.runs.empty()) {
        cell_.push_back(std::move(cellParagraph_));
        cellParagraph_ = RtfParagraph{};
    }
    if (!cell_.empty()) {
        row_.push_back(std::move(cell_));
        cell_.clear();
    }
    if (!row_.empty()) {
        table_.rows.push_back(std::move(row_));
        row_.clear();
    }
    if (table_.rows.size() * table_.columnCount() > kMaxTableCells)
        sendTableAsText();
    else if (!table_.rows.empty())
        output_->addTable(table_);
    table_ = RtfTable{};
}

// A table whose grid would be far larger than its text (one very long row among many short
// ones) goes out as paragraphs instead: one per row, cells separated by tabs.
void RtfReader::sendTableAsText() {
    output_->endParagraph(RtfParagraphFormat{});
    for (const RtfTable::Row& row : table_.rows) {
        RtfParagraphFormat format;
        for (std::size_t cell = 0; cell < row.size(); ++cell) {
            if (cell > 0) output_->addText(u"\t", RtfCharFormat{});
            for (std::size_t paragraph = 0; paragraph < row[cell].size(); ++paragraph) {
                if (paragraph > 0) output_->addText(u" ", RtfCharFormat{});
                for (const RtfRun& run : row[cell][paragraph].runs)
                    output_->addText(run.text, run.format);
                format = row[cell][paragraph].format;
            }
        }
        format.inTable = false;
        output_->endParagraph(format);
    }
}

int RtfReader::codePageOfFont(int number) const {
    if (number < 0) number = tables_.defaultFont;
    const RtfFont* font = tables_.font(number);
    return font != nullptr ? font->codePage : documentCodePage_;
}

void RtfReader::setCodePage(int codePage) {
    state_.codePage = codePage;
    state_.byteTable = SingleByteTable(codePage);
}

void RtfReader::setFont(int number) {
    state_.chars.font = number;
    setCodePage(codePageOfFont(number));
}

void RtfReader::finishFontEntry() {
    fontEntryOpen_ = false;
    if (fontEntry_.codePage <= 0)
        fontEntry_.codePage =
            CodePageForCharset(fontEntry_.charset < 0 ? 1 : fontEntry_.charset, documentCodePage_);
    std::u16string name;
    AppendDecoded(fontEntry_.codePage, TrimBlanks(fontName_), name);
    fontEntry_.name = QString::fromStdU16String(name).toStdString();
    fontName_.clear();
    tables_.addFont(fontEntry_);
}

void RtfReader::beginFieldResult() {
    // The instruction is read once, at the field's first result.
    if (!fieldInstruction_.empty()) {
        const std::u16string target = HyperlinkTarget(fieldInstruction_);
        fieldInstruction_.clear();
        fieldLink_ = -1;
        if (!target.empty()) {
            tables_.links.push_back(target);
            fieldLink_ = static_cast<int>(tables_.links.size() - 1);
        }
    }
    if (fieldLink_ >= 0) state_.chars.link = fieldLink_;
}

void RtfReader::beginPicture() {
    if (state_.destination != Destination::Normal) {
        state_.destination = Destination::Skip;
        return;
    }
    state_.destination = Destination::Picture;
    picture_ = RtfImage{};
    pictureShown_ = false;
    pictureNibble_ = -1;
    pictureScaleX_ = pictureScaleY_ = 100;
}

void RtfReader::addPictureBytes(std::string_view hex) {
    if (!pictureShown_) return;
    for (char c : hex) {
        int value = -1;
        if (c >= '0' && c <= '9') value = c - '0';
        if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
        if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
        if (value < 0) continue;  // blanks between the digits
        if (pictureNibble_ < 0) {
            pictureNibble_ = value;
        } else {
            picture_.data += static_cast<char>(pictureNibble_ * 16 + value);
            pictureNibble_ = -1;
        }
    }
}

// A picture stands in the text like one character, with the format around it.
void RtfReader::finishPicture() {
    if (!pictureShown_ || picture_.data.empty() || !shows()) return;
    picture_.widthTwips =
        static_cast<int>(std::int64_t(picture_.widthTwips) * pictureScaleX_ / 100);
    picture_.heightTwips =
        static_cast<int>(std::int64_t(picture_.heightTwips) * pictureScaleY_ / 100);
    shownContent_ = true;
    const bool inTable = state_.paragraph.inTable;
    flushRun();
    if (!inTable && tableOpen()) flushTable();
    if (inTable) {
        cellParagraph_.runs.push_back(
            RtfRun{u"\uFFFC", state_.chars, std::make_shared<RtfImage>(std::move(picture_))});
    } else {
        output_->addImage(picture_, state_.chars);
    }
    picture_ = RtfImage{};
    pictureShown_ = false;
}

void RtfReader::handleSymbol(char symbol) {
    flushBytes();
    switch (symbol) {
        case '\\':
        case '{':
        case '}':
            handleBytes(std::string_view(&symbol, 1));
            break;
        case '~':
            appendCharacter(u'\u00A0');
            break;
        case '-':
            appendCharacter(u'\u00AD');
            break;
        case '_':
            appendCharacter(u'\u2011');
            break;
        case '*':
            ignorablePending_ = true;
            break;
        case '\r':
        case '\n':
            endParagraph();
            break;  // a backslash before a line end
        default:
            break;  // \: \| and the like mean nothing on screen
    }
}

void RtfReader::handleWord(const RtfToken& token) {
    flushBytes();
    const RtfWordInfo info = LookUpWord(token.word);
    const int parameter = token.parameter;
    if (ignorablePending_) {
        // \* names a destination that a reader which does not know it must pass over.
        ignorablePending_ = false;
        // A shape's picture (\shppict) is read like any other picture.
        if (info.word == RtfWord::UnicodeTwin)
            state_.ansiTwin = false;
        else if (info.word == RtfWord::FieldInstruction)
            state_.destination = Destination::FieldInstruction;
        else if (info.word != RtfWord::ShapePicture)
            state_.destination = Destination::Skip;
        return;
    }
    RtfCharFormat& chars = state_.chars;
    RtfParagraphFormat& paragraph = state_.paragraph;
    const bool inFontTable = state_.destination == Destination::FontTable;
    switch (info.word) {
        case RtfWord::Unknown:
            break;
        case RtfWord::SkipDestination:
            state_.destination = Destination::Skip;
            break;
        case RtfWord::FontTable:
            state_.destination = Destination::FontTable;
            fontEntryOpen_ = false;
            break;
        case RtfWord::ColourTable:
            state_.destination = Destination::ColourTable;
            tables_.colours.clear();
            colour_ = RtfColour{};
            break;
        case RtfWord::Field:
            fieldInstruction_.clear();
            break;
        case RtfWord::FieldInstruction:
            state_.destination = Destination::FieldInstruction;
            break;
        case RtfWord::FieldResult:
            beginFieldResult();
            break;
        case RtfWord::UnicodePair:
            state_.ansiTwin = true;
            break;
        case RtfWord::UnicodeTwin:
            state_.ansiTwin = false;
            break;
        case RtfWord::Ansi:
        case RtfWord::Mac:
        case RtfWord::Pc:
        case RtfWord::Pca:
        case RtfWord::AnsiCodePage:
            if (info.word == RtfWord::Ansi) documentCodePage_ = kWesternCodePage;
            if (info.word == RtfWord::Mac) documentCodePage_ = 10000;
            if (info.word == RtfWord::Pc) documentCodePage_ = 437;
            if (info.word == RtfWord::Pca) documentCodePage_ = 850;
            if (info.word == RtfWord::AnsiCodePage && parameter > 0) documentCodePage_ = parameter;
            setCodePage(codePageOfFont(chars.font));
            break;
        case RtfWord::DefaultFont:
            tables_.defaultFont = parameter;
            setCodePage(codePageOfFont(chars.font));
            break;
        case RtfWord::UnicodeSkip:
            state_.unicodeSkip = std::max(parameter, 0);
            break;
        case RtfWord::Unicode:
            if (!token.hasParameter) break;
            appendCharacter(static_cast<char16_t>(parameter & 0xFFFF));
            unicodeSkipLeft_ = state_.unicodeSkip;
            break;
        case RtfWord::Binary: {
            if (!token.hasParameter) break;
            const std::string_view data = tokenizer_->skipBytes(parameter);
            if (state_.destination == Destination::Picture && pictureShown_)
                picture_.data.append(data);
            break;
        }
        case RtfWord::Picture:
            beginPicture();
            break;
        case RtfWord::ShapePicture:
            break;
        case RtfWord::PictureKind:
            pictureShown_ = info.character != kUnshownPicture;
            if (pictureShown_) picture_.kind = static_cast<RtfImage::Kind>(info.character);
            break;
        case RtfWord::PictureWidth:
            picture_.widthTwips = std::max(parameter, 0);
            break;
        case RtfWord::PictureHeight:
            picture_.heightTwips = std::max(parameter, 0);
            break;
        case RtfWord::PictureScaleX:
            pictureScaleX_ = std::clamp(parameter, 1, 1000);
            break;
        case RtfWord::PictureScaleY:
            pictureScaleY_ = std::clamp(parameter, 1, 1000);
            break;
        case RtfWord::FontFamily:
            if (inFontTable && fontEntryOpen_)
                fontEntry_.family = static_cast<RtfFont::Family>(info.character);
            break;
        case RtfWord::FontCharset:
            if (inFontTable && fontEntryOpen_) fontEntry_.charset = parameter;
            break;
        case RtfWord::FontCodePage:
            if (inFontTable && fontEntryOpen_ && parameter > 0) fontEntry_.codePage = parameter;
            break;
        case RtfWord::Red:
        case RtfWord::Green:
        case RtfWord::Blue: {
            if (state_.destination != Destination::ColourTable) break;
            const auto value = static_cast<std::uint8_t>(std::clamp(parameter, 0, 255));
            colour_.isAuto = false;
            (info.word == RtfWord::Red     ? colour_.red
             : info.word == RtfWord::Green ? colour_.green
                                           : colour_.blue) = value;
            break;
        }
        case RtfWord::Character:
            appendCharacter(info.character);
            break;
        case RtfWord::Paragraph:
            endParagraph();
            break;
        case RtfWord::Plain: {
            const int link = chars.link;
            chars = RtfCharFormat{};
            chars.link = link;
            setCodePage(codePageOfFont(-1));
            break;
        }
        case RtfWord::Font:
            if (inFontTable) {
                if (fontEntryOpen_) finishFontEntry();
                fontEntry_ = RtfFont{};
                fontEntry_.number = token.hasParameter ? parameter : 0;
                fontEntryOpen_ = true;
            } else {
                setFont(token.hasParameter ? parameter : 0);
            }
            break;
        case RtfWord::FontSize:
            chars.halfPoints = parameter > 0 ? std::min(parameter, 3276) : 24;
            break;
        case RtfWord::Foreground:
            chars.foreground = std::max(parameter, 0);
            break;
        case RtfWord::Background:
            chars.background = std::max(parameter, 0);
            break;
        case RtfWord::Bold:
            chars.bold = Flag(token);
            break;
        case RtfWord::Italic:
            chars.italic = Flag(token);
            break;
        case RtfWord::Strike:
            chars.strike = Flag(token);
            break;
        case RtfWord::Hidden:
            chars.hidden = Flag(token);
            break;
        case RtfWord::AllCaps:
            chars.allCaps = Flag(token);
            break;
        case RtfWord::SmallCaps:
            chars.smallCaps = Flag(token);
            break;
        case RtfWord::Underline:
            chars.underline = Flag(token) ? RtfUnderline::Single : RtfUnderline::None;
            break;
        case RtfWord::UnderlineDouble:
            chars.underline = Flag(token) ? RtfUnderline::Double : RtfUnderline::None;
            break;
        case RtfWord::UnderlineDotted:
            chars.underline = Flag(token) ? RtfUnderline::Dotted : RtfUnderline::None;
            break;
        case RtfWord::UnderlineDashed:
            chars.underline = Flag(token) ? RtfUnderline::Dashed : RtfUnderline::None;
            break;
        case RtfWord::UnderlineWave:
            chars.underline = Flag(token) ? RtfUnderline::Wave : RtfUnderline::None;
            break;
        case RtfWord::UnderlineWords:
            chars.underline = Flag(token) ? RtfUnderline::Words : RtfUnderline::None;
            break;
        case RtfWord::UnderlineNone:
            chars.underline = RtfUnderline::None;
            break;
        case RtfWord::Super:
            chars.vertical = RtfVertical::Super;
            break;
        case RtfWord::Sub:
            chars.vertical = RtfVertical::Sub;
            break;
        case RtfWord::NoSuperSub:
            chars.vertical = RtfVertical::Normal;
            break;
        case RtfWord::ParagraphDefault:
            paragraph = RtfParagraphFormat{};
            break;
        case RtfWord::AlignLeft:
            paragraph.alignment = RtfAlignment::Left;
            break;
        case RtfWord::AlignCentre:
            paragraph.alignment = RtfAlignment::Centre;
            break;
        case RtfWord::AlignRight:
            paragraph.alignment = RtfAlignment::Right;
            break;
        case RtfWord::AlignJustify:
            paragraph.alignment = RtfAlignment::Justify;
            break;
        case RtfWord::LeftIndent:
            paragraph.leftIndent = parameter;
            break;
        case RtfWord::RightIndent:
            paragraph.rightIndent = parameter;
            break;
        case RtfWord::FirstIndent:
            paragraph.firstIndent = parameter;
            break;
        case RtfWord::SpaceBefore:
            paragraph.spaceBefore = std::max(parameter, 0);
            break;
        case RtfWord::SpaceAfter:
            paragraph.spaceAfter = std::max(parameter, 0);
            break;
        case RtfWord::LineSpacing:
            paragraph.lineSpacing = parameter;
            break;
        case RtfWord::LineMultiple:
            paragraph.lineMultiple = Flag(token);
            break;
        case RtfWord::TabPosition:
            if (paragraph.tabCount < kMaxTabStops)
                paragraph.tabs[paragraph.tabCount++] = RtfTabStop{parameter, paragraph.nextTabKind};
            paragraph.nextTabKind = RtfTabStop::Kind::Left;
            break;
        case RtfWord::TabCentre:
            paragraph.nextTabKind = RtfTabStop::Kind::Centre;
            break;
        case RtfWord::TabRight:
            paragraph.nextTabKind = RtfTabStop::Kind::Right;
            break;
        case RtfWord::TabDecimal:
            paragraph.nextTabKind = RtfTabStop::Kind::Decimal;
            break;
        case RtfWord::InTable:
            paragraph.inTable = true;
            break;
        case RtfWord::NestingLevel:
            paragraph.inTable = parameter > 0;
            break;
        case RtfWord::Cell:
            endCell();
            break;
        case RtfWord::Row:
            endRow();
            break;
        case RtfWord::NestedCell:
            if (paragraph.inTable) endParagraph();
            break;
    }
}

void ReadRtf(std::string_view rtf, RtfOutput& output) {
    RtfReader reader;
    reader.read(rtf, output);
    reader.finish(output);
}

RtfPrologue::RtfPrologue(std::string_view prologue) : source_(prologue) {
    NullOutput nothing;
    const std::size_t read = reader_.read(prologue, nothing, true);
    openEnd_ = std::string(prologue.substr(read));
    reusable_ = !reader_.hasShownContent();
}

void RtfPrologue::read(std::string_view body, RtfOutput& output) const {
    if (!reusable_) {
        ReadRtf(source_ + std::string(body), output);
        return;
    }
    RtfReader reader = reader_;
    if (openEnd_.empty()) {
        reader.read(body, output);
    } else {
        reader.read(openEnd_ + std::string(body), output);
    }
    reader.finish(output);
}

}  // namespace orvan::richtext
