#include "lexicon/rtf_escape.h"

namespace orvan {

std::string EscapeAllBytes(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 4);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        out += "\\'";
        out += kHex[byte >> 4];
        out += kHex[byte & 15];
    }
    return out;
}

}  // namespace orvan
