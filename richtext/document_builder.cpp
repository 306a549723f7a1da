#include "richtext/document_builder.h"

#include <QImage>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <optional>

#include "richtext/code_pages.h"
#include "richtext/screen_text.h"

namespace orvan::richtext {

namespace {

QFont::StyleHint HintFor(RtfFont::Family family) {
    switch (family) {
        case RtfFont::Family::Roman:
            return QFont::Serif;
        case RtfFont::Family::Swiss:
            return QFont::SansSerif;
        case RtfFont::Family::Modern:
            return QFont::TypeWriter;
        case RtfFont::Family::Script:
            return QFont::Cursive;
        case RtfFont::Family::Decor:
            return QFont::Decorative;
        default:
            return QFont::AnyStyle;
    }
}

QTextCharFormat::UnderlineStyle UnderlineFor(RtfUnderline underline) {
    switch (underline) {
        case RtfUnderline::None:
            return QTextCharFormat::NoUnderline;
        case RtfUnderline::Dotted:
            return QTextCharFormat::DotLine;
        case RtfUnderline::Dashed:
            return QTextCharFormat::DashUnderline;
        case RtfUnderline::Wave:
            return QTextCharFormat::WaveUnderline;
        default:
            return QTextCharFormat::SingleUnderline;
    }
}

QTextOption::TabType TabTypeFor(RtfTabStop::Kind kind) {
    switch (kind) {
        case RtfTabStop::Kind::Centre:
            return QTextOption::CenterTab;
        case RtfTabStop::Kind::Right:
            return QTextOption::RightTab;
        case RtfTabStop::Kind::Decimal:
            return QTextOption::DelimiterTab;
        default:
            return QTextOption::LeftTab;
    }
}

// RTF measures tab stops from the left margin, Qt from where the first line starts (the left
// indent plus the first-line indent). A hanging first line (negative first-line indent) also
// stops at the left indent when no stop of its own comes before it, as word processors do.
QList<QTextOption::Tab> TabsFor(const RtfParagraphFormat& format) {
    const int lineStart = format.leftIndent + format.firstIndent;
    QList<QTextOption::Tab> tabs;
    bool stopBeforeIndent = false;
    for (int i = 0; i < format.tabCount; ++i) {
        const RtfTabStop& stop = format.tabs[i];
        if (stop.position <= lineStart) continue;  // behind the start of the line
        if (stop.position < format.leftIndent) stopBeforeIndent = true;
        tabs.append(
            QTextOption::Tab((stop.position - lineStart) / kTwipsPerPixel, TabTypeFor(stop.kind),
                             stop.kind == RtfTabStop::Kind::Decimal ? QChar(u'.') : QChar()));
    }
    if (format.firstIndent < 0 && !stopBeforeIndent)
        tabs.append(QTextOption::Tab(-format.firstIndent / kTwipsPerPixel, QTextOption::LeftTab));
    std::sort(tabs.begin(), tabs.end(), [](const QTextOption::Tab& a, const QTextOption::Tab& b) {
        return a.position < b.position;
    });
    return tabs;
}

QColor ToColour(const RtfColour& colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

// Extends `run`, the stretch without a blank that the text before `text` ends with, through
// `text`; returns the longest stretch met on the way. No-break spaces do not count as blanks.
std::size_t MeasureUnbroken(std::u16string_view text, std::size_t& run) {
    std::size_t longest = run;
    for (const char16_t c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\u2028' || c == u'\u2029')
            run = 0;
        else
            longest = std::max(longest, ++run);
    }
    return longest;
}

// Sets the document's default tab distance (when given) and how it wraps lines: at word
// boundaries, or anywhere when `longestUnbroken` is past kMaxUnbrokenRun. A document that wrapped
// anywhere for an earlier text goes back to word boundaries. The option is set only when it
// changes, since setting it lays the whole document out again.
void SetTextOption(QTextDocument& document, std::optional<qreal> tabStop,
                   std::size_t longestUnbroken) {
    QTextOption option = document.defaultTextOption();
    const qreal tabBefore = option.tabStopDistance();
    const QTextOption::WrapMode wrapBefore = option.wrapMode();
    if (tabStop) option.setTabStopDistance(*tabStop);
    if (longestUnbroken > kMaxUnbrokenRun)
        option.setWrapMode(QTextOption::WrapAnywhere);
    else if (wrapBefore == QTextOption::WrapAnywhere)
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    if (option.tabStopDistance() != tabBefore || option.wrapMode() != wrapBefore)
        document.setDefaultTextOption(option);
}

}  // namespace

// The whole build is one edit: the document's layout (a view's) hears of the change once, at the
// end, rather than laying out the paragraph or table again after every insertion.
DocumentBuilder::DocumentBuilder(QTextDocument& document)
    : document_(document), cursor_(&document) {
    document_.clear();
    cursor_ = QTextCursor(&document_);
    cursor_.beginEditBlock();
}

DocumentBuilder::~DocumentBuilder() {
    cursor_.endEditBlock();
}

const QTextCharFormat& DocumentBuilder::charFormat(const RtfCharFormat& format) {
    if (haveLastFormat_ && format == lastFormat_) return lastCharFormat_;
    QTextCharFormat result;
    if (tables_ != nullptr) {
        if (const RtfFont* font = tables_->font(format.font); font && !font->name.empty()) {
            result.setFontFamilies({QString::fromStdString(font->name)});
            result.setFontStyleHint(HintFor(font->family));
        }
        if (format.foreground > 0) {
            const RtfColour colour = tables_->colour(format.foreground);
            if (!colour.isAuto) {
                RtfColour shown = colour;
                // On a dark view a dark run would vanish; a run with a background of its own
                // keeps its colours, which were chosen together.
                if (darkBackground_ && format.background <= 0) {
                    const Rgb written{colour.red, colour.green, colour.blue};
                    const Rgb lighter =
                        LightenToContrast(written, *darkBackground_, RunContrastFor(written));
                    shown.red = lighter.red;
                    shown.green = lighter.green;
                    shown.blue = lighter.blue;
                }
                result.setForeground(ToColour(shown));
            }
        }
        if (format.background > 0) {
            const RtfColour colour = tables_->colour(format.background);
            if (!colour.isAuto) result.setBackground(ToColour(colour));
        }
        if (format.link >= 0 && static_cast<std::size_t>(format.link) < tables_->links.size()) {
            result.setAnchor(true);
            result.setAnchorHref(ToQString(tables_->links[format.link]));
        }
    }
    result.setFontPointSize(format.halfPoints / 2.0);
    result.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    result.setFontItalic(format.italic);
    result.setFontStrikeOut(format.strike);
    result.setUnderlineStyle(UnderlineFor(format.underline));
    if (format.allCaps) result.setFontCapitalization(QFont::AllUppercase);
    if (format.smallCaps) result.setFontCapitalization(QFont::SmallCaps);
    if (format.vertical == RtfVertical::Super)
        result.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    if (format.vertical == RtfVertical::Sub)
        result.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    lastFormat_ = format;
    lastCharFormat_ = result;
    haveLastFormat_ = true;
    return lastCharFormat_;
}

QTextBlockFormat DocumentBuilder::blockFormat(const RtfParagraphFormat& format) const {
    QTextBlockFormat result;
    switch (format.alignment) {
        case RtfAlignment::Left:
            result.setAlignment(Qt::AlignLeft);
            break;
        case RtfAlignment::Centre:
            result.setAlignment(Qt::AlignHCenter);
            break;
        case RtfAlignment::Right:
            result.setAlignment(Qt::AlignRight);
            break;
        case RtfAlignment::Justify:
            result.setAlignment(Qt::AlignJustify);
            break;
    }
    if (format.leftIndent != 0) result.setLeftMargin(format.leftIndent / kTwipsPerPixel);
    if (format.rightIndent != 0) result.setRightMargin(format.rightIndent / kTwipsPerPixel);
    if (format.firstIndent != 0) result.setTextIndent(format.firstIndent / kTwipsPerPixel);
    if (format.spaceBefore != 0) result.setTopMargin(format.spaceBefore / kTwipsPerPixel);
    if (format.spaceAfter != 0) result.setBottomMargin(format.spaceAfter / kTwipsPerPixel);
    if (format.lineSpacing > 0 && format.lineMultiple)
        result.setLineHeight(std::round(format.lineSpacing * 100.0 / 240.0),
                             QTextBlockFormat::ProportionalHeight);
    else if (format.lineSpacing > 0)
        result.setLineHeight(format.lineSpacing / kTwipsPerPixel, QTextBlockFormat::MinimumHeight);
    else if (format.lineSpacing < 0)
        result.setLineHeight(-format.lineSpacing / kTwipsPerPixel, QTextBlockFormat::FixedHeight);
    const QList<QTextOption::Tab> tabs = TabsFor(format);
    if (!tabs.isEmpty()) result.setTabPositions(tabs);
    return result;
}

void DocumentBuilder::measure(std::u16string_view text) {
    longestUnbroken_ = std::max(longestUnbroken_, MeasureUnbroken(text, unbroken_));
}

void DocumentBuilder::addText(std::u16string_view text, const RtfCharFormat& format) {
    measure(text);
    cursor_.insertText(ToQString(text), charFormat(format));
}

void DocumentBuilder::endParagraph(const RtfParagraphFormat& format) {
    unbroken_ = 0;
    // Most paragraphs keep the format they were begun with: setting it again is a change of the
    // document like any other, and costs as much.
    const QTextBlockFormat ended = blockFormat(format);
    if (ended != cursor_.blockFormat()) cursor_.setBlockFormat(ended);
    // The new paragraph gets its own format when it ends; one that never ends (a table follows
    // it) keeps the default rather than the format of the paragraph before it.
    cursor_.insertBlock(QTextBlockFormat());
}

void DocumentBuilder::addImage(const RtfImage& image, const RtfCharFormat& format) {
    insertImage(cursor_, image, format);
}

// The picture becomes an image resource of the document; one that cannot be decoded still takes
// its place in the text (shown empty), so that the text is the same whatever the picture holds.
void DocumentBuilder::insertImage(QTextCursor& cursor, const RtfImage& image,
                                  const RtfCharFormat& format) {
    measure(u"\uFFFC");
    QImage picture;
    picture.loadFromData(QByteArrayView(image.data.data(), qsizetype(image.data.size())),
                         image.kind == RtfImage::Kind::Png ? "PNG" : "JPEG");
    const QString name = QStringLiteral("%1:%2").arg(kPictureScheme).arg(++pictureCount_);
    if (!picture.isNull()) document_.addResource(QTextDocument::ImageResource, QUrl(name), picture);
    QTextImageFormat imageFormat;
    imageFormat.merge(charFormat(format));
    imageFormat.setName(name);
    if (image.widthTwips > 0)
        imageFormat.setWidth(image.widthTwips / kTwipsPerPixel);
    else if (!picture.isNull())
        imageFormat.setWidth(picture.width());
    if (image.heightTwips > 0)
        imageFormat.setHeight(image.heightTwips / kTwipsPerPixel);
    else if (!picture.isNull())
        imageFormat.setHeight(picture.height());
    cursor.insertImage(imageFormat);
}

void DocumentBuilder::insertRuns(QTextCursor& cursor, const RtfParagraph& paragraph) {
    for (const RtfRun& run : paragraph.runs) {
        if (run.image) {
            insertImage(cursor, *run.image, run.format);
        } else {
            measure(run.text);
            cursor.insertText(ToQString(run.text), charFormat(run.format));
        }
    }
}

void DocumentBuilder::addTable(const RtfTable& table) {
    const int rows = static_cast<int>(table.rows.size());
    const int columns = static_cast<int>(table.columnCount());
    QTextTableFormat format;
    format.setBorderCollapse(true);
    format.setBorder(1);
    format.setBorderBrush(QColor(160, 160, 160));
    format.setCellPadding(3);
    format.setCellSpacing(0);
    QTextTable* inserted = cursor_.insertTable(rows, columns, format);
    for (int row = 0; row < rows; ++row) {
        const RtfTable::Row& cells = table.rows[static_cast<std::size_t>(row)];
        for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
            QTextCursor cell = inserted->cellAt(row, column).firstCursorPosition();
            bool first = true;
            for (const RtfParagraph& paragraph : cells[static_cast<std::size_t>(column)]) {
                if (!first) cell.insertBlock();
                first = false;
                unbroken_ = 0;
                cell.setBlockFormat(blockFormat(paragraph.format));
                insertRuns(cell, paragraph);
            }
        }
    }
    cursor_.movePosition(QTextCursor::End);
    unbroken_ = 0;
}

void DocumentBuilder::finish(const RtfParagraphFormat& format) {
    cursor_.setBlockFormat(blockFormat(format));
    std::optional<qreal> tabStop;
    if (tables_ != nullptr) tabStop = tables_->defaultTabTwips / kTwipsPerPixel;
    SetTextOption(document_, tabStop, longestUnbroken_);
}

bool LoadDocument(QTextDocument& document, std::string_view text,
                  std::optional<Rgb> darkBackground) {
    document.setUndoRedoEnabled(false);
    if (!IsRtf(text)) {
        std::u16string decoded;
        AppendDecoded(kGreekCodePage, text, decoded);
        std::size_t run = 0;
        SetTextOption(document, std::nullopt, MeasureUnbroken(decoded, run));
        document.setPlainText(ToQString(decoded));
        return false;
    }
    DocumentBuilder builder(document);
    builder.showOn(darkBackground);
    ReadRtf(text, builder);
    return true;
}

bool LoadDocument(QTextDocument& document, const RtfPrologue& prologue, std::string_view body,
                  std::optional<Rgb> darkBackground) {
    if (!IsRtf(prologue.source()))
        return LoadDocument(document, prologue.source() + std::string(body), darkBackground);
    document.setUndoRedoEnabled(false);
    DocumentBuilder builder(document);
    builder.showOn(darkBackground);
    prologue.read(body, builder);
    return true;
}

}  // namespace orvan::richtext
