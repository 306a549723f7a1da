// Inflected forms on the sample medium with the system's Hunspell dictionaries: the headword
// each should lead to is offered when its search finds nothing. Skipped where the dictionaries
// are not installed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "lexicon/lexicon_files.h"
#include "lookup/lookup_state.h"
#include "richtext/greek_code_page.h"
#include "spelling/stem_finder.h"

namespace orvan::lookup {
namespace {

const std::filesystem::path kDebianFolder = "/usr/share/hunspell";

class SampleStemsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"en_US.aff", "en_US.dic", "el_GR.aff", "el_GR.dic"}) {
            if (!std::filesystem::exists(kDebianFolder / name))
                GTEST_SKIP() << "the Hunspell dictionaries are not installed: " << name;
        }
        NoteList notes;
        state.replaceTables(LoadEntryTable(LexiconFiles(ORVAN_MEDIUM_DIR "/"), {}, notes));
        ASSERT_GT(state.tables().entries.count(), 30000);
        state.setStemFinder(spelling::LoadStemFinder({kDebianFolder}));
    }

    // The headwords offered for `typed` (UTF-8), as UTF-8.
    std::vector<std::string> offered(const std::string& typed) {
        state.search(Utf8ToUtf16(typed), false, "");
        std::vector<std::string> texts;
        for (const ListedEntry& item : state.listStatus().suggestions)
            texts.push_back(GreekToUtf8(item.text));
        return texts;
    }

    LookupState state;
};

TEST_F(SampleStemsTest, PluralsLeadToTheirSingularHeadwords) {
    ASSERT_FALSE(offered("υπολογιστές").empty());
    EXPECT_EQ(offered("υπολογιστές").front(), "υπολογιστής");
    ASSERT_FALSE(offered("computers").empty());
    EXPECT_EQ(offered("computers").front(), "computer");
    // (θερμότητα is not a headword of the sample: "θερμότητας" has nothing to lead to.)
}

TEST_F(SampleStemsTest, MostInflectedFormsOfTheSampleAreOfferedTheirHeadword) {
    std::ifstream list(ORVAN_SOURCE_DIR "/tests/data/inflected_forms.tsv");
    ASSERT_TRUE(list);
    int forms[2] = {0, 0}, hits[2] = {0, 0};
    std::string line;
    while (std::getline(list, line)) {
        if (line.empty() || line.front() == '#') continue;
        const std::size_t tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos) << line;
        const std::string form = line.substr(0, tab), headword = line.substr(tab + 1);
        const std::vector<std::string> texts = offered(form);
        const bool greek = state.greekMode();
        ++forms[greek];
        EXPECT_TRUE(state.list().empty()) << form << " finds entries of its own";
        if (std::find(texts.begin(), texts.end(), headword) != texts.end())
            ++hits[greek];
        else
            std::cout << "not offered: " << form << " -> " << headword << "\n";
    }
    EXPECT_EQ(forms[0], 50);
    EXPECT_EQ(forms[1], 50);
    std::cout << "headword offered: English " << hits[0] << "/" << forms[0] << ", Greek " << hits[1]
              << "/" << forms[1] << "\n";
    EXPECT_GE(hits[0], 46);
    EXPECT_GE(hits[1], 46);
}

}  // namespace
}  // namespace orvan::lookup
