#include "lexicon/search_keys.h"

#include <array>

#include "lexicon/blanks.h"

namespace orvan {

namespace {

// Code page 1253 bytes of the Greek letters that matter here.
constexpr unsigned char kCapitalAlpha = 0xC1;  // Α
constexpr unsigned char kCapitalRho = 0xD1;    // Ρ
constexpr unsigned char kCapitalSigma = 0xD3;  // Σ (0xD2 is unassigned)
constexpr unsigned char kCapitalOmega = 0xD9;  // Ω
constexpr unsigned char kSmallAlpha = 0xE1;    // α
constexpr unsigned char kFinalSigma = 0xF2;    // ς
constexpr unsigned char kSmallSigma = 0xF3;    // σ
constexpr unsigned char kSmallOmega = 0xF9;    // ω
constexpr unsigned char kTonos = 0xB4;         // ΄
constexpr unsigned char kBlank = ' ';

bool IsLatinLetter(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

// What each byte becomes in a Greek key before blanks are dropped: capitals lowered, accented
// and diaeresis letters reduced to their bare small letter, the listed marks made blanks.
std::array<unsigned char, 256> MakeGreekKeyTable() {
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[c] = static_cast<unsigned char>(c);
    for (int c = kCapitalAlpha; c <= kCapitalOmega; ++c) {
        if (c <= kCapitalRho || c >= kCapitalSigma) table[c] = static_cast<unsigned char>(c + 0x20);
    }
    const unsigned char alpha = 0xE1, epsilon = 0xE5, eta = 0xE7, iota = 0xE9, omicron = 0xEF,
                        upsilon = 0xF5, omega = 0xF9;
    for (unsigned char c : {0xDC, 0xA2})
        table[c] = alpha;  // ά Ά
    for (unsigned char c : {0xDD, 0xB8})
        table[c] = epsilon;  // έ Έ
    for (unsigned char c : {0xDE, 0xB9})
        table[c] = eta;  // ή Ή
    for (unsigned char c : {0xDF, 0xFA, 0xC0, 0xBA, 0xDA})
        table[c] = iota;  // ί ϊ ΐ Ί Ϊ
    for (unsigned char c : {0xFC, 0xBC})
        table[c] = omicron;  // ό Ό
    for (unsigned char c : {0xFD, 0xBE, 0xFB, 0xE0})
        table[c] = upsilon;  // ύ Ύ ϋ ΰ
    for (unsigned char c : {0xFE, 0xBF})
        table[c] = omega;  // ώ Ώ
    for (unsigned char c : {'+', '*', ',', '(', ')', '/', '-', '.', '"', '`', '\''}) {
        table[c] = kBlank;
    }
    table[kTonos] = kBlank;
    return table;
}

const std::array<unsigned char, 256> kGreekKeyTable = MakeGreekKeyTable();

bool IsLatinKeyMark(unsigned char c) {
    return c == ' ' || c == '"' || (c >= 39 && c <= 47) || c == '`' || c == kTonos;
}

}  // namespace

std::string GreekSearchKey(std::string_view text, bool dropLeadingDigits) {
    std::string key;
    key.reserve(text.size());
    for (const char ch : TrimBlanks(text)) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (IsLatinLetter(c)) c = kBlank;
        if (dropLeadingDigits && key.empty() && IsDigit(c)) c = kBlank;
        c = kGreekKeyTable[c];
        if (!IsBlank(c)) key.push_back(static_cast<char>(c));
    }
    return key;
}

std::string LatinSearchKey(std::string_view text, bool dropLeadingDigits) {
    std::string key;
    key.reserve(text.size());
    for (const char ch : text) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (IsLatinKeyMark(c)) c = kBlank;
        if (dropLeadingDigits && key.empty() && IsDigit(c)) c = kBlank;
        if (IsBlank(c)) continue;
        if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c - 'A' + 'a');
        key.push_back(static_cast<char>(c));
    }
    return key;
}

std::string EnglishListKey(std::string_view text) {
    std::string key(TrimLeadingBlanks(text));
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return key;
}

std::string GreekListKey(std::string_view text) {
    std::string key = GreekSearchKey(text, true);
    for (char& c : key) {
        if (static_cast<unsigned char>(c) == kFinalSigma) c = static_cast<char>(kSmallSigma);
    }
    return key;
}

bool IsGreekLetter(unsigned char c) {
    if (c >= kSmallAlpha && c <= kSmallOmega) return true;  // α-ω with ς
    if (c >= kCapitalAlpha && c <= kCapitalOmega) return c != 0xD2;
    // ά έ ή ί ό ύ ώ ϊ ϋ, then Ά Έ Ή Ί Ό Ύ Ώ Ϊ Ϋ
    constexpr std::string_view kAccented =
        "\xDC\xDD\xDE\xDF\xFC\xFD\xFE\xFA\xFB\xA2\xB8\xB9\xBA\xBC\xBE\xBF\xDA\xDB";
    return kAccented.find(static_cast<char>(c)) != std::string_view::npos;
}

bool StartsWithGreekLetter(std::string_view text) {
    return !text.empty() && IsGreekLetter(static_cast<unsigned char>(text.front()));
}

}  // namespace orvan
