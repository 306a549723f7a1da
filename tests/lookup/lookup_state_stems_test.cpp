// A search that finds nothing offers the entries of the typed word's stems before the headwords
// spelled closest to it, with dictionaries the test writes.
#include <gtest/gtest.h>

#include "lookup/lookup_state.h"
#include "spelling/stem_finder.h"
#include "tests/lookup/lookup_state_fixture.h"
#include "tests/support/lexicon_fixture.h"
#include "tests/support/test_dictionaries.h"

namespace orvan::lookup {
namespace {

using orvan::test::Cp;
using Offered = std::vector<ListedEntry>;

class StemSuggestionsTest : public ::testing::Test {
  protected:
    StemSuggestionsTest()
        : words({{1, "batterie", EntryKind::Lexicon, ""},
                 {2, "battery", EntryKind::Lexicon, Cp("μπαταρία")},
                 {3, "compute", EntryKind::Lexicon, Cp("υπολογίζω")},
                 {4, "computer", EntryKind::Lexicon, Cp("υπολογιστής")},
                 {5, "heat exchanger", EntryKind::Lexicon, Cp("εναλλάκτης")},
                 {6, "the engine", EntryKind::Lexicon, Cp("άνθρακας")}}) {
        orvan::test::WriteTestDictionaries(folder.path());
        EntryTables tables = words.tables();
        for (int slot = 1; slot <= tables.entries.count(); ++slot) {
            EntryRecord& record = tables.entries.at(slot);
            if (record.headword == "battery") record.fieldCode = "EL";
            if (record.headword == "the engine") record.keyStart = 5;  // past "the "
        }
        state.replaceTables(std::move(tables));
    }

    Offered offered(std::u16string_view typed, const std::string& field = "") {
        state.search(typed, false, field);
        EXPECT_TRUE(state.list().empty());
        return state.listStatus().suggestions;
    }

    orvan::test::TempFolder folder;
    test::WordTables words;
    LookupState state;
};

TEST_F(StemSuggestionsTest, TheStemsEntriesComeFirstThenTheClosestSpellings) {
    // Without a finder, the closest spellings only: "battery" is three edits away.
    EXPECT_EQ(offered(u"batteries"), (Offered{{"batterie", 1}}));
    state.setStemFinder(spelling::LoadStemFinder({folder.path()}));
    EXPECT_EQ(offered(u"batteries"), (Offered{{"battery", 2}, {"batterie", 1}}));
    // Each text once, though the stem is also a near spelling.
    EXPECT_EQ(offered(u"Computers"), (Offered{{"computer", 4}, {"compute", 3}}));
    // The last word of several is reduced; an English headword also from its key start.
    EXPECT_EQ(offered(u"heat exchangers"), (Offered{{"heat exchanger", 5}}));
    EXPECT_EQ(offered(u"engines"), (Offered{{"the engine", 6}}));
    // The science filter applies to the stems' entries as to the list.
    EXPECT_TRUE(offered(u"batteries", "CH").empty());
    EXPECT_EQ(offered(u"batteries", "EL"), (Offered{{"battery", 2}}));
    // Greek typed: the Greek dictionary, the Greek headwords, through ISO 8859-7.
    EXPECT_EQ(offered(u"υπολογιστές"), (Offered{{Cp("υπολογιστής"), 4}}));
    EXPECT_TRUE(state.greekMode());
    EXPECT_EQ(offered(u"άνθρακες"), (Offered{{Cp("άνθρακας"), 6}}));
    // Taking the offer searches its headword.
    state.searchSuggestion(0, "");
    EXPECT_EQ(state.list(), (Offered{{Cp("άνθρακας"), 6}}));
    // Typing finds nothing the same way.
    state.followTyping(u"batteries", "");
    state.suggestForTyped("");
    EXPECT_EQ(state.listStatus().suggestions, (Offered{{"battery", 2}, {"batterie", 1}}));
}

TEST_F(StemSuggestionsTest, WithoutDictionariesOnlyTheSpellingsAreOffered) {
    orvan::test::TempFolder empty;
    state.setStemFinder(spelling::LoadStemFinder({empty.path()}));
    EXPECT_EQ(offered(u"batteries"), (Offered{{"batterie", 1}}));
    EXPECT_EQ(offered(u"υπολογιστές"), (Offered{{Cp("υπολογιστής"), 4}}));  // one edit
    // A finder that offers nothing new, or the word itself, changes nothing either.
    state.setStemFinder([](std::string_view word, bool) {
        return std::vector<std::string>{std::string(word), "", "zzz"};
    });
    EXPECT_EQ(offered(u"batteries"), (Offered{{"batterie", 1}}));
    // A found list, a pattern or a character no headword holds never asks it.
    int asked = 0;
    state.setStemFinder([&asked](std::string_view, bool) {
        ++asked;
        return std::vector<std::string>{"battery"};
    });
    state.search(u"batt", false, "");
    state.search(u"bat*s", false, "");
    state.search(u"batteries😀", false, "");
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(offered(u"batteries"), (Offered{{"battery", 2}, {"batterie", 1}}));
    EXPECT_EQ(asked, 1);
}

}  // namespace
}  // namespace orvan::lookup
