// The lookup state without a window: what the list, the entry shown, the language and the
// history hold through searches, jumps and the reloads that follow every change of the files.
#include "lookup/lookup_state.h"

#include <gtest/gtest.h>

#include "tests/lookup/lookup_state_fixture.h"
#include "tests/support/lexicon_fixture.h"

namespace orvan::lookup {
namespace {

using Texts = std::vector<std::string>;
using orvan::test::Cp;

class LookupStateTest : public ::testing::Test {
  protected:
    LookupStateTest()
        : words({{1, "abacus", EntryKind::Lexicon, Cp("άβακας")},
                 {2, "lever", EntryKind::Lexicon, Cp("μοχλός")},
                 {3, "leverage", EntryKind::Lexicon, Cp("μόχλευση")},
                 {4, "mine", EntryKind::Personal, Cp("δικό")},
                 {5, "zone", EntryKind::Lexicon, Cp("ζώνη")},
                 {6, "zoo", EntryKind::Lexicon, ""}}) {
        state.replaceTables(words.Tables());
    }

    // The user searches `typed` and chooses the first item.
    void View(const std::string& typed) {
        state.search(typed, false, "");
        ASSERT_FALSE(state.list().empty()) << typed;
        state.choose(0);
    }

    Texts ListTexts() const {
        Texts texts;
        for (const ListedEntry& item : state.list())
            texts.push_back(item.text);
        return texts;
    }

    static Texts Captions(const std::deque<HistoryItem>& items) {
        Texts captions;
        for (const HistoryItem& item : items)
            captions.push_back(item.caption);
        return captions;
    }
    Texts Back() const { return Captions(state.history().backItems()); }
    Texts Forward() const { return Captions(state.history().forwardItems()); }
    std::string Shown() const { return state.tables().entries[state.shownSlot()].headword; }

    void Reload(std::optional<Renumbering> renumbered = std::nullopt) {
        state.replaceTables(words.Tables(), renumbered);
    }

    test::WordTables words;
    LookupState state;
};

TEST_F(LookupStateTest, ASearchListsEntriesAndShowsNone) {
    state.search("  lev", false, "");
    EXPECT_EQ(state.entryText(), "lev");  // without its leading blanks
    EXPECT_EQ(ListTexts(), (Texts{"lever", "leverage"}));
    EXPECT_EQ(state.list()[1].number, 3);
    EXPECT_EQ(state.selectedRow(), -1);
    EXPECT_EQ(state.shownNumber(), 0);

    state.choose(1);
    EXPECT_EQ(state.shownNumber(), 3);
    EXPECT_EQ(state.history().currentCaption(), "leverage");

    state.search("", true, "");  // the personal-entries button with an empty field
    EXPECT_EQ(ListTexts(), (Texts{"mine *"}));
    EXPECT_EQ(state.shownNumber(), 0);
}

TEST_F(LookupStateTest, TheTypedTextChoosesTheLanguage) {
    state.search(Cp("ΜΟΧΛΟ"), false, "");
    EXPECT_TRUE(state.greekMode());
    EXPECT_EQ(ListTexts(), (Texts{Cp("μοχλός")}));
    state.choose(0);
    EXPECT_TRUE(state.shownGreek());
    EXPECT_EQ(state.history().currentCaption(), Cp("μοχλός"));

    const auto language = state.revisions().language;
    state.switchInputLanguage();
    EXPECT_FALSE(state.greekMode());
    EXPECT_EQ(state.entryText(), "");
    EXPECT_GT(state.revisions().language, language);
    EXPECT_EQ(state.shownNumber(), 2);  // the pane keeps its entry
}

TEST_F(LookupStateTest, CriteriaSearchAsTypedOrTogether) {
    state.searchByCriteria({"", "ver", ""}, "");
    EXPECT_EQ(state.entryText(), "ver");
    EXPECT_EQ(ListTexts(), (Texts{"lever", "leverage"}));
    state.searchByCriteria({"le", "", "age"}, "");
    EXPECT_EQ(state.entryText(), "");
    EXPECT_EQ(ListTexts(), (Texts{"leverage"}));
    state.searchByCriteria({}, "");  // nothing filled: the list stays
    EXPECT_EQ(ListTexts(), (Texts{"leverage"}));
    EXPECT_EQ(state.criteria().end, "");
}

TEST_F(LookupStateTest, DownShowsTheFirstItemOfAFilledList) {
    EXPECT_FALSE(state.chooseFirst());
    state.search("zo", false, "");
    EXPECT_TRUE(state.chooseFirst());
    EXPECT_EQ(Shown(), "zone");
    EXPECT_EQ(state.selectedRow(), 0);
}

TEST_F(LookupStateTest, EveryEntryShownIsRecordedAndComesBackUnderItsBareHeadword) {
    View("zoo");
    EXPECT_TRUE(Back().empty());  // the first entry adds nothing
    View("mine");
    View("zoo");
    EXPECT_EQ(Back(), (Texts{"mine *", "zoo"}));
    state.back();
    EXPECT_EQ(state.entryText(), "mine");
    EXPECT_EQ(ListTexts(), (Texts{"mine *"}));
    // The older "zoo" was the entry left behind: it heads the forward list only.
    EXPECT_TRUE(Back().empty());
    EXPECT_EQ(Forward(), (Texts{"zoo"}));
    state.forward();
    EXPECT_EQ(Shown(), "zoo");
    EXPECT_EQ(Back(), (Texts{"mine *"}));
    state.back();
    state.search("z", false, "");  // a new search empties the forward list
    EXPECT_TRUE(Forward().empty());
}

TEST_F(LookupStateTest, HistoryJumpsListTheEntryAloneInItsLanguage) {
    View("zoo");
    View(Cp("μοχλ"));
    View("abacus");
    state.back();
    EXPECT_EQ(state.history().currentCaption(), Cp("μοχλός"));
    EXPECT_TRUE(state.greekMode());  // the caption's first letter chose it
    EXPECT_EQ(ListTexts(), (Texts{Cp("μοχλός")}));
    EXPECT_EQ(state.entryText(), Cp("μοχλός"));
    EXPECT_EQ(state.selectedRow(), 0);
    EXPECT_EQ(Forward(), (Texts{"abacus"}));
    state.back();
    EXPECT_FALSE(state.greekMode());
    EXPECT_EQ(Shown(), "zoo");
    state.chooseForward(1);
    EXPECT_EQ(Shown(), "abacus");
    EXPECT_TRUE(Forward().empty());
}

TEST_F(LookupStateTest, BackAfterAnInsertShowsTheEntriesViewed) {
    View("zoo");
    View("abacus");
    const long long added = words.Insert("abactor");  // every later slot moves by one
    Reload();
    state.showSaved(added);
    EXPECT_EQ(Shown(), "abactor");
    EXPECT_EQ(ListTexts(), (Texts{"abactor *"}));
    EXPECT_EQ(state.entryText(), "abactor");
    state.back();
    EXPECT_EQ(Shown(), "abacus");
    state.back();
    EXPECT_EQ(Shown(), "zoo");
    EXPECT_EQ(Forward(), (Texts{"abacus", "abactor *"}));
    state.forward();
    EXPECT_EQ(Shown(), "abacus");
    EXPECT_EQ(state.history().currentNumber(), 1);
}

TEST_F(LookupStateTest, ADeletedEntryLeavesTheListAndTheHistory) {
    View("zoo");
    View("mine");
    View("lever");
    state.search("", true, "");
    state.search("l", false, "");  // lever, leverage
    const long long mine = 4;
    EXPECT_EQ(Back(), (Texts{"mine *", "zoo"}));

    words.remove(mine);
    Reload();
    EXPECT_EQ(Back(), (Texts{"zoo"}));
    state.back();
    EXPECT_EQ(Shown(), "zoo");
    EXPECT_EQ(Forward(), (Texts{"lever"}));

    // The entry shown is deleted: the pane and the list lose it, the history forgets it.
    View("lev");
    words.remove(2);
    Reload();
    EXPECT_EQ(state.shownNumber(), 0);
    EXPECT_EQ(ListTexts(), (Texts{"leverage"}));
    EXPECT_EQ(state.selectedRow(), -1);
    EXPECT_EQ(state.history().currentCaption(), "");
    EXPECT_EQ(Back(), (Texts{"zoo"}));
}

TEST_F(LookupStateTest, AChangedEntryKeepsItsPlaceUnderItsNewNumberAndCaption) {
    View("zoo");
    View("mine");
    View("zone");
    View("mine");
    ASSERT_EQ(Back(), (Texts{"zone", "mine *", "zoo"}));
    const long long changed = words.Change(4, "mined");
    Reload(Renumbering{4, changed});
    state.showSaved(changed);
    EXPECT_EQ(Shown(), "mined");
    EXPECT_EQ(state.history().currentCaption(), "mined *");
    // Saving the entry shown is no step of its own.
    EXPECT_EQ(Back(), (Texts{"zone", "mined *", "zoo"}));
    state.back();
    EXPECT_EQ(Shown(), "zone");
    EXPECT_EQ(Forward(), (Texts{"mined *"}));
    state.forward();
    EXPECT_EQ(Shown(), "mined");
    EXPECT_EQ(state.shownNumber(), changed);
}

TEST_F(LookupStateTest, AnotherProgramsChangeKeepsTheListOnItsEntries) {
    state.search("l", false, "");
    state.choose(1);  // leverage
    words.Insert("aardvark");
    Reload();
    EXPECT_EQ(ListTexts(), (Texts{"lever", "leverage"}));
    EXPECT_EQ(state.selectedRow(), 1);
    EXPECT_EQ(Shown(), "leverage");

    words.remove(2);
    Reload();
    EXPECT_EQ(ListTexts(), (Texts{"leverage"}));
    EXPECT_EQ(state.selectedRow(), 0);

    // A supplement added elsewhere: the same entry, now annotated.
    words.Annotate(3);
    Reload();
    EXPECT_EQ(state.tables().entries[state.shownSlot()].kind, EntryKind::Annotated);
}

TEST_F(LookupStateTest, TheWholeLexiconListsEveryHeadwordUnmarked) {
    View("mine");
    state.listWholeLexicon();
    EXPECT_EQ(ListTexts(), (Texts{"abacus", "lever", "leverage", "mine", "zone", "zoo"}));
    EXPECT_EQ(state.entryText(), "");
    EXPECT_EQ(state.shownNumber(), 0);
}

TEST_F(LookupStateTest, TheSearchFieldKeepsWhatWasTypedAndTheStatusSaysWhatWasFound) {
    using Kind = lookup::ListStatus::Kind;
    EXPECT_EQ(state.listStatus().kind, Kind::None);  // nothing searched yet
    state.search(u"  LÉv", false, "");               // searched as "lev"
    EXPECT_EQ(ListTexts(), (Texts{"lever", "leverage"}));
    EXPECT_EQ(state.fieldText(), u"LÉv");
    EXPECT_EQ(state.listStatus(), (lookup::ListStatus{Kind::Found, 2, {}}));
    state.search(u"zoo", false, "");
    EXPECT_EQ(state.listStatus(), (lookup::ListStatus{Kind::Found, 1, {}}));
    state.search(u"lex", false, "");
    EXPECT_EQ(state.listStatus(), (lookup::ListStatus{Kind::Found, 0, {}}));

    // A character no headword can hold is named; what the code page holds (€) is searched.
    state.search(u"café €5 😀", false, "");
    EXPECT_EQ(state.fieldText(), u"café €5 😀");
    EXPECT_TRUE(state.list().empty());
    EXPECT_EQ(state.listStatus(), (lookup::ListStatus{Kind::Unsearchable, 0, "😀"}));

    // One criterion of the criteria dialog shows as typed too.
    state.searchByCriteria({"", "LEV", ""}, "", u"LÉV");
    EXPECT_EQ(ListTexts(), (Texts{"lever", "leverage"}));
    EXPECT_EQ(state.fieldText(), u"LÉV");

    // The history puts the entry's headword in the field.
    View("lever");
    View("zone");
    state.back();
    EXPECT_EQ(state.fieldText(), u"lever");
    EXPECT_EQ(state.listStatus(), (lookup::ListStatus{Kind::Found, 1, {}}));
}

TEST_F(LookupStateTest, FullTextFindsKeepTheNumbersOfTheTablesSearched) {
    // Found in the tables as they were; another program's insert is read before they are listed.
    using Kind = lookup::ListStatus::Kind;
    const std::vector<ListedEntry> found{{"lever", 2}, {"mine *", 4}, {"zone", 5}};
    words.Insert("aardvark");
    words.remove(4);
    Reload();
    state.listFullTextResults(found, u"x");
    EXPECT_EQ(ListTexts(), (Texts{"lever", "zone"}));
    state.choose(1);
    EXPECT_EQ(Shown(), "zone");
    EXPECT_EQ(state.listStatus(), (lookup::ListStatus{Kind::Found, 2, {}}));
}

}  // namespace
}  // namespace orvan::lookup
