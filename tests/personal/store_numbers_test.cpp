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
    long long numberOf(const std::string& headword) const {
        return tables.entries[slot(headword)].number;
    }
    std::string mark() const { return folder.read(personal::kNumberMarkName); }
};

TEST_F(StoreNumbersTest, ADeletedEntrysNumberIsNotHandedOutAgain) {
    ASSERT_TRUE(insert("beta").done());
    ASSERT_TRUE(insert("gamma").done());
    const long long gamma = numberOf("gamma");  // the largest in use
    EXPECT_EQ(mark(), std::to_string(gamma) + "\n");
    ASSERT_TRUE(remove("gamma").done());
    ASSERT_TRUE(insert("precious").done());
    EXPECT_EQ(numberOf("precious"), gamma + 1);  // the number freed stays unused
    expectInvariants();
}

TEST_F(StoreNumbersTest, AStaleChangeOfAnEntryReplacedElsewhereIsRefused) {
    ASSERT_TRUE(insert("beta").done());
    ASSERT_TRUE(insert("three").done());
    const EntryTables before = tables;  // what a window or a script read
    const long long three = numberOf("three");
    // Another program deletes "three" and inserts "precious".
    ASSERT_TRUE(remove("three").done());
    ASSERT_TRUE(insert("precious").done());
    const StoreSnapshot files = snapshot();
    const personal::StoreContext stale{this->files, before, &fields, personal, *fileSystem};
    EXPECT_EQ(personal::DeletePersonalEntry(stale, three).status, StoreStatus::EntryChanged);
    EXPECT_EQ(personal::UpdatePersonalEntry(stale, {three, EntryKind::Personal},
                                            {"three", "", -1, "changed"})
                  .status,
              StoreStatus::EntryChanged);
    EXPECT_EQ(snapshot(), files);
}

TEST_F(StoreNumbersTest, AMissingOrDamagedMarkIsWorkedOutFromTheNumbersInUse) {
    ASSERT_TRUE(insert("beta").done());
    const long long beta = numberOf("beta");
    for (const char* damaged : {"", "x\n", "0\n", "99999\n"}) {
        if (*damaged == '\0') {
            std::filesystem::remove(folder.file(personal::kNumberMarkName));
        } else {
            folder.write(personal::kNumberMarkName, damaged);
        }
        ASSERT_TRUE(insert("gamma").done()) << damaged;
        EXPECT_EQ(numberOf("gamma"), beta + 1) << damaged;
        ASSERT_TRUE(remove("gamma").done());
        // The delete kept the mark: gamma's number is not handed out again.
        EXPECT_EQ(mark(), std::to_string(beta + 1) + "\n") << damaged;
    }
}

TEST_F(StoreNumbersTest, PastTheTopNumbersGoRoundToTheSmallestFree) {
    ASSERT_TRUE(insert("beta").done());  // number 5, after the lexicon's 1 to 4
    folder.write(personal::kNumberMarkName, "65535\n");
    ASSERT_TRUE(insert("gamma").done());
    EXPECT_EQ(numberOf("gamma"), 6);
    EXPECT_EQ(mark(), "6\n");
    expectInvariants();
}

}  // namespace
}  // namespace orvan::test
