// The code pages RTF text is written in: which one a font's character set stands for, and the
// decoding of escaped bytes through Qt's codecs (code page 1253 through the program's own rule,
// richtext/greek_code_page.h). Also the program's text at the screen's edge, as QString.
#pragma once

#include <QString>
#include <array>
#include <string>
#include <string_view>

namespace orvan::richtext {

inline constexpr int kGreekCodePage = 1253;
inline constexpr int kWesternCodePage = 1252;
inline constexpr int kGreekCharset = 161;

/// \brief The code page of an RTF character set (\fcharset): 161 is Greek (1253), 0 is Western
/// (1252), 1 is the document's own code page, and so on. Unknown sets give `documentCodePage`.
int CodePageForCharset(int charset, int documentCodePage);

/// \brief The code page bytes of `codePage` decode to one by one, or nullptr when it is a
/// multi-byte page (Japanese, Chinese, Korean). Unknown pages give the Western table.
const std::array<char16_t, 256>* SingleByteTable(int codePage);

/// \brief Whether `codePage` writes some characters as two bytes (Japanese, Chinese, Korean).
bool IsMultiByteCodePage(int codePage);

/// \brief The bytes that stand for `c` in at least one single-byte code page the reader knows
/// (a page it does not know is read as Western): a byte outside this set shows `c` under no
/// single-byte page.
std::array<bool, 256> BytesThatMayDecodeTo(char16_t c);

/// \brief Appends the UTF-16 text of `bytes` in `codePage` to `out`.
void AppendDecoded(int codePage, std::string_view bytes, std::u16string& out);

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

}  // namespace orvan::richtext
