#include "personal/user_text.h"

#include <cstdint>

#include "richtext/greek_code_page.h"

namespace orvan::personal {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void AppendByte(std::string& out, unsigned char byte) {
    out += "\\'";
    out += kHex[byte >> 4];
    out += kHex[byte & 15];
}

void AppendUnicode(std::string& out, char16_t unit) {
    out += "\\u";
    out += std::to_string(static_cast<int16_t>(unit));
    out += '?';
}

}  // namespace

std::string EscapeUserText(std::string_view utf8) {
    const std::u16string text = Utf8ToUtf16(utf8);
    std::string out = "{\\f60\\fs22 ";
    out.reserve(out.size() + text.size() * 4 + 1);
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            out += " \\par ";
            ++i;
        } else if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            AppendUnicode(out, unit);
            AppendUnicode(out, text[++i]);
        } else if (const auto byte = GreekByte(unit)) {
            AppendByte(out, *byte);
        } else {
            AppendUnicode(out, unit);
        }
    }
    out += '}';
    return out;
}

}  // namespace orvan::personal
