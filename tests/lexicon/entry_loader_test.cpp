#include <gtest/gtest.h>

#include "lexicon/codecs.h"
#include "lexicon/tables.h"
#include "tests/support/lexicon_fixture.h"

namespace orvan {
namespace {

using test::Cp;

class EntryLoaderTest : public ::testing::Test {
  protected:
    // Entries 1..5 with one Greek headword each.
    void AddFiveEntries() {
        for (const char* word : {"alpha", "beta", "gamma", "delta", "epsilon"}) {
            const int number = lexicon.AddEntry(word);
            lexicon.AddGreek(number, Cp("λέξη") + std::to_string(number));
        }
    }

    EntryTables Load() {
        lexicon.WriteLexicon(program.Path());
        lexicon.WritePersonal(personal.Path());
        return LoadEntryTable(LexiconFiles(program.Path()),
                              ReadPersonalIndexes(PersonalFiles(personal.Path())), notes);
    }

    std::vector<std::string> Headwords(const EntryTable& table) {
        std::vector<std::string> words;
        for (int slot = 1; slot <= table.count(); ++slot)
            words.push_back(table[slot].headword);
        return words;
    }

    test::TempFolder program, personal;
    test::LexiconBuilder lexicon;
    NoteList notes;
};

TEST_F(EntryLoaderTest, WithoutPersonalFilesSlotKHoldsLineK) {
    AddFiveEntries();
    lexicon.WriteLexicon(program.Path());
    const EntryTables tables =
        LoadEntryTable(LexiconFiles(program.Path()), PersonalIndexes{}, notes);
    ASSERT_EQ(tables.entries.count(), 5);
    for (int slot = 1; slot <= 5; ++slot) {
        EXPECT_EQ(tables.entries[slot].number, slot);
        EXPECT_EQ(tables.entries[slot].kind, EntryKind::Lexicon);
        EXPECT_EQ(tables.entries[slot].greekSlot, slot);
        EXPECT_EQ(tables.greek[slot].englishSlot, slot);
    }
    EXPECT_EQ(tables.entries[0].number, 0);
    EXPECT_EQ(tables.entries[6].number, 0);
    EXPECT_EQ(tables.entries[2].descPos, 57601 + 3);
}

TEST_F(EntryLoaderTest, SupplementMarksItsEntryAndPersonalEntryFollowsItsAnchor) {
    AddFiveEntries();
    lexicon.AddSupplement(2, "{note}");
    lexicon.AddPersonalEntry(2, 6, "beta prime", "{mine}", "PHYS");
    lexicon.AddPersonalEntry(2, 7, "beta second");
    lexicon.AddPersonalGreek(2, 6, Cp("βήτα"));
    const EntryTables tables = Load();

    EXPECT_EQ(Headwords(tables.entries),
              (std::vector<std::string>{"alpha", "beta", "beta prime", "beta second", "gamma",
                                        "delta", "epsilon"}));
    const EntryRecord& beta = tables.entries[2];
    EXPECT_EQ(beta.kind, EntryKind::Annotated);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(beta.noteIndex, 0);
    EXPECT_EQ(notes[0], "0000000100006");

    const EntryRecord& mine = tables.entries[3];
    EXPECT_EQ(mine.kind, EntryKind::Personal);
    EXPECT_EQ(mine.number, 6);
    EXPECT_EQ(mine.keyStart, 1);
    EXPECT_EQ(mine.descPos, 7);
    EXPECT_EQ(mine.descLen, 6);
    EXPECT_EQ(mine.fieldCode, "PHYS");

    // The personal Greek headword follows the Greek line of entry 2 and links both ways.
    EXPECT_EQ(tables.greek[3].headword, Cp("βήτα"));
    EXPECT_EQ(tables.greek[3].englishSlot, 3);
    EXPECT_EQ(mine.greekSlot, 3);
    EXPECT_EQ(tables.greek[4].englishSlot, 5);  // gamma moved one slot up
}

TEST_F(EntryLoaderTest, ReloadingAppendsToTheNoteListAndPointsIntoItsNewestPart) {
    AddFiveEntries();
    lexicon.AddSupplement(1);
    lexicon.AddSupplement(4);
    const EntryTables first = Load();
    const EntryTables second = LoadEntryTable(
        LexiconFiles(program.Path()), ReadPersonalIndexes(PersonalFiles(personal.Path())), notes);
    EXPECT_EQ(notes.size(), 4u);
    EXPECT_EQ(first.entries[4].noteIndex, 1);
    EXPECT_EQ(second.entries[1].noteIndex, 2);
    EXPECT_EQ(second.entries[4].noteIndex, 3);
    EXPECT_EQ(Headwords(first.entries), Headwords(second.entries));
}

TEST_F(EntryLoaderTest, AnchorZeroPlacesTheEntryBeforeTheFirstLexiconRecord) {
    AddFiveEntries();
    lexicon.AddPersonalEntry(0, 6, "aardvark");
    lexicon.AddPersonalEntry(3, 7, "gamma ray");
    lexicon.AddPersonalGreek(0, 6, Cp("αάρντβαρκ"));
    const EntryTables tables = Load();
    EXPECT_EQ(Headwords(tables.entries),
              (std::vector<std::string>{"aardvark", "alpha", "beta", "gamma", "gamma ray", "delta",
                                        "epsilon"}));
    EXPECT_EQ(tables.greek[1].headword, Cp("αάρντβαρκ"));
    EXPECT_EQ(tables.greek[1].englishSlot, 1);
}

TEST_F(EntryLoaderTest, LinesWaitingAtTheEndAreAppendedNotDropped) {
    AddFiveEntries();
    lexicon.AddPersonalEntry(4, 6, "delta wing");
    lexicon.AddPersonalEntry(2, 7, "out of order");  // anchor already passed
    lexicon.AddSupplement(3, "{late}");              // waits behind it, entry exists
    lexicon.AddSupplement(99, "{orphan}");           // entry does not exist
    lexicon.AddPersonalEntry(99, 8, "after a lexicon update");
    lexicon.AddPersonalGreek(4, 6, Cp("δέλτα"));
    lexicon.AddPersonalGreek(1, 7, Cp("άτακτο"));  // anchor already passed
    const EntryTables tables = Load();

    EXPECT_EQ(Headwords(tables.entries),
              (std::vector<std::string>{"alpha", "beta", "gamma", "delta", "delta wing", "epsilon",
                                        "out of order", "after a lexicon update"}));
    EXPECT_EQ(tables.entries[3].kind, EntryKind::Annotated);
    EXPECT_EQ(notes.size(), 1u);
    const GreekTable& greek = tables.greek;
    ASSERT_EQ(greek.count(), 7);
    EXPECT_EQ(greek[5].headword, Cp("δέλτα"));
    EXPECT_EQ(greek[7].headword, Cp("άτακτο"));
    EXPECT_EQ(greek[7].englishSlot, 7);
    EXPECT_EQ(tables.entries[7].greekSlot, 7);
}

TEST_F(EntryLoaderTest, SeveralGreekHeadwordsLinkToOneEntryWhichKeepsTheLast) {
    lexicon.AddEntry("one");
    lexicon.AddEntry("two");
    lexicon.AddGreek(2, Cp("α"));
    lexicon.AddGreek(2, Cp("β"));
    lexicon.AddGreek(9, Cp("γ"));  // no such entry
    const EntryTables tables = Load();
    EXPECT_EQ(tables.greek[1].englishSlot, 2);
    EXPECT_EQ(tables.greek[2].englishSlot, 2);
    EXPECT_EQ(tables.greek[3].englishSlot, 0);
    EXPECT_EQ(tables.entries[2].greekSlot, 2);
    EXPECT_EQ(tables.entries[1].greekSlot, 0);
}

// Entry 1 has three Greek lines far apart in Greek order, as an entry with several renderings
// has in a real lexicon.
class GreekMergeTest : public EntryLoaderTest {
  protected:
    void SetUp() override {
        for (const char* word : {"one", "two", "three"})
            lexicon.AddEntry(word);
        for (const auto& [number, word] : std::vector<std::pair<int, const char*>>{
                 {1, "αβ"}, {2, "γάτα"}, {1, "δέντρο"}, {3, "ζώο"}, {1, "κύμα"}, {2, "μήλο"}}) {
            lexicon.AddGreek(number, Cp(word));
        }
        lexicon.AddPersonalEntry(3, 4, "four");
        lexicon.AddPersonalEntry(3, 5, "five");
        lexicon.AddPersonalEntry(3, 6, "six");
    }

    // Adds the Greek headwords of the user's entries 4, 5 and 6, each anchored to entry 1, and
    // loads the tables.
    EntryTables LoadWithOwnGreek(const std::vector<const char*>& words) {
        int own = 4;
        for (const char* word : words)
            lexicon.AddPersonalGreek(1, own++, Cp(word));
        return Load();
    }

    std::vector<std::string> GreekHeadwords(const EntryTables& tables) {
        std::vector<std::string> words;
        for (int slot = 1; slot <= tables.greek.count(); ++slot)
            words.push_back(test::Utf8(tables.greek[slot].headword));
        return words;
    }
};

TEST_F(GreekMergeTest, APersonalLineFollowsTheLastLineOfItsAnchorThatSortsBeforeIt) {
    // As the insert anchors a headword to the Greek line it follows: right after αβ, after
    // δέντρο, and after κύμα, all three lines of entry 1.
    const EntryTables tables = LoadWithOwnGreek({"άλφα", "ελιά", "λύκος"});
    EXPECT_EQ(GreekHeadwords(tables),
              (std::vector<std::string>{"αβ", "άλφα", "γάτα", "δέντρο", "ελιά", "ζώο", "κύμα",
                                        "λύκος", "μήλο"}));
    // Each is linked both ways to its own entry.
    for (int slot : {2, 5, 8}) {
        const int english = tables.greek[slot].englishSlot;
        ASSERT_NE(english, 0);
        EXPECT_EQ(tables.entries[english].kind, EntryKind::Personal);
        EXPECT_EQ(tables.entries[english].greekSlot, slot);
    }
}

TEST_F(GreekMergeTest, LinesOfOneAnchorKeepTheirFileOrderAndAnEqualKeyWaits) {
    // κύμα sorts at or before "κυμα": that line goes after the lexicon's κύμα.
    EXPECT_EQ(GreekHeadwords(LoadWithOwnGreek({"εδώ", "ΚΥΜΑ", "ωμέγα"})),
              (std::vector<std::string>{"αβ", "γάτα", "δέντρο", "εδώ", "ζώο", "κύμα", "ΚΥΜΑ",
                                        "ωμέγα", "μήλο"}));
}

TEST_F(EntryLoaderTest, WithOneGreekLineAnEntryPersonalLinesFollowItsAnchorAsBefore) {
    AddFiveEntries();
    lexicon.AddPersonalEntry(2, 6, "beta two");
    lexicon.AddPersonalGreek(2, 6, Cp("λέξη2β"));
    lexicon.AddPersonalEntry(4, 7, "delta two");
    lexicon.AddPersonalGreek(4, 7, Cp("λέξη4β"));
    const EntryTables tables = Load();
    ASSERT_EQ(tables.greek.count(), 7);
    EXPECT_EQ(tables.greek[3].number, 6);
    EXPECT_EQ(tables.greek[6].number, 7);
    EXPECT_EQ(tables.greek[7].number, 5);
}

TEST_F(EntryLoaderTest, MissingFilesGiveEmptyOrPartialTables) {
    AddFiveEntries();
    lexicon.WriteLexicon(program.Path());
    std::remove(program.File("data/igr.tbo").c_str());
    EntryTables tables = LoadEntryTable(LexiconFiles(program.Path()), PersonalIndexes{}, notes);
    EXPECT_EQ(tables.entries.count(), 5);
    EXPECT_EQ(tables.greek.count(), 0);
    EXPECT_EQ(tables.entries[1].greekSlot, 0);

    std::remove(program.File("data/i.tbo").c_str());
    tables = LoadEntryTable(LexiconFiles(program.Path()),
                            ReadPersonalIndexes(PersonalFiles(personal.Path())), notes);
    EXPECT_EQ(tables.entries.count(), 0);
    EXPECT_EQ(tables.greek.count(), 0);
}

TEST_F(EntryLoaderTest, MalformedLexiconLineEndsTheLoadKeepingWhatWasBuilt) {
    lexicon.AddEntry("first");
    lexicon.AddRawEnglishLine("00002short");
    lexicon.AddEntry("third");
    const EntryTables tables = Load();
    EXPECT_EQ(Headwords(tables.entries), (std::vector<std::string>{"first"}));
}

TEST_F(EntryLoaderTest, ADamagedPersonalLineIsPassedOverAndNamed) {
    AddFiveEntries();
    lexicon.AddPersonalEntry(1, 6, "kept");
    lexicon.AddRawPersonalLine("000030000xbroken");
    lexicon.AddPersonalEntry(4, 7, "after");
    const EntryTables tables = Load();
    EXPECT_EQ(Headwords(tables.entries), (std::vector<std::string>{"alpha", "kept", "beta", "gamma",
                                                                   "delta", "after", "epsilon"}));
    ASSERT_TRUE(tables.personalProblem);
    EXPECT_EQ(tables.personalProblem->code, ErrorCode::Damaged);
    EXPECT_EQ(tables.personalProblem->message, "ci.tbo line 2 is damaged");
}

TEST_F(EntryLoaderTest, EmptyAndGarbageFilesNeverCrash) {
    program.Write("data/i.tbo", "");
    program.Write("data/igr.tbo", std::string("\0\0\r\n\x1A", 5));
    personal.Write("ci.tbo", "\r\n\r\n");
    EntryTables tables = LoadEntryTable(LexiconFiles(program.Path()),
                                        ReadPersonalIndexes(PersonalFiles(personal.Path())), notes);
    EXPECT_EQ(tables.entries.count(), 0);

    std::string garbage;
    for (int i = 0; i < 5000; ++i)
        garbage.push_back(static_cast<char>((i * 7919) % 256));
    program.Write("data/i.tbo", garbage);
    program.Write("data/igr.tbo", garbage);
    personal.Write("ci.tbo", garbage);
    personal.Write("cigr.tbo", garbage);
    tables = LoadEntryTable(LexiconFiles(program.Path()),
                            ReadPersonalIndexes(PersonalFiles(personal.Path())), notes);
    EXPECT_LE(tables.entries.count(), 1);
}

TEST_F(EntryLoaderTest, TablesStopFillingAtTheirCapacity) {
    for (int i = 0; i < kTableCapacity; ++i) {
        const int number = lexicon.AddEntry("w" + std::to_string(i));
        lexicon.AddGreek(number, Cp("λ"));
    }
    lexicon.AddRawEnglishLine(lexicon.EnglishLines().back());  // line 40001
    lexicon.AddGreek(1, Cp("λ"));
    lexicon.AddPersonalEntry(kTableCapacity, 40001, "one too many");
    const EntryTables tables = Load();
    EXPECT_EQ(tables.entries.count(), kTableCapacity);
    EXPECT_EQ(tables.greek.count(), kTableCapacity);
    EXPECT_EQ(tables.entries[kTableCapacity].headword, "w39999");
    // Named, as no search finds them: the lexicon's lines past the capacity, and the user's.
    const LexiconFiles files(program.Path());
    ASSERT_TRUE(tables.lexiconLeftOut);
    EXPECT_EQ(tables.lexiconLeftOut->code, ErrorCode::TooLarge);
    EXPECT_EQ(tables.lexiconLeftOut->path, files.englishIndex);
    EXPECT_EQ(tables.lexiconLeftOut->message,
              files.englishIndex +
                  " has 40001 lines; a table holds 40000 entries: lines from 40001 on are not "
                  "shown; " +
                  files.greekIndex +
                  " has 40001 lines; a table holds 40000 entries: lines from 40001 on are not "
                  "shown");
    EXPECT_EQ(tables.personalProblem->message,
              "ci.tbo from line 1 on is not shown: the table is full");
    EXPECT_FALSE(tables.lexiconProblem);
}

TEST(FieldTableLoad, ReadsNamesInLineOrderAndNothingWithoutTheFile) {
    test::TempFolder program;
    EXPECT_FALSE(LoadFieldTable(LexiconFiles(program.Path())));
    test::LexiconBuilder lexicon;
    lexicon.AddField("MATH", "Math");
    lexicon.AddField("PHYS", "Physics");
    lexicon.AddField("CHEM", "Chemistry");
    lexicon.WriteLexicon(program.Path());
    const auto fields = LoadFieldTable(LexiconFiles(program.Path()));
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->listItems(), (std::vector<std::string>{" ", "Math", "Physics", "Chemistry"}));
    EXPECT_EQ((*fields)[2].code, "PHYS");

    std::string many;
    for (int i = 0; i < 70; ++i)
        many += "F" + std::to_string(i) + "\r\n";
    program.Write("data/srt.tbo", many);
    EXPECT_EQ(LoadFieldTable(LexiconFiles(program.Path()))->count(), kFieldCapacity);
}

TEST(RtfHeaderLoad, OpensWithABraceAndStopsAtTheBlockOrAZeroByte) {
    test::TempFolder program;
    EXPECT_EQ(LoadRtfHeader(LexiconFiles(program.Path())), "");
    test::LexiconBuilder lexicon;
    lexicon.AddEntry("x", "{after the block}");
    lexicon.WriteLexicon(program.Path());
    const std::string header = LoadRtfHeader(LexiconFiles(program.Path()));
    EXPECT_EQ(header, "{" + test::LexiconBuilder::Prologue());

    program.Write("data/lex.tbo", EncodeLexText(1, "\\rtf1") + std::string(1, '\0') + "zz");
    EXPECT_EQ(LoadRtfHeader(LexiconFiles(program.Path())), "{\\rtf1");
}

}  // namespace
}  // namespace orvan
