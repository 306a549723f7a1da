// Text crosses between the program (code page 1253 bytes) and the terminal (UTF-8) here only,
// by the program's one code page rule (richtext/greek_code_page.h).
#pragma once

#include <string>
#include <string_view>

#include "richtext/greek_code_page.h"

namespace orvan::cli {

using orvan::IsUtf8;

/// \brief Code page 1253 bytes as UTF-8; the code page's two empty bytes become U+FFFD.
inline std::string ToUtf8(std::string_view codePage) {
    return GreekToUtf8(codePage);
}

}  // namespace orvan::cli
