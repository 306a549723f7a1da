// The code pages RTF text is written in: which one a font's character set stands for, and the
// decoding of escaped bytes (the single-byte pages through built-in tables, code page 1253
// through the program's own rule, richtext/greek_code_page.h, the Japanese, Chinese and Korean
// pages through the system's converter).
#pragma once

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

/// \brief Appends the UTF-16 text of `bytes` in `codePage` to `out`. A byte sequence the page
/// does not hold, or one cut off at the end, gives U+FFFD and the decoding goes on after its
/// first byte; a multi-byte page the system cannot convert is read as Western.
void AppendDecoded(int codePage, std::string_view bytes, std::u16string& out);

}  // namespace orvan::richtext
