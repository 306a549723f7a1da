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
        state.replaceTables(words.tables());
    }

    // The user searches `typed` and chooses the first item.
    void view(const std::string& typed) {
        state.search(typed, false, "");
        ASSERT_FALSE(state.list().empty()) << typed;
        state.choose(0);
    }

    Texts listTexts() const {
        Texts texts;
        for (const ListedEntry& item : state.list())
            texts.push_back(item.text);
        return texts;
    }

    static Texts captions(const std::deque<HistoryItem>& items) {
        Texts captions;
        for (const HistoryItem& item : items)
            captions.push_back(item.caption);
        return captions;
    }
    Texts back() const { return captions(state.history().backItems()); }
    Texts forward() const { return captions(state.history().forwardItems()); }
    std::string shown() const { return state.tables().entries[state.shownSlot()].headword; }

    void reload(std::optional<Renumbering> renumbered = std::nullopt) {
        state.replaceTables(words.tables(), renumbered);
    }

    test::WordTables words;
    LookupState state;
};

TEST_F(LookupStateTest, ASearchListsEntriesAndShowsNone) {
    state.search("  lev", false, "");
    EXPECT_EQ(state.entryText(), "lev");  // without its leading blanks
    EXPECT_EQ(listTexts(), (Texts{"lever", "leverage"}));
    EXPECT_EQ(state.list()[1].number, 3);
    EXPECT_EQ(state.selectedRow(), -1);
    EXPECT_EQ(state.shownNumber(), 0);

    state.choose(1);
    EXPECT_EQ(state.shownNumber(), 3);
    EXPECT_EQ(state.history().currentCaption(), "leverage");

    state.search("", true, "");  // the personal-entries button with an empty field
    EXPECT_EQ(listTexts(), (Texts{"mine *"}));
    EXPECT_EQ(state.shownNumber(), 0);
}

TEST_F(LookupStateTest, TheTypedTextChoosesTheLanguage) {
    state.search(Cp("ΜΟΧΛΟ"), false, "");
    EXPECT_TRUE(state.greekMode());
    EXPECT_EQ(listTexts(), (Texts{Cp("μοχλός")}));
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
    EXPECT_EQ(listTexts(), (Texts{"lever", "leverage"}));
    state.searchByCriteria({"le", "", "age"}, "");
    EXPECT_EQ(state.entryText(), "");
    EXPECT_EQ(listTexts(), (Texts{"leverage"}));
    state.searchByCriteria({}, "");  // nothing filled: the list stays
    EXPECT_EQ(listTexts(), (Texts{"leverage"}));
    EXPECT_EQ(state.criteria().end, "");
}

TEST_F(LookupStateTest, DownShowsTheFirstItemOfAFilledList) {
    EXPECT_FALSE(state.chooseFirst());
    state.search("zo", false, "");
    EXPECT_TRUE(state.chooseFirst());
    EXPECT_EQ(shown(), "zone");
    EXPECT_EQ(state.selectedRow(), 0);
}

TEST_F(LookupStateTest, EveryEntryShownIsRecordedAndComesBackUnderItsBareHeadword) {
    view("zoo");
    EXPECT_TRUE(back().empty());  // the first entry adds nothing
    view("mine");
    view("zoo");
    EXPECT_EQ(back(), (Texts{"mine *", "zoo"}));
    state.back();
    EXPECT_EQ(state.entryText(), "mine");
    EXPECT_EQ(listTexts(), (Texts{"mine *"}));
    // The older "zoo" was the entry left behind: it heads the forward list only.
    EXPECT_TRUE(back().empty());
    EXPECT_EQ(forward(), (Texts{"zoo"}));
    state.forward();
    EXPECT_EQ(shown(), "zoo");
    EXPECT_EQ(back(), (Texts{"mine *"}));
    state.back();
    state.search("z", false, "");  // a new search empties the forward list
    EXPECT_TRUE(forward().empty());
}

TEST_F(LookupStateTest, HistoryJumpsListTheEntryAloneInItsLanguage) {
    view("zoo");
    view(Cp("μοχλ"));
    view("abacus");
    state.back();
    EXPECT_EQ(state.history().currentCaption(), Cp("μοχλός"));
    EXPECT_TRUE(state.greekMode());  // the caption's first letter chose it
    EXPECT_EQ(listTexts(), (Texts{Cp("μοχλός")}));
    EXPECT_EQ(state.entryText(), Cp("μοχλός"));
    EXPECT_EQ(state.selectedRow(), 0);
    EXPECT_EQ(forward(), (Texts{"abacus"}));
    state.back();
    EXPECT_FALSE(state.greekMode());
    EXPECT_EQ(shown(), "zoo");
    state.chooseForward(1);
    EXPECT_EQ(shown(), "abacus");
    EXPECT_TRUE(forward().empty());
}

TEST_F(LookupStateTest, BackAfterAnInsertShowsTheEntriesViewed) {
    view("zoo");
    view("abacus");
    const long long added = words.insert("abactor");  // every later slot moves by one
    reload();
    state.showSaved(added);
    EXPECT_EQ(shown(), "abactor");
    EXPECT_EQ(listTexts(), (Texts{"abactor *"}));
    EXPECT_EQ(state.entryText(), "abactor");
    state.back();
    EXPECT_EQ(shown(), "abacus");
    state.back();
    EXPECT_EQ(shown(), "zoo");
    EXPECT_EQ(forward(), (Texts{"abacus", "abactor *"}));
    state.forward();
    EXPECT_EQ(shown(), "abacus");
    EXPECT_EQ(state.history().currentNumber(), 1);
}

TEST_F(LookupStateTest, ADeletedEntryLeavesTheListAndTheHistory) {
    view("zoo");
    view("mine");
    view("lever");
    state.search("", true, "");
    state.search("l", false, "");  // lever, leverage
    const long long mine = 4;
    EXPECT_EQ(back(), (Texts{"mine *", "zoo"}));

    words.remove(mine);
    reload();
    EXPECT_EQ(back(), (Texts{"zoo"}));
    state.back();
    EXPECT_EQ(shown(), "zoo");
    EXPECT_EQ(forward(), (Texts{"lever"}));

    // The entry shown is deleted: the pane and the list lose it, the history forgets it.
    view("lev");
    words.remove(2);
    reload();
    EXPECT_EQ(state.shownNumber(), 0);
    EXPECT_EQ(listTexts(), (Texts{"leverage"}));
    EXPECT_EQ(state.selectedRow(), -1);
    EXPECT_EQ(state.history().currentCaption(), "");
    EXPECT_EQ(back(), (Texts{"zoo"}));
}

TEST_F(LookupStateTest, AChangedEntryKeepsItsPlaceUnderItsNewNumberAndCaption) {
    view("zoo");
    view("mine");
    view("zone");
    view("mine");
    ASSERT_EQ(back(), (Texts{"zone", "mine *", "zoo"}));
    const long long changed = words.change(4, "mined");
    reload(Renumbering{4, changed});
    state.showSaved(changed);
    EXPECT_EQ(shown(), "mined");
    EXPECT_EQ(state.history().currentCaption(), "mined *");
    // Saving the entry shown is no step of its own.
    EXPECT_EQ(back(), (Texts{"zone", "mined *", "zoo"}));
    state.back();
    EXPECT_EQ(shown(), "zone");
    EXPECT_EQ(forward(), (Texts{"mined *"}));
    state.forward();
    EXPECT_EQ(shown(), "mined");
    EXPECT_EQ(state.shownNumber(), changed);
}

TEST_F(LookupStateTest, AnotherProgramsChangeKeepsTheListOnItsEntries) {
    state.search("l", false, "");
    state.choose(1);  // leverage
    words.insert("aardvark");
    reload();
    EXPECT_EQ(listTexts(), (Texts{"lever", "leverage"}));
    EXPECT_EQ(state.selectedRow(), 1);
    EXPECT_EQ(shown(), "leverage");

    words.remove(2);
    reload();
    EXPECT_EQ(listTexts(), (Texts{"leverage"}));
    EXPECT_EQ(state.selectedRow(), 0);

    // A supplement added elsewhere: the same entry, now annotated.
    words.annotate(3);
    reload();
    EXPECT_EQ(state.tables().entries[state.shownSlot()].kind, EntryKind::Annotated);
}

TEST_F(LookupStateTest, TheWholeLexiconListsEveryHeadwordUnmarked) {
    view("mine");
    state.listWholeLexicon();
    EXPECT_EQ(listTexts(), (Texts{"abacus", "lever", "leverage", "mine", "zone", "zoo"}));
    EXPECT_EQ(state.entryText(), "");
    EXPECT_EQ(state.shownNumber(), 0);
}

TEST_F(LookupStateTest, TheSearchFieldKeepsWhatWasTypedAndTheStatusSaysWhatWasFound) {
    using Kind = lookup::ListStatus::Kind;
    EXPECT_EQ(state.listStatus().kind, Kind::None);  // nothing searched yet
    state.search(u"  LÉv", false, "");               // searched as "lev"
    EXPECT_EQ(listTexts(), (Texts{"lever", "leverage"}));
    EXPECT_EQ(state.fieldText(), u"LÉv");
    EXPECT_EQ(state.listStatus(), (lookup::ListStatus{Kind::Found, 2, {}, {}}));
    state.search(u"zoo", false, "");
    EXPECT_EQ(state.listStatus(), (lookup::ListStatus{Kind::Found, 1, {}, {}}));
    state.search(u"lex", false, "");
    EXPECT_EQ(state.listStatus(), (lookup::ListStatus{Kind::Found, 0, {}, {}}));

    // A character no headword can hold is named; what the code page holds (€) is searched.
    state.search(u"café €5 😀", false, "");
    EXPECT_EQ(state.fieldText(), u"café €5 😀");
    EXPECT_TRUE(state.list().empty());
    EXPECT_EQ(state.listStatus(), (lookup::ListStatus{Kind::Unsearchable, 0, "😀", {}}));

    // One criterion of the criteria dialog shows as typed too.
    state.searchByCriteria({"", "LEV", ""}, "", u"LÉV");
    EXPECT_EQ(listTexts(), (Texts{"lever", "leverage"}));
    EXPECT_EQ(state.fieldText(), u"LÉV");

    // The history puts the entry's headword in the field.
    view("lever");
    view("zone");
    state.back();
    EXPECT_EQ(state.fieldText(), u"lever");
    EXPECT_EQ(state.listStatus(), (lookup::ListStatus{Kind::Found, 1, {}, {}}));
}

TEST_F(LookupStateTest, TypingFillsTheListWithoutAHistoryStepAndKeepsTheForwardList) {
    view("lever");
    view("zone");
    state.back();  // "lever" shown, "zone" ahead
    ASSERT_EQ(forward(), (Texts{"zone"}));
    const Texts backBefore = back();
    const auto revisions = state.revisions();

    // Letter by letter, as the search button would fill it, the field kept as typed.
    state.followTyping(u" l", "");
    EXPECT_EQ(listTexts(), (Texts{"lever", "leverage"}));
    state.followTyping(u" leverA", "");
    EXPECT_EQ(listTexts(), (Texts{"leverage"}));
    EXPECT_EQ(state.fieldText(), u" leverA");
    EXPECT_EQ(state.listStatus(), (lookup::ListStatus{lookup::ListStatus::Kind::Found, 1, {}, {}}));
    // No entry is chosen while typing: the pane is empty, the history as it was.
    EXPECT_EQ(state.shownNumber(), 0);
    EXPECT_EQ(state.selectedRow(), -1);
    EXPECT_EQ(back(), backBefore);
    EXPECT_EQ(forward(), (Texts{"zone"}));
    EXPECT_GT(state.revisions().list, revisions.list);

    // The first letter chooses the language, as Enter does.
    state.followTyping(u"ζ", "");
    EXPECT_TRUE(state.greekMode());
    EXPECT_EQ(listTexts(), (Texts{Cp("ζώνη")}));
    state.followTyping(u"😀", "");
    EXPECT_EQ(state.listStatus().kind, lookup::ListStatus::Kind::Unsearchable);

    // Enter afterwards is the search as it always was: the forward list goes.
    state.search(u"zo", false, "");
    EXPECT_TRUE(forward().empty());
}

TEST_F(LookupStateTest, WildcardsSearchAndANearMissOffersTheClosestHeadwords) {
    state.search(u"LEV*", false, "");
    EXPECT_EQ(listTexts(), (Texts{"lever", "leverage"}));
    EXPECT_TRUE(state.listStatus().suggestions.empty());
    state.followTyping(u"z?ne", "");
    EXPECT_EQ(listTexts(), Texts{"zone"});

    // Nothing found: the nearest first, each with its entry's number.
    state.search(u"zonx", false, "");
    EXPECT_TRUE(state.list().empty());
    EXPECT_EQ(state.listStatus().suggestions, (std::vector<ListedEntry>{{"zone", 5}, {"zoo", 6}}));
    // Typing looks for them only when the window asks, once the typing pauses.
    state.followTyping(u"levr", "");
    EXPECT_TRUE(state.listStatus().suggestions.empty());
    const auto before = state.revisions().status;
    state.suggestForTyped("");
    EXPECT_EQ(state.listStatus().suggestions, (std::vector<ListedEntry>{{"lever", 2}}));
    EXPECT_NE(state.revisions().status, before);
    // A found list, a pattern or a character no headword holds offers nothing.
    state.followTyping(u"lev", "");
    state.suggestForTyped("");
    EXPECT_TRUE(state.listStatus().suggestions.empty());
    state.search(u"zz*x", false, "");
    EXPECT_TRUE(state.listStatus().suggestions.empty());
    state.search(u"zon😀", false, "");
    EXPECT_TRUE(state.listStatus().suggestions.empty());
    // A character the code page lacks is not a wildcard: "zon?" as typed finds nothing.
    EXPECT_TRUE(state.list().empty());
}

TEST_F(LookupStateTest, FullTextFindsKeepTheNumbersOfTheTablesSearched) {
    // Found in the tables as they were; another program's insert is read before they are listed.
    using Kind = lookup::ListStatus::Kind;
    const std::vector<ListedEntry> found{{"lever", 2}, {"mine *", 4}, {"zone", 5}};
    words.insert("aardvark");
    words.remove(4);
    reload();
    state.listFullTextResults(found, u"x");
    EXPECT_EQ(listTexts(), (Texts{"lever", "zone"}));
    state.choose(1);
    EXPECT_EQ(shown(), "zone");
    EXPECT_EQ(state.listStatus(), (lookup::ListStatus{Kind::Found, 2, {}, {}}));
}

}  // namespace
}  // namespace orvan::lookup
