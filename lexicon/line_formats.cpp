#include "lexicon/line_formats.h"

#include <limits>

#include "lexicon/blanks.h"

namespace orvan {

std::string_view Columns(std::string_view line, size_t first, size_t width) {
    if (first == 0 || first > line.size()) return {};
    return line.substr(first - 1, width);
}

std::optional<long long> ParseDecimal(std::string_view field) {
    size_t i = 0;
    while (i < field.size() && field[i] == ' ')
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '-' || field[i] == '+')) negative = field[i++] == '-';
    if (i == field.size()) return std::nullopt;
    long long value = 0;
    // Up to nine digits cannot leave 32 bits: the files' fields, which have at most eight.
    if (field.size() - i <= 9) {
        for (; i < field.size(); ++i) {
            const auto digit = static_cast<unsigned char>(field[i] - '0');
            if (digit > 9) return std::nullopt;
            value = value * 10 + digit;
        }
        return negative ? -value : value;
    }
    for (; i < field.size(); ++i) {
        const char c = field[i];
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<int32_t>::max() + 1LL) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int32_t>::max()) return std::nullopt;
    return value;
}

std::string ZeroPadded(long long value, int width) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (static_cast<int>(digits.size()) < width) {
        digits.insert(0, static_cast<size_t>(width) - digits.size(), '0');
    }
    if (value < 0) digits.insert(0, 1, '-');
    return digits;
}

std::string BlankPadded(std::string_view text, size_t width) {
    std::string out(text.substr(0, width));
    out.resize(width, ' ');
    return out;
}

bool IsEntryNumber(long long value) {
    return value >= 1 && value <= std::numeric_limits<uint16_t>::max();
}

namespace {

std::optional<uint16_t> EntryNumberAt(std::string_view line, size_t first) {
    const auto value = ParseDecimal(Columns(line, first, 5));
    if (!value || !IsEntryNumber(*value)) return std::nullopt;
    return static_cast<uint16_t>(*value);
}

std::string HeadwordAt(std::string_view line, size_t first) {
    std::string_view headword = Columns(line, first, 80);
    // Most of the 80 columns are spaces: they go eight at a time before the trimming rule.
    constexpr std::string_view kSpaces = "        ";
    while (headword.size() >= kSpaces.size() && headword.ends_with(kSpaces))
        headword.remove_suffix(kSpaces.size());
    return std::string(TrimTrailingBlanks(headword));
}

}  // namespace

std::optional<IndexLine> ParseIndexLine(std::string_view line) {
    IndexLine out;
    const auto number = EntryNumberAt(line, 1);
    const auto descPos = ParseDecimal(Columns(line, 86, 8));
    const auto descLen = ParseDecimal(Columns(line, 94, 5));
    const auto keyStart = ParseDecimal(Columns(line, 99, 2));
    if (!number || !descPos || !descLen || !keyStart || *keyStart < 0 || *keyStart > 255) {
        return std::nullopt;
    }
    out.number = *number;
    out.headword = HeadwordAt(line, 6);
    out.descPos = static_cast<int32_t>(*descPos);
    out.descLen = static_cast<int32_t>(*descLen);
    out.keyStart = static_cast<uint8_t>(*keyStart);
    out.fieldCode = std::string(Columns(line, 101, 20));
    return out;
}

std::string FormatIndexLine(const IndexLine& line) {
    return ZeroPadded(line.number, 5) + BlankPadded(line.headword, 80) +
           ZeroPadded(line.descPos, 8) + ZeroPadded(line.descLen, 5) +
           ZeroPadded(line.keyStart, 2) + line.fieldCode.substr(0, 20);
}

std::optional<GreekIndexLine> ParseGreekIndexLine(std::string_view line) {
    const auto number = EntryNumberAt(line, 1);
    if (!number) return std::nullopt;
    return GreekIndexLine{*number, HeadwordAt(line, 6)};
}

std::string FormatGreekIndexLine(const GreekIndexLine& line) {
    return ZeroPadded(line.number, 5) + BlankPadded(line.headword, 80);
}

std::optional<uint16_t> ParsePersonalAnchor(std::string_view line) {
    // Anchor 0 is allowed here: it places a personal line before every lexicon line.
    const auto value = ParseDecimal(Columns(line, 1, 5));
    if (!value || *value < 0 || *value > std::numeric_limits<uint16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<uint16_t>(*value);
}

std::optional<PersonalIndexLine> ParsePersonalIndexLine(std::string_view line) {
    PersonalIndexLine out;
    const auto anchor = ParsePersonalAnchor(line);
    const auto textPos = ParseDecimal(Columns(line, 91, 8));
    const auto textLen = ParseDecimal(Columns(line, 99, 5));
    // A text must lie inside clex.tbo's positions: from 1, with a length that is not negative.
    if (!anchor || !textPos || !textLen || *textPos < 1 || *textLen < 0) return std::nullopt;
    out.anchor = *anchor;
    out.anchorText = std::string(Columns(line, 1, 5));
    out.ownText = std::string(Columns(line, 6, 5));
    out.location = std::string(Columns(line, 91, 13));
    out.textPos = static_cast<int32_t>(*textPos);
    out.textLen = static_cast<int32_t>(*textLen);
    if (out.isSupplement()) {
        out.own = out.anchor;
        return out;
    }
    const auto own = EntryNumberAt(line, 6);
    if (!own) return std::nullopt;
    out.own = *own;
    out.headword = HeadwordAt(line, 11);
    out.fieldCode = std::string(Columns(line, 104, 20));
    return out;
}

std::string FormatPersonalIndexLine(const PersonalIndexLine& line) {
    std::string out = ZeroPadded(line.anchor, 5) + ZeroPadded(line.own, 5);
    const bool supplement = line.anchor == line.own;
    out += BlankPadded(supplement ? std::string_view{} : std::string_view(line.headword), 80);
    out += ZeroPadded(line.textPos, 8) + ZeroPadded(line.textLen, 5);
    if (!supplement) out += line.fieldCode.substr(0, 20);
    return out;
}

std::optional<PersonalGreekLine> ParsePersonalGreekLine(std::string_view line) {
    const auto anchor = ParsePersonalAnchor(line);
    const auto own = EntryNumberAt(line, 6);
    if (!anchor || !own) return std::nullopt;
    return PersonalGreekLine{*anchor, *own, HeadwordAt(line, 11)};
}

std::string FormatPersonalGreekLine(const PersonalGreekLine& line) {
    return ZeroPadded(line.anchor, 5) + ZeroPadded(line.own, 5) + line.headword.substr(0, 80);
}

FieldLine ParseFieldLine(std::string_view line) {
    return FieldLine{std::string(TrimBlanks(Columns(line, 1, 13))),
                     std::string(TrimBlanks(Columns(line, 15, 120)))};
}

std::string FormatFieldLine(const FieldLine& line) {
    return BlankPadded(line.code, 13) + " " + line.name.substr(0, 120);
}

std::optional<ContentListLine> ParseContentListLine(std::string_view line) {
    if (line.empty()) return std::nullopt;
    if (line.back() == '\\') return ContentListLine{true, std::string(line)};
    return ContentListLine{false, std::string(line)};
}

}  // namespace orvan
