#include "lexicon/greek_code_page.h"

#include <array>
#include <unordered_map>

namespace orvan {

namespace {

constexpr char16_t kNoCharacter = u'\uFFFD';

// Bytes 0x80-0xBF: punctuation, signs and the accented capitals. The bytes Windows leaves
// unassigned stand for the C1 control of the same number, as Windows' own conversion gives them.
constexpr std::array<char16_t, 64> kUpperPunctuation = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x0088, 0x2030, 0x008A, 0x2039, 0x008C, 0x008D, 0x008E, 0x008F,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x009A, 0x203A, 0x009C, 0x009D, 0x009E, 0x009F,  // 98
    0x00A0, 0x0385, 0x0386, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x2015,  // A8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x0384, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0388, 0x0389, 0x038A, 0x00BB, 0x038C, 0x00BD, 0x038E, 0x038F,  // B8
};

// Bytes 0xC0-0xFE are the Greek letters ΐ to ώ in Unicode's order, one gap at 0xD2.
constexpr unsigned char kFirstLetter = 0xC0;
constexpr char16_t kFirstLetterCharacter = 0x0390;

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kMalformed = 0xFFFFFFFF;

// How a UTF-8 sequence starts: its length, the bits of its lead byte, and the smallest character
// that needs this length (anything below is an overlong form).
struct Utf8Lead {
    int length = 0;  // 0: no sequence starts with this byte
    char32_t bits = 0;
    char32_t smallest = 0;
};

Utf8Lead LeadOf(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return {2, lead & 0x1Fu, 0x80};
    if (lead >= 0xE0 && lead <= 0xEF) return {3, lead & 0x0Fu, 0x800};
    if (lead >= 0xF0 && lead <= 0xF4) return {4, lead & 0x07u, 0x10000};
    return {};
}

// The next character of `utf8` from `at`, which moves past it; kMalformed (past one byte) when
// the bytes there are not a well-formed character.
char32_t NextUtf8(std::string_view utf8, size_t& at) {
    const auto first = static_cast<unsigned char>(utf8[at++]);
    if (first < 0x80) return first;
    const Utf8Lead lead = LeadOf(first);
    if (lead.length == 0 || utf8.size() - at < static_cast<size_t>(lead.length - 1)) {
        return kMalformed;
    }
    char32_t character = lead.bits;
    for (int i = 0; i < lead.length - 1; ++i) {
        const auto next = static_cast<unsigned char>(utf8[at + static_cast<size_t>(i)]);
        if ((next & 0xC0) != 0x80) return kMalformed;
        character = (character << 6) | (next & 0x3Fu);
    }
    if (character < lead.smallest || character > 0x10FFFF ||
        (character >= 0xD800 && character <= 0xDFFF)) {
        return kMalformed;
    }
    at += static_cast<size_t>(lead.length - 1);
    return character;
}

void AppendUtf8(char32_t character, std::string& out) {
    if (character < 0x80) {
        out += static_cast<char>(character);
    } else if (character < 0x800) {
        out += static_cast<char>(0xC0 | (character >> 6));
        out += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (character >> 12));
        out += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (character & 0x3F));
    }
}

void AppendByte(char32_t character, GreekBytes& out) {
    const auto byte = GreekByte(character);
    out.bytes += byte ? static_cast<char>(*byte) : kUnencodableMark;
    out.complete = out.complete && byte.has_value();
}

}  // namespace

char16_t GreekCharacter(unsigned char byte) {
    if (byte < 0x80) return byte;
    if (byte < kFirstLetter) return kUpperPunctuation[byte - 0x80];
    if (byte == 0xD2 || byte == 0xFF) return kNoCharacter;
    return static_cast<char16_t>(kFirstLetterCharacter + (byte - kFirstLetter));
}

std::optional<unsigned char> GreekByte(char32_t character) {
    if (character == 0) return std::nullopt;
    if (character < 0x80) return static_cast<unsigned char>(character);
    static const std::unordered_map<char32_t, unsigned char> bytes = [] {
        std::unordered_map<char32_t, unsigned char> inverse;
        for (int byte = 0x80; byte < 256; ++byte) {
            const char16_t shown = GreekCharacter(static_cast<unsigned char>(byte));
            if (shown != kNoCharacter) inverse.emplace(shown, static_cast<unsigned char>(byte));
        }
        return inverse;
    }();
    const auto found = bytes.find(character);
    if (found == bytes.end()) return std::nullopt;
    return found->second;
}

GreekBytes Utf16ToGreek(std::u16string_view text) {
    GreekBytes out;
    out.bytes.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t character = text[i];
        const bool pair = character >= 0xD800 && character <= 0xDBFF && i + 1 < text.size() &&
                          text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        if (pair) ++i;
        // Every character outside the basic plane is outside the page too.
        if (pair || (character >= 0xD800 && character <= 0xDFFF)) character = kReplacement;
        AppendByte(character, out);
    }
    return out;
}

GreekBytes Utf8ToGreek(std::string_view utf8) {
    GreekBytes out;
    out.bytes.reserve(utf8.size());
    for (size_t at = 0; at < utf8.size();) {
        const char32_t character = NextUtf8(utf8, at);
        AppendByte(character == kMalformed ? kReplacement : character, out);
    }
    return out;
}

std::u16string GreekToUtf16(std::string_view bytes) {
    std::u16string text(bytes.size(), u'\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        text[i] = GreekCharacter(static_cast<unsigned char>(bytes[i]));
    return text;
}

std::string GreekToUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char byte : bytes)
        AppendUtf8(GreekCharacter(static_cast<unsigned char>(byte)), text);
    return text;
}

bool IsUtf8(std::string_view bytes) {
    for (size_t at = 0; at < bytes.size();) {
        if (NextUtf8(bytes, at) == kMalformed) return false;
    }
    return true;
}

}  // namespace orvan
