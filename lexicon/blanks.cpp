#include "lexicon/blanks.h"

namespace orvan {

std::string_view TrimLeadingBlanks(std::string_view text) {
    size_t start = 0;
    while (start < text.size() && IsBlank(static_cast<unsigned char>(text[start])))
        ++start;
    return text.substr(start);
}

std::string_view TrimTrailingBlanks(std::string_view text) {
    size_t end = text.size();
    while (end > 0 && IsBlank(static_cast<unsigned char>(text[end - 1])))
        --end;
    return text.substr(0, end);
}

std::string_view TrimBlanks(std::string_view text) {
    return TrimTrailingBlanks(TrimLeadingBlanks(text));
}

}  // namespace orvan
