// Contrast between colours, and the lighter shades that read on a dark background.
#include "richtext/colour_contrast.h"

#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextDocument>

#include "richtext/document_builder.h"

namespace orvan::richtext {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kTeal{0, 128, 128};
constexpr Rgb kMaroon{128, 0, 0};
constexpr Rgb kNavy{0, 0, 128};
constexpr Rgb kDarkBase{42, 42, 42};

TEST(ColourContrast, MeasuresAsTheKnownPairsDo) {
    EXPECT_NEAR(ContrastRatio(kBlack, kWhite), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(kWhite, kBlack), 21.0, 1e-9);  // either order
    EXPECT_NEAR(ContrastRatio(kTeal, kTeal), 1.0, 1e-9);
    // Mid grey on white, just short of 4.5, and the named colours on white.
    EXPECT_NEAR(ContrastRatio({119, 119, 119}, kWhite), 4.48, 0.01);
    EXPECT_NEAR(ContrastRatio(kNavy, kWhite), 16.01, 0.01);
    EXPECT_NEAR(ContrastRatio(kMaroon, kWhite), 10.95, 0.01);
    EXPECT_NEAR(ContrastRatio(kTeal, kWhite), 4.77, 0.01);
}

TEST(ColourContrast, TellsDarkBackgroundsFromLightOnes) {
    EXPECT_TRUE(IsDark(kDarkBase));
    EXPECT_TRUE(IsDark({53, 53, 53}));
    EXPECT_TRUE(IsDark(kNavy));
    EXPECT_FALSE(IsDark({250, 255, 255}));
    EXPECT_FALSE(IsDark({239, 239, 239}));
    EXPECT_FALSE(IsDark({192, 192, 192}));
}

TEST(ColourContrast, LightensJustEnoughAndKeepsTheHue) {
    for (const Rgb colour : {kTeal, kMaroon, kNavy, kBlack, Rgb{0, 128, 0}, Rgb{128, 0, 128}}) {
        for (const double ratio : {kTextContrast, kRunContrast}) {
            const Rgb lighter = LightenToContrast(colour, kDarkBase, ratio);
            EXPECT_GE(ContrastRatio(lighter, kDarkBase), ratio);
            EXPECT_GE(RelativeLuminance(lighter), RelativeLuminance(colour));
            // A colour that had to change goes not far past the ratio: the least lightening.
            if (!(lighter == colour)) {
                EXPECT_LT(ContrastRatio(lighter, kDarkBase), ratio * 1.1);
            }
        }
    }
    // Teal stays a teal, navy a blue, maroon a red.
    const Rgb teal = LightenToContrast(kTeal, kDarkBase, kTextContrast);
    EXPECT_EQ(teal.green, teal.blue);
    EXPECT_LT(teal.red, teal.green);
    const Rgb navy = LightenToContrast(kNavy, kDarkBase, kTextContrast);
    EXPECT_EQ(navy.red, navy.green);
    EXPECT_LT(navy.green, navy.blue);
    const Rgb maroon = LightenToContrast(kMaroon, kDarkBase, kTextContrast);
    EXPECT_EQ(maroon.green, maroon.blue);
    EXPECT_LT(maroon.green, maroon.red);
}

TEST(ColourContrast, LeavesWhatAlreadyReadsAndStopsAtWhite) {
    const Rgb yellow{255, 220, 0};
    EXPECT_EQ(LightenToContrast(yellow, kDarkBase, kTextContrast), yellow);
    // A background too light for any lightening to reach the ratio gets white, the best there is.
    EXPECT_EQ(LightenToContrast(kTeal, {200, 200, 200}, kTextContrast), kWhite);
    // Channels out of range are read as their nearest.
    EXPECT_GE(ContrastRatio(LightenToContrast({-5, 300, 0}, kDarkBase, kTextContrast), kDarkBase),
              kTextContrast);
}

// The colour of the first character of `document`'s first block.
Rgb FirstColour(const QTextDocument& document) {
    const QTextBlock block = document.firstBlock();
    const QColor colour = block.begin().fragment().charFormat().foreground().color();
    return {colour.red(), colour.green(), colour.blue()};
}

TEST(ColourContrast, ADocumentForADarkViewLightensOnlyItsUnreadableRuns) {
    const std::string rtf =
        "{\\rtf1{\\colortbl;\\red128\\green0\\blue0;\\red255\\green220\\blue0;}"
        "\\cf1 dark\\cf2  light}";
    QTextDocument document;
    LoadDocument(document, rtf);
    EXPECT_EQ(FirstColour(document), kMaroon);  // as written, for a light view and for print

    LoadDocument(document, rtf, kDarkBase);
    const Rgb shown = FirstColour(document);
    EXPECT_GE(ContrastRatio(shown, kDarkBase), kRunContrast);
    EXPECT_EQ(shown.green, shown.blue);  // still a red
    EXPECT_EQ(document.toPlainText(), "dark light");
    // The yellow run read already and is kept.
    QTextBlock::iterator run = document.firstBlock().begin();
    ++run;
    ASSERT_FALSE(run.atEnd());
    EXPECT_EQ(run.fragment().charFormat().foreground().color(), QColor(255, 220, 0));
}

TEST(ColourContrast, ADescriptionsGreyBodyTextReadsAsTheWindowsTextsDo) {
    // Near-black body text would only reach a coloured run's 3:1, and read as a dim grey.
    QTextDocument document;
    LoadDocument(document, "{\\rtf1{\\colortbl;\\red32\\green32\\blue32;}\\cf1 body}", kDarkBase);
    EXPECT_GE(ContrastRatio(FirstColour(document), kDarkBase), kTextContrast);
    EXPECT_TRUE(IsGrey({32, 32, 32}));
    EXPECT_FALSE(IsGrey(kTeal));
}

}  // namespace
}  // namespace orvan::richtext
