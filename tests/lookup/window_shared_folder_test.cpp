// The window while another program (a second window, orvan-cli) changes the same personal
// folder: its edits act on the entry the user chose, found by number, and it notices the other
// program's changes and keeps its list on the same entries.
#include <QApplication>
#include <QDialog>
#include <QPlainTextEdit>
#include <QTest>

#include "richtext/rich_text_view.h"
#include "tests/lookup/window_fixture.h"
#include "tests/support/modal_answer.h"

namespace orvan::test {
namespace {

class SharedFolderTest : public WindowTest {
  protected:
    void SetUp() override {
        const int gas = lexicon.addEntry("gas", "{gas}");
        lexicon.addPersonalEntry(gas, 5, "gasket", "{\\f60\\fs22 seal}");
        lexicon.addPersonalEntry(gas, 6, "gasoline", "{\\f60\\fs22 fuel}");
        lexicon.addEntry("gauge", "{gauge}");
        lexicon.addEntry("lever", "{bar}");
        open(true);
    }

    // What the list rows stand for now, by the numbers of their entries.
    std::vector<int> listedNumbers() const {
        std::vector<int> numbers;
        for (const int slot : listSlots())
            numbers.push_back(window->tables().entries[slot].number);
        return numbers;
    }
};

TEST_F(SharedFolderTest, ADeleteActsOnTheChosenEntryAfterAnotherProgramMovedIt) {
    search("gas");
    ASSERT_EQ(listTexts(), (std::vector<QString>{"gas", "gasket *", "gasoline *"}));
    clickRow(2);  // gasoline
    // Another program adds an entry right after gasket, so gasoline moves down a slot; no event
    // is handled in between, so the window still has the slots of before: a delete by slot
    // would now remove "gaskets".
    elsewhereInsert("gaskets");
    AnswerMessageBox(nullptr, QMessageBox::Yes);
    c().deleteEntryButton->click();
    EXPECT_EQ(personalHeadwords(), (std::vector<std::string>{"gasket", "gaskets"}));
    // The list keeps its other items on their entries.
    EXPECT_EQ(listTexts(), (std::vector<QString>{"gas", "gasket *"}));
    EXPECT_EQ(listedNumbers(), (std::vector<int>{1, 5}));
}

TEST_F(SharedFolderTest, AChangeReadWhileTheEditorIsOpenDoesNotRedirectTheEdit) {
    search("gas");
    clickRow(2);  // gasoline
    WhenModal([this](QWidget* editor) {
        // Another program moves gasoline down a slot; the window reads that once the editor
        // has closed.
        elsewhereInsert("gaskets");
        QTest::qWait(400);
        EXPECT_EQ(window->tables().entries.count(), 5);
        editor->findChild<QPlainTextEdit*>("descriptionEdit")->setPlainText("petrol");
        editor->findChild<QPushButton*>("okButton")->click();
    });
    c().modifyEntryButton->click();
    EXPECT_EQ(personalHeadwords(), (std::vector<std::string>{"gasket", "gaskets", "gasoline"}));
    search("gasoline");
    clickRow(0);
    EXPECT_EQ(c().descriptionView->plainText().trimmed(), "petrol");
}

TEST_F(SharedFolderTest, AnEntryDeletedElsewhereIsNotOpenedForEditing) {
    search("gas");
    clickRow(1);  // gasket, number 5
    elsewhereDelete(5);
    const std::string before = personal.read("ci.tbo");
    // The editor starts from the files as they are: there is nothing to open.
    EXPECT_EQ(messageFrom([this] { c().modifyEntryButton->click(); }),
              Q("Το λήμμα άλλαξε ή διαγράφηκε από άλλο πρόγραμμα."));
    EXPECT_EQ(personal.read("ci.tbo"), before);
    EXPECT_EQ(personalHeadwords(), (std::vector<std::string>{"gasoline"}));
    EXPECT_EQ(listTexts(), (std::vector<QString>{"gas", "gasoline *"}));
}

TEST_F(SharedFolderTest, AnotherProgramsChangeIsReadAndTheListFollowsItsEntries) {
    search("ga");
    clickRow(1);  // gasket
    ASSERT_EQ(c().headwordLabel->text(), "gasket");
    elsewhereInsert("gabble");  // sorts first: every slot after it moves
    // The window reads the files again by itself, soon after they changed.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->tables().entries.count() == 6; }));
    EXPECT_EQ(listTexts(), (std::vector<QString>{"gas", "gasket *", "gasoline *", "gauge"}));
    EXPECT_EQ(listedNumbers(), (std::vector<int>{1, 5, 6, 2}));
    EXPECT_EQ(c().headwordLabel->text(), "gasket");

    // The entry shown is deleted elsewhere: it leaves the list and the pane.
    elsewhereDelete(5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->tables().entries.count() == 5; }));
    EXPECT_EQ(listTexts(), (std::vector<QString>{"gas", "gasoline *", "gauge"}));
    EXPECT_EQ(c().headwordLabel->text(), "");
    EXPECT_EQ(c().descriptionView->plainText(), "");
    EXPECT_FALSE(c().deleteEntryButton->isEnabled());
    search("gab");
    EXPECT_EQ(listTexts(), (std::vector<QString>{"gabble *"}));
}

TEST_F(SharedFolderTest, DamagedFilesAreToldOfOnceAndShownAsFarAsTheyGo) {
    const auto warnings = [] {
        std::vector<QString> texts;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box != nullptr && box->isVisible()) texts.push_back(box->informativeText());
        }
        return texts;
    };
    EXPECT_TRUE(warnings().empty());
    // Another program, or a disk fault, leaves a line that cannot be read in the middle.
    std::vector<std::string> lines = PlainPersonal(personal.read("ci.tbo"));
    lines.insert(lines.begin() + 1, "00001000x7");
    personal.write("ci.tbo", ScrambledPersonal(lines));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return warnings() == std::vector<QString>{"ci.tbo line 2 is damaged"}; }));
    search("gas");
    EXPECT_EQ(listTexts(), (std::vector<QString>{"gas", "gasket *", "gasoline *"}));
    // Reading the same files again tells nothing new.
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget)) box->close();
    // Another program writes the same damaged file again: the window reads it again.
    personal.write("ci.tbo", personal.read("ci.tbo"));
    QTest::qWait(400);
    EXPECT_TRUE(warnings().empty());
}

}  // namespace
}  // namespace orvan::test
