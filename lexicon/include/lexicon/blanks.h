// Blanks: the space and every control character (codes 0 to 32). Whatever the program trims,
// whether a headword, a science code or a font name, it trims these.
#pragma once

#include <string_view>

namespace orvan {

/// \brief Whether a byte is a blank: code 32 or less.
inline bool IsBlank(unsigned char byte) {
    return byte <= 32;
}

/// \brief Text without its leading blanks.
std::string_view TrimLeadingBlanks(std::string_view text);

/// \brief Text without its trailing blanks.
std::string_view TrimTrailingBlanks(std::string_view text);

/// \brief Text without blanks at either end.
///
///     TrimBlanks("\t engine \r") == "engine"
std::string_view TrimBlanks(std::string_view text);

}  // namespace orvan
