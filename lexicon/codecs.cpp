#include "lexicon/codecs.h"

#include <algorithm>
#include <array>
#include <cstring>

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

// Mirrors positions 1..m-1 around the middle, shifting each by its key; `sign` is +1 to decode
// and -1 to encode.
std::string MirrorSwap(int lineNumber, std::string_view line, int sign) {
    line = UpToZero(line);
    std::string out(line);
    const auto keys = IndexLineKeys(lineNumber);
    const size_t h = line.size() / 2;
    const size_t m = 2 * h;
    for (size_t i = 1, cycle = 1; i <= h; ++i, cycle = cycle == 2 ? 0 : cycle + 1) {
        const int k = sign * keys[cycle];  // keys[i mod 3]
        // 1-based positions i and m - i become 0-based indices i - 1 and m - i - 1.
        out[i - 1] = static_cast<char>(static_cast<unsigned char>(line[m - i - 1]) + k);
        out[m - i - 1] = static_cast<char>(static_cast<unsigned char>(line[i - 1]) + k);
    }
    return out;
}

}  // namespace

std::string DecodeIndexLine(int lineNumber, std::string_view line) {
    return MirrorSwap(lineNumber, line, +1);
}

std::string EncodeIndexLine(int lineNumber, std::string_view line) {
    return MirrorSwap(lineNumber, line, -1);
}

namespace {

// One byte of data/lex.tbo unscrambled with its key (the position's last digit plus 28): bytes
// below key + 10 wrap, standing for the plain bytes 218 to 255 less 208.
unsigned char DecodeLexByte(unsigned char byte, unsigned char key) {
    return static_cast<unsigned char>(byte - key + (byte < key + 10 ? 208 : 0));
}

// Sixteen bytes at a time, for the long texts of the description store.
using Lanes = unsigned char __attribute__((vector_size(16)));

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
