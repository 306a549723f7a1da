#include "lexicon/codecs.h"

#include <array>

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

std::string DecodeLexText(long long startPosition, std::string_view stored) {
    stored = UpToZero(stored);
    std::string out(stored.size(), '\0');
    // The key is the position's last decimal digit, counted along rather than divided out.
    int digit = static_cast<int>(startPosition % 10);
    if (digit < 0) digit += 10;
    for (size_t i = 0; i < stored.size(); ++i) {
        int d = static_cast<unsigned char>(stored[i]) - digit - 28;
        if (d < 10) d += 208;
        out[i] = static_cast<char>(static_cast<unsigned char>(d));
        if (++digit == 10) digit = 0;
    }
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
