#include "richtext/print_job.h"

#include <QTextDocument>

#include "richtext/code_pages.h"
#include "richtext/document_builder.h"
#include "richtext/rich_text_view.h"
#include "richtext/rtf_writer.h"

namespace orvan::richtext {

std::string SavedPaneRtf(std::string_view document, const QFont& paneFont) {
    QTextDocument pane;
    // The pane's font is the document's default: the font table's first font and the size of
    // text that has none of its own.
    pane.setDefaultFont(paneFont);
    if (!LoadDocument(pane, document) || pane.toPlainText().startsWith(QStringLiteral("{\\rtf1")))
        pane.clear();
    return WriteRtf(pane);
}

bool PrintOn(RichTextView& view, QPrinter& printer, const PrintJob& job) {
    view.clear();
    view.loadRtf(job.document);
    return view.print(&printer, FromGreekCodePage(job.name));
}

}  // namespace orvan::richtext
