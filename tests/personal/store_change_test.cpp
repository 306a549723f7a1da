// A change of some parts of an entry keeps the others as the files hold them, whatever the
// caller's tables show; a headword of blanks and control characters alone is no headword.
#include <gtest/gtest.h>

#include "tests/personal/store_fixture.h"

namespace orvan::test {
namespace {

using personal::StoreStatus;

TEST_F(StoreTest, APartialChangeKeepsWhatItDoesNotNameAsTheFilesHoldIt) {
    ASSERT_TRUE(insert("beta", Cp("βήτα"), "old", 2).done());
    const long long beta = tables.entries[slot("beta")].number;
    // Tables read in part: no Greek headword, no science, an older headword.
    EntryTables partial = tables;
    partial.entries.at(slot("beta")).fieldCode.clear();
    partial.entries.at(slot("beta")).greekSlot = 0;
    partial.personalStamp = {};  // not the files as they are: the store reads them again
    personal::EntryChange change;
    change.description = "new";
    ASSERT_TRUE(personal::ChangeEntry({files, partial, &fields, personal, *fileSystem},
                                      {beta, EntryKind::Personal}, change)
                    .done());
    reload();
    const EntryRecord& changed = tables.entries[slot("beta")];
    EXPECT_EQ(changed.fieldCode, "PHYS");
    EXPECT_EQ(tables.greek[changed.greekSlot].headword, Cp("βήτα"));
    expectInvariants();

    // What it names changes; the rest stays.
    change.greek = "";
    change.fieldIndex = 1;
    ASSERT_TRUE(personal::ChangeEntry(
                    context(), {tables.entries[slot("beta")].number, EntryKind::Personal}, change)
                    .done());
    reload();
    EXPECT_EQ(tables.entries[slot("beta")].fieldCode, "MATH");
    EXPECT_EQ(tables.entries[slot("beta")].greekSlot, 0);
}

TEST_F(StoreTest, AHeadwordOfBlanksAndControlCharactersAloneIsRefused) {
    const StoreSnapshot before = snapshot();
    for (const char* headword : {" ", "\t\r\n", " \x01 "}) {
        EXPECT_EQ(insert(headword).status, StoreStatus::FieldsMissing);
        EXPECT_FALSE(personal::EntryComplete({headword, "", -1, "text"}));
    }
    EXPECT_EQ(snapshot(), before);
    ASSERT_TRUE(insert("beta").done());
    personal::EntryChange blank;
    blank.english = "  ";
    blank.description = "x";
    EXPECT_EQ(personal::ChangeEntry(
                  context(), {tables.entries[slot("beta")].number, EntryKind::Personal}, blank)
                  .status,
              StoreStatus::FieldsMissing);
}

}  // namespace
}  // namespace orvan::test
