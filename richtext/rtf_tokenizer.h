// Splits RTF source into its tokens: group braces, control words with their parameters, control
// symbols, hexadecimal escapes and runs of plain text. It never fails: whatever it cannot make
// sense of becomes text or is passed over, and every call moves forward.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orvan::richtext {

struct RtfToken {
    enum class Kind : std::uint8_t {
        End,         // no more input
        GroupStart,  // {
        GroupEnd,    // }
        Word,        // \word or \wordN; `word` holds the letters
        Symbol,      // \ followed by one non-letter (not '), `symbol` holds it
        HexByte,     // \'hh, `byte` holds the value
        Text,        // plain text bytes, never containing \ { } CR or LF
        Incomplete,  // the input ends inside a token (\, \' with fewer than two digits)
    };

    Kind kind = Kind::End;
    std::string_view word;  // Word: the letters; Text: the bytes
    bool hasParameter = false;
    std::int32_t parameter = 0;
    char symbol = 0;
    std::uint8_t byte = 0;
    std::size_t start = 0;  // where the token begins in the source
};

/// \brief The value of a hexadecimal digit of an escape (\'hh), -1 for any other character.
inline int RtfHexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

/// Control words are at most this long; the letters beyond it are passed over.
inline constexpr std::size_t kMaxWordLength = 32;

class RtfTokenizer {
  public:
    explicit RtfTokenizer(std::string_view source) : source_(source) {}

    RtfToken next();

    /// Passes over up to `count` raw bytes (the data of \binN), never beyond the end, and gives
    /// them.
    std::string_view skipBytes(std::int64_t count);

    std::size_t position() const { return position_; }
    /// Reads on from `position` (a caller that looks at plain text itself hands over at a
    /// backslash).
    void seek(std::size_t position) { position_ = position; }
    bool atEnd() const { return position_ >= source_.size(); }

  private:
    RtfToken readControl();

    std::string_view source_;
    std::size_t position_ = 0;
};

}  // namespace orvan::richtext
