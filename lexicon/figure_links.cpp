#include "lexicon/figure_links.h"

#include <algorithm>

namespace orvan {

namespace {

constexpr std::u16string_view kFigureWord = u"Σχήμα";

}  // namespace

std::optional<TextSelection> WidenFigureLink(std::u16string_view text, TextSelection selection) {
    const int size = static_cast<int>(text.size());
    selection.start = std::clamp(selection.start, 0, size);
    selection.length = std::clamp(selection.length, 0, size - selection.start);
    const std::u16string_view selected = text.substr(selection.start, selection.length);
    if (selected != kFigureWord && selected.find(kFigureLink) == std::u16string_view::npos)
        return std::nullopt;
    if (selected.find(u'[') == std::u16string_view::npos && selection.start > 0) {
        --selection.start;
        ++selection.length;
    }
    if (selected.find(u']') == std::u16string_view::npos) {
        for (int step = 0; step < 4; ++step) {
            const int end = selection.start + selection.length;
            if (selection.length > 0 && text[end - 1] == u']') break;
            if (end >= size) break;
            ++selection.length;
        }
    }
    return selection;
}

char FigureDigit(std::u16string_view text, TextSelection link) {
    const int beforeLast = link.start + link.length - 2;
    if (link.length < 2 || beforeLast < 0 || beforeLast >= static_cast<int>(text.size())) return 0;
    const char16_t c = text[beforeLast];
    return c >= u'1' && c <= u'9' ? static_cast<char>(c) : 0;
}

std::string FigurePath(int entryNumber, char digit) {
    std::string path = "content/fig" + std::to_string(entryNumber);
    if (digit != 0) path += digit;
    return path + ".bmp";
}

int PlaceFigurePanel(int pressed, int panelSize, int windowSize) {
    return pressed + panelSize + 40 < windowSize ? pressed : windowSize - panelSize - 40;
}

}  // namespace orvan
