#include "lexicon/search_keys.h"

#include <gtest/gtest.h>

#include "tests/support/lexicon_fixture.h"

namespace orvan {
namespace {

using test::Cp;

TEST(GreekSearchKey, WorkedExamples) {
    EXPECT_EQ(GreekSearchKey(Cp("Ά-βγ (x)"), false), Cp("αβγ"));
    EXPECT_EQ(GreekSearchKey(Cp("12 αβ 3"), true), Cp("αβ3"));
    EXPECT_EQ(GreekSearchKey(Cp("12 αβ 3"), false), Cp("12αβ3"));
    EXPECT_EQ(GreekSearchKey(Cp("ς"), true), Cp("ς"));
    EXPECT_EQ(GreekSearchKey(Cp("Σ"), true), Cp("σ"));
    EXPECT_EQ(GreekSearchKey("", true), "");
}

TEST(GreekSearchKey, CapitalsAccentsAndMarksReduceToTheSameKey) {
    const std::string key = GreekSearchKey(Cp("ηλεκτρισμός"), true);
    EXPECT_EQ(GreekSearchKey(Cp("ΗΛΕΚΤΡΙΣΜΟΣ"), true), Cp("ηλεκτρισμοσ"));
    EXPECT_EQ(GreekSearchKey(Cp("Ηλεκτρισμός"), true), key);
    EXPECT_EQ(GreekSearchKey(Cp("ΐΰϊϋΪΊΎΏΌΉΈΆ"), true), Cp("ιυιυιιυωοηεα"));
    EXPECT_EQ(GreekSearchKey(Cp("α+*,()/-.\"`΄'β"), true), Cp("αβ"));
}

TEST(LatinSearchKey, WorkedExamples) {
    EXPECT_EQ(LatinSearchKey("Semi-Conductor's", false), "semiconductors");
    EXPECT_EQ(LatinSearchKey("3-D model", true), "dmodel");
    EXPECT_EQ(LatinSearchKey("3-D model", false), "3dmodel");
    EXPECT_EQ(LatinSearchKey("  (a) `b` ", false), "ab");
    EXPECT_EQ(LatinSearchKey(Cp("Ά x"), false), Cp("Άx"));
}

TEST(EnglishListKey, DropsOnlyLeadingBlanksAndLowersAsciiLetters) {
    EXPECT_EQ(EnglishListKey("  \tSemi-Conductor "), "semi-conductor ");
    EXPECT_EQ(EnglishListKey(Cp("ΆB")), Cp("Άb"));
}

TEST(GreekListKey, TakesTheFinalSigmaForSigmaWhereTheStoredOrderKeepsIt) {
    EXPECT_EQ(GreekListKey(Cp("ΚΥΚΛΟΣ")), Cp("κυκλοσ"));
    EXPECT_EQ(GreekListKey(Cp("2 κύκλος")), Cp("κυκλοσ"));
    EXPECT_EQ(GreekSearchKey(Cp("κύκλος"), true), Cp("κυκλος"));
}

TEST(GreekLetters, SixtySevenLettersCount) {
    int count = 0;
    for (int b = 0; b < 256; ++b)
        count += IsGreekLetter(static_cast<unsigned char>(b));
    EXPECT_EQ(count, 67);
    EXPECT_TRUE(StartsWithGreekLetter(Cp("ςx")));
    EXPECT_TRUE(StartsWithGreekLetter(Cp("Ϋ")));
    EXPECT_FALSE(StartsWithGreekLetter(Cp("ΐ")));
    EXPECT_FALSE(StartsWithGreekLetter(Cp("ΰ")));
    EXPECT_FALSE(StartsWithGreekLetter("(α"));
    EXPECT_FALSE(StartsWithGreekLetter("1"));
    EXPECT_FALSE(StartsWithGreekLetter(""));
}

}  // namespace
}  // namespace orvan
