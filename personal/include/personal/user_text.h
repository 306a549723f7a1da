// The user's plain text as the personal store keeps it: RTF that the entry display, the
// plain-text reader and every other RTF reader understand.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvan::personal {

/// The longest escaped text a line can describe (TextLen has 5 digits).
inline constexpr long long kMaxTextLength = 99999;

/// \brief The stored RTF form of the user's plain text (UTF-8, lines separated by CR LF), inside
/// "{\f60\fs22 " and "}": each character code page 1253 holds as \'HH of its byte, each CR LF
/// pair as " \par ", and each other character as the Unicode escape \uN? (N its UTF-16 unit as a
/// signed 16-bit number, two escapes for a character beyond U+FFFF; "?" is what a reader without
/// Unicode shows). A malformed UTF-8 byte is stored as U+FFFD.
///
///     EscapeUserText("ab") == "{\\f60\\fs22 \\'61\\'62}"
///     EscapeUserText("≤") == "{\\f60\\fs22 \\u8804?}"
std::string EscapeUserText(std::string_view utf8);

/// \brief The user's plain text back from its stored form: the exact inverse of
/// EscapeUserText, and also plain characters written as they are (code page 1253), as texts
/// made by other programs hold them. Nothing for a text in any other RTF shape (other control
/// words, nested groups), which only an RTF reader can show.
///
///     UnescapeUserText("{\\f60\\fs22 \\'61 \\par \\'62}") == "a\r\nb"
std::optional<std::string> UnescapeUserText(std::string_view stored);

/// How many characters of the code page a description can hold: each takes four bytes stored,
/// inside the 12 bytes of its group's start and end.
inline constexpr long long kMaxDescriptionCharacters = (kMaxTextLength - 12) / 4;

/// \brief How many more characters of the code page still fit in a description whose stored
/// form `utf8` gives: 0 when it just fits, negative when it does not fit (minus how many must
/// go, at the least). A character outside the code page takes more room, a line break less.
long long DescriptionRoomLeft(std::string_view utf8);

}  // namespace orvan::personal
