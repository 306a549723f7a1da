// The sample distribution medium the build makes: a lexicon the program can load and show.
#include <gtest/gtest.h>

#include "lexicon/description.h"
#include "lexicon/search_keys.h"
#include "lexicon/tables.h"
#include "lexicon/text_file.h"
#include "tests/support/lexicon_fixture.h"

namespace orvan {
namespace {

// Whether every brace of an RTF document is matched, escaped braces aside.
bool BracesBalance(const std::string& rtf) {
    int depth = 0;
    for (size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;
        } else if (rtf[i] == '{') {
            ++depth;
        } else if (rtf[i] == '}' && --depth < 0) {
            return false;
        }
    }
    return depth == 0;
}

class SampleMediumTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static NoteList notes;
        tables = new EntryTables(LoadEntryTable(files, PersonalIndexes{}, notes));
    }
    static void TearDownTestSuite() { delete tables; }

    static inline const LexiconFiles files{ORVAN_MEDIUM_DIR};
    static inline EntryTables* tables = nullptr;
};

TEST_F(SampleMediumTest, EnglishIndexIsInStoreOrderWithNumbersFollowingTheLines) {
    const EntryTable& entries = tables->entries;
    ASSERT_GT(entries.Count(), 20000);
    ASSERT_LE(entries.Count(), kTableCapacity);
    std::string previous;
    int withArticle = 0;
    for (int slot = 1; slot <= entries.Count(); ++slot) {
        const EntryRecord& entry = entries[slot];
        ASSERT_EQ(entry.Number, slot);
        ASSERT_GE(entry.KeyStart, 1);
        const std::string key = LatinSearchKey(entry.Headword.substr(entry.KeyStart - 1), true);
        ASSERT_LE(previous, key) << entry.Headword;
        previous = key;
        withArticle += entry.KeyStart > 1;
    }
    EXPECT_GT(withArticle, 100);
}

TEST_F(SampleMediumTest, GreekIndexIsInKeyOrderAndEveryHeadwordIsLinked) {
    const GreekTable& greek = tables->greek;
    ASSERT_GT(greek.Count(), 20000);
    std::string previous;
    for (int slot = 1; slot <= greek.Count(); ++slot) {
        const std::string key = GreekSearchKey(greek[slot].Headword, true);
        ASSERT_LE(previous, key) << test::Utf8(greek[slot].Headword);
        previous = key;
        ASSERT_NE(greek[slot].EnglishSlot, 0);
    }
}

TEST_F(SampleMediumTest, ScienceFieldsHaveGreekNamesAndEntries) {
    const auto fields = LoadFieldTable(files);
    ASSERT_TRUE(fields);
    ASSERT_GE(fields->Count(), 15);
    for (int slot = 1; slot <= fields->Count(); ++slot) {
        EXPECT_TRUE(StartsWithGreekLetter((*fields)[slot].Name)) << (*fields)[slot].Code;
        int members = 0;
        for (int entry = 1; entry <= tables->entries.Count(); ++entry) {
            members += tables->entries[entry].FieldCode == (*fields)[slot].Code;
        }
        EXPECT_GE(members, 10) << (*fields)[slot].Code;
    }
}

TEST_F(SampleMediumTest, EveryDescriptionCompletesTheHeaderIntoABalancedDocument) {
    const std::string header = LoadRtfHeader(files);
    ASSERT_EQ(header.size(), 57602u);
    EXPECT_NE(header.find("\\f60\\fswiss\\fcharset161"), std::string::npos);
    EXPECT_NE(header.find("\\colortbl"), std::string::npos);
    int figures = 0;
    for (int slot = 1; slot <= tables->entries.Count(); ++slot) {
        const EntryRecord& entry = tables->entries[slot];
        const std::string description = ReadEntryDescription(entry, files, PersonalFiles());
        ASSERT_EQ(description.size(), static_cast<size_t>(entry.DescLen));
        ASSERT_LE(entry.DescLen, kDescriptionReadLimit);
        for (const char c : description) {
            const int byte = static_cast<unsigned char>(c);
            ASSERT_TRUE(byte >= 10 && byte <= 217) << entry.Headword;
        }
        ASSERT_TRUE(BracesBalance(header + " \\f60\\fs22\\cf1 " + description + "}}}"))
            << entry.Headword;
        // The figure link "[Σχήμα 1]", its Greek letters as hexadecimal escapes.
        if (description.find("[\\'d3\\'f7\\'de\\'ec\\'e1 1]") != std::string::npos) {
            ++figures;
            EXPECT_TRUE(
                FileExists(files.folder + "content/fig" + std::to_string(entry.Number) + "1.bmp"))
                << entry.Headword;
        }
    }
    EXPECT_GE(figures, 3);
}

}  // namespace
}  // namespace orvan
