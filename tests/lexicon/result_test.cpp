#include "lexicon/result.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "lexicon/lexicon_files.h"
#include "lexicon/tables.h"
#include "lexicon/text_file.h"
#include "tests/support/lexicon_fixture.h"

namespace orvan {
namespace {

Result<int> Half(int n) {
    if (n % 2 != 0) return Failure(Error{ErrorCode::Refused, "", 0, std::to_string(n) + " is odd"});
    return n / 2;
}

TEST(Result, HoldsAValueOrAnErrorAndComparesByWhatItHolds) {
    EXPECT_TRUE(Half(4));
    EXPECT_EQ(Half(4), 2);
    EXPECT_EQ(*Half(4), 2);
    EXPECT_FALSE(Half(3));
    EXPECT_EQ(Half(3).error().message, "3 is odd");
    EXPECT_EQ(Half(3).value_or(-1), -1);
    EXPECT_EQ(Half(3), Half(3));
    EXPECT_NE(Half(3), Half(5));
    EXPECT_NE(Half(3), Half(6));
    EXPECT_THROW((void)Half(3).value(), BadResultAccess);

    // A value that can only be moved, as a mapped file is.
    Result<std::unique_ptr<int>> owned = std::make_unique<int>(7);
    const std::unique_ptr<int> taken = std::move(owned).value();
    EXPECT_EQ(*taken, 7);

    const Result<void> done;
    EXPECT_TRUE(done);
    const Result<void> failed =
        Failure(SystemError(ErrorCode::WriteFailed, "cannot write", "/a/b", ENOSPC));
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.error().path, "/a/b");
    EXPECT_EQ(failed.error().errorNumber, ENOSPC);
    EXPECT_EQ(failed.error().message, std::string("cannot write /a/b: ") + std::strerror(ENOSPC));
    EXPECT_EQ(failed.error().reason(), std::strerror(ENOSPC));
    EXPECT_THROW(failed.value(), BadResultAccess);
}

TEST(FileErrors, NameTheFileAndTheSystemsReason) {
    test::TempFolder folder;
    const std::string nowhere = folder.file("no/such/folder/file");
    const Result<void> written = WriteFileAtomically(nowhere, "x");
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().code, ErrorCode::WriteFailed);
    EXPECT_EQ(written.error().path, nowhere);
    EXPECT_EQ(written.error().errorNumber, ENOENT);
    EXPECT_EQ(written.error().message, "cannot write " + nowhere + ": " + std::strerror(ENOENT));

    EXPECT_EQ(ReadWholeFile(folder.file("none")).error().code, ErrorCode::Missing);
    EXPECT_EQ(ProblemOf(ReadWholeFile(folder.file("none"))), "");
    EXPECT_EQ(ReadWholeFile(folder.path()).error().code, ErrorCode::NotAFile);
    EXPECT_EQ(ProblemOf(ReadWholeFile(folder.path())), folder.path() + " is not a plain file");
    folder.write("long", "12345");
    EXPECT_EQ(ReadRegularFile(folder.file("long"), 4).error().code, ErrorCode::TooLarge);
    EXPECT_EQ(ReadFileRange(folder.file("long"), 6, 1).error().code, ErrorCode::Damaged);
    EXPECT_EQ(ReadFileRange(folder.file("long"), -1, 1).error().code, ErrorCode::Refused);
}

TEST(FileErrors, AScienceListThatCannotBeReadIsToldWithItsReason) {
    test::TempFolder folder;
    const LexiconFiles files(folder.path());
    ASSERT_EQ(::mkdir(folder.file("data").c_str(), 0700), 0);
    EXPECT_EQ(FieldTableProblem(files, LoadFieldTable(files)), "");  // none: no problem
    ASSERT_EQ(::mkdir(files.fields.c_str(), 0700), 0);
    EXPECT_EQ(FieldTableProblem(files, LoadFieldTable(files)),
              files.fields + " could not be read: " + files.fields + " is not a plain file");
}

}  // namespace
}  // namespace orvan
