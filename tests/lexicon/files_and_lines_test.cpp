// Text lines, fixed-column formats and the atomic rewrite.
#include <gtest/gtest.h>

#include <filesystem>

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
    EXPECT_FALSE(parsedEntry->IsSupplement());
    EXPECT_EQ(parsedEntry->own, 40001);
    EXPECT_EQ(parsedEntry->headword, "mine");
    EXPECT_EQ(parsedEntry->fieldCode, "PHYS");

    const std::string supplement = FormatPersonalIndexLine({"", "", 12, 12, "", 10, 7, "", ""});
    EXPECT_EQ(supplement.size(), 103u);
    const auto parsedSupplement = ParsePersonalIndexLine(supplement);
    ASSERT_TRUE(parsedSupplement);
    EXPECT_TRUE(parsedSupplement->IsSupplement());
    EXPECT_EQ(parsedSupplement->location, "0000001000007");

    // "12" and "00012" are the same number but not the same text: an entry, not a supplement.
    EXPECT_FALSE(ParsePersonalIndexLine("00012   12" + supplement.substr(10))->IsSupplement());
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
    const std::string path = folder.File("settings.ini");
    ASSERT_TRUE(WriteFileAtomically(path, "old"));
    ASSERT_TRUE(WriteFileAtomically(path, "new"));
    EXPECT_EQ(folder.Read("settings.ini"), "new");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST(AtomicWrite, FailsWithoutTouchingAnythingWhenTheFolderIsMissing) {
    test::TempFolder folder;
    EXPECT_FALSE(WriteFileAtomically(folder.File("no/such/file"), "x"));
}

TEST(FileRange, CutsAtTheEndAndRefusesOffsetsOutside) {
    test::TempFolder folder;
    folder.Write("f", "abcdef");
    EXPECT_EQ(ReadFileRange(folder.File("f"), 2, 3), "cde");
    EXPECT_EQ(ReadFileRange(folder.File("f"), 4, 100), "ef");
    EXPECT_EQ(ReadFileRange(folder.File("f"), 6, 1), "");
    EXPECT_FALSE(ReadFileRange(folder.File("f"), 7, 1));
    EXPECT_FALSE(ReadFileRange(folder.File("f"), -1, 1));
    EXPECT_FALSE(ReadFileRange(folder.File("missing"), 0, 1));
    EXPECT_FALSE(ReadWholeFile(folder.Path()));  // a folder is not a file
}

}  // namespace
}  // namespace orvan
