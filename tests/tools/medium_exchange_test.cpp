// The user's entries travel between personal folders on the sample medium: two hundred entries of
// their own and fifty notes, exported as TBX and CSV and imported into empty folders, come back
// byte for byte, Greek, accents, characters beyond the code page and figure links included.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <random>

#include "lexicon/tables.h"
#include "lexicon/text_file.h"
#include "richtext/greek_code_page.h"
#include "tests/support/lexicon_fixture.h"

namespace orvan {
namespace {

std::string ShellQuoted(const std::string& arg) {
    std::string quoted = "'";
    for (const char c : arg)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// orvan-cli on the medium with `personal` as the personal folder; its exit status and errors.
std::pair<int, std::string> RunOnMedium(const test::TempFolder& home, const std::string& personal,
                                        const std::vector<std::string>& args) {
    std::string command = "HOME=" + ShellQuoted(home.path()) +
                          " XDG_CONFIG_HOME=" + ShellQuoted(home.file("config")) +
                          " XDG_CACHE_HOME=" + ShellQuoted(home.file("cache")) +
                          " timeout 120 " ORVAN_CLI_PATH " -C " + ShellQuoted(ORVAN_MEDIUM_DIR) +
                          " --personal " + ShellQuoted(personal);
    for (const std::string& arg : args)
        command += " " + ShellQuoted(arg);
    command += " >/dev/null 2>" + ShellQuoted(home.file("err.txt"));
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
            ReadWholeFile(home.file("err.txt")).value_or("")};
}

std::string CsvField(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// A CSV file of `ownEntries` random entries of the user's own and `notes` notes on lexicon entries
// whose headword no other lexicon entry has.
std::string RandomEntries(std::mt19937& random, int ownEntries, int notes) {
    static const std::vector<std::string> latin = {"axle", "gear",    "valve",  "rotor", "Flux",
                                                   "ion",  "micro µ", "half ½", "x-ray", "3-phase"};
    static const std::vector<std::string> greek = {"άξονας", "γρανάζι", "βαλβίδα", "ρότορας",
                                                   "ροή",    "ιόν",     "ΰψος",    "ΐ"};
    static const std::vector<std::string> text = {
        "plain words",         "ελληνικά με τόνους", "≤ ≥ ∑ µ", "😀 beyond the plane",
        "[Σχήμα 3]",           "\"quoted\", ",       "\r\n",    "tab\there",
        "back\\slash {braces}"};
    const auto pick = [&](const std::vector<std::string>& from) {
        return from[random() % from.size()];
    };
    std::string csv = "english,greek,field_code,description,kind,lexicon_headword\r\n";
    for (int i = 0; i < ownEntries; ++i) {
        std::string description;
        for (int n = 1 + static_cast<int>(random() % 5); n > 0; --n)
            description += pick(text);
        const std::string english = pick(latin) + " " + pick(latin) + " " + std::to_string(i);
        csv += CsvField(english) + "," + (random() % 4 ? CsvField(pick(greek)) : "") + "," +
               (random() % 2 ? "PHYS" : "") + "," + CsvField(description) + ",entry,\r\n";
    }
    // Lexicon headwords no other entry shares.
    static NoteList tableNotes;
    const EntryTables tables =
        LoadEntryTable(LexiconFiles(ORVAN_MEDIUM_DIR), PersonalIndexes{}, tableNotes);
    std::map<std::string, int> uses;
    for (int slot = 1; slot <= tables.entries.count(); ++slot)
        ++uses[tables.entries[slot].headword];
    std::vector<std::string> unique;
    for (const auto& [headword, count] : uses)
        if (count == 1) unique.push_back(GreekToUtf8(headword));
    std::shuffle(unique.begin(), unique.end(), random);
    for (int i = 0; i < notes && i < static_cast<int>(unique.size()); ++i) {
        csv += CsvField(unique[static_cast<size_t>(i)]) + ",,," + CsvField(pick(text) + " note") +
               ",note," + CsvField(unique[static_cast<size_t>(i)]) + "\r\n";
    }
    return csv;
}

TEST(MediumExchange, TwoHundredEntriesAndFiftyNotesComeBackByteForByteInEachFormat) {
    const test::TempFolder home, first, fromTbx, fromCsv;
    std::mt19937 random(2029);
    std::ofstream(home.file("random.csv"), std::ios::binary) << RandomEntries(random, 200, 50);
    auto run = RunOnMedium(home, first.path(), {"import", home.file("random.csv")});
    ASSERT_EQ(run.first, 0) << run.second;

    for (const char* format : {"tbx", "csv"}) {
        run = RunOnMedium(
            home, first.path(),
            {"export", "--notes", "--format", format, home.file("out." + std::string(format))});
        ASSERT_EQ(run.first, 0) << run.second;
    }
    const std::string tbx = ReadWholeFile(home.file("out.tbx")).value_or("");
    const std::string csv = ReadWholeFile(home.file("out.csv")).value_or("");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n') - std::count(csv.begin(), csv.end(), '\r'),
              0);  // every line end CR LF
    size_t concepts = 0;
    for (size_t at = 0; (at = tbx.find("<conceptEntry id=\"", at)) != std::string::npos; ++at)
        ++concepts;
    EXPECT_EQ(concepts, 250u);
    EXPECT_NE(tbx.find("<conceptEntry id=\"note-"), std::string::npos);
    EXPECT_NE(tbx.find("[Σχήμα 3]"), std::string::npos);
    EXPECT_NE(tbx.find("😀"), std::string::npos);
    if (std::system("command -v xmllint >/dev/null 2>&1") == 0) {
        EXPECT_EQ(std::system(("xmllint --noout " + ShellQuoted(home.file("out.tbx"))).c_str()), 0);
    }

    const std::pair<const test::TempFolder*, const char*> imports[] = {{&fromTbx, "tbx"},
                                                                       {&fromCsv, "csv"}};
    for (const auto& [folder, format] : imports) {
        run =
            RunOnMedium(home, folder->path(), {"import", home.file("out." + std::string(format))});
        ASSERT_EQ(run.first, 0) << format << ": " << run.second;
        for (const char* again : {"tbx", "csv"}) {
            const std::string file = home.file(std::string("again.") + again);
            run = RunOnMedium(home, folder->path(), {"export", "--notes", "--format", again, file});
            ASSERT_EQ(run.first, 0) << run.second;
            EXPECT_EQ(ReadWholeFile(file).value_or(""),
                      std::string(again) == std::string("tbx") ? tbx : csv)
                << "imported from " << format << ", exported as " << again;
        }
    }
}

}  // namespace
}  // namespace orvan
