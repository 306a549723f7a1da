// The reader's control words and symbols: formatting, the font and colour tables, fields and
// pictures.
#include <algorithm>
#include <memory>

#include "lexicon/blanks.h"
#include "richtext/code_pages.h"
#include "richtext/greek_code_page.h"
#include "richtext/rtf_reader.h"

namespace orvan::richtext {

namespace {

// Lengths beyond a page's largest size are cut there, so that no sum of them can overflow.
int Twips(int parameter) {
    return std::clamp(parameter, -kMaxTwips, kMaxTwips);
}

bool Flag(const RtfToken& token) {
    return !token.hasParameter || token.parameter != 0;
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
    fontEntry_.name = Utf16ToUtf8(name);
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
        case RtfWord::DefaultTab:
            if (parameter > 0) tables_.defaultTabTwips = std::min(parameter, 31680);
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
            picture_.widthTwips = std::max(Twips(parameter), 0);
            break;
        case RtfWord::PictureHeight:
            picture_.heightTwips = std::max(Twips(parameter), 0);
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
            paragraph.leftIndent = Twips(parameter);
            break;
        case RtfWord::RightIndent:
            paragraph.rightIndent = Twips(parameter);
            break;
        case RtfWord::FirstIndent:
            paragraph.firstIndent = Twips(parameter);
            break;
        case RtfWord::SpaceBefore:
            paragraph.spaceBefore = std::max(Twips(parameter), 0);
            break;
        case RtfWord::SpaceAfter:
            paragraph.spaceAfter = std::max(Twips(parameter), 0);
            break;
        case RtfWord::LineSpacing:
            paragraph.lineSpacing = Twips(parameter);
            break;
        case RtfWord::LineMultiple:
            paragraph.lineMultiple = Flag(token);
            break;
        case RtfWord::TabPosition:
            if (paragraph.tabCount < kMaxTabStops)
                paragraph.tabs[paragraph.tabCount++] =
                    RtfTabStop{Twips(parameter), paragraph.nextTabKind};
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

}  // namespace orvan::richtext
