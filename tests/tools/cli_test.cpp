// orvan-cli run as a user runs it: a small lexicon on disk, the command line, its output and
// exit status.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "lexicon/lexicon_files.h"
#include "lexicon/text_file.h"
#include "tests/tools/cli_fixture.h"
#include "tools/cli/commands.h"

namespace orvan {
namespace {

using test::Args;
using test::CliRun;
using test::Cp;

using CliTest = test::CliFixture;

TEST_F(CliTest, DumpPrintsEveryTableAsTheWindowLoadsIt) {
    const CliRun run = cli({"dump"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "F\t1\tCHEM\tΧημεία\n"
              "F\t2\tMECH\tΜηχανολογία\n"
              "E\t1\t1\tL\t57601\t3\t1\t0\t1\tCHEM\tgas\n"
              "E\t2\t3\tC\t1\t3\t1\t0\t0\tMECH\tgasket\n"
              "E\t3\t2\tA\t57604\t3\t5\t0\t2\tMECH\tthe engine\n"
              "G\t1\t1\t1\tαέριο\n"
              "G\t2\t2\t3\tμηχανή\n"
              "N\t0\t0000000400003\n");
}

TEST_F(CliTest, SearchFollowsTheWindowsListRules) {
    EXPECT_EQ(cli({"search", "gas"}).out, "1\tgas\n2\tgasket *\n");
    EXPECT_EQ(cli({"search", "--mode", "END", "ENGINE"}).out, "3\tthe engine\n");
    EXPECT_EQ(cli({"search", "--mode", "CONTAIN", "ΜΗΧΑΝ"}).out, "3\tμηχανή\n");
    EXPECT_EQ(cli({"search", "--field", "2"}).out, "2\tgasket *\n3\tthe engine\n");
    EXPECT_EQ(cli({"search", "--field", "2", "--greek-mode"}).out, "3\tμηχανή\n");
    EXPECT_EQ(cli({"search", "--personal-only"}).out, "2\tgasket *\n3\tthe engine\n");
    EXPECT_EQ(cli({"search"}).out, "");
    EXPECT_EQ(cli({"search", "gas"}, false).out, "1\tgas\n");
}

// orvan-cli `program` run in `folder` without -C, as a user runs it from anywhere.
CliRun RunIn(const std::string& folder, const std::string& program, const std::string& home,
             const std::string& command) {
    const std::string line = "cd " + test::Quoted(folder) + " && HOME=" + test::Quoted(home) +
                             " XDG_CONFIG_HOME=" + test::Quoted(home + "/config") +
                             " XDG_CACHE_HOME=" + test::Quoted(home + "/cache") + " timeout 10 " +
                             test::Quoted(program) + " " + command + " 2>/dev/null";
    CliRun run;
    FILE* pipe = ::popen(line.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.out.append(buffer, n);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST_F(CliTest, FromAnyFolderTheLexiconInstalledBesideTheProgramIsRead) {
    // Installed beside its lexicon, and reached through a link in another folder.
    const std::string installed = program.file("orvan-cli");
    std::filesystem::copy_file(ORVAN_CLI_PATH, installed);
    const std::string link = home.file("orvan-cli");
    std::filesystem::create_symlink(installed, link);
    EXPECT_EQ(RunIn(home.path(), link, home.path(), "search gas").out, "1\tgas\n");
    // A folder that holds a lexicon of its own is read first.
    test::TempFolder other;
    test::LexiconBuilder otherLexicon;
    otherLexicon.addEntry("zinc");
    otherLexicon.writeLexicon(other.path());
    EXPECT_EQ(RunIn(other.path(), link, home.path(), "search z").out, "1\tzinc\n");
    // With no lexicon here, beside the program nor installed, its absence is told.
    if (FileExists(std::string(kInstalledLexiconFolder) + "data/i.tbo")) return;
    const CliRun nowhere = RunIn(home.path(), ORVAN_CLI_PATH, home.path(), "search gas");
    EXPECT_EQ(nowhere.status, 3);
    EXPECT_EQ(nowhere.out, "");
}

TEST_F(CliTest, MultiDispatchesAsTheCriteriaDialog) {
    EXPECT_EQ(cli({"multi", "--start", "Gas", "--end", "ket"}).out, "2\tgasket *\n");
    EXPECT_EQ(cli({"multi", "--contain", "engine"}).out, "3\tthe engine\n");
    EXPECT_EQ(cli({"multi"}).out, "");
}

TEST_F(CliTest, ShowPrintsTheEntryDisplay) {
    EXPECT_EQ(cli({"show", "1"}).out, "gas\nαέριο\nΧημεία\n  x\n");
    EXPECT_EQ(cli({"show", "--greek-mode", "1"}).out, "αέριο\ngas\nΧημεία\n  x\n");
    // An annotated entry: its description, the heading on a line of its own, the supplement.
    EXPECT_EQ(cli({"show", "3"}).out,
              "the engine\nμηχανή\nΜηχανολογία\n  x \nΣυμπλήρωση δική σας: \ns \n");
    EXPECT_EQ(cli({"show", "4"}).status, 1);
    EXPECT_EQ(cli({"show", "one"}).status, 2);
    EXPECT_EQ(cli({"show"}).status, 2);
}

TEST_F(CliTest, UsageAndDataErrorsHaveTheirExitStatus) {
    EXPECT_EQ(cli({}).status, 2);
    EXPECT_EQ(cli({"frobnicate"}).status, 2);
    EXPECT_EQ(cli({"search", "--mode", "MIDDLE", "x"}).status, 2);
    EXPECT_EQ(cli({"search", "--field", "3"}).status, 2);
    EXPECT_EQ(cli({"search", "--field", "x"}).status, 2);
    EXPECT_EQ(cli({"search", "中"}).status, 2);  // 中 has no place in code page 1253
    EXPECT_EQ(cli({"search", "a", "b"}).status, 2);
    EXPECT_EQ(cli({"byte-range"}).status, 3);  // no plain Greek index here
    std::remove(program.file("data/i.tbo").c_str());
    EXPECT_EQ(cli({"dump"}).status, 3);
}

TEST_F(CliTest, PrepareScramblesThePlainSourcesAndReportsTheByteRange) {
    program.write("data/i_.tbo", FormatIndexLine({1, "plain", 57601, 3, 1, ""}) + "\r\n");
    program.write("data/igr_.tbo", FormatGreekIndexLine({1, Cp("απλό")}) + "\r\n");
    program.write("data/lex_.tbo", test::LexiconBuilder::prologue() + "{y}");
    const CliRun prepared = cli({"prepare"});
    EXPECT_EQ(prepared.status, 0);
    EXPECT_EQ(prepared.out, "ok\n");
    EXPECT_EQ(cli({"search", "plain"}, false).out, "1\tplain\n");
    EXPECT_EQ(cli({"search", "απλ"}, false).out, "1\tαπλό\n");
    EXPECT_EQ(cli({"byte-range"}).out, "32  -  252\n");
}

TEST_F(CliTest, PersonalFolderComesFromTheSettingsFile) {
    home.write("config/Orvan.ini", "NO\r\n" + personal.path() + "\r\n");
    EXPECT_EQ(cli({"search", "gas"}, false).out, "1\tgas\n2\tgasket *\n");
}

TEST_F(CliTest, InsertAddsAnEntryAsTheEditorWouldWithItsLinesSeparated) {
    const CliRun run = cli({"insert", "--english", "gear", "--greek", "γρανάζι", "--field", "2",
                            "--description", "toothed\nwheel"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "slot 4 entry 4\n");
    // "gear" sorts after "the engine", keyed from "engine".
    EXPECT_EQ(cli({"search", "ge"}).out, "4\tgear *\n");
    EXPECT_EQ(cli({"show", "4"}).out, "gear\nγρανάζι\nΜηχανολογία\n  toothed \nwheel\n");
    EXPECT_EQ(cli({"search", "γραν"}).out, "4\tγρανάζι *\n");
}

TEST_F(CliTest, UpdateKeepsWhatIsNotGivenAndDeleteRemovesOnlyOwnEntries) {
    // The supplement of "the engine" (slot 3) is replaced; only the description counts, and the
    // user is told so.
    const CliRun note =
        cli({"update", "3", "--english", "ignored", "--field", "1", "--description", "new note"});
    EXPECT_EQ(note.status, 0);
    EXPECT_EQ(note.err,
              "orvan-cli: --english is not used: of a lexicon entry only the description (your "
              "note) is written\n"
              "orvan-cli: --field is not used: of a lexicon entry only the description (your "
              "note) is written\n");
    EXPECT_EQ(cli({"show", "3"}).out,
              "the engine\nμηχανή\nΜηχανολογία\n  x \nΣυμπλήρωση δική σας: \nnew note \n");
    // "gasket" (slot 2) gets a new headword and keeps its field.
    EXPECT_EQ(cli({"update", "2", "--english", "gaskets", "--description", "seal"}).status, 0);
    EXPECT_EQ(cli({"search", "--field", "2"}).out, "2\tthe engine\n3\tgaskets *\n");
    // A lexicon entry cannot be deleted, nor a slot past the table; nothing changes.
    const std::string before = personal.read("ci.tbo");
    EXPECT_EQ(cli({"delete", "1"}).status, 4);
    EXPECT_EQ(cli({"delete", "9"}).status, 1);
    EXPECT_EQ(personal.read("ci.tbo"), before);
    EXPECT_EQ(cli({"delete", "3"}).status, 0);
    EXPECT_EQ(cli({"search", "gas"}).out, "1\tgas\n");
}

TEST_F(CliTest, NoChangeIsMadeFromEntriesReadInPart) {
    // A line of cigr.tbo that cannot be read: the Greek renderings are not all loaded, and an
    // edit from that load would write them as removed.
    personal.write("cigr.tbo", personal.read("cigr.tbo") + "damaged\r\n");
    const std::string files =
        personal.read("ci.tbo") + personal.read("cigr.tbo") + personal.read("clex.tbo");
    for (const Args& edit : {Args{"update", "2", "--description", "seal"}, Args{"delete", "2"},
                             Args{"insert", "--english", "gear", "--description", "wheel"}}) {
        const CliRun run = cli(edit);
        EXPECT_EQ(run.status, 4) << edit.front();
        EXPECT_NE(run.err.find("not read whole"), std::string::npos) << run.err;
    }
    EXPECT_EQ(personal.read("ci.tbo") + personal.read("cigr.tbo") + personal.read("clex.tbo"),
              files);
}

TEST_F(CliTest, DeleteNoteRemovesOnlyTheSupplementOfTheEntry) {
    const std::string before = personal.read("ci.tbo") + personal.read("clex.tbo");
    // A lexicon entry without a note, the user's own entry: refused, nothing changes.
    const CliRun plain = cli({"delete", "--note", "1"});
    EXPECT_EQ(plain.status, 4);
    EXPECT_EQ(plain.err, "orvan-cli: the entry in slot 1 has no note of yours\n");
    EXPECT_EQ(cli({"delete", "--note", "2"}).status, 4);
    // Plain delete still takes only the user's own entries, not a note.
    EXPECT_EQ(cli({"delete", "3"}).status, 4);
    EXPECT_EQ(cli({"delete", "--note"}).status, 2);
    EXPECT_EQ(personal.read("ci.tbo") + personal.read("clex.tbo"), before);

    const CliRun removed = cli({"delete", "--note", "3"});
    EXPECT_EQ(removed.status, 0) << removed.err;
    EXPECT_EQ(removed.out, "ok\n");
    EXPECT_EQ(cli({"show", "3"}).out, "the engine\nμηχανή\nΜηχανολογία\n  x\n");
    EXPECT_EQ(cli({"search", "--personal-only"}).out, "2\tgasket *\n");
    EXPECT_EQ(cli({"show", "2"}).out, "gasket\n\nΜηχανολογία\n  p\n");
    EXPECT_EQ(cli({"delete", "--note", "3"}).status, 4);
}

TEST_F(CliTest, FullTextListsTheEntriesWhoseTextHoldsTheWord) {
    // "x" is the text of both lexicon entries, "p" of the user's own, "s" of the note.
    EXPECT_EQ(cli({"fulltext", "x"}).out, "1\tgas\n3\tthe engine\n");
    EXPECT_EQ(cli({"fulltext", "  p"}).out, "2\tgasket *\n");
    EXPECT_EQ(cli({"fulltext", "s"}).out, "3\tthe engine\n");
    EXPECT_EQ(cli({"fulltext", "X"}).out, "");
    EXPECT_EQ(cli({"fulltext"}).status, 2);
    // Without the personal folder only the lexicon's texts are searched.
    EXPECT_EQ(cli({"--personal", personal.path() + "/none", "fulltext", "s"}).out, "");
}

TEST_F(CliTest, HelpNamesEveryCommandAndEachCommandsHelpEveryOptionItTakes) {
    const std::string usage = cli({"--help"}).out;
    for (const test::Args& help :
         {test::Args{"-h"}, test::Args{"-C", "x", "-h"}, test::Args{"help"}}) {
        const CliRun asked = cli(help);
        EXPECT_EQ(asked.status, 0) << help.back();
        EXPECT_EQ(asked.out, usage);
        EXPECT_EQ(asked.err, "");
    }
    for (const std::string option : {"-C", "--personal", "--verbose", "--version", "--help"})
        EXPECT_NE(usage.find(option), std::string::npos) << option;
    for (const char* status : {"  0  ", "  1  ", "  2  ", "  3  ", "  4  "})
        EXPECT_NE(usage.find(status), std::string::npos) << usage;
    for (const cli::Command& command : cli::Commands()) {
        // A line of its own: the name, then what it does.
        EXPECT_NE(usage.find("\n  " + command.name + " "), std::string::npos) << command.name;
        const CliRun full = cli({"help", command.name});
        EXPECT_EQ(full.status, 0) << command.name;
        EXPECT_TRUE(full.out.starts_with("usage: orvan-cli " + command.name)) << full.out;
        for (const auto* options : {&command.valueOptions, &command.flagOptions}) {
            for (const std::string& option : *options)
                EXPECT_NE(full.out.find(option), std::string::npos) << command.name << option;
        }
        if (!command.alias.empty()) {
            EXPECT_EQ(cli({"help", command.alias}).out, full.out);
        }
    }
    // After a command, --help is that command's help, and nothing runs.
    EXPECT_EQ(cli({"insert", "--english", "x", "--help"}).out, cli({"help", "insert"}).out);
    EXPECT_EQ(cli({"help", "frobnicate"}).status, 2);
    const CliRun run = cli({"delete", "--bogus", "2"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "orvan-cli: unknown option --bogus for delete\n" + usage);
    // After "--" it is a word to search for.
    EXPECT_EQ(cli({"search", "--", "-h"}).out, "");
}

TEST_F(CliTest, ModeNamesAreTakenInAnyLetterCase) {
    EXPECT_EQ(cli({"search", "--mode", "contain", "ask"}).out, "2\tgasket *\n");
    EXPECT_EQ(cli({"search", "--mode", "End", "ket"}).out, "2\tgasket *\n");
    EXPECT_EQ(cli({"search", "--mode", "middle", "ket"}).status, 2);
}

TEST_F(CliTest, EditsNeedTheirFieldsAndAPersonalFolder) {
    EXPECT_EQ(cli({"insert", "--english", "gear"}).status, 2);
    EXPECT_EQ(cli({"insert", "--description", "x"}).status, 2);
    EXPECT_EQ(cli({"insert", "--english", "gear", "--description", "x"}, false).status, 4);
    EXPECT_EQ(cli({"update", "2"}).status, 2);
    // A personal folder that does not exist yet is made.
    const std::string fresh = home.file("my entries/deep");
    const CliRun run = cli({"--personal", fresh, "insert", "--english", "gear",
                            "--description-file", program.file("description.txt")},
                           false);
    EXPECT_EQ(run.status, 3);  // the description file is missing
    program.write("description.txt", "από αρχείο\r\n");
    EXPECT_EQ(cli({"--personal", fresh, "insert", "--english", "gear", "--description-file",
                   program.file("description.txt")},
                  false)
                  .status,
              0);
    EXPECT_TRUE(FileExists(fresh + "/ci.tbo"));
}

// The E and G lines of `dump` that do not name `headword`: what an edit of that entry must leave.
std::string OtherEntries(const std::string& dump, const std::string& headword) {
    std::string others;
    std::istringstream lines(dump);
    for (std::string line; std::getline(lines, line);) {
        if ((line.starts_with("E\t") || line.starts_with("G\t")) &&
            line.find(headword) == std::string::npos) {
            others += line + '\n';
        }
    }
    return others;
}

std::string PersonalFilesText(const test::TempFolder& personal) {
    return personal.read("ci.tbo") + '|' + personal.read("cigr.tbo") + '|' +
           personal.read("clex.tbo");
}

TEST_F(CliTest, AScriptKeepsItsEntryByNumberWhileAnotherSortsBeforeIt) {
    const CliRun zebra = cli({"insert", "--english", "zebra crossing x", "--description", "z"});
    ASSERT_EQ(zebra.out, "slot 4 entry 4\n") << zebra.err;
    ASSERT_EQ(cli({"insert", "--english", "aardvark x", "--description", "a"}).out,
              "slot 1 entry 5\n");
    // Slot 4 now holds the lexicon entry "the engine", with the user's note.
    const std::string before = cli({"dump"}).out;
    const std::string files = PersonalFilesText(personal);
    const CliRun stale =
        cli({"update", "4", "--expect", "zebra crossing x", "--description", "striped"});
    EXPECT_EQ(stale.status, 4);
    EXPECT_EQ(stale.err,
              "orvan-cli: the entry in slot 4 is 'the engine', not 'zebra crossing x'\n");
    EXPECT_EQ(cli({"delete", "4", "--expect", "zebra crossing x"}).status, 4);
    EXPECT_EQ(PersonalFilesText(personal), files);

    // By number: an own entry changed gets a new one, which the script goes on with.
    const CliRun updated = cli({"update", "--entry", "4", "--description", "striped"});
    EXPECT_EQ(updated.status, 0) << updated.err;
    EXPECT_EQ(updated.out, "ok entry 6\n");
    EXPECT_EQ(cli({"show", "--entry", "6"}).out, "zebra crossing x\n\n\n  striped\n");
    EXPECT_EQ(OtherEntries(cli({"dump"}).out, "zebra"), OtherEntries(before, "zebra"));
    EXPECT_EQ(cli({"show", "4"}).out,
              "the engine\nμηχανή\nΜηχανολογία\n  x \nΣυμπλήρωση δική σας: \ns \n");
    EXPECT_EQ(cli({"update", "--entry", "4", "--description", "again"}).status, 1);

    // A note keeps the number of its lexicon entry; --expect holds with --entry as well.
    EXPECT_EQ(cli({"update", "--entry", "2", "--expect", "the engine", "--description", "n"}).out,
              "ok entry 2\n");
    EXPECT_EQ(cli({"delete", "--entry", "6", "--expect", "zebra crossing x"}).out, "ok\n");
    EXPECT_EQ(OtherEntries(cli({"dump"}).out, "zebra"), OtherEntries(before, "zebra"));
    EXPECT_EQ(cli({"search", "z"}).out, "");
}

TEST_F(CliTest, EntryOptionRefusesUnknownNumbersAndASlotBesideIt) {
    const std::string files = PersonalFilesText(personal);
    const CliRun unknown = cli({"update", "--entry", "77", "--description", "x"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.err, "orvan-cli: no entry has the number 77\n");
    EXPECT_EQ(cli({"show", "--entry", "77"}).status, 1);
    EXPECT_EQ(cli({"update", "2", "--entry", "3", "--description", "x"}).status, 2);
    EXPECT_EQ(cli({"show", "--entry", "three"}).status, 2);
    const CliRun lexiconEntry = cli({"delete", "--entry", "1"});
    EXPECT_EQ(lexiconEntry.status, 4);
    EXPECT_EQ(lexiconEntry.err, "orvan-cli: entry 1 is not one of your own entries\n");
    const CliRun other = cli({"delete", "--entry", "3", "--expect", "gaskets"});
    EXPECT_EQ(other.status, 4);
    EXPECT_EQ(other.err, "orvan-cli: entry 3 is 'gasket', not 'gaskets'\n");
    EXPECT_EQ(PersonalFilesText(personal), files);
    EXPECT_EQ(cli({"show", "--entry", "3"}).out, "gasket\n\nΜηχανολογία\n  p\n");
}

TEST_F(CliTest, NumbersAddTheEntryNumberAfterTheSlot) {
    EXPECT_EQ(cli({"search", "--numbers", "gas"}).out, "1\t1\tgas\n2\t3\tgasket *\n");
    // A Greek headword's line gives its English entry.
    EXPECT_EQ(cli({"search", "--numbers", "--mode", "contain", "μηχ"}).out, "3\t2\tμηχανή\n");
    EXPECT_EQ(cli({"multi", "--numbers", "--contain", "engine"}).out, "3\t2\tthe engine\n");
    EXPECT_EQ(cli({"fulltext", "--numbers", "x"}).out, "1\t1\tgas\n3\t2\tthe engine\n");
    const std::string dump = cli({"dump", "--numbers"}).out;
    EXPECT_NE(dump.find("G\t1\t1\t1\t1\tαέριο\nG\t2\t2\t3\t2\tμηχανή\n"), std::string::npos)
        << dump;
}

}  // namespace
}  // namespace orvan
