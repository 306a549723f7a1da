// Printing an RTF print document (richtext/print_document.h) on a printer: the same for the
// lookup window's print button and for orvan-cli's print command. The figures the description
// links to are printed after the paragraphs that link to them.
#pragma once

#include <QSizeF>
#include <string>
#include <string_view>

#include "richtext/print_document.h"

class QFont;
class QPrinter;
class QTextDocument;

namespace orvan::richtext {

class RichTextView;

/// \brief Where the figures of a printed description come from: the folder the figure files'
/// paths ("content/fig...") start from, with its trailing "/" (the program folder), and the
/// number of the entry whose description is printed (0: none, so no figures).
struct FigureSource {
    std::string folder;
    long long entryNumber = 0;
};

/// \brief The RTF the description pane, in `paneFont`, saves while it shows the description
/// document `document` (the prologue line and the body line): the document read as the pane
/// reads it and written out again. A document the pane would not show (not RTF, or shown as its
/// source text) gives what an empty pane saves.
std::string SavedPaneRtf(std::string_view document, const QFont& paneFont);

/// \brief Puts the picture of every figure link of `document` that the entry pane opens
/// ("[Σχήμα n]", lexicon/figure_links.h) in a paragraph of its own after the link's paragraph:
/// the file `figures.folder` + FigurePath(entry number, digit), as an image resource of the
/// document, at its own size or scaled down, keeping its shape, to fit `room` (never scaled up).
/// A figure linked twice from one paragraph is put there once; a link whose file is missing or
/// cannot be read gets nothing. Returns how many pictures were put in.
///
///     InsertFigures(document, {"/opt/orvan/", 1520}, {600, 900});
///     // "... [Σχήμα 1]" is followed by /opt/orvan/content/fig15201.bmp
int InsertFigures(QTextDocument& document, const FigureSource& figures, QSizeF room);

/// \brief The room a document printed on `printer` has for a picture, in the document's pixels:
/// the printer's printable area less the 2 cm margins the document gets when printed. Gives the
/// printer the 2 mm margins printing gives it when it has none at all.
QSizeF PrintableRoom(QPrinter& printer);

/// \brief Empties `view`, loads `job`'s document into it as RTF, puts in the figures of
/// `figures` that its links open (InsertFigures, in the room of PrintableRoom) and prints it on
/// `printer` as one job named after `job`. False when the printer cannot print or the printing
/// failed.
bool PrintOn(RichTextView& view, QPrinter& printer, const PrintJob& job,
             const FigureSource& figures);

}  // namespace orvan::richtext
