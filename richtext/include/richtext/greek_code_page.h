// Code page 1253, the program's one text encoding, and Unicode: the rule every edge (the
// windows, orvan-cli, the sample builder) converts text through. The page is the one Qt's
// converter (ICU) has, held in a table so that the programs that need no other Qt start without
// it (the tests compare it with Qt's converter); this adds what the files need of it: which
// characters have a byte, and what stands for those that have none.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvan {

/// What stands for a character the code page cannot hold.
inline constexpr char kUnencodableMark = '?';

/// \brief The character a code page 1253 byte stands for, as Qt's converter decodes it (the
/// bytes the page leaves unassigned give U+FFFD or a C1 control).
///
///     GreekCharacter(0xE1) == u'α'
char16_t GreekCharacter(unsigned char byte);

/// \brief The byte of `character`, or nothing when the page has no place for it. U+0000 has
/// none either: a zero byte would cut the text short in the files.
///
///     GreekByte(U'α') == 0xE1, GreekByte(U'ж') == std::nullopt
std::optional<unsigned char> GreekByte(char32_t character);

/// \brief Text turned into code page 1253 bytes.
struct GreekBytes {
    std::string bytes;     // each character the page cannot hold stands as kUnencodableMark
    bool complete = true;  // false when any character had to be replaced
};

/// \brief UTF-16 text as code page 1253 bytes. A surrogate pair is one character (one mark);
/// a lone surrogate is an unknown character.
GreekBytes Utf16ToGreek(std::u16string_view text);

/// \brief Text to search for as code page 1253 bytes: a Latin letter with diacritics the page
/// lacks counts as its base letter, as the lexicon writes its headwords; any other character
/// without a byte stands as kUnencodableMark.
///
///     Utf16ToGreekSearchText(u"Café").bytes == "Cafe"
GreekBytes Utf16ToGreekSearchText(std::u16string_view text);

/// \brief The characters of `text` that the page cannot hold, each once, in the order they
/// first appear, as UTF-8 separated by blanks: what a refusal names. With `searching`, only
/// those that even a search cannot take (Utf16ToGreekSearchText takes é as e).
///
///     CharactersWithoutByte(u"café ∑ é") == "é ∑"
///     CharactersWithoutByte(u"café ∑ é", true) == "∑"
std::string CharactersWithoutByte(std::u16string_view text, bool searching = false);

/// \brief UTF-8 text as code page 1253 bytes; each malformed byte counts as an unknown character.
GreekBytes Utf8ToGreek(std::string_view utf8);

/// \brief UTF-8 text as UTF-16; each malformed byte becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);

/// \brief UTF-16 text as UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

/// \brief Code page 1253 bytes as UTF-16 text, byte for unit.
std::u16string GreekToUtf16(std::string_view bytes);

/// \brief Code page 1253 bytes as UTF-8 text.
std::string GreekToUtf8(std::string_view bytes);

/// \brief Whether `bytes` are well-formed UTF-8: no overlong forms, no surrogates, nothing past
/// U+10FFFF.
bool IsUtf8(std::string_view bytes);

}  // namespace orvan
