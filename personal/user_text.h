// The user's plain text as the personal store keeps it: RTF that the entry display, the
// plain-text reader and every other RTF reader understand.
#pragma once

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

}  // namespace orvan::personal
