#include "richtext/greek_code_page.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <vector>

namespace orvan {

namespace {

constexpr char16_t kNoCharacter = u'\uFFFD';

// Bytes 0x80-0xFF as the system's converter (ICU's windows-1253) decodes them: the bytes the
// page leaves unassigned stand for the C1 control of the same number, 0xD2 and 0xFF for nothing.
// The tests compare every byte with Qt's converter.
constexpr std::array<char16_t, 128> kUpperHalf = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x0088, 0x2030, 0x008A, 0x2039, 0x008C, 0x008D, 0x008E, 0x008F,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x009A, 0x203A, 0x009C, 0x009D, 0x009E, 0x009F,  // 98
    0x00A0, 0x0385, 0x0386, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x2015,  // A8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x0384, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0388, 0x0389, 0x038A, 0x00BB, 0x038C, 0x00BD, 0x038E, 0x038F,  // B8
    0x0390, 0x0391, 0x0392, 0x0393, 0x0394, 0x0395, 0x0396, 0x0397,  // C0
    0x0398, 0x0399, 0x039A, 0x039B, 0x039C, 0x039D, 0x039E, 0x039F,  // C8
    0x03A0, 0x03A1, 0xFFFD, 0x03A3, 0x03A4, 0x03A5, 0x03A6, 0x03A7,  // D0
    0x03A8, 0x03A9, 0x03AA, 0x03AB, 0x03AC, 0x03AD, 0x03AE, 0x03AF,  // D8
    0x03B0, 0x03B1, 0x03B2, 0x03B3, 0x03B4, 0x03B5, 0x03B6, 0x03B7,  // E0
    0x03B8, 0x03B9, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BE, 0x03BF,  // E8
    0x03C0, 0x03C1, 0x03C2, 0x03C3, 0x03C4, 0x03C5, 0x03C6, 0x03C7,  // F0
    0x03C8, 0x03C9, 0x03CA, 0x03CB, 0x03CC, 0x03CD, 0x03CE, 0xFFFD,  // F8
};

// A Latin letter with diacritics and its base letter: every character whose canonical
// decomposition is an ASCII letter followed by non-spacing marks only (Unicode 14, as Qt 6.4
// normalizes), in code order. The tests compare every character with Qt's normalization.
struct LatinBase {
    char16_t character;
    char base;
};
constexpr LatinBase kLatinBases[] = {
    {0x00C0, 'A'}, {0x00C1, 'A'}, {0x00C2, 'A'}, {0x00C3, 'A'}, {0x00C4, 'A'}, {0x00C5, 'A'},
    {0x00C7, 'C'}, {0x00C8, 'E'}, {0x00C9, 'E'}, {0x00CA, 'E'}, {0x00CB, 'E'}, {0x00CC, 'I'},
    {0x00CD, 'I'}, {0x00CE, 'I'}, {0x00CF, 'I'}, {0x00D1, 'N'}, {0x00D2, 'O'}, {0x00D3, 'O'},
    {0x00D4, 'O'}, {0x00D5, 'O'}, {0x00D6, 'O'}, {0x00D9, 'U'}, {0x00DA, 'U'}, {0x00DB, 'U'},
    {0x00DC, 'U'}, {0x00DD, 'Y'}, {0x00E0, 'a'}, {0x00E1, 'a'}, {0x00E2, 'a'}, {0x00E3, 'a'},
    {0x00E4, 'a'}, {0x00E5, 'a'}, {0x00E7, 'c'}, {0x00E8, 'e'}, {0x00E9, 'e'}, {0x00EA, 'e'},
    {0x00EB, 'e'}, {0x00EC, 'i'}, {0x00ED, 'i'}, {0x00EE, 'i'}, {0x00EF, 'i'}, {0x00F1, 'n'},
    {0x00F2, 'o'}, {0x00F3, 'o'}, {0x00F4, 'o'}, {0x00F5, 'o'}, {0x00F6, 'o'}, {0x00F9, 'u'},
    {0x00FA, 'u'}, {0x00FB, 'u'}, {0x00FC, 'u'}, {0x00FD, 'y'}, {0x00FF, 'y'}, {0x0100, 'A'},
    {0x0101, 'a'}, {0x0102, 'A'}, {0x0103, 'a'}, {0x0104, 'A'}, {0x0105, 'a'}, {0x0106, 'C'},
    {0x0107, 'c'}, {0x0108, 'C'}, {0x0109, 'c'}, {0x010A, 'C'}, {0x010B, 'c'}, {0x010C, 'C'},
    {0x010D, 'c'}, {0x010E, 'D'}, {0x010F, 'd'}, {0x0112, 'E'}, {0x0113, 'e'}, {0x0114, 'E'},
    {0x0115, 'e'}, {0x0116, 'E'}, {0x0117, 'e'}, {0x0118, 'E'}, {0x0119, 'e'}, {0x011A, 'E'},
    {0x011B, 'e'}, {0x011C, 'G'}, {0x011D, 'g'}, {0x011E, 'G'}, {0x011F, 'g'}, {0x0120, 'G'},
    {0x0121, 'g'}, {0x0122, 'G'}, {0x0123, 'g'}, {0x0124, 'H'}, {0x0125, 'h'}, {0x0128, 'I'},
    {0x0129, 'i'}, {0x012A, 'I'}, {0x012B, 'i'}, {0x012C, 'I'}, {0x012D, 'i'}, {0x012E, 'I'},
    {0x012F, 'i'}, {0x0130, 'I'}, {0x0134, 'J'}, {0x0135, 'j'}, {0x0136, 'K'}, {0x0137, 'k'},
    {0x0139, 'L'}, {0x013A, 'l'}, {0x013B, 'L'}, {0x013C, 'l'}, {0x013D, 'L'}, {0x013E, 'l'},
    {0x0143, 'N'}, {0x0144, 'n'}, {0x0145, 'N'}, {0x0146, 'n'}, {0x0147, 'N'}, {0x0148, 'n'},
    {0x014C, 'O'}, {0x014D, 'o'}, {0x014E, 'O'}, {0x014F, 'o'}, {0x0150, 'O'}, {0x0151, 'o'},
    {0x0154, 'R'}, {0x0155, 'r'}, {0x0156, 'R'}, {0x0157, 'r'}, {0x0158, 'R'}, {0x0159, 'r'},
    {0x015A, 'S'}, {0x015B, 's'}, {0x015C, 'S'}, {0x015D, 's'}, {0x015E, 'S'}, {0x015F, 's'},
    {0x0160, 'S'}, {0x0161, 's'}, {0x0162, 'T'}, {0x0163, 't'}, {0x0164, 'T'}, {0x0165, 't'},
    {0x0168, 'U'}, {0x0169, 'u'}, {0x016A, 'U'}, {0x016B, 'u'}, {0x016C, 'U'}, {0x016D, 'u'},
    {0x016E, 'U'}, {0x016F, 'u'}, {0x0170, 'U'}, {0x0171, 'u'}, {0x0172, 'U'}, {0x0173, 'u'},
    {0x0174, 'W'}, {0x0175, 'w'}, {0x0176, 'Y'}, {0x0177, 'y'}, {0x0178, 'Y'}, {0x0179, 'Z'},
    {0x017A, 'z'}, {0x017B, 'Z'}, {0x017C, 'z'}, {0x017D, 'Z'}, {0x017E, 'z'}, {0x01A0, 'O'},
    {0x01A1, 'o'}, {0x01AF, 'U'}, {0x01B0, 'u'}, {0x01CD, 'A'}, {0x01CE, 'a'}, {0x01CF, 'I'},
    {0x01D0, 'i'}, {0x01D1, 'O'}, {0x01D2, 'o'}, {0x01D3, 'U'}, {0x01D4, 'u'}, {0x01D5, 'U'},
    {0x01D6, 'u'}, {0x01D7, 'U'}, {0x01D8, 'u'}, {0x01D9, 'U'}, {0x01DA, 'u'}, {0x01DB, 'U'},
    {0x01DC, 'u'}, {0x01DE, 'A'}, {0x01DF, 'a'}, {0x01E0, 'A'}, {0x01E1, 'a'}, {0x01E6, 'G'},
    {0x01E7, 'g'}, {0x01E8, 'K'}, {0x01E9, 'k'}, {0x01EA, 'O'}, {0x01EB, 'o'}, {0x01EC, 'O'},
    {0x01ED, 'o'}, {0x01F0, 'j'}, {0x01F4, 'G'}, {0x01F5, 'g'}, {0x01F8, 'N'}, {0x01F9, 'n'},
    {0x01FA, 'A'}, {0x01FB, 'a'}, {0x0200, 'A'}, {0x0201, 'a'}, {0x0202, 'A'}, {0x0203, 'a'},
    {0x0204, 'E'}, {0x0205, 'e'}, {0x0206, 'E'}, {0x0207, 'e'}, {0x0208, 'I'}, {0x0209, 'i'},
    {0x020A, 'I'}, {0x020B, 'i'}, {0x020C, 'O'}, {0x020D, 'o'}, {0x020E, 'O'}, {0x020F, 'o'},
    {0x0210, 'R'}, {0x0211, 'r'}, {0x0212, 'R'}, {0x0213, 'r'}, {0x0214, 'U'}, {0x0215, 'u'},
    {0x0216, 'U'}, {0x0217, 'u'}, {0x0218, 'S'}, {0x0219, 's'}, {0x021A, 'T'}, {0x021B, 't'},
    {0x021E, 'H'}, {0x021F, 'h'}, {0x0226, 'A'}, {0x0227, 'a'}, {0x0228, 'E'}, {0x0229, 'e'},
    {0x022A, 'O'}, {0x022B, 'o'}, {0x022C, 'O'}, {0x022D, 'o'}, {0x022E, 'O'}, {0x022F, 'o'},
    {0x0230, 'O'}, {0x0231, 'o'}, {0x0232, 'Y'}, {0x0233, 'y'}, {0x1E00, 'A'}, {0x1E01, 'a'},
    {0x1E02, 'B'}, {0x1E03, 'b'}, {0x1E04, 'B'}, {0x1E05, 'b'}, {0x1E06, 'B'}, {0x1E07, 'b'},
    {0x1E08, 'C'}, {0x1E09, 'c'}, {0x1E0A, 'D'}, {0x1E0B, 'd'}, {0x1E0C, 'D'}, {0x1E0D, 'd'},
    {0x1E0E, 'D'}, {0x1E0F, 'd'}, {0x1E10, 'D'}, {0x1E11, 'd'}, {0x1E12, 'D'}, {0x1E13, 'd'},
    {0x1E14, 'E'}, {0x1E15, 'e'}, {0x1E16, 'E'}, {0x1E17, 'e'}, {0x1E18, 'E'}, {0x1E19, 'e'},
    {0x1E1A, 'E'}, {0x1E1B, 'e'}, {0x1E1C, 'E'}, {0x1E1D, 'e'}, {0x1E1E, 'F'}, {0x1E1F, 'f'},
    {0x1E20, 'G'}, {0x1E21, 'g'}, {0x1E22, 'H'}, {0x1E23, 'h'}, {0x1E24, 'H'}, {0x1E25, 'h'},
    {0x1E26, 'H'}, {0x1E27, 'h'}, {0x1E28, 'H'}, {0x1E29, 'h'}, {0x1E2A, 'H'}, {0x1E2B, 'h'},
    {0x1E2C, 'I'}, {0x1E2D, 'i'}, {0x1E2E, 'I'}, {0x1E2F, 'i'}, {0x1E30, 'K'}, {0x1E31, 'k'},
    {0x1E32, 'K'}, {0x1E33, 'k'}, {0x1E34, 'K'}, {0x1E35, 'k'}, {0x1E36, 'L'}, {0x1E37, 'l'},
    {0x1E38, 'L'}, {0x1E39, 'l'}, {0x1E3A, 'L'}, {0x1E3B, 'l'}, {0x1E3C, 'L'}, {0x1E3D, 'l'},
    {0x1E3E, 'M'}, {0x1E3F, 'm'}, {0x1E40, 'M'}, {0x1E41, 'm'}, {0x1E42, 'M'}, {0x1E43, 'm'},
    {0x1E44, 'N'}, {0x1E45, 'n'}, {0x1E46, 'N'}, {0x1E47, 'n'}, {0x1E48, 'N'}, {0x1E49, 'n'},
    {0x1E4A, 'N'}, {0x1E4B, 'n'}, {0x1E4C, 'O'}, {0x1E4D, 'o'}, {0x1E4E, 'O'}, {0x1E4F, 'o'},
    {0x1E50, 'O'}, {0x1E51, 'o'}, {0x1E52, 'O'}, {0x1E53, 'o'}, {0x1E54, 'P'}, {0x1E55, 'p'},
    {0x1E56, 'P'}, {0x1E57, 'p'}, {0x1E58, 'R'}, {0x1E59, 'r'}, {0x1E5A, 'R'}, {0x1E5B, 'r'},
    {0x1E5C, 'R'}, {0x1E5D, 'r'}, {0x1E5E, 'R'}, {0x1E5F, 'r'}, {0x1E60, 'S'}, {0x1E61, 's'},
    {0x1E62, 'S'}, {0x1E63, 's'}, {0x1E64, 'S'}, {0x1E65, 's'}, {0x1E66, 'S'}, {0x1E67, 's'},
    {0x1E68, 'S'}, {0x1E69, 's'}, {0x1E6A, 'T'}, {0x1E6B, 't'}, {0x1E6C, 'T'}, {0x1E6D, 't'},
    {0x1E6E, 'T'}, {0x1E6F, 't'}, {0x1E70, 'T'}, {0x1E71, 't'}, {0x1E72, 'U'}, {0x1E73, 'u'},
    {0x1E74, 'U'}, {0x1E75, 'u'}, {0x1E76, 'U'}, {0x1E77, 'u'}, {0x1E78, 'U'}, {0x1E79, 'u'},
    {0x1E7A, 'U'}, {0x1E7B, 'u'}, {0x1E7C, 'V'}, {0x1E7D, 'v'}, {0x1E7E, 'V'}, {0x1E7F, 'v'},
    {0x1E80, 'W'}, {0x1E81, 'w'}, {0x1E82, 'W'}, {0x1E83, 'w'}, {0x1E84, 'W'}, {0x1E85, 'w'},
    {0x1E86, 'W'}, {0x1E87, 'w'}, {0x1E88, 'W'}, {0x1E89, 'w'}, {0x1E8A, 'X'}, {0x1E8B, 'x'},
    {0x1E8C, 'X'}, {0x1E8D, 'x'}, {0x1E8E, 'Y'}, {0x1E8F, 'y'}, {0x1E90, 'Z'}, {0x1E91, 'z'},
    {0x1E92, 'Z'}, {0x1E93, 'z'}, {0x1E94, 'Z'}, {0x1E95, 'z'}, {0x1E96, 'h'}, {0x1E97, 't'},
    {0x1E98, 'w'}, {0x1E99, 'y'}, {0x1EA0, 'A'}, {0x1EA1, 'a'}, {0x1EA2, 'A'}, {0x1EA3, 'a'},
    {0x1EA4, 'A'}, {0x1EA5, 'a'}, {0x1EA6, 'A'}, {0x1EA7, 'a'}, {0x1EA8, 'A'}, {0x1EA9, 'a'},
    {0x1EAA, 'A'}, {0x1EAB, 'a'}, {0x1EAC, 'A'}, {0x1EAD, 'a'}, {0x1EAE, 'A'}, {0x1EAF, 'a'},
    {0x1EB0, 'A'}, {0x1EB1, 'a'}, {0x1EB2, 'A'}, {0x1EB3, 'a'}, {0x1EB4, 'A'}, {0x1EB5, 'a'},
    {0x1EB6, 'A'}, {0x1EB7, 'a'}, {0x1EB8, 'E'}, {0x1EB9, 'e'}, {0x1EBA, 'E'}, {0x1EBB, 'e'},
    {0x1EBC, 'E'}, {0x1EBD, 'e'}, {0x1EBE, 'E'}, {0x1EBF, 'e'}, {0x1EC0, 'E'}, {0x1EC1, 'e'},
    {0x1EC2, 'E'}, {0x1EC3, 'e'}, {0x1EC4, 'E'}, {0x1EC5, 'e'}, {0x1EC6, 'E'}, {0x1EC7, 'e'},
    {0x1EC8, 'I'}, {0x1EC9, 'i'}, {0x1ECA, 'I'}, {0x1ECB, 'i'}, {0x1ECC, 'O'}, {0x1ECD, 'o'},
    {0x1ECE, 'O'}, {0x1ECF, 'o'}, {0x1ED0, 'O'}, {0x1ED1, 'o'}, {0x1ED2, 'O'}, {0x1ED3, 'o'},
    {0x1ED4, 'O'}, {0x1ED5, 'o'}, {0x1ED6, 'O'}, {0x1ED7, 'o'}, {0x1ED8, 'O'}, {0x1ED9, 'o'},
    {0x1EDA, 'O'}, {0x1EDB, 'o'}, {0x1EDC, 'O'}, {0x1EDD, 'o'}, {0x1EDE, 'O'}, {0x1EDF, 'o'},
    {0x1EE0, 'O'}, {0x1EE1, 'o'}, {0x1EE2, 'O'}, {0x1EE3, 'o'}, {0x1EE4, 'U'}, {0x1EE5, 'u'},
    {0x1EE6, 'U'}, {0x1EE7, 'u'}, {0x1EE8, 'U'}, {0x1EE9, 'u'}, {0x1EEA, 'U'}, {0x1EEB, 'u'},
    {0x1EEC, 'U'}, {0x1EED, 'u'}, {0x1EEE, 'U'}, {0x1EEF, 'u'}, {0x1EF0, 'U'}, {0x1EF1, 'u'},
    {0x1EF2, 'Y'}, {0x1EF3, 'y'}, {0x1EF4, 'Y'}, {0x1EF5, 'y'}, {0x1EF6, 'Y'}, {0x1EF7, 'y'},
    {0x1EF8, 'Y'}, {0x1EF9, 'y'}, {0x212B, 'A'},
};

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The base letter of a Latin letter with diacritics, or 0.
char LatinBaseOf(char32_t character) {
    const auto found = std::lower_bound(
        std::begin(kLatinBases), std::end(kLatinBases), character,
        [](const LatinBase& entry, char32_t wanted) { return entry.character < wanted; });
    return found != std::end(kLatinBases) && found->character == character ? found->base : 0;
}

// How a UTF-8 sequence starts: its length and the bits its lead byte carries; the second byte's
// allowed range excludes overlong forms, surrogates and everything past U+10FFFF.
struct Utf8Lead {
    int length = 0;  // 0: no sequence starts with this byte
    char32_t bits = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
};

Utf8Lead LeadOf(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return {2, lead & 0x1Fu};
    if (lead == 0xE0) return {3, lead & 0x0Fu, 0xA0, 0xBF};
    if (lead == 0xED) return {3, lead & 0x0Fu, 0x80, 0x9F};
    if (lead >= 0xE1 && lead <= 0xEF) return {3, lead & 0x0Fu};
    if (lead == 0xF0) return {4, lead & 0x07u, 0x90, 0xBF};
    if (lead == 0xF4) return {4, lead & 0x07u, 0x80, 0x8F};
    if (lead >= 0xF1 && lead <= 0xF3) return {4, lead & 0x07u};
    return {};
}

// UTF-8 decoded to UTF-16 as Qt's stateless decoder does it, the same text for the same bytes:
// a byte order mark at the start is dropped, and each byte that does not belong to a
// well-formed character becomes U+FFFD. `wellFormed` tells whether there was none.
std::u16string DecodeUtf8(std::string_view utf8, bool& wellFormed) {
    wellFormed = true;
    if (utf8.starts_with("\xEF\xBB\xBF")) utf8.remove_prefix(3);
    std::u16string text;
    text.reserve(utf8.size());
    for (size_t at = 0; at < utf8.size();) {
        const auto first = static_cast<unsigned char>(utf8[at]);
        if (first < 0x80) {
            text += static_cast<char16_t>(first);
            ++at;
            continue;
        }
        const Utf8Lead lead = LeadOf(first);
        bool good = lead.length > 0 && utf8.size() - at >= static_cast<size_t>(lead.length);
        char32_t character = lead.bits;
        for (int i = 1; good && i < lead.length; ++i) {
            const auto next = static_cast<unsigned char>(utf8[at + static_cast<size_t>(i)]);
            const unsigned char low = i == 1 ? lead.low : 0x80, high = i == 1 ? lead.high : 0xBF;
            good = next >= low && next <= high;
            character = (character << 6) | (next & 0x3Fu);
        }
        if (!good) {
            text += kNoCharacter;
            wellFormed = false;
            ++at;
            continue;
        }
        at += static_cast<size_t>(lead.length);
        if (character < 0x10000) {
            text += static_cast<char16_t>(character);
        } else {
            text += static_cast<char16_t>(0xD800 + ((character - 0x10000) >> 10));
            text += static_cast<char16_t>(0xDC00 + ((character - 0x10000) & 0x3FF));
        }
    }
    return text;
}

void AppendUtf8(char32_t character, std::string& out) {
    if (character < 0x80) {
        out += static_cast<char>(character);
    } else if (character < 0x800) {
        out += static_cast<char>(0xC0 | (character >> 6));
        out += static_cast<char>(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        out += static_cast<char>(0xE0 | (character >> 12));
        out += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (character >> 18));
        out += static_cast<char>(0x80 | ((character >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (character & 0x3F));
    }
}

// The character a surrogate pair stands for.
char32_t PairedCharacter(char16_t high, char16_t low) {
    return 0x10000 + ((static_cast<char32_t>(high) - 0xD800) << 10) + (low - 0xDC00);
}

// The length of the character at `i` of `text`: 2 for a surrogate pair, else 1.
size_t CharacterLength(std::u16string_view text, size_t i) {
    return IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]) ? 2 : 1;
}

}  // namespace

char16_t GreekCharacter(unsigned char byte) {
    return byte < 0x80 ? static_cast<char16_t>(byte) : kUpperHalf[byte - 0x80];
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
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t character = text[i];
        if (CharacterLength(text, i) == 2) ++i;
        // A surrogate, paired or not, stands for nothing the page holds.
        if (character >= 0xD800 && character <= 0xDFFF) character = kNoCharacter;
        const auto byte = GreekByte(character);
        out.bytes += byte ? static_cast<char>(*byte) : kUnencodableMark;
        out.complete = out.complete && byte.has_value();
    }
    return out;
}

GreekBytes Utf16ToGreekSearchText(std::u16string_view text) {
    GreekBytes out = Utf16ToGreek(text);
    if (out.complete) return out;
    // The characters come out one byte each, in order: each mark is looked at again.
    out.complete = true;
    for (size_t i = 0, at = 0; i < text.size(); i += CharacterLength(text, i), ++at) {
        if (out.bytes[at] != kUnencodableMark || GreekByte(text[i])) continue;
        const char base = CharacterLength(text, i) == 1 ? LatinBaseOf(text[i]) : 0;
        if (base != 0) {
            out.bytes[at] = base;
        } else {
            out.complete = false;
        }
    }
    return out;
}

std::string CharactersWithoutByte(std::u16string_view text, bool searching) {
    std::vector<std::u16string_view> missing;
    std::string shown;
    for (size_t i = 0; i < text.size();) {
        const std::u16string_view character = text.substr(i, CharacterLength(text, i));
        i += character.size();
        const bool held = searching ? Utf16ToGreekSearchText(character).complete
                                    : Utf16ToGreek(character).complete;
        if (held || std::find(missing.begin(), missing.end(), character) != missing.end()) {
            continue;
        }
        if (!missing.empty()) shown += ' ';
        missing.push_back(character);
        // A lone surrogate is shown as '?', as Qt's UTF-8 encoder writes it.
        if (character.size() == 1 &&
            (IsHighSurrogate(character[0]) || IsLowSurrogate(character[0]))) {
            shown += '?';
        } else {
            AppendUtf8(
                character.size() == 2 ? PairedCharacter(character[0], character[1]) : character[0],
                shown);
        }
    }
    return shown;
}

GreekBytes Utf8ToGreek(std::string_view utf8) {
    bool wellFormed = true;
    GreekBytes out = Utf16ToGreek(DecodeUtf8(utf8, wellFormed));
    out.complete = out.complete && wellFormed;
    return out;
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
    bool wellFormed = true;
    return DecodeUtf8(utf8, wellFormed);
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (size_t i = 0; i < text.size();) {
        const size_t length = CharacterLength(text, i);
        char32_t character = text[i];
        if (length == 2) {
            character = PairedCharacter(text[i], text[i + 1]);
        } else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) {
            character = 0xFFFD;
        }
        AppendUtf8(character, out);
        i += length;
    }
    return out;
}

std::u16string GreekToUtf16(std::string_view bytes) {
    std::u16string text(bytes.size(), u'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        text[i] = GreekCharacter(static_cast<unsigned char>(bytes[i]));
    return text;
}

std::string GreekToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char byte : bytes)
        AppendUtf8(GreekCharacter(static_cast<unsigned char>(byte)), out);
    return out;
}

bool IsUtf8(std::string_view bytes) {
    bool wellFormed = true;
    DecodeUtf8(bytes, wellFormed);
    return wellFormed;
}

}  // namespace orvan
