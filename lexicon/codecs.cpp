#include "lexicon/codecs.h"

#include <algorithm>
#include <array>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orvan {

namespace {

std::string_view UpToZero(std::string_view text) {
    const size_t zero = text.find('\0');
    return zero == std::string_view::npos ? text : text.substr(0, zero);
}

// The three shifts of an index line: key[0] serves positions 3, 6, ..., key[1] positions
// 1, 4, ..., key[2] positions 2, 5, ...
std::array<int, 3> IndexLineKeys(int lineNumber) {
    const int n = lineNumber < 0 ? -lineNumber : lineNumber;
    const int b = (n % 1000) + (n % 10);
    const int k2 = (b / 100) % 6;
    const int k1 = ((b % 100) / 10) % 6;
    const int k0 = (b - 10 * k1 - 100 * k2) % 6;
    return {k0, k1, k2};
}

#if defined(__SSE2__)
// Sixteen bytes in reverse order, with the instructions every x86-64 processor has.
__m128i Reversed(__m128i lanes) {
    lanes = _mm_or_si128(_mm_slli_epi16(lanes, 8), _mm_srli_epi16(lanes, 8));
    lanes = _mm_shufflehi_epi16(_mm_shufflelo_epi16(lanes, 0x1B), 0x1B);
    return _mm_shuffle_epi32(lanes, 0x4E);
}
#endif

// Mirrors positions 1..m-1 around the middle into `out`, shifting each by its key; `sign` is +1
// to decode and -1 to encode.
void MirrorSwap(int lineNumber, std::string_view line, int sign, std::string& out) {
    line = UpToZero(line);
    out.resize(line.size());
    const auto keys = IndexLineKeys(lineNumber);
    const size_t h = line.size() / 2;
    const size_t m = 2 * h;
    const auto* in = reinterpret_cast<const unsigned char*>(line.data());
    auto* target = reinterpret_cast<unsigned char*>(out.data());
    // Position m (and m + 1 of an odd length) stays as it is: only 1..m-1 are mirrored.
    for (size_t kept = m == 0 ? 0 : m - 1; kept < line.size(); ++kept)
        target[kept] = in[kept];
    size_t i = 1;
#if defined(__SSE2__)
    // The shift of 1-based position t is keys[t mod 3]: sixteen positions from i take theirs
    // from pattern + i mod 3.
    unsigned char pattern[18];
    for (size_t t = 0; t < sizeof pattern; t += 3) {
        pattern[t] = static_cast<unsigned char>(sign * keys[0]);
        pattern[t + 1] = static_cast<unsigned char>(sign * keys[1]);
        pattern[t + 2] = static_cast<unsigned char>(sign * keys[2]);
    }
    // 1-based positions i and m - i swap, each shifted by position i's key: sixteen pairs at a
    // time, the last sixteen ending at the middle (pairs done twice come out the same, as only
    // `in` is read).
    const auto swapSixteen = [&](size_t from) {
        const auto load = [](const unsigned char* at) {
            return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        };
        const __m128i shift = load(pattern + from % 3);
        const __m128i front = load(in + from - 1);      // positions from .. from + 15
        const __m128i back = load(in + m - from - 16);  // positions m - from - 15 .. m - from
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target + from - 1),
                         _mm_add_epi8(Reversed(back), shift));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target + m - from - 16),
                         Reversed(_mm_add_epi8(front, shift)));
    };
    for (; i + 15 <= h; i += 16)
        swapSixteen(i);
    if (h >= 16 && i <= h) {
        swapSixteen(h - 15);
        i = h + 1;
    }
#endif
    for (; i <= h; ++i) {
        const auto k = static_cast<unsigned char>(sign * keys[i % 3]);
        target[i - 1] = static_cast<unsigned char>(in[m - i - 1] + k);
        target[m - i - 1] = static_cast<unsigned char>(in[i - 1] + k);
    }
}

}  // namespace

void DecodeIndexLineInto(int lineNumber, std::string_view line, std::string& out) {
    MirrorSwap(lineNumber, line, +1, out);
}

std::string DecodeIndexLine(int lineNumber, std::string_view line) {
    std::string out;
    MirrorSwap(lineNumber, line, +1, out);
    return out;
}

std::string EncodeIndexLine(int lineNumber, std::string_view line) {
    std::string out;
    MirrorSwap(lineNumber, line, -1, out);
    return out;
}

namespace {

// Sixteen bytes at a time, for the long texts of the description store.
using Lanes = unsigned char __attribute__((vector_size(16)));

// One byte of data/lex.tbo unscrambled with its key (the position's last digit plus 28): bytes
// below key + 10 wrap, standing for the plain bytes 218 to 255 less 208.
unsigned char DecodeLexByte(unsigned char byte, unsigned char key) {
    return static_cast<unsigned char>(byte - key + (byte < key + 10 ? 208 : 0));
}

// Keys repeat every ten bytes: from its start at digit d, a run of 80 keys (five runs of sixteen)
// begins at kKeys[d], and serves a text 80 bytes at a time with no division.
constexpr size_t kKeyRun = 80;
struct KeyPattern {
    unsigned char keys[kKeyRun + 10] = {};
    constexpr KeyPattern() {
        for (size_t j = 0; j < kKeyRun + 10; ++j)
            keys[j] = static_cast<unsigned char>(j % 10 + 28);
    }
};
constexpr KeyPattern kKeys;

}  // namespace

void AppendDecodedLexText(long long startPosition, std::string_view stored, std::string& out) {
    stored = UpToZero(stored);
    const size_t start = out.size();
    out.resize(start + stored.size());
    unsigned char* target = reinterpret_cast<unsigned char*>(out.data() + start);
    const unsigned char* source = reinterpret_cast<const unsigned char*>(stored.data());
    const unsigned char* keys = kKeys.keys + startPosition % 10;
    const size_t size = stored.size();
    size_t done = 0;
    for (; done + kKeyRun <= size; done += kKeyRun) {
        for (size_t j = 0; j < kKeyRun; j += sizeof(Lanes)) {
            Lanes bytes, keyLanes;
            std::memcpy(&bytes, source + done + j, sizeof(Lanes));
            std::memcpy(&keyLanes, keys + j, sizeof(Lanes));
            const Lanes wraps = reinterpret_cast<Lanes>(bytes < keyLanes + 10);
            const Lanes plain = bytes - keyLanes + (wraps & 208);
            std::memcpy(target + done + j, &plain, sizeof(Lanes));
        }
    }
    for (size_t j = 0; done + j < size; ++j)
        target[done + j] = DecodeLexByte(source[done + j], keys[j]);
}

std::string DecodeLexText(long long startPosition, std::string_view stored) {
    std::string out;
    AppendDecodedLexText(startPosition, stored, out);
    return out;
}

unsigned char EncodeLexByte(long long position, unsigned char plain) {
    int e = (plain + static_cast<int>(position % 10) + 28) % 256;
    if (e > 217) e -= 208;
    return static_cast<unsigned char>(e);
}

std::string EncodeLexText(long long startPosition, std::string_view plain) {
    plain = UpToZero(plain);
    std::string out(plain.size(), '\0');
    for (size_t i = 0; i < plain.size(); ++i) {
        const long long q = startPosition + static_cast<long long>(i);
        out[i] = static_cast<char>(EncodeLexByte(q, static_cast<unsigned char>(plain[i])));
    }
    return out;
}

std::string DecodePersonalText(std::string_view stored) {
    stored = UpToZero(stored);
    std::string out(stored.size(), '\0');
    for (size_t i = 0; i < stored.size(); ++i) {
        const int p = static_cast<int>((i + 1) % 5);
        int d = static_cast<unsigned char>(stored[i]) - p - 30;
        if (d < 32) d += 223;
        out[i] = static_cast<char>(static_cast<unsigned char>(d));
    }
    return out;
}

std::string EncodePersonalText(std::string_view plain) {
    plain = UpToZero(plain);
    std::string out(plain.size(), '\0');
    for (size_t i = 0; i < plain.size(); ++i) {
        const int p = static_cast<int>((i + 1) % 5);
        int e = static_cast<unsigned char>(plain[i]) + p + 30;
        if (e > 254) e -= 223;
        out[i] = static_cast<char>(static_cast<unsigned char>(e));
    }
    return out;
}

}  // namespace orvan
