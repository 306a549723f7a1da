// The personal store's operations on the cases users meet: first entries, places in the order,
// supplements, Greek lines, deletions, updates and the limits of the files.
#include <unistd.h>

#include <filesystem>

#include "lexicon/codecs.h"
#include "lexicon/description.h"
#include "lexicon/text_file.h"
#include "richtext/screen_text.h"
#include "tests/personal/store_fixture.h"

namespace orvan::test {
namespace {

using personal::EscapeUserText;
using personal::StoreStatus;

TEST(EscapeUserText, EscapesEveryByteAndTurnsLineEndsIntoParagraphs) {
    EXPECT_EQ(EscapeUserText("ab"), "{\\f60\\fs22 \\'61\\'62}");
    EXPECT_EQ(EscapeUserText("a\r\nb"), "{\\f60\\fs22 \\'61 \\par \\'62}");
    EXPECT_EQ(EscapeUserText("a\r\nb").size(), 26u);
    // A CR or LF alone stays escaped; Greek letters as their code page byte in upper-case hex.
    EXPECT_EQ(EscapeUserText("\n\rα"), "{\\f60\\fs22 \\'0A\\'0D\\'E1}");
    EXPECT_EQ(EscapeUserText(""), "{\\f60\\fs22 }");
}

TEST(EscapeUserText, KeepsEveryCharacterTheCodePageLacksAsAUnicodeEscape) {
    EXPECT_EQ(EscapeUserText("é"), "{\\f60\\fs22 \\u233?}");
    // Units above 32767 are written as negative numbers, as RTF has them.
    EXPECT_EQ(EscapeUserText("\xEF\xBF\xBD"), "{\\f60\\fs22 \\u-3?}");
    // A character beyond U+FFFF takes its two UTF-16 units.
    EXPECT_EQ(EscapeUserText("😀"), "{\\f60\\fs22 \\u-10179?\\u-8704?}");
    // A malformed byte is kept as the replacement character, not as a byte of another page.
    EXPECT_EQ(EscapeUserText("\xE1"), "{\\f60\\fs22 \\u-3?}");
    // What is stored reads back as typed.
    const std::string typed = "café naïve ∑ ≤ ü ß 😀 µ α\r\nβ";
    EXPECT_EQ(
        richtext::ExtractPlainText("{\\rtf1\\ansi\\ansicpg1253" + EscapeUserText(typed) + "}"),
        QString::fromUtf8("café naïve ∑ ≤ ü ß 😀 µ α \nβ"));  // the blank before \\par
}

TEST_F(StoreTest, TheFirstInsertCreatesTheFiles) {
    ASSERT_TRUE(insert("beta", "", "ab", 1).done());
    ASSERT_EQ(englishLines().size(), 1u);
    const std::string line = englishLines()[0];
    // After "alpha" (number 1), numbered one above the largest, text at position 1.
    EXPECT_EQ(line, "0000100005beta" + std::string(76, ' ') + "00000001" + "00020" + "MATH");
    EXPECT_EQ(ReadWholeFile(personal.texts), EncodePersonalText("{\\f60\\fs22 \\'61\\'62}"));
    EXPECT_FALSE(std::filesystem::exists(personal.greekIndex));
    ASSERT_EQ(tables.entries[2].headword, "beta");
    EXPECT_EQ(tables.entries[2].kind, EntryKind::Personal);
    EXPECT_EQ(ReadEntryDescription(tables.entries[2], files, personal), "{\\f60\\fs22 \\'61\\'62}");
    expectInvariants();
}

TEST_F(StoreTest, EntriesTakeTheirPlaceInTheOrder) {
    ASSERT_TRUE(insert("  kilo ", "", "k", 0).done());  // trimmed, no field
    ASSERT_TRUE(insert("echo").done());                 // after delta
    ASSERT_TRUE(insert("kite").done());                 // after the user's own "kilo"
    ASSERT_TRUE(insert("kilt").done());                 // between "kilo" and "kite"
    ASSERT_TRUE(insert("Zulu").done());                 // after omega, the last entry
    std::vector<std::string> order;
    for (int slot = 1; slot <= tables.entries.count(); ++slot)
        order.push_back(tables.entries[slot].headword);
    EXPECT_EQ(order, (std::vector<std::string>{"alpha", "delta", "echo", "kappa", "kilo", "kilt",
                                               "kite", "omega", "Zulu"}));
    EXPECT_EQ(tables.entries[5].fieldCode, "");
    expectInvariants();
}

TEST_F(StoreTest, ANewEntryAfterALexiconEntryFollowsEveryLineAlreadyHangingFromIt) {
    ASSERT_TRUE(update("delta", {"delta", "", -1, "note"}).done());  // a supplement of 2
    ASSERT_TRUE(insert("dog").done());
    ASSERT_TRUE(insert("dove").done());
    const auto lines = englishLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].substr(0, 10), "0000200002");
    EXPECT_EQ(lines[1].substr(0, 14), "0000200005dog ");
    EXPECT_EQ(lines[2].substr(0, 15), "0000200006dove ");
    expectInvariants();
}

TEST_F(StoreTest, AnEntryBeforeEveryLexiconEntryIsAnchoredToZeroAndListedFirst) {
    ASSERT_TRUE(insert("kappa2").done());
    ASSERT_TRUE(insert("aardvark").done());
    ASSERT_TRUE(insert("aaa").done());
    EXPECT_EQ(englishLines()[0].substr(0, 13), "0000000007aaa");
    EXPECT_EQ(englishLines()[1].substr(0, 18), "0000000006aardvark");
    EXPECT_EQ(tables.entries[1].headword, "aaa");
    EXPECT_EQ(tables.entries[2].headword, "aardvark");
    expectInvariants();
}

TEST_F(StoreTest, GreekHeadwordsGoInGreekOrder) {
    ASSERT_TRUE(insert("beta", Cp("βήτα")).done());
    ASSERT_TRUE(insert("gamma", Cp("Γάμμα")).done());
    ASSERT_TRUE(insert("aaa", Cp("Αα")).done());  // before every Greek slot: anchored to slot 1
    const auto lines = greekLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0],
              "00001"
              "00007" +
                  Cp("Αα"));
    EXPECT_EQ(lines[1],
              "00001"
              "00005" +
                  Cp("βήτα"));
    EXPECT_EQ(lines[2],
              "00001"
              "00006" +
                  Cp("Γάμμα"));
    const int gamma = slot("gamma");
    EXPECT_EQ(tables.greek[tables.entries[gamma].greekSlot].headword, Cp("Γάμμα"));
    expectInvariants();
}

TEST_F(StoreTest, AGreekHeadwordAfterTheUsersOwnHangsFromTheLexiconSlotBelowThem) {
    ASSERT_TRUE(insert("epsilon", Cp("έψιλον")).done());  // after δέλτα (number 2)
    ASSERT_TRUE(insert("zeta", Cp("ζήτα")).done());       // after έψιλον, a personal one
    EXPECT_EQ(greekLines()[1].substr(0, 10), "0000200006");
    expectInvariants();
}

TEST_F(StoreTest, AGreekLineThatRendersNoEntryStillAnchorsAHeadwordAfterIt) {
    lexicon.addGreek(9, Cp("ωωω"));  // entry 9 does not exist
    lexicon.writeLexicon(program.path());
    reload();
    ASSERT_TRUE(insert("psi", Cp("ωωωα")).done());
    ASSERT_EQ(greekLines().size(), 1u);
    EXPECT_EQ(greekLines()[0].substr(0, 10), "0000900005");
    const int greekSlot = tables.entries[slot("psi")].greekSlot;
    EXPECT_EQ(greekSlot, tables.greek.count());
    EXPECT_EQ(tables.greek[greekSlot - 1].headword, Cp("ωωω"));
}

TEST_F(StoreTest, AGreekHeadwordLandsAmongTheSeveralLinesOfOneEntry) {
    // Entry 1 renders as άλφα and as ζάλφα, far apart in Greek order.
    test::LexiconBuilder sorted;
    const char* words[][2] = {
        {"alpha", "άλφα"}, {"delta", "δέλτα"}, {"kappa", "κάππα"}, {"omega", "ωμέγα"}};
    for (const auto& [english, greek] : words) {
        const int number = sorted.addEntry(english, std::string("{") + english + "}", 1, "PHYS");
        sorted.addGreek(number, Cp(greek));
        if (number == 2) sorted.addGreek(1, Cp("ζάλφα"));
    }
    sorted.writeLexicon(program.path());
    reload();
    ASSERT_TRUE(insert("eta", Cp("ήτα")).done());  // after ζάλφα: anchored to entry 1
    EXPECT_EQ(greekLines()[0].substr(0, 10), "0000100005");
    const int greekSlot = tables.entries[slot("eta")].greekSlot;
    EXPECT_EQ(tables.greek[greekSlot - 1].headword, Cp("ζάλφα"));
    EXPECT_EQ(tables.greek[greekSlot + 1].headword, Cp("κάππα"));
}

TEST_F(StoreTest, SupplementsAreAddedAndReplaced) {
    ASSERT_TRUE(insert("kilo").done());
    ASSERT_TRUE(update("kappa", {"kappa", "", -1, "first"}).done());
    EXPECT_EQ(tables.entries[slot("kappa")].kind, EntryKind::Annotated);
    // The supplement goes before the first line hanging from the same or a later entry.
    EXPECT_EQ(englishLines()[0].substr(0, 10), "0000300003");
    EXPECT_EQ(englishLines()[0].size(), 103u);
    ASSERT_TRUE(update("kappa", {"kappa", "", -1, "second, longer"}).done());
    EXPECT_EQ(englishLines().size(), 2u);
    EXPECT_EQ(ReadSupplement(notes.back(), personal), EscapeUserText("second, longer"));
    expectInvariants();
}

TEST_F(StoreTest, DeletingRemovesTheEntryAndItsGreekLines) {
    ASSERT_TRUE(insert("beta", Cp("βήτα"), "b").done());
    ASSERT_TRUE(insert("gamma", "", "g").done());
    ASSERT_TRUE(remove("beta").done());
    EXPECT_EQ(slot("beta"), 0);
    EXPECT_TRUE(greekLines().empty());
    EXPECT_EQ(englishLines().size(), 1u);
    expectInvariants();
    ASSERT_TRUE(remove("gamma").done());
    // The last one gone: the files stay, empty.
    EXPECT_EQ(ReadWholeFile(personal.englishIndex), "");
    EXPECT_EQ(ReadWholeFile(personal.texts), "");
    expectInvariants();
}

TEST_F(StoreTest, OnlyTheUsersOwnEntriesAreDeleted) {
    ASSERT_TRUE(update("alpha", {"alpha", "", -1, "mine"}).done());
    const StoreSnapshot before = snapshot();
    EXPECT_EQ(remove("alpha").status, StoreStatus::NothingToDo);
    EXPECT_EQ(remove("delta").status, StoreStatus::NothingToDo);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(StoreTest, UpdatingAnEntryGivesItANewNumberAndPlace) {
    ASSERT_TRUE(insert("beta", Cp("βήτα"), "b").done());  // 5
    ASSERT_TRUE(insert("gamma", "", "g").done());         // 6
    ASSERT_TRUE(update("beta", {"theta", Cp("θήτα"), 2, "t"}).done());
    EXPECT_EQ(slot("beta"), 0);
    const int theta = slot("theta");
    ASSERT_NE(theta, 0);
    EXPECT_EQ(tables.entries[theta].number, 7);
    EXPECT_EQ(tables.entries[theta].fieldCode, "PHYS");
    EXPECT_EQ(tables.greek[tables.entries[theta].greekSlot].headword, Cp("θήτα"));
    EXPECT_EQ(greekLines().size(), 1u);
    expectInvariants();
    // The largest number was the entry's own: a number is never handed out twice.
    ASSERT_TRUE(update("theta", {"theta", "", -1, "t2"}).done());
    EXPECT_EQ(tables.entries[slot("theta")].number, 8);
    EXPECT_TRUE(greekLines().empty());
    expectInvariants();
}

TEST_F(StoreTest, AnEntryWithoutHeadwordOrDescriptionIsRefused) {
    ASSERT_TRUE(insert("beta").done());
    const StoreSnapshot before = snapshot();
    EXPECT_EQ(update("beta", {"", "", -1, "x"}).status, StoreStatus::FieldsMissing);
    EXPECT_EQ(update("beta", {"beta", "", -1, ""}).status, StoreStatus::FieldsMissing);
    EXPECT_EQ(insert("", "", "text").status, StoreStatus::FieldsMissing);
    EXPECT_EQ(insert("gamma", "", "").status, StoreStatus::FieldsMissing);
    // Blanks count as filled in a description, as in the editor.
    EXPECT_TRUE(personal::EntryComplete({"x", "", -1, " "}));
    EXPECT_EQ(snapshot(), before);
}

TEST_F(StoreTest, LimitsAreCheckedBeforeAnythingIsWritten) {
    ASSERT_TRUE(insert("beta").done());
    const StoreSnapshot before = snapshot();
    // 24997 bytes take 100000 escaped.
    EXPECT_EQ(insert("long", "", std::string(24997, 'x')).status, StoreStatus::DescriptionTooLong);
    EXPECT_EQ(update("alpha", {"alpha", "", -1, std::string(24997, 'x')}).status,
              StoreStatus::DescriptionTooLong);
    EXPECT_EQ(snapshot(), before);
    // 24996 bytes take 99996: the most there is room for.
    EXPECT_TRUE(insert("long", "", std::string(24996, 'x')).done());
    expectInvariants();
}

TEST_F(StoreTest, AFullTableTakesNoMoreEntries) {
    EntryTables full;
    for (int i = 1; i <= kTableCapacity; ++i) {
        EntryRecord record;
        record.number = static_cast<uint16_t>(i);
        record.headword = "w" + std::to_string(i);
        record.kind = EntryKind::Lexicon;
        record.keyStart = 1;
        full.entries.append(record);
    }
    full.personalStamp = tables.personalStamp;  // built from the files as they are
    const personal::StoreContext context{files, full, &fields, personal, *fileSystem};
    EXPECT_EQ(personal::InsertPersonalEntry(context, {"beta", "", -1, "b"}).status,
              StoreStatus::StoreFull);
    EXPECT_FALSE(std::filesystem::exists(personal.englishIndex));
}

TEST_F(StoreTest, TheEditorsCheckRefusesWhatTheStoreWouldBeforeAnythingIsWritten) {
    using personal::CheckEntry;
    using personal::EntryRef;
    ASSERT_TRUE(insert("beta", Cp("βήτα")).done());
    const personal::PendingEntry fine{"gamma", Cp("γάμμα"), -1, "γράμμα"};
    EXPECT_TRUE(CheckEntry(tables, std::nullopt, fine).done());
    EXPECT_EQ(CheckEntry(tables, std::nullopt, {"", "", -1, "x"}).status,
              StoreStatus::FieldsMissing);
    EXPECT_EQ(CheckEntry(tables, std::nullopt, {"long", "", -1, std::string(24997, 'x')}).status,
              StoreStatus::DescriptionTooLong);
    std::string signs;
    for (int i = 0; i < 14286; ++i)
        signs += "≤";  // \u8804? takes 7 bytes stored
    EXPECT_EQ(CheckEntry(tables, std::nullopt, {"long", "", -1, signs}).status,
              StoreStatus::DescriptionTooLong);

    // A full English table takes no new entry, but a note on a lexicon entry, or a changed own
    // entry that takes the place of the old one, still fits.
    EntryTables full = tables;
    for (int number = 100; full.entries.count() < kTableCapacity; ++number) {
        EntryRecord record;
        record.number = static_cast<uint16_t>(number);
        record.headword = "w";
        record.keyStart = 1;
        full.entries.append(record);
    }
    EXPECT_EQ(CheckEntry(full, std::nullopt, fine).status, StoreStatus::StoreFull);
    EXPECT_TRUE(CheckEntry(full, EntryRef{1, EntryKind::Lexicon}, fine).done());
    const EntryRef own{tables.entries[slot("beta")].number, EntryKind::Personal};
    EXPECT_TRUE(CheckEntry(full, own, fine).done());
}

TEST_F(StoreTest, DamagedFilesAreNotMadeWorse) {
    ASSERT_TRUE(insert("beta").done());
    // clex.tbo cut short: ci.tbo promises more than it holds.
    WriteFileAtomically(personal.texts, "ab");
    const StoreSnapshot before = snapshot();
    EXPECT_EQ(insert("gamma").status, StoreStatus::FileError);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(StoreTest, WithoutAPersonalFolderNothingIsWritten) {
    const PersonalFiles none;
    const personal::StoreContext context{files, tables, &fields, none, *fileSystem};
    EXPECT_EQ(personal::InsertPersonalEntry(context, {"beta", "", -1, "b"}).status,
              StoreStatus::FileError);
}

TEST_F(StoreTest, AnUnwritableFolderLeavesTheFilesAsTheyWere) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser writes anywhere";
    ASSERT_TRUE(insert("beta").done());
    const StoreSnapshot before = snapshot();
    std::filesystem::permissions(
        folder.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const auto result = insert("gamma");
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_all);
    // Told as a folder the user may not write, naming it, not as a damaged file.
    EXPECT_EQ(result.status, StoreStatus::ReadOnly);
    EXPECT_NE(result.reason.find(folder.path()), std::string::npos) << result.reason;
    EXPECT_EQ(snapshot(), before);
}

TEST_F(StoreTest, AnInterruptedChangeIsRolledBackAtTheNextOperation) {
    ASSERT_TRUE(insert("beta").done());
    const StoreSnapshot before = snapshot();
    // As a crash between two renames leaves it: ci.tbo replaced, clex.tbo not yet.
    std::filesystem::create_hard_link(personal.englishIndex, personal.englishIndex + ".old");
    std::filesystem::create_hard_link(personal.texts, personal.texts + ".old");
    WriteFileAtomically(folder.file("store.journal"), "1 ci.tbo\n1 clex.tbo\n");
    WriteFileAtomically(personal.tempTexts, "half");
    WriteFileAtomically(personal.englishIndex, "garbage\r\n");
    EXPECT_TRUE(personal::RecoverPersonalStore(personal).done());
    EXPECT_EQ(snapshot(), before);
    expectInvariants();
}

}  // namespace
}  // namespace orvan::test
