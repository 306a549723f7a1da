#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "personal/store_commit.h"
#include "personal/store_messages.h"

namespace orvan::personal {
namespace {

const std::string kJournal = "/home/ann/Orvan/store.journal";

TEST(StoreJournal, ReadsTheLinesTheStoreWritesAndRefusesEveryOther) {
    const auto lines = ParseJournal("1 ci.tbo\n\n0 clex.tbo\n1 cnum.tbo", kJournal);
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (std::vector<JournalLine>{
                          {true, "ci.tbo"}, {false, "clex.tbo"}, {true, "cnum.tbo"}}));
    EXPECT_EQ(ParseJournal("", kJournal), std::vector<JournalLine>{});

    for (const char* journal : {"1 notes.txt\n", "1 ../ci.tbo\n", "2 ci.tbo\n", "1ci.tbo\n", "1\n",
                                "1 \n", "1 ci.tbo\r\n", "1 ci.tbo\n1 store.journal\n"}) {
        const auto refused = ParseJournal(journal, kJournal);
        ASSERT_FALSE(refused) << journal;
        EXPECT_EQ(refused.error().code, ErrorCode::Refused);
        EXPECT_EQ(refused.error().path, kJournal);
        EXPECT_EQ(refused.error().message.rfind(kJournal + " names \"", 0), 0u) << journal;
    }
    // A file named twice: putting back its old file and then removing it would lose it.
    const auto twice = ParseJournal("1 ci.tbo\n0 ci.tbo\n", kJournal);
    ASSERT_FALSE(twice);
    EXPECT_NE(twice.error().message.find("\"0 ci.tbo\""), std::string::npos);
}

TEST(StoreJournal, AFileTheSystemRefusedIsNamedWithItsReasonInTheDetails) {
    StoreResult failed{StoreStatus::FileError, "cannot write /p/ci.tbo", 0, "/p"};
    EXPECT_EQ(StoreDetails(failed), "Φάκελος των λημμάτων σας: /p");
    failed.error = SystemError(ErrorCode::WriteFailed, "cannot write", "/p/ci.tbo", ENOSPC);
    EXPECT_EQ(StoreDetails(failed), "Φάκελος των λημμάτων σας: /p\nΑρχείο: /p/ci.tbo\nΑιτία: " +
                                        std::string(std::strerror(ENOSPC)));
    EXPECT_EQ(StoreMessage(failed.status),
              "Η αλλαγή δεν αποθηκεύτηκε. Τα αρχεία σας έμειναν όπως ήταν.");
}

}  // namespace
}  // namespace orvan::personal
