// Installing from the medium: the content list, the copies, what is written beside them, and
// telling a copy on its medium from an installed one.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "lexicon/settings.h"
#include "lexicon/text_file.h"
#include "setup/content_list.h"
#include "setup/desktop_entry.h"
#include "setup/installation.h"
#include "setup/installed_list.h"
#include "setup/uninstall_script.h"
#include "tests/setup/shell_run.h"
#include "tests/support/lexicon_fixture.h"

namespace orvan::test {
namespace {

namespace fs = std::filesystem;
using setup::ContentStep;
using setup::InstallResult;

using Kind = ContentStep::Kind;

std::vector<std::pair<Kind, std::string>> Steps(std::string_view list) {
    std::vector<std::pair<Kind, std::string>> steps;
    for (const ContentStep& step : setup::ReadContentList(list)) {
        steps.emplace_back(step.kind, step.path);
    }
    return steps;
}

TEST(ContentList, SubfolderLinesReplaceThePrefixAndFileLinesFollowIt) {
    EXPECT_EQ(Steps("first.bmp\r\n\r\nhelp\\\r\nx.png\r\nhelp\\small\\\r\ny.png\r\nmore\\\r\n"
                    "z.png\r\n"),
              (std::vector<std::pair<Kind, std::string>>{{Kind::File, "first.bmp"},
                                                         {Kind::Folder, "help"},
                                                         {Kind::File, "help/x.png"},
                                                         {Kind::Folder, "help/small"},
                                                         {Kind::File, "help/small/y.png"},
                                                         {Kind::Folder, "more"},
                                                         {Kind::File, "more/z.png"}}));
}

TEST(ContentList, LinesAreTakenAsTheyAreAndNamesDecodedFromTheCodePage) {
    EXPECT_EQ(Steps(" a b.bmp \r\nsub/\r\n\xe1.rtf\r\n"),
              (std::vector<std::pair<Kind, std::string>>{
                  {Kind::File, " a b.bmp "}, {Kind::Folder, "sub"}, {Kind::File, "sub/α.rtf"}}));
}

TEST(ContentList, NothingOutsideTheContentFolderIsNamed) {
    for (const char* line : {"..\\..\\etc\\passwd", "/etc/passwd", "\\etc\\x", "a\\\\b", "a\\.\\b",
                             "..\\", "sub\\..\\..\\x"}) {
        const auto steps = setup::ReadContentList(std::string(line) + "\r\n");
        ASSERT_EQ(steps.size(), 1u) << line;
        EXPECT_EQ(steps[0].path, "") << line;
        EXPECT_EQ(steps[0].line, line);
    }
    // The files after an unusable subfolder line are refused with it.
    const auto steps = setup::ReadContentList("..\\\r\nx.bmp\r\n");
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[1].path, "");
}

class InstallTest : public ::testing::Test {
  protected:
    InstallTest() {
        medium.write("orvan", "#!/bin/sh\n");
        fs::create_directories(medium.path() + "/data");
        for (const char* file : setup::kLexiconFiles)
            medium.write(file, file);
        fs::create_directories(medium.path() + "/content/help/small");
        for (const char* file :
             {"content/a.bmp", "content/help/b.png", "content/help/small/c.png"}) {
            medium.write(file, file);
        }
        medium.write("content/fil.tbo",
                     "fil.tbo\r\na.bmp\r\nhelp\\\r\nb.png\r\nhelp\\small\\\r\n"
                     "c.png\r\n");
        // The medium is read-only: no write permission for anyone.
        ::chmod(medium.file("orvan").c_str(), 0555);
        ::chmod(medium.file("data/i.tbo").c_str(), 0444);
        places.startFolder = medium.path() + "/";
        places.desktopFolder = home.path() + "/Desktop";
        places.applicationsFolder = home.path() + "/.local/share/applications";
        places.settingsPath = home.path() + "/Orvan.ini";
        home.write("Orvan.ini", "NO\r\n");
        fs::create_directories(target());
    }
    std::string target() const { return home.path() + "/Orvan"; }
    std::string installed(const std::string& name) const { return target() + "/" + name; }
    static unsigned mode(const std::string& path) {
        struct stat status {};
        return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 0777 : 01000;
    }

    // Uninstalls the copy in target() as the program does: the script for what the folder's
    // list names, saved on the desktop and run by /bin/sh to its end.
    void uninstall() const {
        std::string problem;
        const setup::InstalledLayout layout = setup::InstalledLayoutOf(target() + "/", problem);
        ASSERT_EQ(problem, "");
        const std::string script = places.desktopFolder + "/" + setup::kUninstallScriptName;
        ASSERT_TRUE(
            WriteFileAtomically(script, setup::UninstallScript(layout, places.desktopFolder)));
        ASSERT_EQ(RunShellScript(script, home.path()), 0);
        EXPECT_FALSE(fs::exists(script));
    }
    // What is left in target(), relative, sorted.
    std::vector<std::string> left() const {
        std::vector<std::string> left;
        for (const auto& entry : fs::recursive_directory_iterator(target()))
            left.push_back(entry.path().lexically_relative(target()).string());
        std::sort(left.begin(), left.end());
        return left;
    }

    TempFolder medium, home;
    setup::InstallPlaces places;
};

TEST_F(InstallTest, CopiesTheProgramTheLexiconAndTheListedContent) {
    const auto outcome = setup::InstallFiles(target(), places);
    EXPECT_EQ(outcome.result, InstallResult::Succeeded);
    EXPECT_TRUE(outcome.problems.empty());
    for (const char* file :
         {"orvan", "data/i.tbo", "data/igr.tbo", "data/srt.tbo", "data/lex.tbo", "content/fil.tbo",
          "content/a.bmp", "content/help/b.png", "content/help/small/c.png"}) {
        EXPECT_EQ(home.read("Orvan/" + std::string(file)), medium.read(file)) << file;
    }
    // The program becomes writable by its owner; the data keep their medium's permissions.
    EXPECT_EQ(mode(installed("orvan")), 0755u);
    EXPECT_EQ(mode(installed("data/i.tbo")), 0444u);
    EXPECT_FALSE(setup::RunsFromMedium(target() + "/"));
    EXPECT_TRUE(setup::RunsFromMedium(places.startFolder));

    EXPECT_EQ(home.read("Orvan.ini"), "YES\r\n" + target() + "\r\n");
    for (const std::string& folder : {places.desktopFolder, places.applicationsFolder}) {
        EXPECT_EQ(*ReadWholeFile(folder + "/Orvan.desktop"), setup::DesktopEntryText(target()));
    }
    // No temporary copies are left behind.
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::recursive_directory_iterator(target()))
        ++entries;
    EXPECT_EQ(entries, 14);  // with the list of what was installed
}

TEST_F(InstallTest, InstallingTwiceReplacesNothingAndSaysSo) {
    ASSERT_EQ(setup::InstallFiles(target(), places).result, InstallResult::Succeeded);
    home.write("Orvan/data/i.tbo.mine", "x");
    ::chmod(installed("data/lex.tbo").c_str(), 0644);
    home.write("Orvan/data/lex.tbo", "changed by the user");
    fs::remove(places.desktopFolder + "/Orvan.desktop");
    WriteSettings(places.settingsPath, "NO", "/elsewhere");

    const auto outcome = setup::InstallFiles(target() + "/", places);
    EXPECT_EQ(outcome.result, InstallResult::HadProblems);
    // Every copy and folder failed: 9 files, 4 folders.
    EXPECT_EQ(outcome.problems.size(), 13u);
    EXPECT_EQ(home.read("Orvan/data/lex.tbo"), "changed by the user");
    // The desktop entry and the settings are written again, the folder without its "/".
    EXPECT_TRUE(fs::exists(places.desktopFolder + "/Orvan.desktop"));
    EXPECT_EQ(home.read("Orvan.ini"), "YES\r\n" + target() + "\r\n");
}

TEST_F(InstallTest, WithoutAContentListTheContentFolderStaysEmpty) {
    fs::remove(medium.file("content/fil.tbo"));
    EXPECT_EQ(setup::InstallFiles(target(), places).result, InstallResult::Succeeded);
    EXPECT_TRUE(fs::is_empty(installed("content")));
    EXPECT_TRUE(fs::exists(installed("data/lex.tbo")));
}

TEST_F(InstallTest, AMissingListedFileIsAProblemAndTheRestIsCopied) {
    medium.write("content/fil.tbo", "gone.bmp\r\na.bmp\r\n..\\..\\outside\r\nhelp\\\r\nb.png\r\n");
    const auto outcome = setup::InstallFiles(target(), places);
    EXPECT_EQ(outcome.result, InstallResult::HadProblems);
    ASSERT_EQ(outcome.problems.size(), 2u);
    EXPECT_NE(outcome.problems[0].find("gone.bmp"), std::string::npos) << outcome.problems[0];
    EXPECT_NE(outcome.problems[1].find("outside"), std::string::npos) << outcome.problems[1];
    EXPECT_TRUE(fs::exists(installed("content/a.bmp")));
    EXPECT_TRUE(fs::exists(installed("content/help/b.png")));
    EXPECT_FALSE(fs::exists(home.path() + "/outside"));
}

TEST_F(InstallTest, ADeeperFolderNeedsItsParentCreatedFirst) {
    medium.write("content/fil.tbo", "help\\small\\\r\nc.png\r\n");
    const auto outcome = setup::InstallFiles(target(), places);
    EXPECT_EQ(outcome.result, InstallResult::HadProblems);
    EXPECT_FALSE(fs::exists(installed("content/help")));
}

TEST_F(InstallTest, AContentListThatCannotBeReadAbandonsBeforeTheSettings) {
    fs::remove(medium.file("content/fil.tbo"));
    fs::create_directories(medium.file("content/fil.tbo"));
    const auto outcome = setup::InstallFiles(target(), places);
    EXPECT_EQ(outcome.result, InstallResult::Abandoned);
    EXPECT_FALSE(outcome.ranToEnd());
    EXPECT_FALSE(outcome.problems.empty());
    EXPECT_EQ(home.read("Orvan.ini"), "NO\r\n");
    EXPECT_FALSE(fs::exists(places.desktopFolder + "/Orvan.desktop"));
    // What was copied before stays.
    EXPECT_TRUE(fs::exists(installed("data/lex.tbo")));
}

TEST(InstallationFolder, OneTrailingSeparatorIsDropped) {
    EXPECT_EQ(setup::InstallationFolder("/home/ann/Orvan/"), "/home/ann/Orvan");
    EXPECT_EQ(setup::InstallationFolder("/home/ann/Orvan//"), "/home/ann/Orvan/");
    EXPECT_EQ(setup::InstallationFolder("/home/ann/Orvan"), "/home/ann/Orvan");
}

TEST(RunsFromMedium, AnyWritePermissionMeansInstalledAndAMissingProgramMeansMedium) {
    TempFolder folder;
    EXPECT_TRUE(setup::RunsFromMedium(folder.path() + "/"));
    folder.write("orvan", "x");
    for (const auto& [mode, medium] : std::vector<std::pair<unsigned, bool>>{
             {0555, true}, {0444, true}, {0755, false}, {0575, false}, {0557, false}}) {
        ::chmod(folder.file("orvan").c_str(), mode);
        EXPECT_EQ(setup::RunsFromMedium(folder.path() + "/"), medium) << std::oct << mode;
    }
}

// The reproduction of a folder that held the user's own files before the installation: the
// installation refuses to replace them, and uninstalling must not take them either.
TEST_F(InstallTest, UninstallingRemovesOnlyWhatTheInstallationMadeAndTheUserLeftAsItWas) {
    const std::string odd = "it's $(touch pwned) b.png";
    medium.write("content/help/" + odd, "odd name");
    medium.write("content/01.jpg", "the medium's picture");
    medium.write("content/fil.tbo", "fil.tbo\r\n01.jpg\r\na.bmp\r\nhelp\\\r\nb.png\r\n" + odd +
                                        "\r\nhelp\\small\\\r\nc.png\r\n");
    home.write("Orvan/orvan", "the user's program");
    home.write("Orvan/data/srt.tbo", "the user's sort table");
    home.write("Orvan/content/01.jpg", "the user's picture");
    ASSERT_EQ(setup::InstallFiles(target(), places).result, InstallResult::HadProblems);
    EXPECT_EQ(home.read("Orvan/content/help/" + odd), "odd name");
    // Since installing, the user changed one installed file (its size kept) and put a link to a
    // file of the same bytes in place of another.
    home.write("Orvan/data/lex.tbo", "data/LEX.tbo");
    fs::remove(installed("content/a.bmp"));
    fs::create_symlink(medium.file("content/a.bmp"), installed("content/a.bmp"));

    uninstall();
    EXPECT_EQ(left(), (std::vector<std::string>{"content", "content/01.jpg", "content/a.bmp",
                                                "data", "data/lex.tbo", "data/srt.tbo", "orvan"}));
    EXPECT_EQ(home.read("Orvan/orvan"), "the user's program");
    EXPECT_EQ(home.read("Orvan/data/srt.tbo"), "the user's sort table");
    EXPECT_EQ(home.read("Orvan/content/01.jpg"), "the user's picture");
    EXPECT_EQ(home.read("Orvan/data/lex.tbo"), "data/LEX.tbo");
    EXPECT_TRUE(fs::is_symlink(installed("content/a.bmp")));
    EXPECT_EQ(medium.read("content/a.bmp"), "content/a.bmp");
    EXPECT_FALSE(fs::exists(home.path() + "/pwned"));
}

// What a content list names at uninstalling has nothing to do with what was installed: here the
// installed content has no list of its own, and the medium's list changed twice.
TEST_F(InstallTest, UninstallingRemovesWhatEveryInstallationIntoTheFolderMade) {
    medium.write("content/fil.tbo", "a.bmp\r\nhelp\\\r\nb.png\r\n");
    ASSERT_EQ(setup::InstallFiles(target(), places).result, InstallResult::Succeeded);
    // A second installation into the folder adds what it makes to what the first made.
    medium.write("content/fil.tbo", "help\\\r\nhelp\\small\\\r\nc.png\r\n");
    ASSERT_EQ(setup::InstallFiles(target(), places).result, InstallResult::HadProblems);
    ASSERT_TRUE(fs::exists(installed("content/help/small/c.png")));
    medium.write("content/fil.tbo", "other.bmp\r\n");
    home.write("Orvan/ci.tbo", "the user's own entries");

    uninstall();
    EXPECT_EQ(left(), std::vector<std::string>{"ci.tbo"});
}

TEST_F(InstallTest, WithoutItsListAnInstallationIsTakenToHoldWhatTheContentListNames) {
    ASSERT_EQ(setup::InstallFiles(target(), places).result, InstallResult::Succeeded);
    fs::remove(installed(setup::kInstalledListName));
    std::string problem;
    const setup::InstalledLayout layout = setup::InstalledLayoutOf(target() + "/", problem);
    EXPECT_EQ(problem, "");
    EXPECT_EQ(layout.folder, target());
    EXPECT_EQ(layout.files,
              (std::vector<std::string>{"orvan", "data/i.tbo", "data/igr.tbo", "data/srt.tbo",
                                        "data/lex.tbo", "content/fil.tbo", "content/a.bmp",
                                        "content/help/b.png", "content/help/small/c.png"}));
    EXPECT_EQ(layout.folders,
              (std::vector<std::string>{"content", "data", "content/help", "content/help/small"}));
    // These go whatever they hold, as they always did.
    EXPECT_TRUE(layout.checkedFiles.empty());
    home.write("Orvan/data/lex.tbo", "changed by the user");
    uninstall();
    EXPECT_FALSE(fs::exists(target()));
}

TEST_F(InstallTest, AFileOfTheUsersAtTheListsNameStaysAndThenNothingIsRemoved) {
    home.write("Orvan/installed.lst", "the user's own list\n");
    const auto outcome = setup::InstallFiles(target(), places);
    EXPECT_EQ(outcome.result, InstallResult::HadProblems);
    ASSERT_EQ(outcome.problems.size(), 1u);
    EXPECT_NE(outcome.problems[0].find("installed.lst"), std::string::npos);
    EXPECT_EQ(home.read("Orvan/installed.lst"), "the user's own list\n");

    std::string problem;
    const setup::InstalledLayout layout = setup::InstalledLayoutOf(target(), problem);
    EXPECT_NE(problem.find("installed.lst"), std::string::npos) << problem;
    EXPECT_TRUE(layout.files.empty() && layout.checkedFiles.empty() && layout.folders.empty());
    EXPECT_EQ(layout.list, "");
}

}  // namespace
}  // namespace orvan::test
