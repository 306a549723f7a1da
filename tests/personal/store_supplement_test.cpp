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
    std::map<std::string, std::string> userTexts() const {
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
    std::vector<std::string> linesWithoutPositions() const {
        std::vector<std::string> lines = englishLines();
        for (std::string& line : lines)
            line.erase(90, 8);
        return lines;
    }

    long long number(const std::string& headword) const {
        return tables.entries[slot(headword)].number;
    }
};

TEST_F(SupplementTest, RemovingASupplementLeavesEveryOtherLineAndText) {
    ASSERT_TRUE(insert("beta", Cp("βήτα"), "b").done());
    ASSERT_TRUE(update("alpha", {"alpha", "", -1, "first"}).done());
    ASSERT_TRUE(update("kappa", {"kappa", "", -1, "middle"}).done());
    ASSERT_TRUE(insert("kilo", Cp("κίλο"), "k", 1).done());
    ASSERT_TRUE(update("omega", {"omega", "", -1, "last"}).done());
    std::map<std::string, std::string> texts = userTexts();
    std::vector<std::string> lines = linesWithoutPositions();
    const auto greek = ReadWholeFile(personal.greekIndex);
    const long long kappa = number("kappa");

    const auto result = deleteSupplement("kappa");
    ASSERT_TRUE(result.done()) << result.reason;
    EXPECT_EQ(result.entryNumber, kappa);
    EXPECT_EQ(tables.entries[slot("kappa")].kind, EntryKind::Lexicon);
    texts.erase("kappa");
    EXPECT_EQ(userTexts(), texts);
    // The kappa supplement was the third line, between beta and kilo.
    lines.erase(lines.begin() + 2);
    EXPECT_EQ(linesWithoutPositions(), lines);
    EXPECT_EQ(ReadWholeFile(personal.greekIndex), greek);
    expectInvariants();

    // The first and the last line go as well; a supplement can be added again afterwards.
    ASSERT_TRUE(deleteSupplement("alpha").done());
    ASSERT_TRUE(deleteSupplement("omega").done());
    EXPECT_EQ(userTexts(), (std::map<std::string, std::string>{{"beta", EscapeUserText("b")},
                                                               {"kilo", EscapeUserText("k")}}));
    expectInvariants();
    ASSERT_TRUE(update("kappa", {"kappa", "", -1, "again"}).done());
    EXPECT_EQ(userTexts().at("kappa"), EscapeUserText("again"));
    expectInvariants();
}

TEST_F(SupplementTest, RemovingTheOnlySupplementLeavesTheFilesEmpty) {
    ASSERT_TRUE(update("delta", {"delta", "", -1, "note"}).done());
    ASSERT_TRUE(deleteSupplement("delta").done());
    EXPECT_EQ(ReadWholeFile(personal.englishIndex), "");
    EXPECT_EQ(ReadWholeFile(personal.texts), "");
    EXPECT_TRUE(notes.empty());
    expectInvariants();
}

TEST_F(SupplementTest, OnlyAnEntryWithASupplementHasOneRemoved) {
    ASSERT_TRUE(insert("beta", Cp("βήτα"), "b").done());
    ASSERT_TRUE(update("alpha", {"alpha", "", -1, "mine"}).done());
    const StoreSnapshot before = snapshot();
    // A lexicon entry without one, the user's own entry, numbers no entry has.
    for (const long long number : {number("delta"), number("beta"), 999LL, 0LL, -1LL}) {
        const auto result = personal::DeleteSupplement(context(), number);
        EXPECT_EQ(result.status, StoreStatus::EntryChanged) << number;
        EXPECT_EQ(result.reason,
                  "entry " + std::to_string(number) + " was changed or deleted by another program");
    }
    EXPECT_EQ(snapshot(), before);
}

TEST_F(SupplementTest, TablesOlderThanTheFilesRemoveOnlyWhatTheFilesStillHold) {
    ASSERT_TRUE(update("alpha", {"alpha", "", -1, "a"}).done());
    ASSERT_TRUE(update("kappa", {"kappa", "", -1, "k"}).done());
    const EntryTables stale = tables;
    const long long alpha = number("alpha"), kappa = number("kappa");
    // Meanwhile another program moves every slot and removes kappa's supplement itself.
    ASSERT_TRUE(insert("aaa", "", "first").done());
    ASSERT_TRUE(deleteSupplement("kappa").done());
    const StoreSnapshot before = snapshot();

    tables = stale;
    EXPECT_EQ(personal::DeleteSupplement(context(), kappa).status, StoreStatus::EntryChanged);
    EXPECT_EQ(snapshot(), before);
    ASSERT_TRUE(personal::DeleteSupplement(context(), alpha).done());
    reload();
    EXPECT_EQ(tables.entries[slot("alpha")].kind, EntryKind::Lexicon);
    EXPECT_EQ(userTexts(), (std::map<std::string, std::string>{{"aaa", EscapeUserText("first")}}));
    expectInvariants();
}

TEST_F(SupplementTest, EverySupplementLineOfTheEntryGoes) {
    // Written by hand, not by the store: two supplement lines for delta, the second one shown.
    lexicon.addSupplement(2, "{one}");
    lexicon.addPersonalEntry(2, 7, "echo", "{e}");
    lexicon.addSupplement(2, "{two}");
    lexicon.writePersonal(folder.path());
    reload();
    ASSERT_EQ(userTexts().at("delta"), "{two}");
    ASSERT_TRUE(deleteSupplement("delta").done());
    EXPECT_EQ(tables.entries[slot("delta")].kind, EntryKind::Lexicon);
    EXPECT_EQ(userTexts(), (std::map<std::string, std::string>{{"echo", "{e}"}}));
    EXPECT_EQ(englishLines().size(), 1u);
}

}  // namespace
}  // namespace orvan::test
