#include "richtext/rtf_tokenizer.h"

#include <cstring>
#include <limits>

namespace orvan::richtext {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The bytes that end a run of plain text.
constexpr bool IsSpecial(unsigned char c) {
    return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n';
}

struct SpecialTable {
    bool special[256] = {};
    constexpr SpecialTable() {
        for (int c = 0; c < 256; ++c)
            special[c] = IsSpecial(static_cast<unsigned char>(c));
    }
};
constexpr SpecialTable kSpecial;

}  // namespace

RtfToken RtfTokenizer::next() {
    const std::size_t size = source_.size();
    while (position_ < size) {
        const char c = source_[position_];
        if (c == '\r' || c == '\n') {  // line ends in the source mean nothing
            ++position_;
            continue;
        }
        RtfToken token;
        token.start = position_;
        if (c == '{') {
            ++position_;
            token.kind = RtfToken::Kind::GroupStart;
            return token;
        }
        if (c == '}') {
            ++position_;
            token.kind = RtfToken::Kind::GroupEnd;
            return token;
        }
        if (c == '\\') return readControl();
        const std::size_t start = position_;
        const char* data = source_.data();
        std::size_t end = start + 1;
        while (end < size && !kSpecial.special[static_cast<unsigned char>(data[end])])
            ++end;
        position_ = end;
        token.kind = RtfToken::Kind::Text;
        token.word = source_.substr(start, end - start);
        return token;
    }
    return RtfToken{};
}

RtfToken RtfTokenizer::readControl() {
    const std::size_t size = source_.size();
    RtfToken token;
    token.start = position_;
    if (position_ + 1 >= size) {  // a lone backslash at the end
        position_ = size;
        token.kind = RtfToken::Kind::Incomplete;
        return token;
    }
    const char c = source_[position_ + 1];
    if (IsRtfLetter(c)) {
        const RtfWordExtent extent = MeasureRtfWord(source_, position_);
        const std::size_t letters = extent.lettersEnd - (position_ + 1);
        token.kind = RtfToken::Kind::Word;
        token.word =
            source_.substr(position_ + 1, letters < kMaxWordLength ? letters : kMaxWordLength);
        if (extent.digitsEnd > extent.digitsStart) {
            // Parameters are 32-bit; longer digit strings saturate instead of overflowing.
            std::int64_t value = 0;
            for (std::size_t i = extent.digitsStart; i < extent.digitsEnd; ++i) {
                if (value <= std::numeric_limits<std::int32_t>::max())
                    value = value * 10 + (source_[i] - '0');
            }
            if (extent.negative) value = -value;
            if (value > std::numeric_limits<std::int32_t>::max())
                value = std::numeric_limits<std::int32_t>::max();
            if (value < std::numeric_limits<std::int32_t>::min())
                value = std::numeric_limits<std::int32_t>::min();
            token.hasParameter = true;
            token.parameter = static_cast<std::int32_t>(value);
        }
        position_ = extent.end;
        return token;
    }
    if (c == '\'') {
        const int high = position_ + 2 < size ? RtfHexDigit(source_[position_ + 2]) : -1;
        const int low = position_ + 3 < size ? RtfHexDigit(source_[position_ + 3]) : -1;
        if (high >= 0 && low >= 0) {
            position_ += 4;
            token.kind = RtfToken::Kind::HexByte;
            token.byte = static_cast<std::uint8_t>(high * 16 + low);
            return token;
        }
        if (position_ + 3 >= size && (position_ + 2 >= size || high >= 0)) {
            position_ = size;  // the input ends inside the escape
            token.kind = RtfToken::Kind::Incomplete;
            return token;
        }
        // A malformed escape: pass over the backslash and the apostrophe.
        position_ += 2;
        token.kind = RtfToken::Kind::Symbol;
        token.symbol = '\'';
        return token;
    }
    position_ += 2;
    token.kind = RtfToken::Kind::Symbol;
    token.symbol = c;
    return token;
}

RtfWordExtent MeasureRtfWord(std::string_view source, std::size_t position) {
    const std::size_t size = source.size();
    RtfWordExtent extent;
    std::size_t end = position + 1;
    while (end < size && IsRtfLetter(source[end]))
        ++end;
    extent.lettersEnd = end;
    if (end < size && source[end] == '-' && end + 1 < size && IsDigit(source[end + 1])) {
        extent.negative = true;
        ++end;
    }
    extent.digitsStart = end;
    while (end < size && IsDigit(source[end]))
        ++end;
    extent.digitsEnd = end;
    if (end < size && source[end] == ' ') ++end;  // the delimiting blank belongs to the word
    extent.end = end;
    return extent;
}

std::string_view RtfTokenizer::skipBytes(std::int64_t count) {
    if (count <= 0) return {};
    const std::size_t left = source_.size() - position_;
    const std::size_t taken =
        static_cast<std::uint64_t>(count) < left ? static_cast<std::size_t>(count) : left;
    const std::string_view bytes = source_.substr(position_, taken);
    position_ += taken;
    return bytes;
}

}  // namespace orvan::richtext
