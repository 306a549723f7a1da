#include "richtext/rtf_reader.h"

#include <algorithm>

#include "richtext/code_pages.h"

namespace orvan::richtext {

// Keeps what a prologue shows, to send it again before each body.
class ShownRecorder final : public RtfOutput {
  public:
    using Shown = RtfPrologue::Shown;
    explicit ShownRecorder(std::vector<Shown>& shown) : shown_(shown) {}

    void addText(std::u16string_view text, const RtfCharFormat& format) override {
        shown_.push_back({Shown::Kind::Text, std::u16string(text), format, {}, nullptr, nullptr});
    }
    void addImage(const RtfImage& image, const RtfCharFormat& format) override {
        shown_.push_back(
            {Shown::Kind::Image, {}, format, {}, std::make_shared<RtfImage>(image), nullptr});
    }
    void endParagraph(const RtfParagraphFormat& format) override {
        shown_.push_back({Shown::Kind::Paragraph, {}, {}, format, nullptr, nullptr});
    }
    void addTable(const RtfTable& table) override {
        shown_.push_back(
            {Shown::Kind::Table, {}, {}, {}, nullptr, std::make_shared<RtfTable>(table)});
    }
    void finish(const RtfParagraphFormat&) override {}

  private:
    std::vector<Shown>& shown_;
};

namespace {

// A control word that touches the end of a piece could go on in the next piece ("\f" + "60"),
// and so does the data of a \bin that reaches past it.
bool OpenEnded(std::string_view source, std::size_t end, const RtfToken& word) {
    if (word.word == "bin" && word.hasParameter && word.parameter > 0 &&
        static_cast<std::size_t>(word.parameter) > source.size() - end)
        return true;
    if (end == source.size()) return source.back() != ' ';
    return end + 1 == source.size() && source[end] == '-';
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
                // A run of escapes is one run of bytes, as a run of text is: the words of a
                // text in another code page are written escape after escape.
                escapedRun_.assign(1, static_cast<char>(token.byte));
                for (std::size_t at = tokenizer.position();; at = tokenizer.position()) {
                    const RtfToken next = tokenizer.next();
                    if (next.kind != RtfToken::Kind::HexByte) {
                        tokenizer.seek(at);
                        break;
                    }
                    escapedRun_.push_back(static_cast<char>(next.byte));
                }
                handleBytes(escapedRun_);
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
    if (!inDocumentText()) return;
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

void ReadRtf(std::string_view rtf, RtfOutput& output) {
    RtfReader reader;
    reader.read(rtf, output);
    reader.finish(output);
}

RtfPrologue::RtfPrologue(std::string_view prologue) : source_(prologue) {
    ShownRecorder recorder(shown_);
    const std::size_t read = reader_.read(prologue, recorder, true);
    openEnd_ = std::string(prologue.substr(read));
}

void RtfPrologue::read(std::string_view body, RtfOutput& output) const {
    // Each thread reads its bodies with one reader, set back to the prologue's state each time:
    // its tables and buffers keep their room from one body to the next. A read begun while
    // another is under way on the same thread takes a reader of its own.
    thread_local RtfReader spare;
    thread_local bool spareInUse = false;
    if (spareInUse) {
        RtfReader reader = reader_;
        readWith(reader, body, output);
        return;
    }
    spareInUse = true;
    const struct Release {
        ~Release() { spareInUse = false; }
    } release;
    spare = reader_;
    readWith(spare, body, output);
}

void RtfPrologue::readWith(RtfReader& reader, std::string_view body, RtfOutput& output) const {
    output.useTables(reader.tables());
    for (const Shown& shown : shown_) {
        switch (shown.kind) {
            case Shown::Kind::Text:
                output.addText(shown.text, shown.chars);
                break;
            case Shown::Kind::Image:
                output.addImage(*shown.image, shown.chars);
                break;
            case Shown::Kind::Paragraph:
                output.endParagraph(shown.paragraph);
                break;
            case Shown::Kind::Table:
                output.addTable(*shown.table);
                break;
        }
    }
    if (openEnd_.empty()) {
        reader.read(body, output);
    } else {
        reader.read(openEnd_ + std::string(body), output);
    }
    reader.finish(output);
}

}  // namespace orvan::richtext
