// The lexicon's index files read through a mapping, and the index line decoder that reuses one
// buffer for every line.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "lexicon/codecs.h"
#include "lexicon/text_file.h"
#include "tests/support/lexicon_fixture.h"

namespace orvan {
namespace {

TEST(FileView, GivesWhatReadingGivesForEveryKindOfFile) {
    test::TempFolder folder;
    folder.write("index", std::string(100000, 'x') + "\r\nend");
    folder.write("empty", "");
    ::mkdir(folder.file("sub").c_str(), 0700);
    ::mkfifo(folder.file("fifo").c_str(), 0600);
    for (const char* name : {"index", "empty", "none", "sub", "fifo"}) {
        const Result<std::string> read = ReadRegularFile(folder.file(name));
        const Result<FileView> view = ViewRegularFile(folder.file(name));
        ASSERT_EQ(view.has_value(), read.has_value()) << name;
        if (read) {
            EXPECT_EQ(view->bytes(), *read) << name;
        } else {
            EXPECT_EQ(view.error(), read.error()) << name;
        }
    }
}

TEST(FileView, KeepsTheFileAsOpenedWhenAnotherIsRenamedOverItAndSurvivesAMove) {
    test::TempFolder folder;
    const std::string path = folder.file("i.tbo");
    ASSERT_TRUE(WriteFileAtomically(path, "old lines\r\n"));
    FileView view = ViewRegularFile(path).value();
    ASSERT_TRUE(WriteFileAtomically(path, "new and longer lines\r\n"));
    EXPECT_EQ(view.bytes(), "old lines\r\n");
    const FileView moved = std::move(view);
    EXPECT_EQ(moved.bytes(), "old lines\r\n");
    EXPECT_EQ(ViewRegularFile(path)->bytes(), "new and longer lines\r\n");
}

TEST(IndexLineCodec, OneBufferForManyLinesDecodesEachAsAlone) {
    // Lengths up and down, odd and even, with every byte value but zero (which ends a line), so
    // that a longer line before a shorter one could leave something behind.
    std::string decoded;
    for (int length : {121, 0, 1, 2, 3, 86, 7, 255, 4, 5, 120}) {
        std::string stored;
        for (int i = 0; i < length; ++i)
            stored += static_cast<char>(1 + (i * 37 + length) % 255);
        const int lineNumber = 1000 + length;
        DecodeIndexLineInto(lineNumber, stored, decoded);
        EXPECT_EQ(decoded, DecodeIndexLine(lineNumber, stored)) << length;
        EXPECT_EQ(decoded.size(), stored.size()) << length;
    }
}

}  // namespace
}  // namespace orvan
