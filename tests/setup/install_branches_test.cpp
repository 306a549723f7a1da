// The start screen's install picture: installing through the folder dialog, and the questions,
// messages and failures of uninstalling.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "setup/desktop_entry.h"
#include "setup/start_screen.h"
#include "tests/support/lexicon_fixture.h"
#include "tests/support/modal_answer.h"
#include "tests/support/qt_text.h"

namespace orvan::test {
namespace {

namespace fs = std::filesystem;
using setup::Presentation;
using setup::StartScreen;

class InstallPictureTest : public ::testing::Test {
  protected:
    InstallPictureTest() : previousHome_(qgetenv("HOME")), previousData_(qgetenv("XDG_DATA_HOME")) {
        qputenv("HOME", QByteArray::fromStdString(home.path()));
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home.path() + "/.local/share"));
        program.write("orvan", "#!/bin/sh\n");
        fs::create_directories(program.path() + "/data");
        for (const char* file : {"data/i.tbo", "data/igr.tbo", "data/srt.tbo", "data/lex.tbo"}) {
            program.write(file, file);
        }
        context.startFolder = program.path() + "/";
        context.settingsPath = home.file("Orvan.ini");
        home.write("Orvan.ini", "NO\r\n");
    }
    ~InstallPictureTest() override {
        form.reset();
        qputenv("HOME", previousHome_);
        qputenv("XDG_DATA_HOME", previousData_);
    }
    void open(unsigned programMode) {
        ::chmod(program.file("orvan").c_str(), programMode);
        form = std::make_unique<StartScreen>(context, Presentation::None, 0);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void clickInstallPicture() {
        QTest::mouseClick(form->findChild<QLabel*>("installImage"), Qt::LeftButton, {}, {4, 4});
    }
    /// Types `folder` into the folder dialog and confirms it; keeps the message that follows.
    void installInto(const QString& folder, QString* message) {
        WhenModal([folder, message](QWidget* dialog) {
            ASSERT_EQ(dialog->objectName(), "FolderChoiceDialog");
            dialog->findChild<QLineEdit*>("folderEdit")->setText(folder);
            AnswerMessageBox(message, QMessageBox::Ok, dialog);
            dialog->findChild<QPushButton*>("okButton")->click();
        });
        clickInstallPicture();
    }

    TempFolder program, home;
    setup::StartScreenContext context;
    std::unique_ptr<StartScreen> form;

  private:
    QByteArray previousHome_, previousData_;
};

TEST_F(InstallPictureTest, OnTheMediumItInstallsIntoTheTypedFolderAndKeepsItAsTyped) {
    open(0555);
    const QString typed = QString::fromStdString(home.path() + "/Orvan/");
    QString message;
    installInto(typed, &message);
    EXPECT_EQ(message, Q("Η εγκατάσταση ολοκληρώθηκε επιτυχώς"));
    EXPECT_TRUE(fs::exists(home.path() + "/Orvan/data/lex.tbo"));
    EXPECT_TRUE(fs::exists(home.path() + "/Desktop/Orvan.desktop"));
    EXPECT_TRUE(fs::exists(home.path() + "/.local/share/applications/Orvan.desktop"));
    // The installation writes the folder without its "/"; the picture then writes it as typed.
    EXPECT_EQ(context.personalFolder, typed.toStdString());
    EXPECT_EQ(home.read("Orvan.ini"), "YES\r\n" + typed.toStdString() + "\r\n");
    // The running copy is still the medium's.
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->installMode());

    installInto(typed, &message);
    EXPECT_EQ(message, Q("Η εγκατάσταση παρουσίασε προβλήματα"));
}

TEST_F(InstallPictureTest, AnInstalledCopyAsksFirstAndNoLeavesEverything) {
    open(0755);
    EXPECT_FALSE(form->installMode());
    WhenModal([](QWidget* dialog) {
        ASSERT_EQ(dialog->objectName(), "UninstallQuestionDialog");
        dialog->findChild<QPushButton*>("noButton")->click();
    });
    clickInstallPicture();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(context.quitRequested);
    EXPECT_TRUE(fs::exists(program.file("orvan")));
    EXPECT_FALSE(fs::exists(home.path() + "/Desktop/uninst.sh"));
}

TEST_F(InstallPictureTest, ADesktopThatCannotTakeTheScriptIsSaidAndTheProgramGoesOn) {
    home.write("Desktop", "a file where the desktop folder would be");
    open(0755);
    QString message;
    WhenModal([&message](QWidget* dialog) {
        AnswerMessageBox(&message, QMessageBox::Ok, dialog);
        dialog->findChild<QPushButton*>("yesButton")->click();
    });
    clickInstallPicture();
    EXPECT_EQ(message, Q("Η διαδικασία απεγκατάστασης παρουσίασε προβλήματα"));
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(context.quitRequested);
    EXPECT_TRUE(fs::exists(program.file("data/lex.tbo")));
}

TEST_F(InstallPictureTest, YesStartsTheScriptAndEndsTheProgram) {
    // This copy's desktop entry goes; another installation's entry stays.
    const std::string applications = home.path() + "/.local/share/applications";
    ASSERT_TRUE(setup::WriteDesktopEntry(home.path() + "/Desktop", program.path()));
    ASSERT_TRUE(setup::WriteDesktopEntry(applications, home.path() + "/Other"));
    program.write("ci.tbo", "the user's own entries");
    open(0755);
    WhenModal([](QWidget* dialog) { dialog->findChild<QPushButton*>("yesButton")->click(); });
    clickInstallPicture();
    EXPECT_TRUE(context.quitRequested);
    EXPECT_FALSE(form->isVisible());
    // The script runs on its own: the installed files go, the user's stay.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !fs::exists(program.file("orvan")); }, 10000));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !fs::exists(home.path() + "/Desktop/uninst.sh"); }, 10000));
    EXPECT_FALSE(fs::exists(program.file("data")));
    EXPECT_EQ(program.read("ci.tbo"), "the user's own entries");
    EXPECT_FALSE(fs::exists(home.path() + "/Desktop/Orvan.desktop"));
    EXPECT_TRUE(fs::exists(applications + "/Orvan.desktop"));
}

}  // namespace
}  // namespace orvan::test
