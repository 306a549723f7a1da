// The full-text search through the window: its confirmation, its list, its progress and the
// marks on a found entry.
#include <QApplication>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <filesystem>

#include "lexicon/text_file.h"
#include "lookup/entries_list.h"
#include "lookup/full_text_question_dialog.h"
#include "richtext/rich_text_view.h"
#include "tests/lookup/window_fixture.h"
#include "tests/support/modal_answer.h"

namespace orvan::test {
namespace {

class FullTextTest : public WindowTest {
  protected:
    void SetUp() override {
        const int engine =
            lexicon.addEntry("engine", "{\\b engine} drives the " + RtfEscaped(Cp("μηχανή")) +
                                           "\\par torque torque");
        lexicon.addGreek(engine, Cp("μηχανή"));
        const int gear = lexicon.addEntry("gear", "{a wheel with teeth} \\par Torque");
        lexicon.addGreek(gear, Cp("γρανάζι"));
        lexicon.addEntry("gas", "{no such word here}");
        lexicon.addPersonalEntry(gear, 6, "gearbox", "{my own torque box}");
        lexicon.addSupplement(engine, "{noted carburettor}");
        open(true);
    }

    /// Presses the full-text button with `typed` in the search field and answers the
    /// confirmation by clicking `button`, or with `key` when no button is named.
    void runSearch(const QString& typed, const char* button = "yesButton", int key = 0) {
        c().searchField->setText(typed);
        WhenModal([button, key](QWidget* modal) {
            ASSERT_NE(qobject_cast<lookup::FullTextQuestionDialog*>(modal), nullptr);
            if (key != 0)
                QTest::keyClick(modal, static_cast<Qt::Key>(key));
            else
                modal->findChild<QPushButton*>(button)->click();
        });
        c().fullTextSearchButton->click();
    }
};

TEST_F(FullTextTest, ConfirmedSearchListsEntriesWhoseTextHoldsTheWordInTableOrder) {
    runSearch("  torque");
    EXPECT_EQ(listTexts(), (std::vector<QString>{"engine", "gearbox *"}));
    // Leading blanks are dropped from the search field; nothing is chosen or shown.
    EXPECT_EQ(c().searchField->text(), "torque");
    EXPECT_EQ(c().entriesList->selectedRow(), -1);
    EXPECT_TRUE(c().descriptionView->plainText().isEmpty());
    EXPECT_EQ(window->focusWidget(), c().searchField);

    // Case counts, and only shown text is searched, the supplement's included.
    runSearch("Torque");
    EXPECT_EQ(listTexts(), std::vector<QString>{"gear"});
    runSearch("carburettor");
    EXPECT_EQ(listTexts(), std::vector<QString>{"engine"});
    runSearch("par");
    EXPECT_TRUE(listTexts().empty());
    runSearch(Q("μηχανή"));
    EXPECT_EQ(listTexts(), std::vector<QString>{"engine"});
    runSearch(Q("μηχανη"));
    EXPECT_TRUE(listTexts().empty());
}

TEST_F(FullTextTest, AnsweringNoInAnyWayChangesNothing) {
    search("ge");
    const std::vector<QString> before = listTexts();
    ASSERT_FALSE(before.empty());
    runSearch("torque", "noButton");
    EXPECT_EQ(listTexts(), before);
    runSearch("torque", nullptr, Qt::Key_Escape);
    EXPECT_EQ(listTexts(), before);
    runSearch("torque", nullptr, Qt::Key_Return);
    EXPECT_EQ(listTexts(), before);
    EXPECT_EQ(c().searchField->text(), "torque");
}

TEST_F(FullTextTest, AnEmptySearchFieldAsksNothing) {
    bool asked = false;
    WhenModal([&asked](QWidget* modal) {
        asked = true;
        modal->close();
    });
    c().searchField->clear();
    c().fullTextSearchButton->click();
    QTest::qWait(50);
    EXPECT_FALSE(asked);
    // A field of blanks is searched, and blanks alone are found nowhere.
    runSearch("   ");
    EXPECT_TRUE(listTexts().empty());
}

TEST_F(FullTextTest, GreekModeStillListsEnglishHeadwordsAndTheForwardHistoryStays) {
    search(Q("γρ"));
    ASSERT_TRUE(window->greekMode());
    clickRow(0);
    search(Q("μη"));
    clickRow(0);
    c().backButton->click();
    ASSERT_EQ(window->history().forwardItems().size(), 1u);
    runSearch("torque");
    EXPECT_EQ(listTexts(), (std::vector<QString>{"engine", "gearbox *"}));
    EXPECT_EQ(window->history().forwardItems().size(), 1u);
    // A found entry is shown in the language of the window, as any entry is.
    clickRow(0);
    EXPECT_EQ(c().headwordLabel->text(), Q("μηχανή"));
}

TEST_F(FullTextTest, AFoundEntryMarksEveryOccurrenceUntilTheNextHeadwordSearch) {
    runSearch("torque");
    clickRow(0);
    const QList<QTextEdit::ExtraSelection> marks = c().descriptionView->extraSelections();
    ASSERT_EQ(marks.size(), 2);
    for (const QTextEdit::ExtraSelection& mark : marks)
        EXPECT_EQ(mark.cursor.selectedText(), "torque");
    // The marks are not the selection, which the figure links read.
    EXPECT_FALSE(c().descriptionView->textCursor().hasSelection());

    search("ge");
    clickRow(0);
    EXPECT_TRUE(c().descriptionView->extraSelections().isEmpty());
}

TEST_F(FullTextTest, TheViewScrollsToTheFirstMarkFarDown) {
    std::string longText;
    for (int line = 0; line < 200; ++line)
        longText += "line " + std::to_string(line) + " \\par ";
    lexicon.addEntry("lever", "{" + longText + "a fulcrum here}");
    window.reset();
    open(true);
    runSearch("fulcrum");
    ASSERT_EQ(listTexts(), std::vector<QString>{"lever"});
    clickRow(0);
    ASSERT_EQ(c().descriptionView->extraSelections().size(), 1);
    EXPECT_GT(c().descriptionView->verticalScrollBar()->value(), 0);
    const QRect hit =
        c().descriptionView->cursorRect(c().descriptionView->extraSelections().front().cursor);
    EXPECT_TRUE(c().descriptionView->viewport()->rect().contains(hit.center()));
}

// Stops a full-text search as soon as its progress dialog shows.
class StopWhenShown : public QObject {
  public:
    bool shown = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* progress = qobject_cast<QProgressDialog*>(watched);
        if (progress != nullptr && event->type() == QEvent::Show) {
            shown = true;
            progress->cancel();
        }
        return false;
    }
};

TEST_F(FullTextTest, ALongSearchShowsItsProgressAndStoppingKeepsWhatWasFound) {
    // Many entries, each found, so that the search runs several steps.
    for (int i = 0; i < 3000; ++i)
        lexicon.addEntry("term" + std::to_string(100000 + i), "{every torque}");
    window.reset();
    open(true);
    window->setFullTextProgressDelay(0);
    StopWhenShown stopper;
    qApp->installEventFilter(&stopper);
    runSearch("torque");
    qApp->removeEventFilter(&stopper);
    EXPECT_TRUE(stopper.shown);
    const std::vector<QString> found = listTexts();
    ASSERT_FALSE(found.empty());
    EXPECT_LT(found.size(), 3002u);
    EXPECT_EQ(found.front(), "engine");
}

TEST_F(FullTextTest, ASearchOfSettledFilesSavesTheirTextAndTheNextOnesAnswerFromItAlike) {
    const QByteArray previousCache = qgetenv("XDG_CACHE_HOME");
    const std::string cache = home.path() + "/cache";
    qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(cache));
    // The texts are saved only from files left unchanged for two seconds.
    QTest::qWait(2100);
    const std::vector<QString> words = {"torque", "Torque", "carburettor", "par", Q("μηχανή")};
    std::vector<std::vector<QString>> read;
    for (const QString& word : words) {
        runSearch(word);
        read.push_back(listTexts());
    }
    std::string saved;
    for (const auto& file : std::filesystem::directory_iterator(cache + "/orvan"))
        if (file.path().filename().string().starts_with("window-texts-")) saved = file.path();
    ASSERT_NE(saved, "");

    // From the saved texts: no description is read, so no progress is ever shown.
    window->setFullTextProgressDelay(0);
    StopWhenShown watcher;
    qApp->installEventFilter(&watcher);
    for (size_t i = 0; i < words.size(); ++i) {
        runSearch(words[i]);
        EXPECT_EQ(listTexts(), read[i]) << words[i].toStdString();
    }
    EXPECT_FALSE(watcher.shown);

    // Damaged saved texts are not believed: the descriptions are read again.
    std::string bytes = ReadWholeFile(saved).value();
    bytes[bytes.size() - 2] ^= 1;
    ASSERT_TRUE(WriteFileAtomically(saved, bytes));
    window->setFullTextProgressDelay(60000);
    for (size_t i = 0; i < words.size(); ++i) {
        runSearch(words[i]);
        EXPECT_EQ(listTexts(), read[i]) << words[i].toStdString();
    }
    qApp->removeEventFilter(&watcher);
    if (previousCache.isNull())
        qunsetenv("XDG_CACHE_HOME");
    else
        qputenv("XDG_CACHE_HOME", previousCache);
}

}  // namespace
}  // namespace orvan::test
