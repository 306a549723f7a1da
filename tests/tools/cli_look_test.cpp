// orvan-cli as a terminal user and a script meet it: where the lexicon is found, look on a
// terminal and on a pipe, the exit statuses, the science fields and the version.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>

#include "lexicon/lexicon_files.h"
#include "lexicon/text_file.h"
#include "tests/tools/cli_fixture.h"
#include "tools/cli/look_output.h"

namespace orvan {
namespace {

using test::Args;
using test::CliRun;

using LookTest = test::CliFixture;

bool HasEscapes(const std::string& text) {
    return text.find('\x1b') != std::string::npos;
}

TEST(LocateLexicon, TakesTheFirstPlaceThatHoldsALexiconAndTellsANamedFolderPassedOver) {
    test::TempFolder named, current, program, installed, empty;
    for (const test::TempFolder* folder : {&named, &current, &program, &installed})
        folder->write("data/i.tbo", "");
    const LexiconPlaces all{named.path(), current.path(), program.path(), installed.path()};
    EXPECT_EQ(LocateLexicon(all).place, LexiconPlace::Named);
    EXPECT_EQ(LocateLexicon(all).folder, named.path());
    EXPECT_EQ(LocateLexicon(all).namedSkipped, "");
    // A named folder without a lexicon is passed over, and said to be.
    LexiconLocation found = LocateLexicon({empty.path(), current.path(), "", installed.path()});
    EXPECT_EQ(found.place, LexiconPlace::Current);
    EXPECT_EQ(found.namedSkipped, empty.path() + " holds no lexicon (no data/i.tbo)");
    found = LocateLexicon({"", empty.path(), program.path(), installed.path()});
    EXPECT_EQ(found.place, LexiconPlace::Program);
    found = LocateLexicon({"", empty.path(), empty.path(), installed.path()});
    EXPECT_EQ(found.place, LexiconPlace::Installed);
    EXPECT_EQ(found.folder, installed.path());
    // Nowhere: the current folder, whose missing lexicon is then told.
    found = LocateLexicon({"", empty.path(), "", empty.path()});
    EXPECT_EQ(found.place, LexiconPlace::Nowhere);
    EXPECT_EQ(found.folder, empty.path());
    EXPECT_NE(found.why.find("no lexicon in " + empty.path()), std::string::npos) << found.why;
}

TEST_F(LookTest, OrvanLexiconNamesTheFolderAndVerboseSaysWhichWasRead) {
    // The lexicon of the fixture, named from a folder of no importance.
    const std::string run = "cd " + test::Quoted(home.path()) +
                            " && HOME=" + test::Quoted(home.path()) +
                            " XDG_CACHE_HOME=" + test::Quoted(cacheHome) + " ";
    const auto shell = [&](const std::string& line) {
        CliRun result;
        FILE* pipe = ::popen((run + line + " 2>" + test::Quoted(home.file("err"))).c_str(), "r");
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            result.out.append(buffer, n);
        const int status = ::pclose(pipe);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.err = ReadWholeFile(home.file("err")).value_or("");
        return result;
    };
    const std::string cli = std::string(" ") + ORVAN_CLI_PATH;
    const CliRun named =
        shell("ORVAN_LEXICON=" + test::Quoted(program.path()) + cli + " --verbose search gas");
    EXPECT_EQ(named.out, "1\tgas\n");
    EXPECT_EQ(named.err, "orvan-cli: lexicon in " + program.path() + " (named by ORVAN_LEXICON)\n");
    // The current folder's lexicon comes after the named one, before the others.
    test::TempFolder other;
    test::LexiconBuilder otherLexicon;
    otherLexicon.addEntry("zinc");
    otherLexicon.writeLexicon(other.path());
    EXPECT_EQ(shell("cd " + test::Quoted(other.path()) +
                    " && ORVAN_LEXICON=" + test::Quoted(program.path()) + cli + " search z")
                  .status,
              1);
    // A named folder without a lexicon: the user is told it is not used, and the search goes on
    // in the usual places.
    const CliRun passedOver = shell("cd " + test::Quoted(other.path()) + " && ORVAN_LEXICON=" +
                                    test::Quoted(home.path()) + cli + " --verbose search z");
    EXPECT_EQ(passedOver.status, 0);
    EXPECT_EQ(passedOver.out, "1\tzinc\n");
    EXPECT_EQ(passedOver.err,
              "orvan-cli: ORVAN_LEXICON is not used: " + home.path() +
                  " holds no lexicon (no data/i.tbo)\n"
                  "orvan-cli: lexicon in . (the current folder holds data/i.tbo)\n");
    // -C wins over all.
    EXPECT_EQ(shell("ORVAN_LEXICON=" + test::Quoted(other.path()) + cli + " -C " +
                    test::Quoted(program.path()) + " --verbose search gas")
                  .err,
              "orvan-cli: lexicon in " + program.path() + " (given with -C)\n");
}

TEST_F(LookTest, LookPrintsEachBestMatchWholeInTheLanguageOfItsFirstLetter) {
    const CliRun run = cli({"look", "gas"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "2 entries found\n"
              "\ngas\nαέριο\nΧημεία\n    x\n"
              "\ngasket\nΜηχανολογία\n    p\n");
    EXPECT_EQ(cli({"define", "gas", "--max", "1"}).out,
              "1 entry found\n\ngas\nαέριο\nΧημεία\n    x\n");
    // Greek typed: the Greek headword leads; the supplement follows the description.
    EXPECT_EQ(
        cli({"look", "μηχ"}).out,
        "1 entry found\n\nμηχανή\nthe engine\nΜηχανολογία\n    x\n  Συμπλήρωση δική σας:\n  s\n");
}

TEST_F(LookTest, LookWrapsToTheWidthAndColoursOnlyATerminal) {
    lexicon.addEntry("long", "{one two three four five six seven eight nine ten eleven}", 1,
                     "CHEM");
    lexicon.writeLexicon(program.path());
    environment = "COLUMNS=24 ";
    EXPECT_EQ(cli({"look", "long"}).out,
              "1 entry found\n\nlong\nΧημεία\n"
              "    one two three four\n    five six seven eight\n    nine ten eleven\n");
    EXPECT_FALSE(HasEscapes(cli({"look", "gas"}).out));
    EXPECT_TRUE(HasEscapes(cli({"look", "gas", "--color=always"}).out));
    EXPECT_EQ(cli({"look", "gas", "--color", "sometimes"}).status, 2);

    onTerminal = true;
    const CliRun coloured = cli({"look", "gas"});
    EXPECT_NE(coloured.out.find("\x1b[1mgas\x1b[0m\n"), std::string::npos) << coloured.out;
    EXPECT_NE(coloured.out.find("\x1b[2mΧημεία\x1b[0m\n"), std::string::npos) << coloured.out;
    EXPECT_FALSE(HasEscapes(cli({"look", "gas", "--color=never"}).out));
    environment = "COLUMNS=24 NO_COLOR=1 ";
    EXPECT_FALSE(HasEscapes(cli({"look", "gas"}).out));
    EXPECT_TRUE(HasEscapes(cli({"look", "gas", "--color", "always"}).out));
}

TEST_F(LookTest, APagerIsUsedOnlyOnATerminalForTextLongerThanIt) {
    const std::string paged = home.file("paged.txt");
    environment = "LINES=3 PAGER=" + test::Quoted("cat >" + paged) + " ";
    // On a pipe, never.
    EXPECT_EQ(cli({"look", "gas"}).out.substr(0, 15), "2 entries found");
    EXPECT_FALSE(FileExists(paged));
    onTerminal = true;
    EXPECT_EQ(cli({"look", "gas", "--no-pager"}).status, 0);
    EXPECT_FALSE(FileExists(paged));
    const CliRun run = cli({"look", "gas"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(ReadWholeFile(paged).value_or("").starts_with("2 entries found\n")) << run.out;
    EXPECT_EQ(run.out.find("entries found"), std::string::npos) << run.out;
    // Text that fits the screen is written as it is.
    std::filesystem::remove(paged);
    environment = "LINES=40 PAGER=" + test::Quoted("cat >" + paged) + " ";
    EXPECT_NE(cli({"look", "gas"}).out.find("2 entries found"), std::string::npos);
    EXPECT_FALSE(FileExists(paged));
    // A pager that cannot be started leaves the text on the terminal.
    environment = "LINES=3 PAGER=/nonexistent/pager ";
    EXPECT_NE(cli({"look", "gas"}).out.find("2 entries found"), std::string::npos);
}

TEST_F(LookTest, EveryLookUpThatFindsNothingExitsOneAndSaysSo) {
    for (const Args& lookUp : {Args{"search", "zzz"}, Args{"search", "--mode", "end", "zzz"},
                               Args{"multi"}, Args{"multi", "--start", "zzz"},
                               Args{"fulltext", "zzz"}, Args{"look", "zzz"}, Args{"show", "9"}}) {
        const CliRun run = cli(lookUp);
        EXPECT_EQ(run.status, 1) << lookUp.front() << run.err;
        EXPECT_EQ(run.out, "") << lookUp.front();
        EXPECT_FALSE(run.err.empty()) << lookUp.front();
    }
    EXPECT_EQ(cli({"look", "zzz"}).err, "No entries found\n");
    for (const Args& wrong : {Args{"look"}, Args{"look", "gas", "--max", "0"},
                              Args{"look", "gas", "--max", "x"}, Args{"help", "nothing"}})
        EXPECT_EQ(cli(wrong).status, 2) << wrong.back();
    std::remove(program.file("data/i.tbo").c_str());
    EXPECT_EQ(cli({"look", "gas"}).status, 3);
}

TEST_F(LookTest, FieldsAreListedAndNamedByNumberCodeOrName) {
    EXPECT_EQ(cli({"fields"}).out, "1\tCHEM\tΧημεία\n2\tMECH\tΜηχανολογία\n");
    const std::string byNumber = cli({"search", "--field", "2"}).out;
    EXPECT_EQ(byNumber, "2\tgasket *\n3\tthe engine\n");
    for (const char* name : {"MECH", "mech", "Μηχανολογία", "ΜΗΧΑΝΟΛΟΓΙΑ", "μηχανολογια"})
        EXPECT_EQ(cli({"search", "--field", name}).out, byNumber) << name;
    EXPECT_EQ(cli({"search", "--field", "Χημ"}).status, 2);  // a name whole, not its start
    // The edits take the same names.
    const CliRun insert =
        cli({"insert", "--english", "gear", "--field", "chem", "--description", "d"});
    EXPECT_EQ(insert.status, 0) << insert.err;
    EXPECT_EQ(cli({"search", "--field", "CHEM"}).out, "1\tgas\n4\tgear *\n");
}

TEST_F(LookTest, VersionNamesTheProgramAndTheLexicon) {
    const CliRun run = cli({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with("orvan-cli " ORVAN_VERSION "\nlexicon: " + program.path()))
        << run.out;
    EXPECT_NE(run.out.find("\nentries: 2\n"), std::string::npos) << run.out;
    // Another edition of the lexicon has another identity.
    lexicon.addEntry("zinc");
    lexicon.writeLexicon(program.path());
    const CliRun after = cli({"--version"});
    EXPECT_NE(after.out.find("\nentries: 3\n"), std::string::npos) << after.out;
    EXPECT_NE(after.out.substr(after.out.find("index:")), run.out.substr(run.out.find("index:")));
}

TEST(Wrapped, BreaksAtBlanksCountingCharactersNotBytesAndKeepsTheIndent) {
    using cli::Wrapped;
    EXPECT_EQ(Wrapped("  αβγ δεζ ηθι", 9), (std::vector<std::string>{"  αβγ δεζ", "  ηθι"}));
    EXPECT_EQ(Wrapped("averyveryverylongword x", 5, 1),
              (std::vector<std::string>{" averyveryverylongword", " x"}));
    EXPECT_EQ(Wrapped("   ", 10, 2), (std::vector<std::string>{""}));
    EXPECT_EQ(Wrapped("a  b ", 10), (std::vector<std::string>{"a b"}));
}

}  // namespace
}  // namespace orvan
