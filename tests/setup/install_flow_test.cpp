// The install flow without windows: what it asks, what it keeps and writes, and where an
// uninstallation stops, with a view that answers as told and records what it was asked.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "setup/desktop_entry.h"
#include "setup/install_flow.h"
#include "setup/installed_list.h"
#include "tests/support/lexicon_fixture.h"

namespace orvan::test {
namespace {

namespace fs = std::filesystem;
using setup::UninstallProblem;

class ScriptedView : public setup::InstallFlowView {
  public:
    std::optional<std::string> askInstallFolder(
        const std::function<bool(const std::string&)>& install) override {
        asked.push_back("folder");
        if (!typed) return std::nullopt;
        if (!install(*typed)) return std::nullopt;
        return typed;
    }
    void showBusy(bool busy) override { asked.push_back(busy ? "busy" : "idle"); }
    void tellInstallation(bool succeeded, const std::vector<std::string>&) override {
        asked.push_back(succeeded ? "installed" : "problems");
    }
    bool confirmUninstall() override {
        asked.push_back("confirm");
        return confirm;
    }
    void tellUninstallProblem(UninstallProblem told, const std::string& detail) override {
        problem = told;
        problemDetail = detail;
    }
    bool startScript(const std::string& script, const std::string&) override {
        started = script;
        return starts;
    }

    std::optional<std::string> typed;
    bool confirm = true;
    bool starts = true;
    std::vector<std::string> asked;
    std::optional<UninstallProblem> problem;
    std::string problemDetail;
    std::string started;
};

class InstallFlowTest : public ::testing::Test {
  protected:
    InstallFlowTest() {
        program.write("orvan", "#!/bin/sh\n");
        fs::create_directories(program.path() + "/data");
        for (const char* file : {"data/i.tbo", "data/igr.tbo", "data/srt.tbo", "data/lex.tbo"})
            program.write(file, file);
        context.startFolder = program.path() + "/";
        context.settingsPath = home.file("Orvan.ini");
        home.write("Orvan.ini", "NO\r\n");
        folders = {home.path() + "/Desktop", home.path() + "/applications"};
    }
    bool Run(unsigned programMode) {
        ::chmod(program.file("orvan").c_str(), programMode);
        setup::InstallFlow flow(context, folders, view);
        return flow.run();
    }

    TempFolder program, home;
    setup::StartScreenContext context;
    setup::DesktopFolders folders;
    ScriptedView view;
};

TEST_F(InstallFlowTest, OnTheMediumItInstallsAndKeepsTheFolderAsTyped) {
    const std::string typed = home.path() + "/Orvan/";
    fs::create_directories(typed);
    view.typed = typed;
    EXPECT_FALSE(Run(0555));
    EXPECT_EQ(view.asked, (std::vector<std::string>{"folder", "busy", "idle", "installed"}));
    EXPECT_TRUE(fs::exists(home.path() + "/Orvan/data/lex.tbo"));
    EXPECT_EQ(context.personalFolder, typed);
    EXPECT_EQ(home.read("Orvan.ini"), "YES\r\n" + typed + "\r\n");
    EXPECT_EQ(fs::current_path(), fs::path(program.path()));
}

TEST_F(InstallFlowTest, ACancelledFolderQuestionInstallsAndKeepsNothing) {
    EXPECT_FALSE(Run(0555));
    EXPECT_EQ(view.asked, std::vector<std::string>{"folder"});
    EXPECT_EQ(context.personalFolder, "");
    EXPECT_EQ(home.read("Orvan.ini"), "NO\r\n");
}

TEST_F(InstallFlowTest, AnInstalledCopyAsksFirstAndNoLeavesEverything) {
    view.confirm = false;
    EXPECT_FALSE(Run(0755));
    EXPECT_EQ(view.asked, std::vector<std::string>{"confirm"});
    EXPECT_FALSE(view.problem);
    EXPECT_FALSE(context.quitRequested);
    EXPECT_FALSE(fs::exists(folders.desktop));
}

TEST_F(InstallFlowTest, YesWritesTheScriptRemovesOnlyThisCopysEntriesAndEnds) {
    ASSERT_TRUE(setup::WriteDesktopEntry(folders.desktop, program.path()));
    ASSERT_TRUE(setup::WriteDesktopEntry(folders.applications, home.path() + "/Other"));
    EXPECT_TRUE(Run(0755));
    EXPECT_TRUE(context.quitRequested);
    EXPECT_EQ(view.started, folders.desktop + "/uninst.sh");
    EXPECT_TRUE(fs::exists(view.started));
    EXPECT_FALSE(fs::exists(folders.desktop + "/Orvan.desktop"));
    EXPECT_TRUE(fs::exists(folders.applications + "/Orvan.desktop"));
    EXPECT_TRUE(fs::exists(program.file("orvan")));
}

TEST_F(InstallFlowTest, AScriptThatCannotStartIsRemovedAndSaid) {
    view.starts = false;
    EXPECT_FALSE(Run(0755));
    EXPECT_EQ(view.problem, UninstallProblem::ScriptNotStarted);
    EXPECT_FALSE(fs::exists(folders.desktop + "/uninst.sh"));
    EXPECT_FALSE(context.quitRequested);
}

TEST_F(InstallFlowTest, ADesktopThatCannotTakeTheScriptIsSaid) {
    home.write("Desktop", "a file where the desktop folder would be");
    EXPECT_FALSE(Run(0755));
    EXPECT_EQ(view.problem, UninstallProblem::ScriptNotWritten);
    // The script and the system's reason.
    EXPECT_NE(view.problemDetail.find("uninst.sh"), std::string::npos) << view.problemDetail;
    EXPECT_NE(view.problemDetail.find("Not a directory"), std::string::npos) << view.problemDetail;
    EXPECT_TRUE(view.started.empty());
    EXPECT_FALSE(context.quitRequested);
}

TEST_F(InstallFlowTest, AnUnreadableListOfInstalledFilesRemovesNothing) {
    ASSERT_TRUE(setup::WriteDesktopEntry(folders.desktop, program.path()));
    // A folder where the list of installed files would be.
    fs::create_directories(program.file(setup::kInstalledListName));
    EXPECT_FALSE(Run(0755));
    EXPECT_EQ(view.problem, UninstallProblem::UnknownInstallation);
    EXPECT_TRUE(fs::exists(folders.desktop + "/Orvan.desktop"));
    EXPECT_TRUE(view.started.empty());
    EXPECT_FALSE(context.quitRequested);
}

}  // namespace
}  // namespace orvan::test
