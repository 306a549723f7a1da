#include "richtext/print_job.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPrinter>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <vector>

#include "lexicon/figure_links.h"
#include "richtext/code_pages.h"
#include "richtext/screen_text.h"
#include "richtext/document_builder.h"
#include "richtext/rich_text_view.h"
#include "richtext/rtf_writer.h"

namespace orvan::richtext {

namespace {

// QTextDocument::print lays an unpaginated document out inside margins of 2 cm, counted in the
// document's pixels, and gives a printer without any margins these (millimetres).
constexpr double kPrintedMarginCm = 2.0;
constexpr double kBareMarginMm = 2.0;

// The resolution the document's pixels have when it is printed: the one QTextDocument::print
// scales from, the primary screen's logical resolution (96 when the application asks for that,
// 100 before there is a screen).
QSizeF DocumentDpi() {
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi)) return {96, 96};
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return {static_cast<qreal>(qRound(screen->logicalDotsPerInchX())),
                static_cast<qreal>(qRound(screen->logicalDotsPerInchY()))};
    return {100, 100};
}

// One side of the room: the printable length in printer pixels at `printerDpi`, in document
// pixels at `documentDpi`, less the two margins.
qreal RoomAlong(int printerPixels, int printerDpi, qreal documentDpi) {
    if (printerDpi <= 0) return 0;
    const int margin = static_cast<int>(kPrintedMarginCm / 2.54 * documentDpi);
    return std::max<qreal>(0, printerPixels * documentDpi / printerDpi - 2 * margin);
}

// `size` scaled down, keeping its shape, to fit `room`; a side of the room that is not positive
// sets no bound.
QSizeF FittedSize(QSizeF size, QSizeF room) {
    qreal scale = 1;
    if (room.width() > 0) scale = std::min(scale, room.width() / size.width());
    if (room.height() > 0) scale = std::min(scale, room.height() / size.height());
    if (scale >= 1) return size;
    return {std::max<qreal>(1, std::floor(size.width() * scale)),
            std::max<qreal>(1, std::floor(size.height() * scale))};
}

struct LinkedFigure {
    QTextBlock block;  // the paragraph holding the link
    QString path;
};

// The figure files the document's links open, in the order of the links; a file linked again
// from the same paragraph once. The links are found as the entry pane widens a selection of
// "[Σχήμα" to the whole link.
std::vector<LinkedFigure> LinkedFigures(const QTextDocument& document,
                                        const FigureSource& figures) {
    std::vector<LinkedFigure> found;
    const QString raw = document.toRawText();
    const std::u16string_view text(reinterpret_cast<const char16_t*>(raw.utf16()),
                                   static_cast<std::size_t>(raw.size()));
    const QString link = ToQString(kFigureLink);
    for (qsizetype at = raw.indexOf(link); at >= 0; at = raw.indexOf(link, at + link.size())) {
        const auto widened =
            WidenFigureLink(text, {static_cast<int>(at), static_cast<int>(link.size())});
        if (!widened) continue;
        const char digit = FigureDigit(text, *widened);
        const QString path = QString::fromStdString(
            figures.folder + FigurePath(static_cast<int>(figures.entryNumber), digit));
        const QTextBlock block = document.findBlock(static_cast<int>(at));
        const bool again = std::any_of(found.begin(), found.end(), [&](const LinkedFigure& f) {
            return f.block == block && f.path == path;
        });
        if (!again) found.push_back({block, path});
    }
    return found;
}

}  // namespace

std::string SavedPaneRtf(std::string_view document, const QFont& paneFont) {
    QTextDocument pane;
    // The pane's font is the document's default: the font table's first font and the size of
    // text that has none of its own.
    pane.setDefaultFont(paneFont);
    if (!LoadDocument(pane, document) || pane.toPlainText().startsWith(QStringLiteral("{\\rtf1")))
        pane.clear();
    return WriteRtf(pane);
}

int InsertFigures(QTextDocument& document, const FigureSource& figures, QSizeF room) {
    if (figures.entryNumber <= 0) return 0;
    int inserted = 0;
    QTextCursor cursor(&document);
    QTextBlock previous;
    for (const LinkedFigure& figure : LinkedFigures(document, figures)) {
        const QImage picture(figure.path);
        if (picture.isNull()) continue;
        // Several figures of one paragraph follow it in the order of their links.
        if (figure.block != previous)
            cursor.setPosition(figure.block.position() + figure.block.length() - 1);
        previous = figure.block;
        // Named by its file: a figure linked from several paragraphs is one resource.
        const QUrl name = QUrl::fromLocalFile(figure.path);
        document.addResource(QTextDocument::ImageResource, name, picture);
        const QSizeF size = FittedSize(picture.size(), room);
        QTextImageFormat format;
        format.setName(name.toString(QUrl::FullyEncoded));
        format.setWidth(size.width());
        format.setHeight(size.height());
        cursor.insertBlock();
        cursor.insertImage(format);
        ++inserted;
    }
    return inserted;
}

QSizeF PrintableRoom(QPrinter& printer) {
    if (printer.pageLayout().margins(QPageLayout::Millimeter).isNull()) {
        printer.setPageMargins(
            QMarginsF(kBareMarginMm, kBareMarginMm, kBareMarginMm, kBareMarginMm),
            QPageLayout::Millimeter);
    }
    const QSizeF dpi = DocumentDpi();
    return {RoomAlong(printer.width(), printer.logicalDpiX(), dpi.width()),
            RoomAlong(printer.height(), printer.logicalDpiY(), dpi.height())};
}

bool PrintOn(RichTextView& view, QPrinter& printer, const PrintJob& job,
             const FigureSource& figures) {
    view.clear();
    view.loadRtf(job.document);
    InsertFigures(*view.document(), figures, PrintableRoom(printer));
    return view.print(&printer, FromGreekCodePage(job.name));
}

}  // namespace orvan::richtext
