#include "richtext/rtf_format.h"

#include <algorithm>

namespace orvan::richtext {

std::size_t RtfTable::columnCount() const {
    std::size_t columns = 0;
    for (const Row& row : rows)
        columns = std::max(columns, row.size());
    return columns;
}

const RtfFont* RtfTables::font(int number) const {
    if (number < 0) number = defaultFont;
    const auto found = fontIndex.find(number);
    return found != fontIndex.end() ? &fonts[found->second] : nullptr;
}

void RtfTables::addFont(const RtfFont& font) {
    const auto [found, added] = fontIndex.emplace(font.number, fonts.size());
    if (added)
        fonts.push_back(font);
    else
        fonts[found->second] = font;
}

RtfColour RtfTables::colour(int index) const {
    if (index <= 0 || static_cast<std::size_t>(index) >= colours.size()) return RtfColour{};
    return colours[static_cast<std::size_t>(index)];
}

}  // namespace orvan::richtext
