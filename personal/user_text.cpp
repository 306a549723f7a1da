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

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The UTF-16 unit of "\uN?" at `at` (past the "\u"), moving `at` past the "?"; nothing when
// the escape is not of that shape.
std::optional<char16_t> UnicodeEscape(std::string_view text, size_t& at) {
    size_t end = at;
    if (end < text.size() && text[end] == '-') ++end;
    const size_t digits = end;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9' && end - digits < 6)
        ++end;
    if (end == digits || end >= text.size() || text[end] != '?') return std::nullopt;
    const long value = std::stol(std::string(text.substr(at, end - at)));
    if (value < -32768 || value > 65535) return std::nullopt;
    at = end + 1;
    return static_cast<char16_t>(static_cast<uint16_t>(value));
}

}  // namespace

std::optional<std::string> UnescapeUserText(std::string_view stored) {
    constexpr std::string_view kStart = "{\\f60\\fs22 ";
    constexpr std::string_view kLineBreak = " \\par ";
    if (stored.empty()) return std::string();
    if (!stored.starts_with(kStart) || !stored.ends_with('}')) return std::nullopt;
    const std::string_view body = stored.substr(kStart.size(), stored.size() - kStart.size() - 1);
    std::u16string text;
    for (size_t at = 0; at < body.size();) {
        if (body.substr(at).starts_with(kLineBreak)) {
            text += u"\r\n";
            at += kLineBreak.size();
            continue;
        }
        const char c = body[at];
        if (c == '{' || c == '}') return std::nullopt;
        if (c != '\\') {
            text += GreekCharacter(static_cast<unsigned char>(c));
            ++at;
            continue;
        }
        if (at + 1 >= body.size()) return std::nullopt;
        const char control = body[at + 1];
        if (control == '\\' || control == '{' || control == '}') {
            text += static_cast<char16_t>(control);
            at += 2;
        } else if (control == '\'' && at + 3 < body.size() && HexDigit(body[at + 2]) >= 0 &&
                   HexDigit(body[at + 3]) >= 0) {
            text += GreekCharacter(
                static_cast<unsigned char>(HexDigit(body[at + 2]) * 16 + HexDigit(body[at + 3])));
            at += 4;
        } else if (control == 'u') {
            at += 2;
            const auto unit = UnicodeEscape(body, at);
            if (!unit) return std::nullopt;
            text += *unit;
        } else {
            return std::nullopt;
        }
    }
    return Utf16ToUtf8(text);
}

long long DescriptionRoomLeft(std::string_view utf8) {
    const long long room = kMaxTextLength - static_cast<long long>(EscapeUserText(utf8).size());
    // Rounded towards minus infinity: a part of a character's room is no room for it.
    return room >= 0 ? room / 4 : -((-room + 3) / 4);
}

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
