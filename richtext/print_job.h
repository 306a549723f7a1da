// Printing an RTF print document (richtext/print_document.h) on a printer: the same for the
// lookup window's print button and for orvan-cli's print command.
#pragma once

#include <string>
#include <string_view>

#include "richtext/print_document.h"

class QFont;
class QPrinter;

namespace orvan::richtext {

class RichTextView;

/// \brief The RTF the description pane, in `paneFont`, saves while it shows the description
/// document `document` (the prologue line and the body line): the document read as the pane
/// reads it and written out again. A document the pane would not show (not RTF, or shown as its
/// source text) gives what an empty pane saves.
std::string SavedPaneRtf(std::string_view document, const QFont& paneFont);

/// \brief Empties `view`, loads `job`'s document into it as RTF and prints it on `printer` as one
/// job named after `job`. False when the printer cannot print or the printing failed.
bool PrintOn(RichTextView& view, QPrinter& printer, const PrintJob& job);

}  // namespace orvan::richtext
