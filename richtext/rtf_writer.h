// Writes a QTextDocument out as RTF: a font table declaring every font with its number and the
// Greek character set, a colour table, then the paragraphs with their alignment, indents, spacing
// and tab stops, and the text in runs that carry font, \fs size, emphasis and colours. Text is
// written in code page 1253 (\'hh escapes); anything outside it as \uN. Lines end with CR LF.
#pragma once

#include <QTextDocument>
#include <string>

namespace orvan::richtext {

/// \brief The RTF text of `document`. Reading it back gives the same text and formatting.
std::string WriteRtf(const QTextDocument& document);

}  // namespace orvan::richtext
