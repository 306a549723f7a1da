// The program's text at the screen's edge, as QString: code page 1253 bytes and UTF-16 to and from
// what widgets show, and the plain text of descriptions for them.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "richtext/rtf_reader.h"

namespace orvan::richtext {

/// \brief `text` as a QString, unit for unit. (QString::fromUtf16 would take a leading U+FEFF or
/// U+FFFE for a byte order mark.)
inline QString ToQString(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()), qsizetype(text.size()));
}

/// \brief The UTF-16 units of `text`, valid while `text` is alive and unchanged.
inline std::u16string_view Utf16Of(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size())};
}

/// \brief Code page 1253 bytes as shown on screen.
QString FromGreekCodePage(std::string_view bytes);

/// \brief Text typed or pasted by the user as code page 1253 bytes; a character the page cannot
/// hold becomes "?", as it would in a field of that code page.
std::string ToGreekCodePage(const QString& text);

/// \brief Text typed to search for as code page 1253 bytes: as ToGreekCodePage, but a Latin
/// letter with diacritics the page lacks ("é") is searched by its base letter ("e").
std::string ToGreekSearchText(const QString& text);

/// \brief The plain text of `text` (richtext/plain_text.h, PlainTextOf) as a QString.
QString ExtractPlainText(std::string_view text);

/// \brief The plain text of the document made of `prologue` followed by `body`, as a QString.
QString ExtractPlainText(const RtfPrologue& prologue, std::string_view body);

/// \brief Plain text shown as such (richtext/plain_text.h, ShownPlainText) as a QString.
QString PlainTextAsShown(std::string_view text);

}  // namespace orvan::richtext
