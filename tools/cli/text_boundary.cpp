#include "tools/cli/text_boundary.h"

namespace orvan::cli {

std::optional<std::string> ToCodePage(std::string_view utf8) {
    GreekBytes bytes = Utf8ToGreek(utf8);
    if (!bytes.complete) return std::nullopt;
    return std::move(bytes.bytes);
}

}  // namespace orvan::cli
