// The folder choice dialog in each of its modes: its texts, the folder it offers and returns,
// and the folders its OK button creates.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include "setup/folder_choice_dialog.h"
#include "tests/support/lexicon_fixture.h"
#include "tests/support/modal_answer.h"
#include "tests/support/qt_text.h"

namespace orvan::test {
namespace {

using setup::FolderChoiceDialog;
using setup::FolderDialogMode;

class FolderDialogTest : public ::testing::Test {
  protected:
    FolderDialogTest() : previousHome_(qgetenv("HOME")) {
        qputenv("HOME", QByteArray::fromStdString(home.path()));
    }
    ~FolderDialogTest() override { qputenv("HOME", previousHome_); }

    std::unique_ptr<FolderChoiceDialog> open(FolderDialogMode mode) {
        auto dialog = std::make_unique<FolderChoiceDialog>(mode);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return dialog;
    }
    static QLineEdit* field(QDialog* dialog) { return dialog->findChild<QLineEdit*>("folderEdit"); }
    static void ok(QDialog* dialog) { dialog->findChild<QPushButton*>("okButton")->click(); }
    static QString memo(QDialog* dialog) {
        return dialog->findChild<QPlainTextEdit*>("messageText")->toPlainText();
    }

    TempFolder home;

  private:
    QByteArray previousHome_;
};

TEST_F(FolderDialogTest, EachModeHasItsOwnWording) {
    auto none = open(FolderDialogMode::NoPersonalFolder);
    EXPECT_EQ(none->windowTitle(), Q("Επιλογή φακέλου για επεξεργασμένα λήμματα"));
    EXPECT_TRUE(memo(none.get()).startsWith(Q("Για να επεξεργαστείτε λήμματα στο Orvan")));
    EXPECT_TRUE(memo(none.get()).contains(Q("τροποποιήσεις.\n\nΓια δική σας ευκολία")));
    EXPECT_TRUE(none->findChild<QLabel*>("personalImage")->isVisible());
    EXPECT_FALSE(none->findChild<QLabel*>("installImage")->isVisible());
    EXPECT_EQ(none->size(), QSize(477, 218));

    auto invalid = open(FolderDialogMode::InvalidPersonalFolder);
    EXPECT_EQ(invalid->windowTitle(), Q("Επιλογή φακέλου για επεξεργασμένα λήμματα"));
    EXPECT_TRUE(memo(invalid.get()).startsWith(Q("Ο φάκελος που έχει οριστεί")));
    EXPECT_TRUE(invalid->findChild<QLabel*>("personalImage")->isVisible());

    auto install = open(FolderDialogMode::Install);
    EXPECT_EQ(install->windowTitle(), Q("Επιλογή φακέλου για εγκατάσταση λεξικού"));
    EXPECT_TRUE(memo(install.get()).startsWith(Q("Παρακαλώ επιλέξτε το φάκελο")));
    EXPECT_TRUE(install->findChild<QLabel*>("installImage")->isVisible());
    EXPECT_FALSE(install->findChild<QLabel*>("personalImage")->isVisible());
}

TEST_F(FolderDialogTest, ItOffersTheOrvanFolderInHomeAndReturnsWhatIsTyped) {
    auto dialog = open(FolderDialogMode::NoPersonalFolder);
    EXPECT_EQ(field(dialog.get())->text(), QString::fromStdString(home.path()) + "/Orvan");
    EXPECT_EQ(QApplication::focusWidget(), field(dialog.get()));
    EXPECT_EQ(dialog->findChild<QComboBox*>("rootCombo")->itemText(0), "/");
    // A folder typed with a trailing slash comes back with it.
    const QString typed = QString::fromStdString(home.path()) + "/";
    field(dialog.get())->setText(typed);
    ok(dialog.get());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->folder(), typed);
}

TEST_F(FolderDialogTest, OkWithAnEmptyFieldClosesWithOk) {
    auto dialog = open(FolderDialogMode::NoPersonalFolder);
    field(dialog.get())->clear();
    ok(dialog.get());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(dialog->folder().isEmpty());
}

TEST_F(FolderDialogTest, OkCreatesEveryMissingLevel) {
    auto dialog = open(FolderDialogMode::NoPersonalFolder);
    const QString deep = QString::fromStdString(home.path()) + "/one/two/three";
    field(dialog.get())->setText(deep);
    ok(dialog.get());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(QFileInfo(deep).isDir());
}

TEST_F(FolderDialogTest, AFolderThatCannotBeCreatedKeepsTheDialogOpen) {
    home.write("plain-file", "x");
    auto dialog = open(FolderDialogMode::InvalidPersonalFolder);
    const QString impossible = QString::fromStdString(home.file("plain-file")) + "/sub";
    field(dialog.get())->setText(impossible);
    QString message;
    AnswerMessageBox(&message);
    ok(dialog.get());
    EXPECT_EQ(message, Q("Παρουσιάστηκε πρόβλημα κατά τη δημιουργία του φακέλου. Παρακαλώ "
                         "επιλέξτε άλλο φάκελο"));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(field(dialog.get())->text(), impossible);
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

TEST_F(FolderDialogTest, BrowsingCopiesTheFolderIntoTheField) {
    QDir(QString::fromStdString(home.path())).mkpath("Documents");
    auto dialog = open(FolderDialogMode::NoPersonalFolder);
    auto* tree = dialog->findChild<QTreeView*>("folderTree");
    auto* model = tree->model();
    const QString documents = QString::fromStdString(home.file("Documents"));
    const QModelIndex index = static_cast<QFileSystemModel*>(model)->index(documents);
    tree->setCurrentIndex(index);
    EXPECT_EQ(field(dialog.get())->text(), documents);
    auto* roots = dialog->findChild<QComboBox*>("rootCombo");
    roots->setCurrentIndex(0);
    EXPECT_EQ(field(dialog.get())->text(), "/");
}

TEST_F(FolderDialogTest, InstallModeRunsTheInstallationBeforeClosing) {
    const QString target = QString::fromStdString(home.file("install"));
    for (const bool ranToEnd : {true, false}) {
        auto dialog = open(FolderDialogMode::Install);
        QString installedInto;
        dialog->setInstaller([&](const QString& folder) {
            installedInto = folder;
            return ranToEnd;
        });
        field(dialog.get())->setText(target);
        ok(dialog.get());
        EXPECT_EQ(installedInto, target);
        EXPECT_EQ(dialog->result(), ranToEnd ? QDialog::Accepted : QDialog::Rejected);
    }
}

TEST_F(FolderDialogTest, LargerTheTreeTakesTheRoomAndTheFieldAndButtonsKeepToTheBottom) {
    auto dialog = open(FolderDialogMode::NoPersonalFolder);
    EXPECT_EQ(dialog->minimumSize(), QSize(477, 218));
    const auto place = [&dialog](const char* name) {
        return dialog->findChild<QWidget*>(name)->geometry();
    };
    EXPECT_EQ(place("folderTree"), QRect(288, 17, 177, 112));
    EXPECT_EQ(place("okButton"), QRect(128, 176, 105, 25));
    dialog->resize(577, 268);
    QApplication::processEvents();
    EXPECT_EQ(place("folderTree"), QRect(288, 17, 277, 162));
    EXPECT_EQ(place("rootCombo"), QRect(288, 186, 277, 19));
    EXPECT_EQ(place("folderEdit"), QRect(64, 186, 209, 21));
    EXPECT_EQ(place("okButton"), QRect(128, 226, 105, 25));
    EXPECT_EQ(place("messageText"), QRect(48, 16, 233, 113));
    // Smaller than its default size it does not go.
    dialog->resize(300, 100);
    QApplication::processEvents();
    EXPECT_EQ(dialog->size(), QSize(477, 218));
    EXPECT_EQ(place("folderTree"), QRect(288, 17, 177, 112));
}

}  // namespace
}  // namespace orvan::test
