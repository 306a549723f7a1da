// Hunspell dictionaries asked in code page 1253: words converted through the dictionary's own
// encoding and back, dictionaries that are missing or unusable, and the Greek endings that stand
// in for the stems a full-form Greek word list does not name.
#include "spelling/word_stems.h"

#include <gtest/gtest.h>

#include "spelling/english_endings.h"
#include "spelling/greek_endings.h"
#include "spelling/stem_finder.h"
#include "tests/support/lexicon_fixture.h"
#include "tests/support/test_dictionaries.h"

namespace orvan::spelling {
namespace {

using orvan::test::Cp;
using Words = std::vector<std::string>;

class WordStemsTest : public ::testing::Test {
  protected:
    void SetUp() override { test::WriteTestDictionaries(folder.path()); }
    std::unique_ptr<WordStems> open(const std::string& name) const {
        return WordStems::Open(folder.file(name + ".aff"), folder.file(name + ".dic"));
    }
    test::TempFolder folder;
};

TEST_F(WordStemsTest, StemsComeBackInTheCodePageFromEitherEncoding) {
    const auto english = open("en_US");
    ASSERT_TRUE(english);
    EXPECT_EQ(english->encoding(), "UTF-8");
    EXPECT_TRUE(english->knows("Computers"));  // capitalised as a sentence's first word
    EXPECT_EQ(english->stems("computers"), Words{"computer"});
    EXPECT_EQ(english->stems("computer"), Words{"computer"});
    EXPECT_FALSE(english->knows("computerz"));
    EXPECT_TRUE(english->stems("computerz").empty());

    const auto greek = open("el_GR");
    ASSERT_TRUE(greek);
    EXPECT_EQ(greek->encoding(), "ISO8859-7");
    EXPECT_EQ(greek->stems(Cp("υπολογιστές")), Words{Cp("υπολογιστής")});
    EXPECT_EQ(greek->stems(Cp("άνθρακες")), Words{Cp("άνθρακας")});
    // Ά has another byte in ISO 8859-7 than in code page 1253: it goes there and back.
    EXPECT_TRUE(greek->knows(Cp("Άργος")));
    EXPECT_EQ(greek->stems(Cp("Άργος")), Words{Cp("Άργος")});
    // A character code page 1253 has but ISO 8859-7 lacks (ƒ), or none at all: no stems.
    EXPECT_FALSE(greek->knows("\x83"));
    EXPECT_TRUE(greek->stems(Cp("υπολογιστ") + "\x83").empty());
    EXPECT_TRUE(greek->stems("").empty());
    EXPECT_TRUE(greek->stems("\x81").empty());  // a byte the code page leaves unassigned
}

TEST_F(WordStemsTest, MissingOrUnusableDictionariesOpenNothing) {
    EXPECT_FALSE(open("fr_FR"));
    EXPECT_FALSE(WordStems::Open(folder.file("en_US.aff"), folder.file("none.dic")));
    test::WriteBytes(folder.file("xx.aff"), "SET NO-SUCH-ENCODING\n");
    test::WriteBytes(folder.file("xx.dic"), "1\nword\n");
    EXPECT_FALSE(open("xx"));
    // Without a SET line a dictionary is ISO 8859-1, as Hunspell reads it.
    test::WriteBytes(folder.file("yy.aff"), "SFX S Y 1\nSFX S 0 s .\n");
    test::WriteBytes(folder.file("yy.dic"), "1\nword/S\n");
    const auto latin = open("yy");
    ASSERT_TRUE(latin);
    EXPECT_EQ(latin->stems("words"), Words{"word"});
    // A dictionary that is not one at all opens but knows nothing.
    test::WriteBytes(folder.file("zz.aff"), std::string("\0\xFF\x01garbage", 10));
    test::WriteBytes(folder.file("zz.dic"), "not a count\n\xFF\xFE/\n");
    const auto broken = open("zz");
    ASSERT_TRUE(broken);
    EXPECT_TRUE(broken->stems("words").empty());
}

TEST_F(WordStemsTest, TheFinderAsksTheDictionaryOfTheWordsLanguage) {
    const StemFinder both = LoadStemFinder({folder.file("none"), folder.path()});
    ASSERT_TRUE(both);
    EXPECT_EQ(both("engines", false), Words{"engine"});
    EXPECT_TRUE(both("engines", true).empty());
    // A Greek word is reduced by the dictionary and by its ending; a word it does not know is
    // left alone, even when its ending would reduce it.
    const Words stems = both(Cp("υπολογιστές"), true);
    ASSERT_FALSE(stems.empty());
    EXPECT_EQ(stems.front(), Cp("υπολογιστής"));
    EXPECT_NE(std::find(stems.begin(), stems.end(), Cp("υπολογιστησ")), stems.end());
    EXPECT_TRUE(both(Cp("θερμότητας"), true).empty());

    test::TempFolder englishOnly;
    test::WriteTestDictionaries(englishOnly.path(), true, false);
    const StemFinder english = LoadStemFinder({englishOnly.path()});
    ASSERT_TRUE(english);
    EXPECT_TRUE(english(Cp("υπολογιστές"), true).empty());

    test::TempFolder empty;
    EXPECT_FALSE(LoadStemFinder({empty.path()}));
    EXPECT_FALSE(LoadStemFinder({}));
}

TEST(GreekEndings, AnInflectedFormLeadsToItsBaseFormsKey) {
    const auto holds = [](const std::string& word, const std::string& base) {
        const Words forms = GreekBaseForms(Cp(word));
        return std::find(forms.begin(), forms.end(), Cp(base)) != forms.end();
    };
    EXPECT_TRUE(holds("υπολογιστές", "υπολογιστησ"));
    EXPECT_TRUE(holds("ΥΠΟΛΟΓΙΣΤΕΣ", "υπολογιστησ"));  // capitals without accents
    EXPECT_TRUE(holds("θερμότητας", "θερμοτητα"));
    EXPECT_TRUE(holds("συστήματος", "συστημα"));
    EXPECT_TRUE(holds("κύκλου", "κυκλοσ"));
    EXPECT_TRUE(holds("μηχανές", "μηχανη"));
    EXPECT_TRUE(holds("καλωδίων", "καλωδιο"));
    EXPECT_TRUE(holds("υπολογίζει", "υπολογιζω"));
    EXPECT_TRUE(holds("δυνάμεις", "δυναμη"));
    // The word's own key is not offered, nor a stem shorter than two letters.
    EXPECT_FALSE(holds("κύκλος", "κυκλοσ"));
    EXPECT_TRUE(GreekBaseForms(Cp("τα")).empty());
    EXPECT_TRUE(GreekBaseForms("").empty());
    EXPECT_TRUE(GreekBaseForms("computers").empty());
}

TEST(EnglishEndings, FormsTheDictionaryDoesNotReduceLeadToTheirBaseForms) {
    EXPECT_EQ(EnglishBaseForms("Wolves"), (Words{"wolf", "wolfe"}));
    EXPECT_EQ(EnglishBaseForms("knives"), (Words{"knif", "knife"}));
    EXPECT_EQ(EnglishBaseForms("matrices"), (Words{"matrix", "matrex"}));
    EXPECT_EQ(EnglishBaseForms("stopped"), Words{"stop"});
    EXPECT_EQ(EnglishBaseForms("running"), Words{"run"});
    // A doubled vowel, or too short a stem, is left alone.
    EXPECT_TRUE(EnglishBaseForms("agreed").empty());
    EXPECT_TRUE(EnglishBaseForms("ved").empty());
    EXPECT_TRUE(EnglishBaseForms("ing").empty());
    EXPECT_TRUE(EnglishBaseForms("").empty());
}

}  // namespace
}  // namespace orvan::spelling
