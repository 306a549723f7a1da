#include "lexicon/figure_links.h"

#include <gtest/gtest.h>

namespace orvan {
namespace {

constexpr std::u16string_view kText = u"see [Σχήμα 3] and [Σχήμα 12] or [Σχήμα 10].";

TextSelection Find(std::u16string_view part, int occurrence = 0) {
    std::size_t at = kText.find(part);
    while (occurrence-- > 0)
        at = kText.find(part, at + 1);
    return {static_cast<int>(at), static_cast<int>(part.size())};
}

TEST(FigureLinks, SelectionsWidenToTheWholeLink) {
    // Double-clicking the word alone.
    const auto word = WidenFigureLink(kText, Find(u"Σχήμα"));
    ASSERT_TRUE(word);
    EXPECT_EQ(*word, Find(u"[Σχήμα 3]"));
    EXPECT_EQ(FigureDigit(kText, *word), '3');
    // The opening part of a link; a whole link stays as it is.
    EXPECT_EQ(WidenFigureLink(kText, Find(u"[Σχήμα 1", 0)), Find(u"[Σχήμα 12]"));
    EXPECT_EQ(WidenFigureLink(kText, Find(u"[Σχήμα 3]")), Find(u"[Σχήμα 3]"));
    // Anything else is not a link.
    EXPECT_FALSE(WidenFigureLink(kText, Find(u"see")));
    EXPECT_FALSE(WidenFigureLink(kText, Find(u"Σχήμ")));
    EXPECT_FALSE(WidenFigureLink(kText, {500, 3}));
}

TEST(FigureLinks, OnlyDigitsOneToNineAreToldApart) {
    EXPECT_EQ(FigureDigit(kText, Find(u"[Σχήμα 12]")), '2');
    EXPECT_EQ(FigureDigit(kText, Find(u"[Σχήμα 10]")), 0);
    EXPECT_EQ(FigurePath(77, '3'), "content/fig773.bmp");
    EXPECT_EQ(FigurePath(77, '2'), "content/fig772.bmp");
    EXPECT_EQ(FigurePath(1520, 0), "content/fig1520.bmp");
}

TEST(FigureLinks, ThePanelKeepsFortyPixelsInsideTheWindow) {
    EXPECT_EQ(PlaceFigurePanel(100, 200, 500), 100);
    EXPECT_EQ(PlaceFigurePanel(300, 200, 500), 260);  // 300 + 200 + 40 reaches the edge
    EXPECT_EQ(PlaceFigurePanel(259, 200, 500), 259);
    EXPECT_EQ(PlaceFigurePanel(260, 200, 500), 260);
}

}  // namespace
}  // namespace orvan
