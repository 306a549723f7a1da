#include "lexicon/list_search.h"

#include <gtest/gtest.h>

#include "tests/support/lexicon_fixture.h"

namespace orvan {
namespace {

using test::Cp;

class ListSearchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const int semi = lexicon.addEntry("Semiconductor", "{x}", 1, "ELEC");
        lexicon.addGreek(semi, Cp("ημιαγωγός"));
        const int engine = lexicon.addEntry("the engine", "{x}", 5, "MECH");
        lexicon.addGreek(engine, Cp("Κινητήρας"));
        const int email = lexicon.addEntry("e-mail@home", "{x}", 1, "");
        lexicon.addGreek(email, Cp("ηλεκτρονικό ταχυδρομείο"));
        const int gas = lexicon.addEntry("gas", "{x}", 1, "CHEM");
        lexicon.addGreek(gas, Cp("αέριο"));
        const int odd = lexicon.addEntry("odd", "{x}", 81, "");
        lexicon.addGreek(odd, Cp("περιττός"));
        lexicon.addPersonalEntry(gas, 6, "gasket", "{p}", "MECH");
        lexicon.addPersonalGreek(gas, 6, Cp("παρέμβυσμα"));
        lexicon.addSupplement(semi);
        lexicon.addField("ELEC", "Electronics");
        lexicon.addField("MECH", "Mechanics");
        lexicon.writeLexicon(program.path());
        lexicon.writePersonal(personal.path());
        tables = LoadEntryTable(LexiconFiles(program.path()),
                                ReadPersonalIndexes(PersonalFiles(personal.path())), notes);
        fields = *LoadFieldTable(LexiconFiles(program.path()));
    }

    FillResult fill(const std::string& text, const std::string& mode, bool greekMode = false,
                    int field = 0, bool personalOnly = false, bool wildcards = false) {
        FillRequest request;
        request.mode = *SearchModeOfName(mode);
        request.wildcards = wildcards;
        request.fieldCode = FieldFilterCode(&fields, field);
        request.personalOnly = personalOnly;
        return FillList(tables.entries, tables.greek, text, greekMode, request);
    }

    std::vector<std::string> shown(const FillResult& result) {
        std::vector<std::string> texts;
        for (const ListItem& item : result.items)
            texts.push_back(test::Utf8(item.text));
        return texts;
    }

    test::TempFolder program, personal;
    test::LexiconBuilder lexicon;
    NoteList notes;
    EntryTables tables;
    FieldTable fields;
};

using Texts = std::vector<std::string>;

TEST_F(ListSearchTest, EnglishStartComparesFromTheKeyStartOrTheFirstLetter) {
    const FillResult result = fill("   SEMI", "START");
    EXPECT_EQ(result.entryText, "SEMI");
    EXPECT_EQ(result.language, false);
    EXPECT_EQ(shown(result), Texts{"Semiconductor"});
    EXPECT_EQ(result.items[0].slot, 1);
    EXPECT_EQ(shown(fill("engine", "START")), Texts{"the engine"});
    // The headword as it stands, article and all, finds it too.
    EXPECT_EQ(shown(fill("the", "START")), Texts{"the engine"});
    EXPECT_EQ(shown(fill("The eng", "START")), Texts{"the engine"});
    EXPECT_TRUE(fill("the engines", "START").items.empty());
    EXPECT_TRUE(fill("he eng", "START").items.empty());
    // A key start beyond the headword leaves only its first letter to start from.
    EXPECT_EQ(shown(fill("o", "START")), Texts{"odd"});
    EXPECT_TRUE(fill("d", "START").items.empty());
    EXPECT_EQ(shown(fill("dd", "END")), Texts{"odd"});
}

TEST_F(ListSearchTest, ContainIsAPlainSubstringTest) {
    EXPECT_EQ(shown(fill("gas", "CONTAIN")), (Texts{"gas", "gasket *"}));
    EXPECT_EQ(shown(fill("@", "CONTAIN")), Texts{"e-mail@home"});
    EXPECT_TRUE(fill("zebra", "CONTAIN").items.empty());  // "@" in a headword no longer matches
}

TEST_F(ListSearchTest, EndNeedsTheWholeKeyInsideTheHeadword) {
    EXPECT_EQ(shown(fill("ket", "END")), Texts{"gasket *"});
    EXPECT_TRUE(fill("xgasket", "END").items.empty());
}

TEST_F(ListSearchTest, GreekTextSearchesGreekHeadwordsWhateverItsCaseOrAccents) {
    for (const char* typed : {"ΑΕΡΙΟ", "αέριο", "Αεριο"}) {
        const FillResult result = fill(Cp(typed), "START");
        EXPECT_EQ(result.language, true) << typed;
        EXPECT_EQ(shown(result), Texts{"αέριο"}) << typed;
        EXPECT_EQ(result.items[0].slot, 4);
    }
    EXPECT_EQ(shown(fill(Cp("κινητήρας"), "START")), Texts{"Κινητήρας"});
    EXPECT_EQ(shown(fill(Cp("αέρ"), "START")), Texts{"αέριο"});
    EXPECT_EQ(shown(fill(Cp("μβυσμα"), "CONTAIN")), Texts{"παρέμβυσμα *"});
}

TEST_F(ListSearchTest, GreekSearchesTakeTheFinalSigmaForSigma) {
    // A word typed in capitals ends in Σ; its headword in ς.
    for (const char* mode : {"START", "CONTAIN", "END"}) {
        EXPECT_EQ(shown(fill(Cp("ΠΕΡΙΤΤΟΣ"), mode)), Texts{"περιττός"}) << mode;
        EXPECT_EQ(shown(fill(Cp("περιττός"), mode)), Texts{"περιττός"}) << mode;
    }
    EXPECT_EQ(shown(fill(Cp("ττοσ"), "END")), Texts{"περιττός"});
    EXPECT_EQ(shown(fill(Cp("ημιαγωγοσ"), "START")), Texts{"ημιαγωγός"});
    // ς inside a typed word matches σ inside a headword.
    EXPECT_EQ(shown(fill(Cp("παρέμβυςμα"), "START")), Texts{"παρέμβυσμα *"});
    FillRequest request;
    request.mode = SearchMode::Multi;
    request.criteria = {Cp("ΠΕΡ"), "", Cp("ΤΟΣ")};
    EXPECT_EQ(shown(FillList(tables.entries, tables.greek, "", false, request)), Texts{"περιττός"});
}

TEST_F(ListSearchTest, TextThatIsNotGreekSwitchesBackToEnglish) {
    EXPECT_EQ(fill("(gas", "CONTAIN", true).language, false);
    EXPECT_EQ(fill("1", "CONTAIN", true).language, false);
    EXPECT_FALSE(fill("", "START", true).language.has_value());
}

TEST_F(ListSearchTest, EmptyTextListsAScienceOrThePersonalEntries) {
    EXPECT_EQ(shown(fill("", "START", false, 2)), (Texts{"the engine", "gasket *"}));
    EXPECT_EQ(shown(fill("", "START", true, 2)), (Texts{"Κινητήρας", "παρέμβυσμα *"}));
    EXPECT_EQ(shown(fill("", "START", false, 0, true)), (Texts{"Semiconductor", "gasket *"}));
    EXPECT_TRUE(fill("", "START").items.empty());
    EXPECT_TRUE(fill("", "MULTI", false, 2).items.empty());
}

TEST_F(ListSearchTest, FiltersApplyToTextSearches) {
    EXPECT_EQ(shown(fill("e", "CONTAIN", false, 2)), (Texts{"the engine", "gasket *"}));
    EXPECT_EQ(shown(fill("e", "CONTAIN", false, 0, true)), (Texts{"Semiconductor", "gasket *"}));
    EXPECT_TRUE(fill("gas", "START", false, 1).items.empty());
}

TEST_F(ListSearchTest, SpecificListsOneEntryInTheInputLanguage) {
    FillRequest request;
    request.mode = SearchMode::Specific;
    request.slot = 5;
    FillResult english = FillList(tables.entries, tables.greek, "x", false, request);
    EXPECT_EQ(shown(english), Texts{"gasket *"});
    EXPECT_EQ(english.entryText, "gasket");
    EXPECT_TRUE(english.showFirst);
    FillResult greek = FillList(tables.entries, tables.greek, Cp("π"), true, request);
    EXPECT_EQ(test::Utf8(greek.entryText), "παρέμβυσμα");
    request.slot = 99;
    EXPECT_TRUE(FillList(tables.entries, tables.greek, "x", false, request).items.empty());
    // Mode names are compared exactly.
    EXPECT_EQ(SearchModeOfName("start"), std::nullopt);
    EXPECT_EQ(SearchModeOfName(SearchModeName(SearchMode::Specific)), SearchMode::Specific);
}

TEST_F(ListSearchTest, MultiReducesEachCriterionLikeTheSingleSearch) {
    FillRequest request;
    request.mode = SearchMode::Multi;
    request.criteria = {"Gas", "", "KET"};
    FillResult result = FillList(tables.entries, tables.greek, "", false, request);
    EXPECT_EQ(result.language, false);
    EXPECT_EQ(shown(result), Texts{"gasket *"});

    request.criteria = {" Ηλεκτρ", Cp("ΤΑΧΥ"), ""};
    request.criteria.start = Cp(request.criteria.start);
    result = FillList(tables.entries, tables.greek, "", false, request);
    EXPECT_EQ(result.language, true);
    EXPECT_EQ(shown(result), Texts{"ηλεκτρονικό ταχυδρομείο"});

    // English start compares from the key start and from the first letter.
    for (const char* start : {"engine", "the e"}) {
        request.criteria = {start, "", "ine"};
        EXPECT_EQ(shown(FillList(tables.entries, tables.greek, "", false, request)),
                  Texts{"the engine"})
            << start;
    }
}

TEST_F(ListSearchTest, WildcardsMatchTheWholeKeyOnTheSameKeysAsTheListSearch) {
    const auto found = [this](const std::string& text, const std::string& mode = "START") {
        return shown(fill(text, mode, false, 0, false, true));
    };
    EXPECT_EQ(found("gas*"), (Texts{"gas", "gasket *"}));
    EXPECT_EQ(found("*ket"), Texts{"gasket *"});
    EXPECT_EQ(found("G?S"), Texts{"gas"});         // capitals make no difference
    EXPECT_EQ(found("g?s", "END"), Texts{"gas"});  // the pattern decides, not the mode
    EXPECT_EQ(found("*"),
              (Texts{"Semiconductor", "the engine", "e-mail@home", "gas", "gasket *", "odd"}));
    EXPECT_EQ(found("eng*"), Texts{"the engine"});  // from the key start too
    EXPECT_EQ(found("*@*"), Texts{"e-mail@home"});
    EXPECT_TRUE(found("gas?").empty());  // "?" is exactly one character
    EXPECT_TRUE(found("*x*").empty());
    // Greek: accents, capitals and the final sigma make no difference; the language comes from
    // the first letter as it does without wildcards.
    EXPECT_EQ(found(Cp("ΚΙΝΗ*")), Texts{"Κινητήρας"});
    EXPECT_EQ(found(Cp("*ητηρας")), Texts{"Κινητήρας"});
    EXPECT_EQ(found(Cp("περιττο?")), Texts{"περιττός"});
    // Without wildcards on, they are characters like any other.
    EXPECT_TRUE(shown(fill("gas*", "START")).empty());
}

TEST(Wildcards, PatternsBacktrackOverRunsAndNeedTheWholeKey) {
    const auto matches = [](const std::string& pattern, const std::string& key) {
        return MatchesPattern(WildcardKey(false, pattern), key);
    };
    EXPECT_TRUE(matches("a*b*c", "aXbYbZc"));
    EXPECT_TRUE(matches("*ab", "aab"));
    EXPECT_TRUE(matches("**", ""));
    EXPECT_FALSE(matches("a*b", "aXbY"));
    EXPECT_FALSE(matches("", "a"));
    EXPECT_TRUE(matches("?*?", "ab"));
    EXPECT_FALSE(matches("?*?", "a"));
    EXPECT_TRUE(HasWildcards("a?") && HasWildcards("*") && !HasWildcards("abc"));
}

TEST_F(ListSearchTest, SuggestionsAreTheHeadwordsWithinTwoEditsNearestFirst) {
    const auto suggested = [this](const std::string& text, size_t limit = 5, int field = 0) {
        FillRequest request;
        request.fieldCode = FieldFilterCode(&fields, field);
        std::vector<std::string> texts;
        for (const ListItem& item :
             SpellingSuggestions(tables.entries, tables.greek, text, request, limit))
            texts.push_back(test::Utf8(item.text));
        return texts;
    };
    EXPECT_EQ(suggested("gass"), Texts{"gas"});
    EXPECT_EQ(suggested("gaskte"), Texts{"gasket *"});            // two neighbours swapped
    EXPECT_EQ(suggested("SEMICONDCTR"), Texts{"Semiconductor"});  // keys: case is no edit
    EXPECT_EQ(suggested("engien"), Texts{"the engine"});          // from the key start
    EXPECT_EQ(suggested("ods"), (Texts{"odd", "gas"}));           // one edit before two
    EXPECT_EQ(suggested("ods", 1), Texts{"odd"});
    EXPECT_EQ(suggested("gsa", 5, 1), Texts{});  // the science filter (Electronics) applies
    EXPECT_TRUE(suggested("zzzzzz").empty());
    EXPECT_TRUE(suggested("").empty());
    EXPECT_EQ(suggested(Cp("ΑΕΡΟ")), Texts{"αέριο"});  // Greek keys, accents no edit
}

TEST(EditDistance, CountsEachEditOnceAndStopsPastTheBound) {
    EXPECT_EQ(BoundedEditDistance("engine", "engine", 2), 0);
    EXPECT_EQ(BoundedEditDistance("engine", "enigne", 2), 1);  // a swap
    EXPECT_EQ(BoundedEditDistance("engine", "egine", 2), 1);
    EXPECT_EQ(BoundedEditDistance("engine", "engines", 2), 1);
    EXPECT_EQ(BoundedEditDistance("engine", "angina", 2), 2);
    EXPECT_EQ(BoundedEditDistance("engine", "motor", 2), 3);  // past the bound
    EXPECT_EQ(BoundedEditDistance("", "ab", 2), 2);
    EXPECT_EQ(BoundedEditDistance("abcd", "a", 2), 3);
}

TEST_F(ListSearchTest, CriteriaDialogDispatch) {
    EXPECT_FALSE(DispatchSearchCriteria({}).fill);
    const CriteriaDispatch contain = DispatchSearchCriteria({"", "gas", ""});
    EXPECT_EQ(contain.mode, SearchMode::Contain);
    EXPECT_EQ(contain.entryText, "gas");
    EXPECT_EQ(DispatchSearchCriteria({"a", "", ""}).mode, SearchMode::Start);
    EXPECT_EQ(DispatchSearchCriteria({"", "", "a"}).mode, SearchMode::End);
    const CriteriaDispatch multi = DispatchSearchCriteria({"a", "", "b"});
    EXPECT_EQ(multi.mode, SearchMode::Multi);
    EXPECT_EQ(multi.entryText, "");
}

TEST_F(ListSearchTest, FieldFilterCodeFollowsTheScienceListItems) {
    EXPECT_EQ(FieldFilterCode(&fields, 0), "");
    EXPECT_EQ(FieldFilterCode(&fields, -1), "");
    EXPECT_EQ(FieldFilterCode(&fields, 1), "ELEC");
    EXPECT_EQ(FieldFilterCode(&fields, 3), "");
    EXPECT_EQ(FieldFilterCode(nullptr, 1), "");
}

TEST(ListLimit, TheMatchAfterTheLimitIsNotListed) {
    EntryTable entries;
    for (int i = 0; i < kListLimit + 5; ++i) {
        entries.append(EntryRecord{static_cast<uint16_t>(i + 1), "word", 0, 0, EntryKind::Lexicon,
                                   "", 1, 0, 0});
    }
    FillRequest request;
    request.mode = SearchMode::Start;
    const FillResult result = FillList(entries, GreekTable{}, "w", false, request);
    EXPECT_EQ(result.items.size(), static_cast<size_t>(kListLimit));
    EXPECT_EQ(result.items.back().slot, kListLimit);
    EXPECT_EQ(WholeLexiconItems(entries).size(), static_cast<size_t>(kListLimit));
}

}  // namespace
}  // namespace orvan
