// The full-text search on lexicons of the test's own: the result limit, and texts that cannot
// be read.
#include <gtest/gtest.h>

#include <QString>
#include <filesystem>

#include "lexicon/tables.h"
#include "lookup/full_text_search.h"
#include "richtext/code_pages.h"
#include "tests/support/lexicon_fixture.h"

namespace orvan::test {
namespace {

class FullTextSearchTest : public ::testing::Test {
  protected:
    std::vector<int> Slots(const char16_t* word) {
        files = LexiconFiles(program.path());
        personalFiles = PersonalFiles(personal.path());
        notes.clear();
        tables = LoadEntryTable(files, ReadPersonalIndexes(personalFiles), notes);
        header = LoadRtfHeader(files);
        const lookup::FullTextSources sources{tables, notes, files, personalFiles, header};
        std::vector<int> found;
        for (const ListItem& item : lookup::SearchDescriptions(sources, word))
            found.push_back(item.slot);
        return found;
    }

    TempFolder program, personal;
    LexiconBuilder lexicon;
    LexiconFiles files{""};
    PersonalFiles personalFiles;
    NoteList notes;
    EntryTables tables;
    std::string header;
};

TEST_F(FullTextSearchTest, ListsAtMost32000Entries) {
    for (int i = 0; i < 32001; ++i)
        lexicon.addEntry("term" + std::to_string(100000 + i), "{found}");
    lexicon.writeLexicon(program.path());
    const std::vector<int> found = Slots(u"found");
    ASSERT_EQ(found.size(), lookup::kFullTextResultLimit);
    EXPECT_EQ(found.back(), 32000);
}

TEST_F(FullTextSearchTest, ATextThatCannotBeReadIsLeftOutAndTheSearchGoesOn) {
    const int gas = lexicon.addEntry("gas", "{found here}");
    lexicon.addPersonalEntry(gas, 5, "gasket", "{found in my own text}");
    lexicon.addSupplement(gas, "{noted}");
    lexicon.addEntry("gear", "{found too}");
    lexicon.writeLexicon(program.path());
    lexicon.writePersonal(personal.path());
    ASSERT_EQ(Slots(u"found"), (std::vector<int>{1, 2, 3}));
    ASSERT_EQ(Slots(u"noted"), std::vector<int>{1});

    // The user's texts cut short: their entry and note are searched without them.
    personal.write("clex.tbo", "");
    EXPECT_EQ(Slots(u"found"), (std::vector<int>{1, 3}));
    EXPECT_TRUE(Slots(u"noted").empty());
    // Without the personal texts' store, the lexicon's texts are still searched.
    std::filesystem::remove(personal.file("clex.tbo"));
    EXPECT_EQ(Slots(u"found"), (std::vector<int>{1, 3}));
    // Without the lexicon's store nothing is searched.
    std::filesystem::remove(program.path() + "/data/lex.tbo");
    EXPECT_TRUE(Slots(u"found").empty());
}

}  // namespace
}  // namespace orvan::test
