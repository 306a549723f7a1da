// The text a document shows, without building it: the full-text search reads every description
// this way. The result is exactly what QTextDocument::toPlainText() gives for the same document
// loaded into the view.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "richtext/rtf_reader.h"

namespace orvan::richtext {

/// \brief The plain text of `text`: read as RTF when it begins with "{\rtf", otherwise the text
/// itself (code page 1253) as the view would show it.
QString ExtractPlainText(std::string_view text);

/// \brief The plain text of the document made of `prologue` followed by `body`.
QString ExtractPlainText(const RtfPrologue& prologue, std::string_view body);

/// \brief The same text into `out`, replacing what it held (a reader of many documents reuses
/// one buffer).
void ExtractPlainText(const RtfPrologue& prologue, std::string_view body, std::u16string& out);

/// \brief Plain text shown as such, with the view's line ends (CR LF, CR and LF each end a line).
QString PlainTextAsShown(std::string_view text);

}  // namespace orvan::richtext
