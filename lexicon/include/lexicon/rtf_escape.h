// Bytes written into an RTF document as they are, whatever they are.
#pragma once

#include <string>
#include <string_view>

namespace orvan {

/// \brief Every byte of `bytes` as an RTF hexadecimal escape, upper case: "Aλ" -> "\'41\'EB"
/// (code page 1253). A text escaped so can hold no control word, group or blank of its own.
std::string EscapeAllBytes(std::string_view bytes);

}  // namespace orvan
