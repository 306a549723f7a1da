// Text crosses between the program (code page 1253 bytes) and the terminal (UTF-8) here only.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvan::cli {

/// \brief Whether `bytes` are well-formed UTF-8.
bool IsUtf8(std::string_view bytes);

/// \brief UTF-8 text as code page 1253 bytes; nothing when a character has no place in the
/// code page.
std::optional<std::string> ToCodePage(std::string_view utf8);

/// \brief Code page 1253 bytes as UTF-8; the code page's few unassigned bytes become U+FFFD.
std::string ToUtf8(std::string_view codePage);

}  // namespace orvan::cli
