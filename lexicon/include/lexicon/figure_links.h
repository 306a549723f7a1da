// Figure links in a description: "[Σχήμα", a blank, a figure digit and "]". Selecting one (or
// double-clicking the word "Σχήμα") widens the selection to the whole link and opens the entry's
// figure in a framed panel placed near the mouse press.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvan {

/// How every figure link begins.
inline constexpr std::u16string_view kFigureLink = u"[Σχήμα";

struct TextSelection {
    int start = 0;
    int length = 0;

    bool operator==(const TextSelection&) const = default;
};

/// \brief The selection widened to the whole link when the selected text is exactly "Σχήμα" or
/// holds "[Σχήμα"; nothing for any other selection. Without "[" it takes one character more on
/// the left; without "]" it grows to the right, at most 4 characters, until it ends in "]".
std::optional<TextSelection> WidenFigureLink(std::u16string_view text, TextSelection selection);

/// \brief The figure digit of a widened link: the character before its last one when it is
/// 1 to 9, otherwise none (0).
char FigureDigit(std::u16string_view text, TextSelection link);

/// \brief The picture of a figure, relative to the program folder: "content/fig" + the entry's
/// number + the digit (if any) + ".bmp".
std::string FigurePath(int entryNumber, char digit);

/// \brief Where the panel goes along one axis: at `pressed` (the pane's edge plus the press
/// point) unless it would come within 40 pixels of the window's outer size, then 40 pixels
/// inside it.
int PlaceFigurePanel(int pressed, int panelSize, int windowSize);

}  // namespace orvan
