// Entry numbers are never handed out twice in a personal folder: a change worked out from tables
// read before another program deleted an entry and inserted one cannot find the new entry under
// the old one's number.
#include <gtest/gtest.h>

#include <filesystem>

#include "lexicon/text_file.h"
#include "personal/store_commit.h"
#include "tests/personal/store_fixture.h"

namespace orvan::test {
namespace {

using personal::StoreStatus;

class StoreNumbersTest : public StoreTest {
  protected:
    long long NumberOf(const std::string& headword) const {
        return tables.entries[Slot(headword)].number;
    }
    std::string Mark() const { return folder.read(personal::kNumberMarkName); }
};

TEST_F(StoreNumbersTest, ADeletedEntrysNumberIsNotHandedOutAgain) {
    ASSERT_TRUE(Insert("beta").done());
    ASSERT_TRUE(Insert("gamma").done());
    const long long gamma = NumberOf("gamma");  // the largest in use
    EXPECT_EQ(Mark(), std::to_string(gamma) + "\n");
    ASSERT_TRUE(Delete("gamma").done());
    ASSERT_TRUE(Insert("precious").done());
    EXPECT_EQ(NumberOf("precious"), gamma + 1);  // the number freed stays unused
    ExpectInvariants();
}

TEST_F(StoreNumbersTest, AStaleChangeOfAnEntryReplacedElsewhereIsRefused) {
    ASSERT_TRUE(Insert("beta").done());
    ASSERT_TRUE(Insert("three").done());
    const EntryTables before = tables;  // what a window or a script read
    const long long three = NumberOf("three");
    // Another program deletes "three" and inserts "precious".
    ASSERT_TRUE(Delete("three").done());
    ASSERT_TRUE(Insert("precious").done());
    const StoreSnapshot files = Snapshot();
    const personal::StoreContext stale{this->files, before, &fields, personal, *fileSystem};
    EXPECT_EQ(personal::DeletePersonalEntry(stale, three).status, StoreStatus::EntryChanged);
    EXPECT_EQ(personal::UpdatePersonalEntry(stale, {three, EntryKind::Personal},
                                            {"three", "", -1, "changed"})
                  .status,
              StoreStatus::EntryChanged);
    EXPECT_EQ(Snapshot(), files);
}

TEST_F(StoreNumbersTest, AMissingOrDamagedMarkIsWorkedOutFromTheNumbersInUse) {
    ASSERT_TRUE(Insert("beta").done());
    const long long beta = NumberOf("beta");
    for (const char* damaged : {"", "x\n", "0\n", "99999\n"}) {
        if (*damaged == '\0') {
            std::filesystem::remove(folder.File(personal::kNumberMarkName));
        } else {
            folder.Write(personal::kNumberMarkName, damaged);
        }
        ASSERT_TRUE(Insert("gamma").done()) << damaged;
        EXPECT_EQ(NumberOf("gamma"), beta + 1) << damaged;
        ASSERT_TRUE(Delete("gamma").done());
        // The delete kept the mark: gamma's number is not handed out again.
        EXPECT_EQ(Mark(), std::to_string(beta + 1) + "\n") << damaged;
    }
}

TEST_F(StoreNumbersTest, PastTheTopNumbersGoRoundToTheSmallestFree) {
    ASSERT_TRUE(Insert("beta").done());  // number 5, after the lexicon's 1 to 4
    folder.Write(personal::kNumberMarkName, "65535\n");
    ASSERT_TRUE(Insert("gamma").done());
    EXPECT_EQ(NumberOf("gamma"), 6);
    EXPECT_EQ(Mark(), "6\n");
    ExpectInvariants();
}

}  // namespace
}  // namespace orvan::test
