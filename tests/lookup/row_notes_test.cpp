// Rows that read alike in the entry list: which get a note, and what it says.
#include "lookup/row_notes.h"

#include <gtest/gtest.h>

#include "tests/lookup/lookup_state_fixture.h"
#include "tests/support/lexicon_fixture.h"

namespace orvan::lookup {
namespace {

using Texts = std::vector<std::string>;
using orvan::test::Cp;

class RowNotesTest : public ::testing::Test {
  protected:
    RowNotesTest()
        : words({{1, "circle", EntryKind::Lexicon, Cp("κύκλος")},
                 {2, "cycle", EntryKind::Lexicon, Cp("κύκλος")},
                 {3, "cyclic", EntryKind::Lexicon, Cp("κυκλικός")},
                 {4, "nut", EntryKind::Lexicon, Cp("παξιμάδι")},
                 {5, "nut", EntryKind::Lexicon, Cp("καρύδι")},
                 {6, "nut", EntryKind::Lexicon, ""},
                 {7, "ring", EntryKind::Personal, Cp("κύκλος")}}) {
        state.replaceTables(words.tables());
    }

    Texts listTexts() const {
        Texts texts;
        for (const ListedEntry& item : state.list())
            texts.push_back(item.text);
        return texts;
    }

    test::WordTables words;
    LookupState state;
};

TEST_F(RowNotesTest, GreekRowsThatRepeatNameTheirEnglishHeadword) {
    state.search(Cp("κύκλ"), false, "");
    ASSERT_EQ(listTexts(), (Texts{Cp("κύκλος"), Cp("κύκλος"), Cp("κυκλικός"), Cp("κύκλος *")}));
    // The personal entry's row reads "κύκλος *": it is told apart by its mark already.
    EXPECT_EQ(RowNotes(state), (Texts{"circle", "cycle", "", ""}));
    // The rows keep their own text.
    EXPECT_EQ(listTexts()[0], Cp("κύκλος"));
}

TEST_F(RowNotesTest, EnglishRowsThatRepeatNameTheirGreekRenderingWhenThereIsOne) {
    state.search("nu", false, "");
    ASSERT_EQ(listTexts(), (Texts{"nut", "nut", "nut"}));
    const Texts notes = RowNotes(state);
    ASSERT_EQ(notes.size(), 3U);
    // Each row names its own entry's rendering, whatever the order the table holds them in.
    for (std::size_t row = 0; row < 3; ++row) {
        const test::Word* word = words.find(state.list()[row].number);
        ASSERT_NE(word, nullptr);
        EXPECT_EQ(notes[row], word->greek) << row;
    }
}

TEST_F(RowNotesTest, AListWithoutRepeatsOrWithoutRowsHasNoNotes) {
    EXPECT_TRUE(RowNotes(state).empty());
    state.search("cy", false, "");
    EXPECT_EQ(RowNotes(state), (Texts{"", ""}));
}

}  // namespace
}  // namespace orvan::lookup
