// A change of some parts of an entry keeps the others as the files hold them, whatever the
// caller's tables show; a headword of blanks and control characters alone is no headword.
#include <gtest/gtest.h>

#include "tests/personal/store_fixture.h"

namespace orvan::test {
namespace {

using personal::StoreStatus;

TEST_F(StoreTest, APartialChangeKeepsWhatItDoesNotNameAsTheFilesHoldIt) {
    ASSERT_TRUE(Insert("beta", Cp("βήτα"), "old", 2).done());
    const long long beta = tables.entries[Slot("beta")].number;
    // Tables read in part: no Greek headword, no science, an older headword.
    EntryTables partial = tables;
    partial.entries.at(Slot("beta")).fieldCode.clear();
    partial.entries.at(Slot("beta")).greekSlot = 0;
    partial.personalStamp = {};  // not the files as they are: the store reads them again
    personal::EntryChange change;
    change.description = "new";
    ASSERT_TRUE(personal::ChangeEntry({files, partial, &fields, personal, *fileSystem},
                                      {beta, EntryKind::Personal}, change)
                    .done());
    Reload();
    const EntryRecord& changed = tables.entries[Slot("beta")];
    EXPECT_EQ(changed.fieldCode, "PHYS");
    EXPECT_EQ(tables.greek[changed.greekSlot].headword, Cp("βήτα"));
    ExpectInvariants();

    // What it names changes; the rest stays.
    change.greek = "";
    change.fieldIndex = 1;
    ASSERT_TRUE(personal::ChangeEntry(
                    Context(), {tables.entries[Slot("beta")].number, EntryKind::Personal}, change)
                    .done());
    Reload();
    EXPECT_EQ(tables.entries[Slot("beta")].fieldCode, "MATH");
    EXPECT_EQ(tables.entries[Slot("beta")].greekSlot, 0);
}

TEST_F(StoreTest, AHeadwordOfBlanksAndControlCharactersAloneIsRefused) {
    const StoreSnapshot before = Snapshot();
    for (const char* headword : {" ", "\t\r\n", " \x01 "}) {
        EXPECT_EQ(Insert(headword).status, StoreStatus::FieldsMissing);
        EXPECT_FALSE(personal::EntryComplete({headword, "", -1, "text"}));
    }
    EXPECT_EQ(Snapshot(), before);
    ASSERT_TRUE(Insert("beta").done());
    personal::EntryChange blank;
    blank.english = "  ";
    blank.description = "x";
    EXPECT_EQ(personal::ChangeEntry(
                  Context(), {tables.entries[Slot("beta")].number, EntryKind::Personal}, blank)
                  .status,
              StoreStatus::FieldsMissing);
}

}  // namespace
}  // namespace orvan::test
