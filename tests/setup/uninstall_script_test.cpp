// The uninstall script, really run by /bin/sh over folders with hostile names: what it removes,
// what it leaves to the user, and that no name is ever read by the shell as a command.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "lexicon/text_file.h"
#include "setup/sha256.h"
#include "setup/uninstall_script.h"
#include "tests/setup/shell_run.h"
#include "tests/support/lexicon_fixture.h"

namespace orvan::test {
namespace {

using setup::InstalledLayout;
using setup::ShellQuoted;
using setup::UninstallScript;

// Names the shell would take apart or run, were they ever read unquoted. Running them would
// create a canary file named after this process.
const std::string kCanary = "orvan-uninst-canary-" + std::to_string(::getpid());
const std::string kHostile = "Or van \"dq\" it's $(touch " + kCanary + ") `touch " + kCanary +
                             "`; touch " + kCanary + " -rf\nnext 100% *";

bool Exists(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::symlink_status(path, ignored).type() !=
           std::filesystem::file_type::not_found;
}

// An installation as the program lays it out, in a folder with a hostile name, beside a folder
// whose name starts like it, with a desktop folder holding a file of the user's.
class UninstallScriptRun : public ::testing::Test {
  protected:
    UninstallScriptRun()
        : installed(temp.path() + "/" + kHostile),
          desktop(temp.path() + "/-Desk top 'x' $(touch " + kCanary + ")"),
          work(temp.path() + "/work") {
        layout.folder = installed;
        layout.files = {"orvan",
                        "data/i.tbo",
                        "data/igr.tbo",
                        "data/srt.tbo",
                        "data/lex.tbo",
                        "content/fil.tbo",
                        "content/01.jpg",
                        "content/background.bmp",
                        "content/help/copy.png",
                        "content/help/small/" + kHostile + ".png",
                        "content/-n"};
        layout.folders = {"content", "data", "content/help", "content/help/small"};
        for (const std::string& file : layout.files)
            temp.write(kHostile + "/" + file, "installed");
        temp.write(kHostile + "-other/ci.tbo", "sibling");
        temp.write(desktop.substr(temp.path().size() + 1) + "/notes.txt", "desktop");
        std::filesystem::create_directories(work);
    }

    // Writes the script where the program writes it and runs it to its end.
    void uninstall() {
        const std::string script = UninstallScript(layout, desktop);
        ASSERT_FALSE(script.empty());
        const std::string path = desktop + "/" + setup::kUninstallScriptName;
        ASSERT_TRUE(WriteFileAtomically(path, script));
        ASSERT_EQ(RunShellScript(path, work), 0);
        EXPECT_FALSE(Exists(path));
    }

    void expectInstalledGoneAndOthersKept() {
        for (const std::string& file : layout.files)
            EXPECT_FALSE(Exists(installed + "/" + file)) << file;
        for (const char* folder : {"content/help/small", "content/help", "data"})
            EXPECT_FALSE(Exists(installed + "/" + folder)) << folder;
        EXPECT_EQ(temp.read(kHostile + "-other/ci.tbo"), "sibling");
        EXPECT_EQ(ReadWholeFile(desktop + "/notes.txt").value_or(""), "desktop");
        for (const std::string& folder :
             {work, temp.path(), desktop, installed, std::filesystem::current_path().string(),
              std::filesystem::temp_directory_path().string()}) {
            EXPECT_FALSE(Exists(folder + "/" + kCanary)) << "a name was run in " << folder;
        }
    }

    TempFolder temp;
    std::string installed, desktop, work;
    InstalledLayout layout;
};

TEST_F(UninstallScriptRun, RemovesTheWholeInstallationWhenNothingOfTheUsersIsInIt) {
    uninstall();
    expectInstalledGoneAndOthersKept();
    EXPECT_FALSE(Exists(installed + "/content"));
    EXPECT_FALSE(Exists(installed));
}

TEST_F(UninstallScriptRun, KeepsTheUsersFilesAndTheFoldersHoldingThem) {
    temp.write(kHostile + "/ci.tbo", "personal");
    temp.write(kHostile + "/cigr.tbo", "personal");
    temp.write(kHostile + "/clex.tbo", "personal");
    temp.write(kHostile + "/content/" + kHostile + ".txt", "mine");
    uninstall();
    expectInstalledGoneAndOthersKept();
    for (const char* personal : {"/ci.tbo", "/cigr.tbo", "/clex.tbo"})
        EXPECT_EQ(temp.read(kHostile + personal), "personal");
    EXPECT_EQ(temp.read(kHostile + "/content/" + kHostile + ".txt"), "mine");
}

TEST_F(UninstallScriptRun, PathsLeadingOutOfTheInstallationAreLeftOut) {
    temp.write("victim", "outside");
    std::filesystem::create_directories(temp.path() + "/empty-victim");
    layout.files.insert(layout.files.end(),
                        {"../victim", "content/../../victim", temp.file("victim"), "", "./orvan",
                         "data//i.tbo", "data/", std::string("orv\0an", 6)});
    layout.folders.insert(layout.folders.end(),
                          {"..", "../empty-victim", "content/../../empty-victim", ".",
                           temp.file("empty-victim"), "content/."});
    // Even when it holds exactly what the list says.
    layout.checkedFiles = {{"../victim", 7, setup::Sha256Hex("outside")},
                           {temp.file("victim"), 7, setup::Sha256Hex("outside")}};
    layout.list = "../victim";
    const std::string script = UninstallScript(layout, desktop);
    EXPECT_EQ(script.find("victim"), std::string::npos);
    EXPECT_EQ(script.find("/./"), std::string::npos);
    EXPECT_EQ(script.find(std::string(1, '\0')), std::string::npos);
    uninstall();
    expectInstalledGoneAndOthersKept();
    EXPECT_EQ(temp.read("victim"), "outside");
    EXPECT_TRUE(FolderExists(temp.path() + "/empty-victim"));
    EXPECT_FALSE(Exists(installed));
}

// Three rounds would hide a wrong order in a real run, so the order is read from the text.
TEST(UninstallScript, RemovesFilesThenFoldersDeepestAndLatestFirstInThreeRounds) {
    const InstalledLayout layout{
        "/opt/orvan",
        {"orvan", "data/i.tbo"},
        {"content", "content/help", "data", "content/help/small", "data/old"}};
    const std::string round =
        "rm -f -- '/opt/orvan/orvan' 2>/dev/null\n"
        "rm -f -- '/opt/orvan/data/i.tbo' 2>/dev/null\n"
        "rmdir -- '/opt/orvan/content/help/small' 2>/dev/null\n"
        "rmdir -- '/opt/orvan/data/old' 2>/dev/null\n"
        "rmdir -- '/opt/orvan/content/help' 2>/dev/null\n"
        "rmdir -- '/opt/orvan/data' 2>/dev/null\n"
        "rmdir -- '/opt/orvan/content' 2>/dev/null\n"
        "rmdir -- '/opt/orvan' 2>/dev/null\n";
    const std::string script = UninstallScript(layout, "/home/ann/Desktop");
    ASSERT_EQ(script.rfind("#!/bin/sh\n", 0), 0u);
    const size_t first = script.find(round);
    ASSERT_NE(first, std::string::npos) << script;
    const std::string rest = script.substr(first + round.size());
    EXPECT_EQ(rest, "cd -- '/home/ann/Desktop' 2>/dev/null\n" + round + round +
                        "rm -f -- '/home/ann/Desktop/uninst.sh' 2>/dev/null\n");
    EXPECT_EQ(script.find('\r'), std::string::npos);
    EXPECT_EQ(script.find("set -e"), std::string::npos);
}

TEST(UninstallScript, RefusesAnInstallationFolderItCannotKeepWithin) {
    const std::vector<std::string> files{"orvan"};
    for (const std::string& folder :
         {std::string(), std::string("/"), std::string("//"), std::string("opt/orvan"),
          std::string("./orvan"), std::string("/opt/../orvan"), std::string("/opt/orvan/."),
          std::string("/opt/or\0van", 11)}) {
        EXPECT_EQ(UninstallScript({folder, files, {}}, "/home/ann/Desktop"), "") << folder;
    }
    EXPECT_EQ(UninstallScript({"/opt/orvan", files, {}}, "Desktop"), "");
    EXPECT_EQ(UninstallScript({"/opt/orvan", files, {}}, ""), "");
    // A trailing "/" is only a way of writing the folder.
    EXPECT_NE(UninstallScript({"/opt/orvan/", files, {}}, "/home/ann/Desktop")
                  .find("rmdir -- '/opt/orvan' "),
              std::string::npos);
}

TEST(UninstallScript, IsWrittenExecutableOrTheReasonIsToldNamingIt) {
    TempFolder home;
    const std::string desktop = home.file("Desktop");
    ASSERT_TRUE(setup::WriteUninstallScript(desktop, "echo\n"));
    EXPECT_EQ(home.read("Desktop/uninst.sh"), "echo\n");
    EXPECT_EQ(std::filesystem::status(desktop + "/uninst.sh").permissions(),
              std::filesystem::perms::owner_all);

    home.write("file", "");
    const Result<void> refused = setup::WriteUninstallScript(home.file("file/Desktop"), "echo\n");
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().message,
              "cannot write " + home.file("file/Desktop/uninst.sh") + ": " + strerror(ENOTDIR));
}

// What `sh -c 'printf %s "$1"' sh WORD` gives for the quoted word: the word the shell read.
std::string AsTheShellReadsIt(const std::string& quoted) {
    const std::string command = "sh -c 'printf %s \"$1\"' sh " + quoted;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    if (!pipe) return "<popen failed>";
    std::string out;
    char buffer[256];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0;)
        out.append(buffer, n);
    return out;
}

TEST(ShellQuoted, EveryWordReachesTheShellAsWritten) {
    EXPECT_EQ(ShellQuoted("it's"), "'it'\\''s'");
    for (const std::string& word :
         {std::string(), std::string("plain"), std::string("it's"), std::string("''"),
          std::string("'\\''"), std::string("a  b\tc"), std::string("\"$HOME\""),
          "$(touch " + kCanary + ")", "`touch " + kCanary + "`", "a; touch " + kCanary,
          std::string("-n"), std::string("--"), std::string("line\nbreak\n"),
          std::string("100% %s"), std::string("\\\\ \\n"), std::string("* ? [a] ~ #"),
          std::string("a|b&c>d<e"), kHostile, std::string("Τεχνικό λεξικό")}) {
        EXPECT_EQ(AsTheShellReadsIt(ShellQuoted(word)), word);
    }
    EXPECT_FALSE(Exists(std::filesystem::current_path().string() + "/" + kCanary));
}

}  // namespace
}  // namespace orvan::test
