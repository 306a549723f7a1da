// orvan-cli without Qt: the commands that need no rich text never load it, and the user's
// folders are found exactly where Qt's QStandardPaths finds them for the lookup window.
#include <gtest/gtest.h>

#include <QDir>
#include <QStandardPaths>
#include <cstdlib>

#include "tests/tools/cli_fixture.h"
#include "tools/cli/standard_folders.h"

namespace orvan {
namespace {

using CliLeanTest = test::CliFixture;

// The libraries the dynamic loader loads for a run, as LD_DEBUG=libs tells them on the error
// stream.
TEST_F(CliLeanTest, TheLookUpsAndTheExchangeLoadNoQtAndTheFullTextSearchStillWorks) {
    ::setenv("LD_DEBUG", "libs", 1);
    for (const test::Args& args :
         {test::Args{"search", "gas"}, test::Args{"dump"}, test::Args{"multi", "--start", "g"},
          test::Args{"show", "3"}, test::Args{"look", "--no-pager", "gas"},
          test::Args{"export", "--notes", home.file("lean.tbx")},
          test::Args{"export", "--notes", home.file("lean.csv")},
          test::Args{"import", "--dry-run", home.file("lean.csv")}}) {
        const test::CliRun run = cli(args);
        EXPECT_EQ(run.status, 0) << args[0];
        EXPECT_NE(run.err.find("libstdc++"), std::string::npos) << args[0];
        EXPECT_EQ(run.err.find("libQt6"), std::string::npos) << args[0];
        EXPECT_EQ(run.err.find("libicu"), std::string::npos) << args[0];
    }
    const test::CliRun fullText = cli({"fulltext", "x"});
    ::unsetenv("LD_DEBUG");
    EXPECT_NE(fullText.err.find("libQt6Core"), std::string::npos);  // from the text module
    EXPECT_EQ(cli({"fulltext", "x"}).out, "1\tgas\n3\tthe engine\n");
    EXPECT_EQ(cli({"show", "1"}).out, "gas\nαέριο\nΧημεία\n  x\n");
}

class StandardFoldersTest : public ::testing::Test {
  protected:
    void TearDown() override {
        restoreVariable("HOME", home_);
        restoreVariable("XDG_CONFIG_HOME", config_);
    }

    static void restoreVariable(const char* name, const std::string& value) {
        if (value.empty()) {
            ::unsetenv(name);
        } else {
            ::setenv(name, value.c_str(), 1);
        }
    }

    static std::string variable(const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr ? value : "";
    }

    void expectAsQt(const std::string& what) {
        EXPECT_EQ(cli::HomeFolder(), QDir::homePath().toStdString()) << what;
        EXPECT_EQ(
            cli::ConfigFolder(),
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString())
            << what;
        EXPECT_EQ(cli::DocumentsFolder(),
                  QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString())
            << what;
    }

    test::TempFolder home, config;
    std::string home_ = variable("HOME"), config_ = variable("XDG_CONFIG_HOME");
};

TEST_F(StandardFoldersTest, AgreeWithQtForEveryWayTheFoldersAreGiven) {
    const std::string untidyHome = "/" + home.path() + "/./x/../";
    for (const std::string& homeValue : {home.path(), untidyHome, std::string()}) {
        restoreVariable("HOME", homeValue);
        ::unsetenv("XDG_CONFIG_HOME");
        expectAsQt("HOME=" + homeValue);
        ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
        expectAsQt("XDG_CONFIG_HOME, HOME=" + homeValue);
    }
    ::setenv("HOME", home.path().c_str(), 1);
    // The user's folder list: quoted or not, $HOME or a whole path, the last line counting,
    // other folders and lines that only look like the key passed over.
    for (const std::string& list :
         {std::string("XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n"),
          std::string("XDG_DESKTOP_DIR=\"$HOME/Desk\"\r\nXDG_DOCUMENTS_DIR=/srv/docs/\r\n"),
          std::string("# XDG_DOCUMENTS_DIR=\"$HOME/no\"\nXDG_DOCUMENTS_DIR=\"$HOME/a\"\n"
                      "XDG_DOCUMENTS_DIR=\"$HOME/b\"\n"),
          std::string("XDG_DOCUMENTS_DIR=\"$HOME/a_DIR=b\"\nXDG_MUSIC_DIR=\"$HOME/m\"\n"),
          std::string("XDG_DOCUMENTS_DIR=\"\"\n"), std::string("nothing of use\n")}) {
        config.write("user-dirs.dirs", list);
        expectAsQt(list);
    }
}

}  // namespace
}  // namespace orvan
