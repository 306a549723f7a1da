// Text lines, blanks, paths, fixed-column formats, and the durable and atomic writes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "lexicon/blanks.h"
#include "lexicon/file_descriptor.h"
#include "lexicon/file_paths.h"
#include "lexicon/line_formats.h"
#include "lexicon/text_file.h"
#include "tests/support/lexicon_fixture.h"

namespace orvan {
namespace {

TEST(TextLines, EndAtCrLfLfOrLoneCrAndStopAtTheEndOfFileMark) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(SplitLines("a\r\nb\x1A"
                         "c\r\n"),
              (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(SplitLines("").empty());
    EXPECT_EQ(JoinLinesCrLf({"a", "b"}), "a\r\nb\r\n");
}

TEST(LineEnds, EveryKindBecomesCrLfAndNothingElseChanges) {
    EXPECT_EQ(WithCrLfLineEnds("a\nb\rc\r\nd"), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(WithCrLfLineEnds("\r\r\n\n\r"), "\r\n\r\n\r\n\r\n");
    EXPECT_EQ(WithCrLfLineEnds("\n\r"), "\r\n\r\n");  // LF CR is two line ends
    EXPECT_EQ(WithCrLfLineEnds(std::string("x\x1A\0y", 4)), std::string("x\x1A\0y", 4));
    EXPECT_EQ(WithCrLfLineEnds(""), "");
}

TEST(Blanks, EveryControlCharacterAndTheSpaceAreTrimmed) {
    EXPECT_EQ(TrimBlanks("\t engine \r\n"), "engine");
    EXPECT_EQ(TrimBlanks(std::string_view("\0 a b\x1F", 6)), "a b");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(TrimLeadingBlanks(" a "), "a ");
    EXPECT_EQ(TrimTrailingBlanks(" a "), " a");
    // Greek letters and the no-break space (0xA0) are text, not blanks.
    EXPECT_EQ(TrimBlanks("\xA0\xE1 "), "\xA0\xE1");
}

TEST(Paths, OneSlashBetweenFolderAndName) {
    EXPECT_EQ(PathInFolder("/home/ann", "ci.tbo"), "/home/ann/ci.tbo");
    EXPECT_EQ(PathInFolder("/home/ann//", "ci.tbo"), "/home/ann/ci.tbo");
    EXPECT_EQ(PathInFolder("/", "ci.tbo"), "/ci.tbo");
    EXPECT_EQ(PathInFolder("//", "ci.tbo"), "/ci.tbo");
    EXPECT_EQ(PathInFolder("", "ci.tbo"), "ci.tbo");
    EXPECT_EQ(PathInFolder("rel", "ci.tbo"), "rel/ci.tbo");
    EXPECT_EQ(BaseName("/home/ann/ci.tbo"), "ci.tbo");
    EXPECT_EQ(BaseName("ci.tbo"), "ci.tbo");
    EXPECT_EQ(FolderOf("/home/ann/ci.tbo"), "/home/ann");
    EXPECT_EQ(FolderOf("/ci.tbo"), "/");
    EXPECT_EQ(FolderOf("ci.tbo"), ".");
}

TEST(Decimal, AcceptsLeadingBlanksAndZerosOnly) {
    EXPECT_EQ(ParseDecimal("00042"), 42);
    EXPECT_EQ(ParseDecimal("   42"), 42);
    EXPECT_EQ(ParseDecimal("-0001"), -1);
    for (const char* bad : {"", "     ", "42 ", "4 2", "4a", "x", "-", "99999999999"}) {
        EXPECT_FALSE(ParseDecimal(bad).has_value()) << "'" << bad << "'";
    }
}

TEST(IndexLineFormat, RoundTripsEveryColumn) {
    const IndexLine line{12, "the engine", 57601, 310, 5, "MECH"};
    const std::string text = FormatIndexLine(line);
    EXPECT_EQ(text.size(), 104u);
    const auto parsed = ParseIndexLine(text);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->number, 12);
    EXPECT_EQ(parsed->headword, "the engine");
    EXPECT_EQ(parsed->descPos, 57601);
    EXPECT_EQ(parsed->descLen, 310);
    EXPECT_EQ(parsed->keyStart, 5);
    EXPECT_EQ(parsed->fieldCode, "MECH");
}

TEST(IndexLineFormat, RejectsShortLinesBadNumbersAndNumbersOutsideSixteenBits) {
    const std::string good = FormatIndexLine({7, "word", 0, 3, 1, ""});
    EXPECT_TRUE(ParseIndexLine(good));
    EXPECT_FALSE(ParseIndexLine(good.substr(0, 97)));  // no key start
    EXPECT_FALSE(ParseIndexLine("   "));
    EXPECT_FALSE(ParseIndexLine("0000" + good.substr(4, 1) + "x"));
    EXPECT_FALSE(ParseIndexLine("00000" + good.substr(5)));  // 0 ends a table
    EXPECT_FALSE(ParseIndexLine("70000" + good.substr(5)));
    EXPECT_FALSE(ParseIndexLine("0007 " + good.substr(5)));
    std::string badLength = good;
    badLength.replace(93, 5, "12 34");
    EXPECT_FALSE(ParseIndexLine(badLength));
}

TEST(PersonalLineFormat, TellsEntriesFromSupplementsByTheirNumbersAsText) {
    const std::string entry =
        FormatPersonalIndexLine({"", "", 12, 40001, "mine", 1, 9, "", "PHYS"});
    const auto parsedEntry = ParsePersonalIndexLine(entry);
    ASSERT_TRUE(parsedEntry);
    EXPECT_FALSE(parsedEntry->isSupplement());
    EXPECT_EQ(parsedEntry->own, 40001);
    EXPECT_EQ(parsedEntry->headword, "mine");
    EXPECT_EQ(parsedEntry->fieldCode, "PHYS");

    const std::string supplement = FormatPersonalIndexLine({"", "", 12, 12, "", 10, 7, "", ""});
    EXPECT_EQ(supplement.size(), 103u);
    const auto parsedSupplement = ParsePersonalIndexLine(supplement);
    ASSERT_TRUE(parsedSupplement);
    EXPECT_TRUE(parsedSupplement->isSupplement());
    EXPECT_EQ(parsedSupplement->location, "0000001000007");

    // "12" and "00012" are the same number but not the same text: an entry, not a supplement.
    EXPECT_FALSE(ParsePersonalIndexLine("00012   12" + supplement.substr(10))->isSupplement());
}

TEST(FieldLineFormat, TrimsCodeAndName) {
    const FieldLine field = ParseFieldLine("  PHYS       |  Physics  ");
    EXPECT_EQ(field.code, "PHYS");
    EXPECT_EQ(field.name, "Physics");
    EXPECT_EQ(ParseFieldLine("AB").name, "");
    EXPECT_EQ(FormatFieldLine({"PHYS", "Physics"}), "PHYS          Physics");
}

TEST(ContentList, TellsFoldersFromFiles) {
    EXPECT_FALSE(ParseContentListLine(""));
    EXPECT_TRUE(ParseContentListLine("slides\\")->isFolder);
    EXPECT_FALSE(ParseContentListLine("backmain.bmp")->isFolder);
}

TEST(AtomicWrite, ReplacesTheFileAndLeavesNoTemporary) {
    test::TempFolder folder;
    const std::string path = folder.file("settings.ini");
    ASSERT_TRUE(WriteFileAtomically(path, "old"));
    ASSERT_TRUE(WriteFileAtomically(path, "new"));
    EXPECT_EQ(folder.read("settings.ini"), "new");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST(AtomicWrite, FailsWithoutTouchingAnythingWhenTheFolderIsMissing) {
    test::TempFolder folder;
    EXPECT_FALSE(WriteFileAtomically(folder.file("no/such/file"), "x"));
    EXPECT_FALSE(WriteFileAtomically("", "x"));
}

mode_t PermissionsOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

TEST(AtomicWrite, TheNewFileKeepsThePermissionsOfTheOldOne) {
    test::TempFolder folder;
    const std::string path = folder.file("Orvan.ini");
    folder.write("Orvan.ini", "YES\r\n");
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    ASSERT_TRUE(WriteFileAtomically(path, "NO\r\n"));
    EXPECT_EQ(folder.read("Orvan.ini"), "NO\r\n");
    EXPECT_EQ(PermissionsOf(path), 0600u);
}

TEST(DurableWrite, ReplacesOrRefusesAnExistingFileAndTakesItsModelsPermissions) {
    test::TempFolder folder;
    folder.write("model", "m");
    ASSERT_EQ(::chmod(folder.file("model").c_str(), 0640), 0);
    EXPECT_TRUE(WriteDurably(folder.file("new"), "abc", folder.file("model")));
    EXPECT_EQ(folder.read("new"), "abc");
    EXPECT_EQ(PermissionsOf(folder.file("new")), 0640u);

    EXPECT_TRUE(WriteDurably(folder.file("new"), "x"));  // shorter: truncated
    EXPECT_EQ(folder.read("new"), "x");

    const Result<void> refused = WriteDurably(folder.file("new"), "y", {}, ExistingFile::Refuse);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().errorNumber, EEXIST);
    EXPECT_EQ(refused.error().path, folder.file("new"));
    EXPECT_NE(refused.error().message.find("cannot create " + folder.file("new")),
              std::string::npos);
    EXPECT_EQ(folder.read("new"), "x");
}

TEST(DurableWrite, NeverWritesThroughASymbolicLink) {
    test::TempFolder folder;
    folder.write("target", "kept");
    std::filesystem::create_symlink(folder.file("target"), folder.file("link"));
    EXPECT_FALSE(WriteDurably(folder.file("link"), "changed"));
    EXPECT_EQ(folder.read("target"), "kept");
    EXPECT_TRUE(SyncFolder(folder.path()));
    EXPECT_FALSE(SyncFolder(folder.file("target")));  // not a folder
}

bool IsOpen(int fd) {
    return ::fcntl(fd, F_GETFD) != -1;
}

TEST(FileDescriptor, ClosesOnceWhenItGoesOrIsReplaced) {
    test::TempFolder folder;
    folder.write("f", "x");
    int first = -1;
    {
        FileDescriptor file(::open(folder.file("f").c_str(), O_RDONLY | O_CLOEXEC));
        first = file.get();
        ASSERT_TRUE(IsOpen(first));
        FileDescriptor moved = std::move(file);
        EXPECT_FALSE(file.valid());
        EXPECT_TRUE(IsOpen(first));
    }
    EXPECT_FALSE(IsOpen(first));

    FileDescriptor file(::open(folder.file("f").c_str(), O_RDONLY | O_CLOEXEC));
    const int replaced = file.get();
    file = FileDescriptor(::open(folder.file("f").c_str(), O_RDONLY | O_CLOEXEC));
    EXPECT_FALSE(IsOpen(replaced));
    EXPECT_TRUE(file.close());
    EXPECT_TRUE(file.close());  // closing nothing
    EXPECT_FALSE(file.valid());
}

TEST(FileRange, CutsAtTheEndAndRefusesOffsetsOutside) {
    test::TempFolder folder;
    folder.write("f", "abcdef");
    EXPECT_EQ(ReadFileRange(folder.file("f"), 2, 3), "cde");
    EXPECT_EQ(ReadFileRange(folder.file("f"), 4, 100), "ef");
    EXPECT_EQ(ReadFileRange(folder.file("f"), 6, 1), "");
    EXPECT_FALSE(ReadFileRange(folder.file("f"), 7, 1));
    EXPECT_FALSE(ReadFileRange(folder.file("f"), -1, 1));
    EXPECT_FALSE(ReadFileRange(folder.file("missing"), 0, 1));
    EXPECT_FALSE(ReadWholeFile(folder.path()));  // a folder is not a file
}

}  // namespace
}  // namespace orvan
