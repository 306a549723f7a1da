// The sample distribution medium the build makes: a lexicon the program can load and show, with
// room left for the user's own entries; and how the sample builder chooses what it keeps.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "lexicon/description.h"
#include "lexicon/line_formats.h"
#include "lexicon/search_keys.h"
#include "lexicon/tables.h"
#include "lexicon/text_file.h"
#include "tests/support/lexicon_fixture.h"
#include "tools/sample_builder/sample_lexicon.h"

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
    ASSERT_GT(entries.count(), 20000);
    ASSERT_LE(entries.count(), kTableCapacity);
    std::string previous;
    int withArticle = 0;
    for (int slot = 1; slot <= entries.count(); ++slot) {
        const EntryRecord& entry = entries[slot];
        ASSERT_EQ(entry.number, slot);
        ASSERT_GE(entry.keyStart, 1);
        const std::string key = LatinSearchKey(entry.headword.substr(entry.keyStart - 1), true);
        ASSERT_LE(previous, key) << entry.headword;
        previous = key;
        withArticle += entry.keyStart > 1;
    }
    EXPECT_GT(withArticle, 100);
}

TEST_F(SampleMediumTest, GreekIndexIsInKeyOrderAndEveryHeadwordIsLinked) {
    const GreekTable& greek = tables->greek;
    ASSERT_GT(greek.count(), 20000);
    std::string previous;
    for (int slot = 1; slot <= greek.count(); ++slot) {
        const std::string key = GreekSearchKey(greek[slot].headword, true);
        ASSERT_LE(previous, key) << test::Utf8(greek[slot].headword);
        previous = key;
        ASSERT_NE(greek[slot].englishSlot, 0);
    }
}

TEST_F(SampleMediumTest, ScienceFieldsHaveGreekNamesAndEntries) {
    const auto fields = LoadFieldTable(files);
    ASSERT_TRUE(fields);
    ASSERT_GE(fields->count(), 15);
    for (int slot = 1; slot <= fields->count(); ++slot) {
        EXPECT_TRUE(StartsWithGreekLetter((*fields)[slot].name)) << (*fields)[slot].code;
        int members = 0;
        for (int entry = 1; entry <= tables->entries.count(); ++entry) {
            members += tables->entries[entry].fieldCode == (*fields)[slot].code;
        }
        EXPECT_GE(members, 10) << (*fields)[slot].code;
    }
}

TEST_F(SampleMediumTest, EveryDescriptionCompletesTheHeaderIntoABalancedDocument) {
    const std::string header = LoadRtfHeader(files);
    ASSERT_EQ(header.size(), 57602u);
    EXPECT_NE(header.find("\\f60\\fswiss\\fcharset161"), std::string::npos);
    EXPECT_NE(header.find("\\colortbl"), std::string::npos);
    int figures = 0;
    for (int slot = 1; slot <= tables->entries.count(); ++slot) {
        const EntryRecord& entry = tables->entries[slot];
        const std::string description = ReadEntryDescription(entry, files, PersonalFiles());
        ASSERT_EQ(description.size(), static_cast<size_t>(entry.descLen));
        ASSERT_LE(entry.descLen, kDescriptionReadLimit);
        for (const char c : description) {
            const int byte = static_cast<unsigned char>(c);
            ASSERT_TRUE(byte >= 10 && byte <= 217) << entry.headword;
        }
        ASSERT_TRUE(BracesBalance(header + " \\f60\\fs22\\cf1 " + description + "}}}"))
            << entry.headword;
        // The figure link "[Σχήμα 1]", its Greek letters as hexadecimal escapes.
        if (description.find("[\\'d3\\'f7\\'de\\'ec\\'e1 1]") != std::string::npos) {
            ++figures;
            EXPECT_TRUE(
                FileExists(files.folder + "content/fig" + std::to_string(entry.number) + "1.bmp"))
                << entry.headword;
        }
    }
    EXPECT_GE(figures, 3);
}

// The user can always add this many entries of their own to the sample.
constexpr int kRoomForOwnEntries = 5000;

TEST_F(SampleMediumTest, BothTablesLeaveRoomForTheUsersOwnEntries) {
    EXPECT_LE(tables->entries.count(), kTableCapacity - kRoomForOwnEntries);
    EXPECT_LE(tables->greek.count(), kTableCapacity - kRoomForOwnEntries);
}

std::string Quoted(const std::string& arg) {
    std::string quoted = "'";
    for (const char c : arg)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

struct CliRun {
    int status = -1;
    std::string out, err;
};

// orvan-cli on the medium as it is, with a personal folder and a HOME of the test's own.
CliRun MediumCli(const test::TempFolder& home, const std::string& personal,
                 const std::vector<std::string>& args) {
    std::string command = "HOME=" + Quoted(home.path()) +
                          " XDG_CONFIG_HOME=" + Quoted(home.file("config")) +
                          " timeout 60 " ORVAN_CLI_PATH " -C " + Quoted(ORVAN_MEDIUM_DIR) +
                          " --personal " + Quoted(personal);
    for (const std::string& arg : args)
        command += " " + Quoted(arg);
    command += " >" + Quoted(home.file("out.txt")) + " 2>" + Quoted(home.file("err.txt"));
    const int status = std::system(command.c_str());
    CliRun run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadWholeFile(home.file("out.txt")).value_or("");
    run.err = ReadWholeFile(home.file("err.txt")).value_or("");
    return run;
}

TEST_F(SampleMediumTest, AnEntryOfTheUsersOwnIsAddedAndFoundInBothLanguages) {
    const test::TempFolder home, personal;
    const auto mediumData = [] {
        std::string bytes;
        for (const char* name : {"data/i.tbo", "data/igr.tbo", "data/lex.tbo"})
            bytes += ReadWholeFile(std::string(ORVAN_MEDIUM_DIR) + "/" + name).value_or("");
        return bytes;
    };
    const std::string before = mediumData();

    const CliRun insert =
        MediumCli(home, personal.path(),
                  {"insert", "--english", "hexagonal tessellation", "--greek", "εξαγωνική ψηφίδωση",
                   "--description", "A tiling by regular hexagons."});
    ASSERT_EQ(insert.status, 0) << insert.out << insert.err;

    // A row is the slot, a tab and the headword; the user's own are marked " *".
    const CliRun english = MediumCli(home, personal.path(), {"search", "hexagonal"});
    ASSERT_EQ(english.status, 0) << english.err;
    const size_t row = english.out.find("\thexagonal tessellation *\n");
    ASSERT_NE(row, std::string::npos) << english.out;
    const std::string upToRow = english.out.substr(0, row);
    const size_t newline = upToRow.find_last_of('\n');
    const std::string slot = upToRow.substr(newline == std::string::npos ? 0 : newline + 1);
    const CliRun shown = MediumCli(home, personal.path(), {"show", slot});
    EXPECT_NE(shown.out.find("A tiling by regular hexagons."), std::string::npos) << shown.out;

    const CliRun greek = MediumCli(home, personal.path(), {"search", "--greek-mode", "εξαγων"});
    ASSERT_EQ(greek.status, 0) << greek.err;
    EXPECT_NE(greek.out.find("\tεξαγωνική ψηφίδωση *\n"), std::string::npos) << greek.out;

    // The entry went to the personal folder; the medium is only read.
    EXPECT_TRUE(FileExists(personal.file("ci.tbo")));
    EXPECT_EQ(mediumData(), before);
}

// How the builder chooses what the sample keeps, on dictionaries of a few articles.
sample::EnglishArticle EnglishGreek(const QString& headword, const QStringList& renderings) {
    return {headword, {}, renderings};
}
sample::GreekArticle GreekEnglish(const QString& headword, const QStringList& terms) {
    return {headword, {}, {{terms, {}}}};
}

struct Chosen {
    std::vector<std::string> english;                        // headwords, in line order
    std::vector<std::pair<std::string, std::string>> greek;  // UTF-8 headword, English headword
};

// The kept headwords; checks on the way that each index line is well formed, that entry numbers
// follow the lines and that every Greek line links to a kept entry.
Chosen Choose(const std::vector<sample::EnglishArticle>& englishGreek,
              const std::vector<sample::GreekArticle>& greekEnglish, size_t room) {
    sample::SampleChoices choices;
    choices.fields.push_back({"CHEM", QString::fromUtf8("Χημεία"), {"gas"}});
    choices.figures.emplace_back("triangle", "triangle");
    const sample::SampleSources sources =
        sample::BuildSampleSources(englishGreek, greekEnglish, choices, room);
    Chosen chosen;
    for (const std::string& text : sources.englishIndex) {
        const auto line = ParseIndexLine(text);
        EXPECT_TRUE(line) << text;
        if (!line) continue;
        EXPECT_EQ(line->number, chosen.english.size() + 1) << text;
        chosen.english.push_back(line->headword);
    }
    for (const std::string& text : sources.greekIndex) {
        const auto line = ParseGreekIndexLine(text);
        EXPECT_TRUE(line && line->number >= 1 && line->number <= chosen.english.size()) << text;
        if (!line || line->number < 1 || line->number > chosen.english.size()) continue;
        chosen.greek.emplace_back(test::Utf8(line->headword), chosen.english[line->number - 1]);
    }
    for (const sample::FigureToDraw& figure : sources.figures) {
        EXPECT_EQ(chosen.english.at(static_cast<size_t>(figure.entryNumber) - 1), "triangle");
    }
    EXPECT_LE(chosen.english.size(), room);
    EXPECT_LE(chosen.greek.size(), room);
    return chosen;
}

class SampleChoiceTest : public ::testing::Test {
  protected:
    // English-Greek: abacus, engine, zinc. Greek-English: triangle (a figure) and gas (a science
    // field), named once each; motor, named twice; word, first of its sense, and vocable after
    // it; the phrase "set square".
    std::vector<sample::EnglishArticle> englishGreek{
        EnglishGreek("zinc", {"ψευδάργυρος"}),
        EnglishGreek("engine", {"μηχανή"}),
        EnglishGreek("abacus", {"άβακας"}),
    };
    std::vector<sample::GreekArticle> greekEnglish{
        GreekEnglish("αέριο", {"gas"}),
        GreekEnglish("γνώμονας", {"set square"}),
        GreekEnglish("κινητήρας", {"motor", "engine"}),
        GreekEnglish("λέξη", {"word", "vocable"}),
        GreekEnglish("μοτέρ", {"motor"}),
        GreekEnglish("τρίγωνο", {"triangle"}),
    };
};

TEST_F(SampleChoiceTest, FieldsAndFiguresThenEnglishGreekThenTheTermsThatCarryMost) {
    using Headwords = std::vector<std::string>;
    EXPECT_EQ(Choose(englishGreek, greekEnglish, 5).english,
              (Headwords{"abacus", "engine", "gas", "triangle", "zinc"}));
    EXPECT_EQ(Choose(englishGreek, greekEnglish, 6).english,
              (Headwords{"abacus", "engine", "gas", "motor", "triangle", "zinc"}));
    EXPECT_EQ(Choose(englishGreek, greekEnglish, 7).english,
              (Headwords{"abacus", "engine", "gas", "motor", "triangle", "word", "zinc"}));
    EXPECT_EQ(
        Choose(englishGreek, greekEnglish, 8).english,
        (Headwords{"abacus", "engine", "gas", "motor", "triangle", "vocable", "word", "zinc"}));
    EXPECT_EQ(Choose(englishGreek, greekEnglish, 100).english.size(), 9u);
}

TEST_F(SampleChoiceTest, GreekIndexHoldsRenderingsThenEachGreekEnglishHeadwordOnce) {
    // Nine entries; Greek lines: three renderings, six Greek-English headwords, and two further
    // links (κινητήρας to engine, λέξη to vocable) that have no room.
    const Chosen chosen = Choose(englishGreek, greekEnglish, 9);
    using Links = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(chosen.greek, (Links{{"άβακας", "abacus"},
                                   {"αέριο", "gas"},
                                   {"γνώμονας", "set square"},
                                   {"κινητήρας", "motor"},
                                   {"λέξη", "word"},
                                   {"μηχανή", "engine"},
                                   {"μοτέρ", "motor"},
                                   {"τρίγωνο", "triangle"},
                                   {"ψευδάργυρος", "zinc"}}));
    const Chosen roomy = Choose(englishGreek, greekEnglish, 100);
    EXPECT_EQ(roomy.greek.size(), 11u);
}

TEST_F(SampleChoiceTest, TermsOfEqualWeightAtTheLimitAreThinnedAcrossTheAlphabet) {
    const std::vector<std::pair<QString, QString>> words = {
        {"άλφα", "alpha"},  {"βήτα", "bravo"},   {"γάμμα", "charlie"}, {"δέλτα", "delta"},
        {"έψιλον", "echo"}, {"ζήτα", "foxtrot"}, {"ήτα", "golf"},      {"θήτα", "hotel"},
    };
    std::vector<sample::GreekArticle> articles;
    for (const auto& [greek, english] : words)
        articles.push_back(GreekEnglish(greek, {english}));
    const Chosen chosen = Choose({}, articles, 4);
    // One in every two, from the start of the alphabet to its end.
    EXPECT_EQ(chosen.english, (std::vector<std::string>{"bravo", "delta", "foxtrot", "hotel"}));
    EXPECT_EQ(chosen.greek.size(), 4u);
}

}  // namespace
}  // namespace orvan
