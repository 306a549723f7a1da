// The text a document shows, without building it: the full-text search and orvan-cli read every
// description this way. The result is exactly what QTextDocument::toPlainText() gives for the same
// document loaded into the view.
#pragma once

#include <string>
#include <string_view>

#include "richtext/rtf_reader.h"

namespace orvan::richtext {

/// \brief The plain text of `text`: read as RTF when it begins with "{\rtf", otherwise the text
/// itself (code page 1253) as the view would show it.
std::u16string PlainTextOf(std::string_view text);

/// \brief The plain text of the document made of `prologue` followed by `body`.
std::u16string PlainTextOf(const RtfPrologue& prologue, std::string_view body);

/// \brief The same text into `out`, replacing what it held (a reader of many documents reuses
/// one buffer).
void ExtractPlainText(const RtfPrologue& prologue, std::string_view body, std::u16string& out);

/// \brief Code page 1253 text that is not RTF as the view shows it, with the view's line ends
/// (CR LF, CR and LF each end a line).
std::u16string ShownPlainText(std::string_view text);

}  // namespace orvan::richtext
