// Removing the user's supplement of a lexicon entry: only that supplement goes, every other line
// and text stays, and a window showing another state than the files' removes nothing.
#include <map>

#include "lexicon/description.h"
#include "lexicon/text_file.h"
#include "tests/personal/store_fixture.h"

namespace orvan::test {
namespace {

using personal::EscapeUserText;
using personal::StoreStatus;

class SupplementTest : public StoreTest {
  protected:
    // The text of every entry of the user's (its description) or with a supplement (the
    // supplement), by headword.
    std::map<std::string, std::string> UserTexts() const {
        std::map<std::string, std::string> texts;
        for (int slot = 1; slot <= tables.entries.count(); ++slot) {
            const EntryRecord& record = tables.entries[slot];
            if (record.kind == EntryKind::Personal)
                texts[record.headword] = ReadEntryDescription(record, files, personal);
            if (record.kind == EntryKind::Annotated)
                texts[record.headword] = ReadSupplement(notes.at(record.noteIndex), personal);
        }
        return texts;
    }

    // ci.tbo's lines without their text positions, which move when a text before them goes.
    std::vector<std::string> LinesWithoutPositions() const {
        std::vector<std::string> lines = EnglishLines();
        for (std::string& line : lines)
            line.erase(90, 8);
        return lines;
    }

    long long Number(const std::string& headword) const {
        return tables.entries[Slot(headword)].number;
    }
};

TEST_F(SupplementTest, RemovingASupplementLeavesEveryOtherLineAndText) {
    ASSERT_TRUE(Insert("beta", Cp("βήτα"), "b").done());
    ASSERT_TRUE(Update("alpha", {"alpha", "", -1, "first"}).done());
    ASSERT_TRUE(Update("kappa", {"kappa", "", -1, "middle"}).done());
    ASSERT_TRUE(Insert("kilo", Cp("κίλο"), "k", 1).done());
    ASSERT_TRUE(Update("omega", {"omega", "", -1, "last"}).done());
    std::map<std::string, std::string> texts = UserTexts();
    std::vector<std::string> lines = LinesWithoutPositions();
    const auto greek = ReadWholeFile(personal.greekIndex);
    const long long kappa = Number("kappa");

    const auto result = DeleteSupplement("kappa");
    ASSERT_TRUE(result.done()) << result.reason;
    EXPECT_EQ(result.entryNumber, kappa);
    EXPECT_EQ(tables.entries[Slot("kappa")].kind, EntryKind::Lexicon);
    texts.erase("kappa");
    EXPECT_EQ(UserTexts(), texts);
    // The kappa supplement was the third line, between beta and kilo.
    lines.erase(lines.begin() + 2);
    EXPECT_EQ(LinesWithoutPositions(), lines);
    EXPECT_EQ(ReadWholeFile(personal.greekIndex), greek);
    ExpectInvariants();

    // The first and the last line go as well; a supplement can be added again afterwards.
    ASSERT_TRUE(DeleteSupplement("alpha").done());
    ASSERT_TRUE(DeleteSupplement("omega").done());
    EXPECT_EQ(UserTexts(), (std::map<std::string, std::string>{{"beta", EscapeUserText("b")},
                                                               {"kilo", EscapeUserText("k")}}));
    ExpectInvariants();
    ASSERT_TRUE(Update("kappa", {"kappa", "", -1, "again"}).done());
    EXPECT_EQ(UserTexts().at("kappa"), EscapeUserText("again"));
    ExpectInvariants();
}

TEST_F(SupplementTest, RemovingTheOnlySupplementLeavesTheFilesEmpty) {
    ASSERT_TRUE(Update("delta", {"delta", "", -1, "note"}).done());
    ASSERT_TRUE(DeleteSupplement("delta").done());
    EXPECT_EQ(ReadWholeFile(personal.englishIndex), "");
    EXPECT_EQ(ReadWholeFile(personal.texts), "");
    EXPECT_TRUE(notes.empty());
    ExpectInvariants();
}

TEST_F(SupplementTest, OnlyAnEntryWithASupplementHasOneRemoved) {
    ASSERT_TRUE(Insert("beta", Cp("βήτα"), "b").done());
    ASSERT_TRUE(Update("alpha", {"alpha", "", -1, "mine"}).done());
    const StoreSnapshot before = Snapshot();
    // A lexicon entry without one, the user's own entry, numbers no entry has.
    for (const long long number : {Number("delta"), Number("beta"), 999LL, 0LL, -1LL}) {
        const auto result = personal::DeleteSupplement(Context(), number);
        EXPECT_EQ(result.status, StoreStatus::EntryChanged) << number;
        EXPECT_EQ(result.reason,
                  "entry " + std::to_string(number) + " was changed or deleted by another program");
    }
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(SupplementTest, TablesOlderThanTheFilesRemoveOnlyWhatTheFilesStillHold) {
    ASSERT_TRUE(Update("alpha", {"alpha", "", -1, "a"}).done());
    ASSERT_TRUE(Update("kappa", {"kappa", "", -1, "k"}).done());
    const EntryTables stale = tables;
    const long long alpha = Number("alpha"), kappa = Number("kappa");
    // Meanwhile another program moves every slot and removes kappa's supplement itself.
    ASSERT_TRUE(Insert("aaa", "", "first").done());
    ASSERT_TRUE(DeleteSupplement("kappa").done());
    const StoreSnapshot before = Snapshot();

    tables = stale;
    EXPECT_EQ(personal::DeleteSupplement(Context(), kappa).status, StoreStatus::EntryChanged);
    EXPECT_EQ(Snapshot(), before);
    ASSERT_TRUE(personal::DeleteSupplement(Context(), alpha).done());
    Reload();
    EXPECT_EQ(tables.entries[Slot("alpha")].kind, EntryKind::Lexicon);
    EXPECT_EQ(UserTexts(), (std::map<std::string, std::string>{{"aaa", EscapeUserText("first")}}));
    ExpectInvariants();
}

TEST_F(SupplementTest, EverySupplementLineOfTheEntryGoes) {
    // Written by hand, not by the store: two supplement lines for delta, the second one shown.
    lexicon.AddSupplement(2, "{one}");
    lexicon.AddPersonalEntry(2, 7, "echo", "{e}");
    lexicon.AddSupplement(2, "{two}");
    lexicon.WritePersonal(folder.Path());
    Reload();
    ASSERT_EQ(UserTexts().at("delta"), "{two}");
    ASSERT_TRUE(DeleteSupplement("delta").done());
    EXPECT_EQ(tables.entries[Slot("delta")].kind, EntryKind::Lexicon);
    EXPECT_EQ(UserTexts(), (std::map<std::string, std::string>{{"echo", "{e}"}}));
    EXPECT_EQ(EnglishLines().size(), 1u);
}

}  // namespace
}  // namespace orvan::test
