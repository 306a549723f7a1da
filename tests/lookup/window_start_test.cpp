// The lookup window's start-up (settings, first showing, folders) and its face (controls, Tab
// order, resizing).
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>

#include "lookup/entries_list.h"
#include "platform/edge_layout.h"
#include "richtext/rich_text_view.h"
#include "tests/lookup/window_fixture.h"
#include "tests/support/modal_answer.h"

namespace orvan::test {
namespace {

using lookup::EntriesList;

class StartUpTest : public WindowTest {
  protected:
    void SetUp() override {
        const int gas = lexicon.addEntry("gas", "{gas}", 1, "CHEM");
        lexicon.addGreek(gas, Cp("αέριο"));
        lexicon.addPersonalEntry(gas, 2, "gasket");
        lexicon.addField("CHEM", Cp("Χημεία"));
        // As on a first run: the start screen opens (and is closed at once).
        quietStart = false;
        closeStartScreens();
    }
    std::string settings() const { return home.read(".config/Orvan.ini"); }

    /// From now on closes every start screen that opens with its button; returns how many were
    /// closed so far.
    int closeStartScreens() {
        if (closer_ == nullptr) {
            closer_ = std::make_unique<QTimer>();
            QObject::connect(closer_.get(), &QTimer::timeout, [this] {
                QWidget* modal = QApplication::activeModalWidget();
                if (modal == nullptr || modal->objectName() != "StartScreen") return;
                ++closed_;
                modal->findChild<QPushButton*>("closeButton")->click();
            });
            closer_->start(10);
        }
        return closed_;
    }
    int startScreensClosed() const { return closed_; }

  private:
    std::unique_ptr<QTimer> closer_;
    int closed_ = 0;
};

TEST_F(StartUpTest, WithoutSettingsTheFirstRunCreatesThemInTheConfigurationFolder) {
    const int screens = startScreensClosed();
    open();
    EXPECT_EQ(startScreensClosed(), screens + 1);
    EXPECT_EQ(window->settingsPath(), configFolder() + "/Orvan.ini");
    EXPECT_EQ(settings(), "YES\r\n");
    EXPECT_EQ(home.read(".config/Orvan.txt"), "");
    EXPECT_TRUE(window->showStartScreen());
    EXPECT_FALSE(window->personalFiles().known());
    EXPECT_EQ(window->startFolder(), program.path() + "/");
}

TEST_F(StartUpTest, OnlyExactlyNoOnLineOneSuppressesTheStartScreen) {
    for (const auto& [line, shows] : std::vector<std::pair<std::string, bool>>{
             {"NO", false}, {"no", true}, {"NO ", true}, {"", true}, {"YES", true}}) {
        home.write(".config/Orvan.ini", line + "\r\n");
        const int screens = closeStartScreens();
        create();
        EXPECT_EQ(window->showStartScreen(), shows) << '"' << line << '"';
        // The start screen opened before the window, while the window was being made.
        EXPECT_EQ(startScreensClosed(), screens + (shows ? 1 : 0)) << '"' << line << '"';
        EXPECT_FALSE(window->personalFiles().known());
    }
}

TEST_F(StartUpTest, LineTwoNamesThePersonalFolderWhoseEntriesAreMerged) {
    open(true);
    EXPECT_EQ(window->personalFiles().englishIndex, personal.path() + "/ci.tbo");
    ASSERT_EQ(window->tables().entries.count(), 2);
    EXPECT_EQ(window->tables().entries[2].headword, "gasket");
    EXPECT_EQ(window->tables().entries[2].kind, EntryKind::Personal);
}

TEST_F(StartUpTest, AFolderThatNoLongerExistsIsUsedAsItIsAtStartUp) {
    home.write(".config/Orvan.ini", "YES\r\n" + program.path() + "/gone\r\n");
    open();
    EXPECT_EQ(window->personalFiles().texts, program.path() + "/gone/clex.tbo");
    EXPECT_EQ(window->tables().entries.count(), 1);
}

TEST_F(StartUpTest, ASettingsFileTooLongToReadIsToldAndLeftAsItIs) {
    const std::string huge = "NO\r\n" + personal.path() + "\r\n" + std::string(70000, ' ');
    home.write(".config/Orvan.ini", huge);
    open();
    auto* box = window->findChild<QMessageBox*>("SettingsProblemBox");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(box->informativeText().contains("is longer than 65536 bytes"));
    EXPECT_EQ(startScreensClosed(), 1);  // the first settings: the start screen opens
    EXPECT_FALSE(window->personalFiles().known());
    EXPECT_EQ(settings(), huge);
}

TEST_F(StartUpTest, TheFirstShowingLoadsTheTablesAndAnotherDoesNot) {
    open();
    EXPECT_EQ(window->tables().entries.count(), 1);
    EXPECT_EQ(window->state().searchMode(), SearchMode::Start);
    ASSERT_EQ(c().fieldFilterCombo->count(), 2);
    EXPECT_EQ(c().fieldFilterCombo->itemText(1), Q("Χημεία"));
    EXPECT_EQ(c().headwordLabel->text(), "");
    EXPECT_FALSE(c().modifyEntryButton->isEnabled());
    EXPECT_FALSE(c().deleteEntryButton->isEnabled());

    lexicon.addEntry("helium");
    lexicon.writeLexicon(program.path());
    window->hide();
    window->show();
    EXPECT_EQ(window->tables().entries.count(), 1);
}

TEST_F(StartUpTest, MissingDecorationsDoNotKeepTheDictionaryEmpty) {
    open();
    EXPECT_FALSE(QFile::exists("content/backmain.bmp"));
    EXPECT_EQ(window->tables().entries.count(), 1);
    EXPECT_TRUE(c().backgroundImage->pixmap().isNull());
}

TEST_F(StartUpTest, DecorationsComeFromTheContentFolder) {
    QDir().mkpath("content");
    QPixmap picture(20, 10);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save("content/backmain.bmp"));
    ASSERT_TRUE(picture.save("content/orangeline.bmp"));
    open();
    EXPECT_EQ(c().backgroundImage->pixmap().size(), QSize(20, 10));
    EXPECT_EQ(c().ruleImage->pixmap().size(), QSize(20, 10));
}

TEST_F(StartUpTest, WithoutALexiconTheWindowOpensAndSaysWhereItLookedOnce) {
    window = std::make_unique<lookup::LookupWindow>(
        std::make_unique<FakeLayouts>(layoutNames, &activations));
    QString warning;
    AnswerMessageBox(&warning);
    show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !warning.isEmpty(); }));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(warning.contains("data/i.tbo")) << warning.toStdString();
    EXPECT_TRUE(warning.contains(QString::fromStdString(program.path()))) << warning.toStdString();
    EXPECT_EQ(window->tables().entries.count(), 0);
    search("gas");
    EXPECT_TRUE(listTexts().empty());

    // Shown again (the lexicon is still missing, so the first showing's work runs again): the
    // user has been told already.
    window->hide();
    int boxes = 0;
    QTimer closer;  // closes, and counts, any box that would open
    QObject::connect(&closer, &QTimer::timeout, [&boxes] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ++boxes;
            modal->close();
        }
    });
    closer.start(10);
    show();
    QTest::qWait(100);
    EXPECT_EQ(boxes, 0);
}

TEST_F(StartUpTest, CheckingThePersonalFolder) {
    open();
    // Line 2 empty: the folder is asked for; cancelling chooses none.
    QString caption;
    WhenModal([&caption](QWidget* dialog) {
        caption = dialog->windowTitle();
        static_cast<QDialog*>(dialog)->reject();
    });
    EXPECT_FALSE(window->checkPersonalFolder());
    EXPECT_EQ(caption, Q("Επιλογή φακέλου για επεξεργασμένα λήμματα"));
    EXPECT_FALSE(window->personalFiles().known());
    EXPECT_EQ(settings(), "YES\r\n");
    // Line 2 names an existing folder: nothing is asked.
    home.write(".config/Orvan.ini", "YES\r\n" + personal.path() + "\r\n");
    EXPECT_TRUE(window->checkPersonalFolder());
    EXPECT_EQ(window->personalFiles().greekIndex, personal.path() + "/cigr.tbo");
    // Line 2 names a folder that does not exist: asked for again.
    home.write(".config/Orvan.ini", "YES\r\n/no/such/folder\r\n");
    QString text;
    WhenModal([&text](QWidget* dialog) {
        text = dialog->findChild<QPlainTextEdit*>("messageText")->toPlainText();
        static_cast<QDialog*>(dialog)->reject();
    });
    EXPECT_FALSE(window->checkPersonalFolder());
    EXPECT_TRUE(text.startsWith(Q("Ο φάκελος που έχει οριστεί"))) << text.toStdString();
    EXPECT_FALSE(window->personalFiles().known());
    EXPECT_EQ(settings(), "YES\r\n/no/such/folder\r\n");
}

TEST_F(StartUpTest, AChosenFolderIsSavedOnLineTwo) {
    open();
    const std::string chosen = home.path() + "/my/entries";
    WhenModal([&chosen](QWidget* dialog) {
        dialog->findChild<QLineEdit*>("folderEdit")->setText(QString::fromStdString(chosen));
        dialog->findChild<QPushButton*>("okButton")->click();
    });
    EXPECT_TRUE(window->checkPersonalFolder());
    EXPECT_EQ(settings(), "YES\r\n" + chosen + "\r\n");
    EXPECT_EQ(window->personalFolder(), chosen);
    EXPECT_EQ(window->personalFiles().texts, chosen + "/clex.tbo");
}

TEST_F(StartUpTest, OkWithAnEmptyFolderChoosesNone) {
    open();
    WhenModal([](QWidget* dialog) {
        dialog->findChild<QLineEdit*>("folderEdit")->clear();
        dialog->findChild<QPushButton*>("okButton")->click();
    });
    EXPECT_FALSE(window->askPersonalFolder(setup::FolderDialogMode::NoPersonalFolder));
    EXPECT_EQ(settings(), "YES\r\n");
}

TEST_F(StartUpTest, AskingForAFolderLeavesTheCurrentFolderAtTheStartFolder) {
    open();
    QDir::setCurrent(QDir::tempPath());
    WhenModal([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    EXPECT_FALSE(window->askPersonalFolder(setup::FolderDialogMode::NoPersonalFolder));
    EXPECT_EQ(std::filesystem::current_path().string() + "/", window->startFolder());
}

class FaceTest : public WindowTest {
  protected:
    void SetUp() override { open(); }
};

TEST_F(FaceTest, TheWindowIsTitledAndSized) {
    EXPECT_EQ(window->windowTitle(), "Orvan");
    EXPECT_EQ(window->size(), QSize(lookup::kFirstWidth, lookup::kFirstHeight));
}

TEST_F(FaceTest, ControlsStandWhereTheyAreLaidOut) {
    EXPECT_EQ(c().searchField->geometry(), QRect(2, 51, 211, 24));
    EXPECT_EQ(c().exitButton->geometry(), QRect(508, 2, 45, 39));
    EXPECT_EQ(c().fillListButton->geometry(), QRect(164, 65, 1, 1));
    // The description ends where the list's last whole row does.
    EXPECT_EQ(c().descriptionView->geometry().topLeft(), QPoint(216, 132));
    EXPECT_EQ(c().descriptionView->width(), 287);
    EXPECT_EQ(c().descriptionView->geometry().bottom(), c().entriesList->geometry().bottom());
    EXPECT_GE(c().entriesList->height(), 212 - 4);
    // The headword label spans the pane.
    EXPECT_EQ(c().headwordLabel->geometry(), QRect(216, 52, 287, 28));
    EXPECT_EQ(c().languageButton->iconSize(), QSize(43, 33));
    EXPECT_EQ(c().searchField->toolTip(), Q("Λήμμα προς Αναζήτηση"));
    EXPECT_EQ(c().exitButton->toolTip(), Q("Εξοδος"));
    EXPECT_EQ(c().publisherLabel->text(), Q("ΕΚΔΟΣΕΙΣ KORVATH"));
    EXPECT_EQ(c().searchField->palette().color(QPalette::Base), QColor(250, 255, 255));
    for (QWidget* hidden :
         {static_cast<QWidget*>(c().figurePanel), static_cast<QWidget*>(c().wholeLexiconButton)}) {
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    }
    EXPECT_FALSE(c().languageButton->icon().isNull());
}

TEST_F(FaceTest, TabVisitsTheFieldsThenTheToolRowAndTheCommandColumn) {
    // The history's list buttons follow their arrows; the logos along the bottom edge follow the
    // command column.
    const std::vector<QWidget*> expected = {
        c().entriesList,          c().scienceField,         c().renderingField,
        c().descriptionView,      c().languageButton,       c().copyButton,
        c().pasteButton,          c().printButton,          c().fieldFilterCombo,
        c().criteriaSearchButton, c().fullTextSearchButton, c().exitButton,
        c().ownEntriesButton,     c().insertEntryButton,    c().pinButton,
        c().helpButton,           c().partnerDivisionLogo,  c().partnerLogo,
        c().publisherLabel,       c().fillListButton,       c().searchField};
    // The two edit buttons are disabled while no entry is shown, and the history's arrows and
    // lists while there is nothing to go to, so Tab passes them by.
    c().searchField->setFocus();
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), next)
            << "expected " << next->objectName().toStdString() << ", got "
            << QApplication::focusWidget()->objectName().toStdString();
    }
}

TEST_F(FaceTest, ControlsFollowTheirEdges) {
    window->resize(lookup::kFirstWidth + 100, lookup::kFirstHeight + 64);
    EXPECT_EQ(c().exitButton->geometry(), QRect(608, 2, 45, 39));
    EXPECT_EQ(c().renderingField->geometry(), QRect(268, 108, 335, 21));
    EXPECT_EQ(c().searchField->geometry(), QRect(2, 51, 211, 24));
    EXPECT_EQ(c().publisherLabel->geometry(), QRect(507, 359, 143, 16));
    EXPECT_EQ(c().partnerDivisionLogo->geometry(), QRect(4, 358, 33, 19));
    // The list shows whole rows, and the description ends where the list does.
    const QRect list = c().entriesList->geometry();
    EXPECT_EQ((list.height() - 2 * c().entriesList->frameWidth()) % EntriesList::kRowHeight, 0);
    EXPECT_LE(list.height(), 212 + 64);
    EXPECT_EQ(c().descriptionView->geometry().bottom(), list.bottom());
    EXPECT_EQ(c().headwordLabel->width(), c().descriptionView->width());
}

TEST_F(FaceTest, TheBackgroundIsStretchedOnlyInALargeWindow) {
    window->resize(751, 300);
    EXPECT_TRUE(c().backgroundImage->hasScaledContents());
    window->resize(750, 485);
    EXPECT_FALSE(c().backgroundImage->hasScaledContents());
    EXPECT_EQ(c().backgroundImage->size(), QSize(750, 485));
}

TEST(EdgeLayout, GrowsWhatFollowsOppositeEdgesAndMovesWhatFollowsTheFarOne) {
    const QSize designed(100, 100), larger(150, 120);
    const QRect rect(10, 20, 30, 40);
    using platform::EdgeLayout;
    EXPECT_EQ(EdgeLayout::follow(rect, designed, larger, Qt::LeftEdge | Qt::TopEdge), rect);
    EXPECT_EQ(EdgeLayout::follow(rect, designed, larger,
                                 Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge),
              QRect(10, 20, 80, 60));
    EXPECT_EQ(EdgeLayout::follow(rect, designed, larger, Qt::RightEdge | Qt::BottomEdge),
              QRect(60, 40, 30, 40));
    EXPECT_EQ(
        EdgeLayout::follow(rect, designed, QSize(20, 20), Qt::LeftEdge | Qt::RightEdge).width(), 0);
    // Following neither edge keeps the centre at the same share of the area.
    EXPECT_EQ(EdgeLayout::follow(rect, designed, QSize(200, 100), {}).center().x(),
              2 * rect.center().x() + 1);
}

}  // namespace
}  // namespace orvan::test
