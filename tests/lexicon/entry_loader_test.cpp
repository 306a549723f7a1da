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
    void addFiveEntries() {
        for (const char* word : {"alpha", "beta", "gamma", "delta", "epsilon"}) {
            const int number = lexicon.addEntry(word);
            lexicon.addGreek(number, Cp("λέξη") + std::to_string(number));
        }
    }

    EntryTables load() {
        lexicon.writeLexicon(program.path());
        lexicon.writePersonal(personal.path());
        return LoadEntryTable(LexiconFiles(program.path()),
                              ReadPersonalIndexes(PersonalFiles(personal.path())), notes);
    }

    std::vector<std::string> headwords(const EntryTable& table) {
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
    addFiveEntries();
    lexicon.writeLexicon(program.path());
    const EntryTables tables =
        LoadEntryTable(LexiconFiles(program.path()), PersonalIndexes{}, notes);
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
    addFiveEntries();
    lexicon.addSupplement(2, "{note}");
    lexicon.addPersonalEntry(2, 6, "beta prime", "{mine}", "PHYS");
    lexicon.addPersonalEntry(2, 7, "beta second");
    lexicon.addPersonalGreek(2, 6, Cp("βήτα"));
    const EntryTables tables = load();

    EXPECT_EQ(headwords(tables.entries),
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
    addFiveEntries();
    lexicon.addSupplement(1);
    lexicon.addSupplement(4);
    const EntryTables first = load();
    const EntryTables second = LoadEntryTable(
        LexiconFiles(program.path()), ReadPersonalIndexes(PersonalFiles(personal.path())), notes);
    EXPECT_EQ(notes.size(), 4u);
    EXPECT_EQ(first.entries[4].noteIndex, 1);
    EXPECT_EQ(second.entries[1].noteIndex, 2);
    EXPECT_EQ(second.entries[4].noteIndex, 3);
    EXPECT_EQ(headwords(first.entries), headwords(second.entries));
}

TEST_F(EntryLoaderTest, AnchorZeroPlacesTheEntryBeforeTheFirstLexiconRecord) {
    addFiveEntries();
    lexicon.addPersonalEntry(0, 6, "aardvark");
    lexicon.addPersonalEntry(3, 7, "gamma ray");
    lexicon.addPersonalGreek(0, 6, Cp("αάρντβαρκ"));
    const EntryTables tables = load();
    EXPECT_EQ(headwords(tables.entries),
              (std::vector<std::string>{"aardvark", "alpha", "beta", "gamma", "gamma ray", "delta",
                                        "epsilon"}));
    EXPECT_EQ(tables.greek[1].headword, Cp("αάρντβαρκ"));
    EXPECT_EQ(tables.greek[1].englishSlot, 1);
}

TEST_F(EntryLoaderTest, LinesWaitingAtTheEndAreAppendedNotDropped) {
    addFiveEntries();
    lexicon.addPersonalEntry(4, 6, "delta wing");
    lexicon.addPersonalEntry(2, 7, "out of order");  // anchor already passed
    lexicon.addSupplement(3, "{late}");              // waits behind it, entry exists
    lexicon.addSupplement(99, "{orphan}");           // entry does not exist
    lexicon.addPersonalEntry(99, 8, "after a lexicon update");
    lexicon.addPersonalGreek(4, 6, Cp("δέλτα"));
    lexicon.addPersonalGreek(1, 7, Cp("άτακτο"));  // anchor already passed
    const EntryTables tables = load();

    EXPECT_EQ(headwords(tables.entries),
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
    lexicon.addEntry("one");
    lexicon.addEntry("two");
    lexicon.addGreek(2, Cp("α"));
    lexicon.addGreek(2, Cp("β"));
    lexicon.addGreek(9, Cp("γ"));  // no such entry
    const EntryTables tables = load();
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
            lexicon.addEntry(word);
        for (const auto& [number, word] : std::vector<std::pair<int, const char*>>{
                 {1, "αβ"}, {2, "γάτα"}, {1, "δέντρο"}, {3, "ζώο"}, {1, "κύμα"}, {2, "μήλο"}}) {
            lexicon.addGreek(number, Cp(word));
        }
        lexicon.addPersonalEntry(3, 4, "four");
        lexicon.addPersonalEntry(3, 5, "five");
        lexicon.addPersonalEntry(3, 6, "six");
    }

    // Adds the Greek headwords of the user's entries 4, 5 and 6, each anchored to entry 1, and
    // loads the tables.
    EntryTables loadWithOwnGreek(const std::vector<const char*>& words) {
        int own = 4;
        for (const char* word : words)
            lexicon.addPersonalGreek(1, own++, Cp(word));
        return load();
    }

    std::vector<std::string> greekHeadwords(const EntryTables& tables) {
        std::vector<std::string> words;
        for (int slot = 1; slot <= tables.greek.count(); ++slot)
            words.push_back(test::Utf8(tables.greek[slot].headword));
        return words;
    }
};

TEST_F(GreekMergeTest, APersonalLineFollowsTheLastLineOfItsAnchorThatSortsBeforeIt) {
    // As the insert anchors a headword to the Greek line it follows: right after αβ, after
    // δέντρο, and after κύμα, all three lines of entry 1.
    const EntryTables tables = loadWithOwnGreek({"άλφα", "ελιά", "λύκος"});
    EXPECT_EQ(greekHeadwords(tables),
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
    EXPECT_EQ(greekHeadwords(loadWithOwnGreek({"εδώ", "ΚΥΜΑ", "ωμέγα"})),
              (std::vector<std::string>{"αβ", "γάτα", "δέντρο", "εδώ", "ζώο", "κύμα", "ΚΥΜΑ",
                                        "ωμέγα", "μήλο"}));
}

TEST_F(EntryLoaderTest, WithOneGreekLineAnEntryPersonalLinesFollowItsAnchorAsBefore) {
    addFiveEntries();
    lexicon.addPersonalEntry(2, 6, "beta two");
    lexicon.addPersonalGreek(2, 6, Cp("λέξη2β"));
    lexicon.addPersonalEntry(4, 7, "delta two");
    lexicon.addPersonalGreek(4, 7, Cp("λέξη4β"));
    const EntryTables tables = load();
    ASSERT_EQ(tables.greek.count(), 7);
    EXPECT_EQ(tables.greek[3].number, 6);
    EXPECT_EQ(tables.greek[6].number, 7);
    EXPECT_EQ(tables.greek[7].number, 5);
}

TEST_F(EntryLoaderTest, MissingFilesGiveEmptyOrPartialTables) {
    addFiveEntries();
    lexicon.writeLexicon(program.path());
    std::remove(program.file("data/igr.tbo").c_str());
    EntryTables tables = LoadEntryTable(LexiconFiles(program.path()), PersonalIndexes{}, notes);
    EXPECT_EQ(tables.entries.count(), 5);
    EXPECT_EQ(tables.greek.count(), 0);
    EXPECT_EQ(tables.entries[1].greekSlot, 0);

    std::remove(program.file("data/i.tbo").c_str());
    tables = LoadEntryTable(LexiconFiles(program.path()),
                            ReadPersonalIndexes(PersonalFiles(personal.path())), notes);
    EXPECT_EQ(tables.entries.count(), 0);
    EXPECT_EQ(tables.greek.count(), 0);
}

TEST_F(EntryLoaderTest, MalformedLexiconLineEndsTheLoadKeepingWhatWasBuilt) {
    lexicon.addEntry("first");
    lexicon.addRawEnglishLine("00002short");
    lexicon.addEntry("third");
    const EntryTables tables = load();
    EXPECT_EQ(headwords(tables.entries), (std::vector<std::string>{"first"}));
}

TEST_F(EntryLoaderTest, ADamagedPersonalLineIsPassedOverAndNamed) {
    addFiveEntries();
    lexicon.addPersonalEntry(1, 6, "kept");
    lexicon.addRawPersonalLine("000030000xbroken");
    lexicon.addPersonalEntry(4, 7, "after");
    const EntryTables tables = load();
    EXPECT_EQ(headwords(tables.entries), (std::vector<std::string>{"alpha", "kept", "beta", "gamma",
                                                                   "delta", "after", "epsilon"}));
    ASSERT_TRUE(tables.personalProblem);
    EXPECT_EQ(tables.personalProblem->code, ErrorCode::Damaged);
    EXPECT_EQ(tables.personalProblem->message, "ci.tbo line 2 is damaged");
}

TEST_F(EntryLoaderTest, EmptyAndGarbageFilesNeverCrash) {
    program.write("data/i.tbo", "");
    program.write("data/igr.tbo", std::string("\0\0\r\n\x1A", 5));
    personal.write("ci.tbo", "\r\n\r\n");
    EntryTables tables = LoadEntryTable(LexiconFiles(program.path()),
                                        ReadPersonalIndexes(PersonalFiles(personal.path())), notes);
    EXPECT_EQ(tables.entries.count(), 0);

    std::string garbage;
    for (int i = 0; i < 5000; ++i)
        garbage.push_back(static_cast<char>((i * 7919) % 256));
    program.write("data/i.tbo", garbage);
    program.write("data/igr.tbo", garbage);
    personal.write("ci.tbo", garbage);
    personal.write("cigr.tbo", garbage);
    tables = LoadEntryTable(LexiconFiles(program.path()),
                            ReadPersonalIndexes(PersonalFiles(personal.path())), notes);
    EXPECT_LE(tables.entries.count(), 1);
}

TEST_F(EntryLoaderTest, TablesStopFillingAtTheirCapacity) {
    for (int i = 0; i < kTableCapacity; ++i) {
        const int number = lexicon.addEntry("w" + std::to_string(i));
        lexicon.addGreek(number, Cp("λ"));
    }
    lexicon.addRawEnglishLine(lexicon.englishLines().back());  // line 40001
    lexicon.addGreek(1, Cp("λ"));
    lexicon.addPersonalEntry(kTableCapacity, 40001, "one too many");
    const EntryTables tables = load();
    EXPECT_EQ(tables.entries.count(), kTableCapacity);
    EXPECT_EQ(tables.greek.count(), kTableCapacity);
    EXPECT_EQ(tables.entries[kTableCapacity].headword, "w39999");
    // Named, as no search finds them: the lexicon's lines past the capacity, and the user's.
    const LexiconFiles files(program.path());
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
    EXPECT_FALSE(LoadFieldTable(LexiconFiles(program.path())));
    test::LexiconBuilder lexicon;
    lexicon.addField("MATH", "Math");
    lexicon.addField("PHYS", "Physics");
    lexicon.addField("CHEM", "Chemistry");
    lexicon.writeLexicon(program.path());
    const auto fields = LoadFieldTable(LexiconFiles(program.path()));
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->listItems(), (std::vector<std::string>{" ", "Math", "Physics", "Chemistry"}));
    EXPECT_EQ((*fields)[2].code, "PHYS");

    std::string many;
    for (int i = 0; i < 70; ++i)
        many += "F" + std::to_string(i) + "\r\n";
    program.write("data/srt.tbo", many);
    EXPECT_EQ(LoadFieldTable(LexiconFiles(program.path()))->count(), kFieldCapacity);
}

TEST(RtfHeaderLoad, OpensWithABraceAndStopsAtTheBlockOrAZeroByte) {
    test::TempFolder program;
    EXPECT_EQ(LoadRtfHeader(LexiconFiles(program.path())), "");
    test::LexiconBuilder lexicon;
    lexicon.addEntry("x", "{after the block}");
    lexicon.writeLexicon(program.path());
    const std::string header = LoadRtfHeader(LexiconFiles(program.path()));
    EXPECT_EQ(header, "{" + test::LexiconBuilder::prologue());

    program.write("data/lex.tbo", EncodeLexText(1, "\\rtf1") + std::string(1, '\0') + "zz");
    EXPECT_EQ(LoadRtfHeader(LexiconFiles(program.path())), "{\\rtf1");
}

}  // namespace
}  // namespace orvan
