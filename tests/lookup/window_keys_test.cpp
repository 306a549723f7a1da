// The lookup window's keys: each does what its button does, nothing while the button is off, and
// acts from wherever the focus is in the window; the hints name the keys; the history arrows are
// off while there is nothing to go to; the text size of the list and the description.
#include <QClipboard>
#include <QComboBox>
#include <QFontInfo>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <set>

#include "lookup/entries_list.h"
#include "lookup/text_size.h"
#include "richtext/rich_text_view.h"
#include "tests/lookup/window_fixture.h"
#include "tests/support/modal_answer.h"

namespace orvan::test {
namespace {

using lookup::EntriesList;

class KeysTest : public WindowTest {
  protected:
    void SetUp() override {
        const int engine = lexicon.addEntry("engine", "{\\fs20 engine} motor", 1);
        lexicon.addEntry("gear", "{gear text}", 1);
        lexicon.addEntry("lever", "{lever text}", 1);
        lexicon.addPersonalEntry(engine, 6, "gasket", "{mine}");
        open(true);
    }

    /// Presses `key` where the focus is now, as the user would.
    void press(QKeyCombination key) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target != nullptr ? target : window.get(), key.key(),
                        key.keyboardModifiers());
    }

    /// Presses `key` and returns the title of the modal dialog it opens (closing it with
    /// Escape), or nothing when none opens.
    QString dialogFrom(QKeyCombination key, const std::function<void(QWidget*)>& inside = {}) {
        QString title;
        WhenModal([&title, inside](QWidget* modal) {
            title = modal->windowTitle();
            if (inside) inside(modal);
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        press(key);
        QTest::qWait(60);
        ForgetUnansweredModals();
        // The window is active again once the dialog has closed, as on the desktop.
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return title;
    }

    void view(const QString& headword) {
        search(headword);
        clickRow(0);
    }

    QString shown() const { return c().headwordLabel->text(); }
};

TEST_F(KeysTest, AltArrowsGoBackAndForwardAndTheArrowsAreOffWithNothingToGoTo) {
    const auto arrows = [this] {
        return std::vector<bool>{c().backButton->isEnabled(), c().backMenuButton->isEnabled(),
                                 c().forwardButton->isEnabled(),
                                 c().forwardMenuButton->isEnabled()};
    };
    using Arrows = std::vector<bool>;
    EXPECT_EQ(arrows(), (Arrows{false, false, false, false}));
    // A key whose button is off does nothing.
    press(Qt::ALT | Qt::Key_Left);
    press(Qt::ALT | Qt::Key_Right);
    EXPECT_EQ(shown(), "");

    view("engine");
    EXPECT_EQ(arrows(), (Arrows{false, false, false, false}));  // the first entry adds nothing
    view("gear");
    view("lever");
    EXPECT_EQ(arrows(), (Arrows{true, true, false, false}));

    c().searchField->setFocus();
    press(Qt::ALT | Qt::Key_Left);
    EXPECT_EQ(shown(), "gear");
    EXPECT_EQ(arrows(), (Arrows{true, true, true, true}));
    press(Qt::ALT | Qt::Key_Left);
    EXPECT_EQ(shown(), "engine");
    EXPECT_EQ(arrows(), (Arrows{false, false, true, true}));
    press(Qt::ALT | Qt::Key_Left);  // nothing further back
    EXPECT_EQ(shown(), "engine");

    press(Qt::ALT | Qt::Key_Right);
    EXPECT_EQ(shown(), "gear");
    press(Qt::ALT | Qt::Key_Right);
    EXPECT_EQ(shown(), "lever");
    EXPECT_EQ(arrows(), (Arrows{true, true, false, false}));

    // A new search empties the forward list: its arrows go off again.
    press(Qt::ALT | Qt::Key_Left);
    EXPECT_TRUE(c().forwardButton->isEnabled());
    search("engine");
    EXPECT_EQ(arrows(), (Arrows{true, true, false, false}));
}

TEST_F(KeysTest, TheEditKeysOpenTheEditorOnlyWhenTheirButtonIsOn) {
    // No entry shown: editing is off, inserting is not.
    EXPECT_FALSE(c().modifyEntryButton->isEnabled());
    EXPECT_EQ(dialogFrom(Qt::CTRL | Qt::Key_E), "");
    EXPECT_EQ(dialogFrom(Qt::Key_F2), "");

    // The editor's fields in their Tab order, from the first key on.
    std::vector<QString> order;
    EXPECT_EQ(dialogFrom(Qt::CTRL | Qt::Key_N,
                         [&order](QWidget* dialog) {
                             // A busy machine may show the dialog before it is made active
                             // and given the focus.
                             EXPECT_TRUE(QTest::qWaitFor([dialog] {
                                 QWidget* focus = QApplication::focusWidget();
                                 return focus != nullptr && dialog->isAncestorOf(focus);
                             }));
                             for (int i = 0; i < 6; ++i) {
                                 order.push_back(QApplication::focusWidget()->objectName());
                                 QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                             }
                         }),
              Q("Εισαγωγή Νέου Λήμματος"));
    EXPECT_EQ(order, (std::vector<QString>{"englishField", "greekField", "fieldCombo",
                                           "descriptionEdit", "cancelButton", "okButton"}));

    view("gasket");
    // From the search field too, whose own use of Ctrl+E (the end of the line) gives way.
    c().searchField->setFocus();
    EXPECT_EQ(dialogFrom(Qt::CTRL | Qt::Key_E), Q("Μεταβολή Λήμματος"));
    c().renderingField->setFocus();
    EXPECT_EQ(dialogFrom(Qt::Key_F2), Q("Μεταβολή Λήμματος"));
}

TEST_F(KeysTest, DeleteAsksOnlyForAnOwnEntryAndOnlyInTheList) {
    view("engine");  // a lexicon entry: its delete button is off
    ASSERT_TRUE(c().entriesList->hasFocus());
    EXPECT_EQ(dialogFrom(Qt::Key_Delete), "");

    view("gasket");
    ASSERT_TRUE(c().entriesList->hasFocus());
    EXPECT_EQ(dialogFrom(Qt::Key_Delete), Q("Επιβεβαίωση Διαγραφής"));
    EXPECT_EQ(listTexts(), std::vector<QString>{"gasket *"});  // the question was not answered Yes

    // In the search field Delete deletes a character, and asks nothing.
    c().searchField->setFocus();
    c().searchField->setText("gaskets");
    c().searchField->setCursorPosition(6);
    EXPECT_EQ(dialogFrom(Qt::Key_Delete), "");
    EXPECT_EQ(c().searchField->text(), "gasket");
}

TEST_F(KeysTest, SearchFieldKeysCopyAndPasteActAsTheirButtons) {
    view("engine");
    c().searchField->setFocus();
    c().searchField->setText("something");
    c().entriesList->setFocus();
    press(Qt::CTRL | Qt::Key_F);
    EXPECT_TRUE(c().searchField->hasFocus());
    EXPECT_EQ(c().searchField->selectedText(), "something");
    c().searchField->deselect();
    press(Qt::CTRL | Qt::Key_L);
    EXPECT_EQ(c().searchField->selectedText(), "something");

    // Ctrl+C copies the list's item as the copy button does, mark and all.
    view("gasket");
    QApplication::clipboard()->clear();
    press(Qt::CTRL | Qt::Key_C);
    EXPECT_EQ(QApplication::clipboard()->text(), "gasket *");

    // Ctrl+V replaces the whole search text, as the paste button does, wherever the caret was.
    QApplication::clipboard()->setText("gear");
    c().searchField->setFocus();
    c().searchField->setCursorPosition(2);
    press(Qt::CTRL | Qt::Key_V);
    EXPECT_EQ(c().searchField->text(), "gear");
    // The list follows the pasted text as it follows typing.
    EXPECT_EQ(listTexts(), std::vector<QString>{"gear"});

    // Escape empties the search field and leaves the list and the entry shown as they are.
    view("gasket");
    press(Qt::Key_Escape);
    EXPECT_EQ(c().searchField->text(), "");
    EXPECT_EQ(listTexts(), std::vector<QString>{"gasket *"});
    EXPECT_EQ(shown(), "gasket");
}

TEST_F(KeysTest, EveryKeyedButtonsHintNamesItsKey) {
    const std::pair<QAbstractButton*, QKeySequence> keyed[] = {
        {c().backButton, QKeySequence(Qt::ALT | Qt::Key_Left)},
        {c().forwardButton, QKeySequence(Qt::ALT | Qt::Key_Right)},
        {c().copyButton, QKeySequence(Qt::CTRL | Qt::Key_C)},
        {c().pasteButton, QKeySequence(Qt::CTRL | Qt::Key_V)},
        {c().printButton, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {c().fullTextSearchButton, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F)},
        {c().insertEntryButton, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {c().modifyEntryButton, QKeySequence(Qt::CTRL | Qt::Key_E)},
        {c().deleteEntryButton, QKeySequence(Qt::Key_Delete)},
        {c().helpButton, QKeySequence(Qt::Key_F1)},
    };
    for (const auto& [button, key] : keyed) {
        EXPECT_TRUE(button->toolTip().endsWith(" (" + key.toString(QKeySequence::NativeText) + ")"))
            << button->toolTip().toStdString();
    }
    EXPECT_EQ(c().backButton->toolTip(), Q("Προηγούμενο Λήμμα (Alt+Left)"));
    // Buttons without a key keep their hint as it was.
    EXPECT_EQ(c().backMenuButton->toolTip(), Q("Λίστα Προηγουμένων Λημμάτων"));
    EXPECT_EQ(c().exitButton->toolTip(), Q("Εξοδος"));
}

TEST_F(KeysTest, TheTextSizeKeysResizeTheListAndTheDescriptionWithinBounds) {
    view("engine");
    const QFont firstFont = c().entriesList->font();
    const auto descriptionPoints = [this] {
        // The size of the first word of the description, written at 10 points.
        QTextCursor cursor(c().descriptionView->document());
        cursor.movePosition(QTextCursor::NextCharacter);
        return cursor.charFormat().fontPointSize();
    };
    const double firstPoints = descriptionPoints();
    const auto wholeRows = [this] {
        const EntriesList* list = c().entriesList;
        return (list->height() - 2 * list->frameWidth()) % list->rowHeight() == 0;
    };

    press(Qt::CTRL | Qt::Key_Plus);
    press(Qt::CTRL | Qt::Key_Equal);
    EXPECT_EQ(window->textSizeStep(), 2);
    EXPECT_GT(QFontInfo(c().entriesList->font()).pixelSize(), QFontInfo(firstFont).pixelSize());
    EXPECT_GT(c().entriesList->rowHeight(), EntriesList::kRowHeight);
    EXPECT_TRUE(wholeRows());
    EXPECT_DOUBLE_EQ(descriptionPoints(), firstPoints + 2);
    EXPECT_EQ(shown(), "engine");

    // An entry shown afterwards comes at the same size.
    view("gear");
    view("engine");
    EXPECT_DOUBLE_EQ(descriptionPoints(), firstPoints + 2);

    for (int i = 0; i < 40; ++i)
        press(Qt::CTRL | Qt::Key_Minus);
    EXPECT_EQ(window->textSizeStep(), lookup::kSmallestTextSizeStep);
    EXPECT_GE(descriptionPoints(), lookup::kSmallestSteppedPoints);
    EXPECT_EQ(c().entriesList->rowHeight(), EntriesList::kRowHeight);

    press(Qt::CTRL | Qt::Key_0);
    EXPECT_EQ(window->textSizeStep(), 0);
    EXPECT_EQ(c().entriesList->font(), firstFont);
    EXPECT_DOUBLE_EQ(descriptionPoints(), firstPoints);
    EXPECT_TRUE(wholeRows());

    // A stored step out of bounds is brought within them.
    window->setTextSizeStep(1000);
    EXPECT_EQ(window->textSizeStep(), lookup::kLargestTextSizeStep);
    EXPECT_LE(descriptionPoints(), lookup::kLargestSteppedPoints);
    EXPECT_TRUE(wholeRows());

    // The size chosen last is the size of the next start.
    press(Qt::CTRL | Qt::Key_0);
    press(Qt::CTRL | Qt::Key_Plus);
    create(true);
    show();
    EXPECT_EQ(window->textSizeStep(), 1);
    EXPECT_GT(QFontInfo(c().entriesList->font()).pixelSize(), QFontInfo(firstFont).pixelSize());
}

}  // namespace
}  // namespace orvan::test
