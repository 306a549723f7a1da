#include "lexicon/interface_text.h"

namespace orvan {

std::string FillPlaceholders(std::string_view text, const std::vector<std::string>& arguments) {
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '%' && next >= '1' && next <= '9') {
            const auto index = static_cast<std::size_t>(next - '1');
            if (index < arguments.size()) {
                filled += arguments[index];
                ++i;
                continue;
            }
        }
        filled += text[i];
    }
    return filled;
}

}  // namespace orvan
