// What the user writes through the window is never lost, changed behind their back or sent to
// another entry: the editor starts from the stored entry whatever the window shows, a refused
// save keeps the text, the search field keeps what was typed, Enter never deletes, and a reload
// during a full-text search or a print leaves what they show on its entries.
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QTest>
#include <QToolButton>

#include "lookup/entries_list.h"
#include "lookup/full_text_question_dialog.h"
#include "lookup/print_surface.h"
#include "richtext/rich_text_view.h"
#include "tests/lookup/window_fixture.h"
#include "tests/support/modal_answer.h"

namespace orvan::test {
namespace {

class EditSafetyTest : public WindowTest {
  protected:
    // The user's entry "cafe creme": a number above every lexicon entry's, however many.
    static constexpr int kCafeCreme = 9000;

    void SetUp() override {
        const int cafe = lexicon.addEntry("cafe", "{coffee house}", 1, "CHEM");
        lexicon.addGreek(cafe, Cp("καφενείο"));
        lexicon.addPersonalEntry(cafe, kCafeCreme, "cafe creme", "{\\f60\\fs22 frothy coffee}",
                                 "MECH");
        lexicon.addPersonalGreek(cafe, kCafeCreme, Cp("καφές κρέμα"));
        lexicon.addField("CHEM", Cp("Χημεία"));
        lexicon.addField("MECH", Cp("Μηχανολογία"));
        lexicon.addEntry("lathe", "{a machine tool}");
        const int rotor = lexicon.addEntry("rotor", "{spins}", 1, "MECH");
        lexicon.addGreek(rotor, Cp("ρότορας"));
        lexicon.addSupplement(rotor, "{\\f60\\fs22 my note}");
        open(true);
    }

    struct Offered {
        QString english, greek, description;
        int field = -2;
    };
    // Opens the editor on the entry shown, keeps what it offers and closes it with OK (or, with
    // `then`, does that instead).
    Offered openEditor(const std::function<void(QDialog*)>& then = {}) {
        Offered offered;
        WhenModal([&](QWidget* modal) {
            auto* editor = qobject_cast<QDialog*>(modal);
            ASSERT_NE(editor, nullptr);
            offered.english = editor->findChild<QLineEdit*>("englishField")->text();
            offered.greek = editor->findChild<QLineEdit*>("greekField")->text();
            offered.description = description(editor)->toPlainText();
            offered.field = editor->findChild<QComboBox*>("fieldCombo")->currentIndex();
            if (then) {
                then(editor);
            } else {
                editor->findChild<QPushButton*>("okButton")->click();
            }
        });
        c().modifyEntryButton->click();
        return offered;
    }
    static QPlainTextEdit* description(QDialog* editor) {
        return editor->findChild<QPlainTextEdit*>("descriptionEdit");
    }
    std::string files() const {
        return personal.read("ci.tbo") + "|" + personal.read("cigr.tbo") + "|" +
               personal.read("clex.tbo");
    }
    void fullTextSearch(const QString& text) {
        c().searchField->setText(text);
        WhenModal([](QWidget* modal) {
            ASSERT_NE(qobject_cast<lookup::FullTextQuestionDialog*>(modal), nullptr);
            modal->findChild<QPushButton*>("yesButton")->click();
        });
        c().fullTextSearchButton->click();
    }
};

TEST_F(EditSafetyTest, AGreekFullTextFindOpensTheStoredEntryAndAnUnchangedSaveWritesNothing) {
    c().languageButton->click();  // Greek
    fullTextSearch("frothy");
    ASSERT_EQ(listTexts(), std::vector<QString>{"cafe creme *"});
    clickRow(0);
    const std::size_t steps = window->history().backItems().size();
    const std::string before = files();
    const Offered offered = openEditor();
    EXPECT_EQ(offered.english, "cafe creme");
    EXPECT_EQ(offered.greek, Q("καφές κρέμα"));
    EXPECT_EQ(offered.description, "frothy coffee");
    EXPECT_EQ(offered.field, 2);
    EXPECT_EQ(files(), before);
    EXPECT_EQ(window->history().backItems().size(), steps);
    EXPECT_EQ(listTexts(), std::vector<QString>{"cafe creme *"});
}

TEST_F(EditSafetyTest, TheBackListAndAChangeElsewhereFillTheEditorFromTheFiles) {
    search(Q("καφές"));  // the Greek list, which shows the Greek headword
    clickRow(0);
    search("lathe");
    clickRow(0);
    c().backButton->click();
    ASSERT_EQ(window->state().shownNumber(), kCafeCreme);
    Offered offered = openEditor([](QDialog* editor) { editor->reject(); });
    EXPECT_EQ(offered.english, "cafe creme");
    EXPECT_EQ(offered.greek, Q("καφές κρέμα"));

    // Another program rewrites the note shown; no event is handled before the pencil.
    search("rotor");
    clickRow(0);
    const long long rotor = window->state().shownNumber();
    elsewhereChange([&](const personal::StoreContext& store) {
        return personal::UpdatePersonalEntry(store, {rotor, EntryKind::Annotated},
                                             {"rotor", "", -1, "their note"});
    });
    offered = openEditor([](QDialog* editor) { editor->reject(); });
    EXPECT_EQ(offered.description, "their note");
}

TEST_F(EditSafetyTest, AConflictKeepsTheTextAndSavesItAsANewEntry) {
    search("cafe c");
    clickRow(0);
    QString warning, details, kept;
    bool stillOpen = false;
    openEditor([&](QDialog* editor) {
        elsewhereDelete(kCafeCreme);
        description(editor)->setPlainText("my own words");
        // First the box is closed, as Escape does: back to editing, with the text.
        AnswerMessageBox(&warning, QMessageBox::NoButton, editor, &details);
        editor->findChild<QPushButton*>("okButton")->click();
        stillOpen = editor->isVisible();
        kept = description(editor)->toPlainText();
        // Then as a new entry.
        WhenModal(
            [](QWidget* modal) { modal->findChild<QPushButton*>("saveAsNewButton")->click(); },
            editor);
        editor->findChild<QPushButton*>("okButton")->click();
    });
    EXPECT_EQ(warning, Q("Το λήμμα άλλαξε ή διαγράφηκε από άλλο πρόγραμμα."));
    EXPECT_EQ(details, Q("Αριθμός λήμματος: 9000"));
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(kept, "my own words");
    EXPECT_EQ(personalHeadwords(), std::vector<std::string>{"cafe creme"});
    EXPECT_EQ(listTexts(), std::vector<QString>{"cafe creme *"});
    EXPECT_EQ(c().descriptionView->plainText().trimmed(), "my own words");
}

TEST_F(EditSafetyTest, TheSearchFieldKeepsWhatWasTypedAndSaysWhatNoHeadwordHolds) {
    c().searchField->setFocus();
    QTest::sendKeyEvent(QTest::Click, c().searchField, Qt::Key_unknown, Q("café €5 😀"),
                        Qt::NoModifier);
    QTest::keyClick(c().searchField, Qt::Key_Return);
    EXPECT_EQ(c().searchField->text(), Q("café €5 😀"));
    EXPECT_TRUE(listTexts().empty());
    EXPECT_EQ(c().listStatusLabel->text(), Q("Κανένα λήμμα δεν έχει τους χαρακτήρες: 😀"));

    search(Q("CAFÉ"));  // searched as "cafe"
    EXPECT_EQ(c().searchField->text(), Q("CAFÉ"));
    EXPECT_EQ(listTexts(), (std::vector<QString>{"cafe", "cafe creme *"}));
    EXPECT_EQ(c().listStatusLabel->text(), Q("2 λήμματα"));
    search("zzz");
    EXPECT_EQ(c().listStatusLabel->text(), Q("Δεν βρέθηκαν λήμματα"));
}

TEST_F(EditSafetyTest, EnterOrEscapeOnTheDeleteQuestionKeepsTheEntryAndTheNote) {
    const std::string before = files();
    for (const char* headword : {"cafe creme", "rotor"}) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            search(headword);
            clickRow(0);
            WhenModal([key](QWidget* modal) { QTest::keyClick(modal, key); });
            c().deleteEntryButton->click();
            EXPECT_EQ(files(), before) << headword;
        }
    }
}

TEST_F(EditSafetyTest, NoChangeIsMadeWhileTheEntriesWereReadInPart) {
    std::vector<std::string> lines = PlainPersonal(personal.read("ci.tbo"));
    lines.insert(lines.begin(), "00001000x7");  // a line that cannot be read
    personal.write("ci.tbo", ScrambledPersonal(lines));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->tables().personalProblem.has_value(); }));
    const std::string before = files();
    const QString told =
        Q("Δεν διαβάστηκαν όλα τα λήμματά σας. Όσο τα αρχεία τους είναι έτσι, "
          "δεν αλλάζουν.");
    EXPECT_EQ(messageFrom([this] { c().insertEntryButton->click(); }), told);
    search("rotor");
    clickRow(0);
    EXPECT_EQ(messageFrom([this] { c().modifyEntryButton->click(); }), told);
    EXPECT_EQ(files(), before);
}

// Another program inserts an entry that sorts first (every slot moves) while the full-text
// search's progress dialog is up, and events are handled until the window has read it.
class InsertWhileSearching : public QObject {
  public:
    bool done = false;
    bool readMeanwhile = false;
    std::function<void()> insert;
    std::function<bool()> read;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!done && qobject_cast<QProgressDialog*>(watched) && event->type() == QEvent::Show) {
            done = true;
            insert();
            QElapsedTimer clock;
            clock.start();
            while (!read() && clock.elapsed() < 5000)
                QTest::qWait(20);
            readMeanwhile = read();
        }
        return false;
    }
};

TEST_F(EditSafetyTest, AReloadDuringTheFullTextSearchLeavesEveryRowOnItsEntry) {
    for (int i = 0; i < 3000; ++i)
        lexicon.addEntry("term" + std::to_string(100000 + i), "{frothy}");
    window.reset();
    open(true);
    window->setFullTextProgressDelay(0);
    InsertWhileSearching inserter;
    inserter.insert = [this] { elsewhereInsert("aardvark"); };
    inserter.read = [this] { return window->tables().entries.count() == 3000 + 5; };
    qApp->installEventFilter(&inserter);
    fullTextSearch("frothy");
    qApp->removeEventFilter(&inserter);
    ASSERT_TRUE(inserter.done);
    // The window read the insert while the search went on through the load it started with.
    EXPECT_TRUE(inserter.readMeanwhile);

    const lookup::LookupState& state = window->state();
    ASSERT_EQ(state.list().size(), 3001u);
    for (int row = 0; row < static_cast<int>(state.list().size()); ++row) {
        const EntryRecord& entry = window->tables().entries[state.slotOfRow(row)];
        ASSERT_EQ(state.list()[static_cast<std::size_t>(row)].text,
                  ListItemText(entry.headword, entry))
            << row;
    }
    ASSERT_EQ(listTexts().front(), "cafe creme *");
    clickRow(0);
    EXPECT_EQ(c().headwordLabel->text(), "cafe creme");
    AnswerMessageBox(nullptr, QMessageBox::Yes);
    c().deleteEntryButton->click();
    EXPECT_EQ(personalHeadwords(), std::vector<std::string>{"aardvark"});
}

TEST_F(EditSafetyTest, AReloadWhileThePrintDialogIsOpenPrintsTheChosenEntry) {
    search("rotor");
    clickRow(0);
    const QString pdf = QString::fromStdString(home.path()) + "rotor.pdf";
    const int before = window->tables().entries.count();
    const bool opened = printToPdf(pdf, [&] {
        // Every slot moves under the open dialog, and the window reads the files again.
        elsewhereInsert("aardvark");
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return !window->state().list().empty() &&
                   window->tables().entries[window->state().slotOfRow(0)].headword == "rotor" &&
                   window->tables().entries.count() == before + 1;
        }));
    });
    ASSERT_TRUE(opened);
    const QString printed = window->printSurface().view->plainText();
    EXPECT_TRUE(printed.contains("rotor")) << printed.toStdString();
    EXPECT_FALSE(printed.contains("aardvark")) << printed.toStdString();
    EXPECT_TRUE(QFileInfo(pdf).size() > 0);
}

}  // namespace
}  // namespace orvan::test
