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
        qputenv("HOME", QByteArray::fromStdString(home.Path()));
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home.Path() + "/.local/share"));
        program.Write("orvan", "#!/bin/sh\n");
        fs::create_directories(program.Path() + "/data");
        for (const char* file : {"data/i.tbo", "data/igr.tbo", "data/srt.tbo", "data/lex.tbo"}) {
            program.Write(file, file);
        }
        context.startFolder = program.Path() + "/";
        context.settingsPath = home.File("Orvan.ini");
        home.Write("Orvan.ini", "NO\r\n");
    }
    ~InstallPictureTest() override {
        form.reset();
        qputenv("HOME", previousHome_);
        qputenv("XDG_DATA_HOME", previousData_);
    }
    void Open(unsigned programMode) {
        ::chmod(program.File("orvan").c_str(), programMode);
        form = std::make_unique<StartScreen>(context, Presentation::None, 0);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void ClickInstallPicture() {
        QTest::mouseClick(form->findChild<QLabel*>("installImage"), Qt::LeftButton, {}, {4, 4});
    }
    /// Types `folder` into the folder dialog and confirms it; keeps the message that follows.
    void InstallInto(const QString& folder, QString* message) {
        WhenModal([folder, message](QWidget* dialog) {
            ASSERT_EQ(dialog->objectName(), "FolderChoiceDialog");
            dialog->findChild<QLineEdit*>("folderEdit")->setText(folder);
            AnswerMessageBox(message, QMessageBox::Ok, dialog);
            dialog->findChild<QPushButton*>("okButton")->click();
        });
        ClickInstallPicture();
    }

    TempFolder program, home;
    setup::StartScreenContext context;
    std::unique_ptr<StartScreen> form;

  private:
    QByteArray previousHome_, previousData_;
};

TEST_F(InstallPictureTest, OnTheMediumItInstallsIntoTheTypedFolderAndKeepsItAsTyped) {
    Open(0555);
    const QString typed = QString::fromStdString(home.Path() + "/Orvan/");
    QString message;
    InstallInto(typed, &message);
    EXPECT_EQ(message, Q("Η εγκατάσταση ολοκληρώθηκε επιτυχώς"));
    EXPECT_TRUE(fs::exists(home.Path() + "/Orvan/data/lex.tbo"));
    EXPECT_TRUE(fs::exists(home.Path() + "/Desktop/Orvan.desktop"));
    EXPECT_TRUE(fs::exists(home.Path() + "/.local/share/applications/Orvan.desktop"));
    // The installation writes the folder without its "/"; the picture then writes it as typed.
    EXPECT_EQ(context.personalFolder, typed.toStdString());
    EXPECT_EQ(home.read("Orvan.ini"), "YES\r\n" + typed.toStdString() + "\r\n");
    // The running copy is still the medium's.
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->installMode());

    InstallInto(typed, &message);
    EXPECT_EQ(message, Q("Η εγκατάσταση παρουσίασε προβλήματα"));
}

TEST_F(InstallPictureTest, AnInstalledCopyAsksFirstAndNoLeavesEverything) {
    Open(0755);
    EXPECT_FALSE(form->installMode());
    WhenModal([](QWidget* dialog) {
        ASSERT_EQ(dialog->objectName(), "UninstallQuestionDialog");
        dialog->findChild<QPushButton*>("noButton")->click();
    });
    ClickInstallPicture();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(context.quitRequested);
    EXPECT_TRUE(fs::exists(program.File("orvan")));
    EXPECT_FALSE(fs::exists(home.Path() + "/Desktop/uninst.sh"));
}

TEST_F(InstallPictureTest, ADesktopThatCannotTakeTheScriptIsSaidAndTheProgramGoesOn) {
    home.Write("Desktop", "a file where the desktop folder would be");
    Open(0755);
    QString message;
    WhenModal([&message](QWidget* dialog) {
        AnswerMessageBox(&message, QMessageBox::Ok, dialog);
        dialog->findChild<QPushButton*>("yesButton")->click();
    });
    ClickInstallPicture();
    EXPECT_EQ(message, Q("Η διαδικασία απεγκατάστασης παρουσίασε προβλήματα"));
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(context.quitRequested);
    EXPECT_TRUE(fs::exists(program.File("data/lex.tbo")));
}

TEST_F(InstallPictureTest, YesStartsTheScriptAndEndsTheProgram) {
    // This copy's desktop entry goes; another installation's entry stays.
    const std::string applications = home.Path() + "/.local/share/applications";
    ASSERT_TRUE(setup::WriteDesktopEntry(home.Path() + "/Desktop", program.Path()));
    ASSERT_TRUE(setup::WriteDesktopEntry(applications, home.Path() + "/Other"));
    program.Write("ci.tbo", "the user's own entries");
    Open(0755);
    WhenModal([](QWidget* dialog) { dialog->findChild<QPushButton*>("yesButton")->click(); });
    ClickInstallPicture();
    EXPECT_TRUE(context.quitRequested);
    EXPECT_FALSE(form->isVisible());
    // The script runs on its own: the installed files go, the user's stay.
    QTRY_VERIFY_WITH_TIMEOUT(!fs::exists(program.File("orvan")), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!fs::exists(home.Path() + "/Desktop/uninst.sh"), 10000);
    EXPECT_FALSE(fs::exists(program.File("data")));
    EXPECT_EQ(program.read("ci.tbo"), "the user's own entries");
    EXPECT_FALSE(fs::exists(home.Path() + "/Desktop/Orvan.desktop"));
    EXPECT_TRUE(fs::exists(applications + "/Orvan.desktop"));
}

}  // namespace
}  // namespace orvan::test
