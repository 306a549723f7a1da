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

/// \brief Whether `c` is a letter of a control word's name.
inline bool IsRtfLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

/// The values of the hexadecimal digits of an escape (\'hh), by character; 16 for any other.
struct RtfHexDigits {
    unsigned char value[256] = {};
    constexpr RtfHexDigits() {
        for (int c = 0; c < 256; ++c) {
            value[c] = c >= '0' && c <= '9'   ? static_cast<unsigned char>(c - '0')
                       : c >= 'a' && c <= 'f' ? static_cast<unsigned char>(c - 'a' + 10)
                       : c >= 'A' && c <= 'F' ? static_cast<unsigned char>(c - 'A' + 10)
                                              : 16;
        }
    }
};
inline constexpr RtfHexDigits kRtfHexDigits;

/// \brief The value of a hexadecimal digit of an escape (\'hh), -1 for any other character.
inline int RtfHexDigit(char c) {
    const unsigned char value = kRtfHexDigits.value[static_cast<unsigned char>(c)];
    return value < 16 ? value : -1;
}

/// Where the parts of a control word lie in the source: its letters, its parameter's digits
/// (none when they are equal), and its end (past the blank that ends it, when one does).
struct RtfWordExtent {
    std::size_t lettersEnd = 0;
    std::size_t digitsStart = 0;
    std::size_t digitsEnd = 0;
    std::size_t end = 0;
    bool negative = false;
};

/// \brief The extent of the control word whose backslash is at `position` (a letter follows it).
RtfWordExtent MeasureRtfWord(std::string_view source, std::size_t position);

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
