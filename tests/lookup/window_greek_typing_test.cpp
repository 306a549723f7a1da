// How the window types Greek: through the desktop's Greek layout while it is active, the
// person's layout put back when it is not; or, with no Greek layout, through the program's own
// Greek keyboard in the search field, the criteria fields and the editor's Greek headword.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "tests/lookup/window_fixture.h"
#include "tests/support/modal_answer.h"
#include "tests/support/qt_text.h"

namespace orvan::test {
namespace {

class GreekTypingTest : public WindowTest {
  protected:
    void SetUp() override {
        const int heat = lexicon.addEntry("heat", "{heat}");
        lexicon.addGreek(heat, Cp("θερμότητα"));
        const int engine = lexicon.addEntry("engine", "{motor}");
        lexicon.addGreek(engine, Cp("μηχανή"));
    }

    // Types `keys` into `field` as key presses without key codes, as on a US keyboard.
    static QString typed(QWidget* field, const QString& keys) {
        auto* line = qobject_cast<QLineEdit*>(field);
        line->clear();
        QTest::keyClicks(line, keys);
        return line->text();
    }

    // The text `keys` type in the field `name` of the next dialog, which is then cancelled.
    void typeInDialog(const char* name, const QString& keys, QString* text) {
        WhenModal([=](QWidget* modal) {
            auto* dialog = qobject_cast<QDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            QLineEdit* field = dialog->findChild<QLineEdit*>(name);
            ASSERT_NE(field, nullptr);
            field->setFocus();
            *text = typed(field, keys);
            dialog->reject();
        });
    }
};

TEST_F(GreekTypingTest, WithoutAGreekLayoutTheProgramsOwnKeyboardTypesGreek) {
    layoutNames = {"English (US)"};
    open(true);
    // English: the keys type what they say.
    EXPECT_EQ(typed(c().searchField, "heat"), "heat");
    EXPECT_FALSE(window->greekMode());
    // The flag's hint says how Greek is typed here.
    EXPECT_TRUE(c().languageButton->toolTip().startsWith(Q("Επιλογή Γλώσσας\n")));
    EXPECT_TRUE(c().languageButton->toolTip().contains(Q("πληκτρολόγιο του Orvan")));

    c().languageButton->click();
    ASSERT_TRUE(window->greekMode());
    // The Greek letters at the Latin keys' places, the accents as dead keys.
    EXPECT_EQ(typed(c().searchField, "uermothta"), Q("θερμοτητα"));
    EXPECT_TRUE(window->greekMode());  // Greek typed keeps the language Greek
    EXPECT_EQ(typed(c().searchField, "uerm;othta"), Q("θερμότητα"));
    EXPECT_EQ(listTexts(), std::vector<QString>{Q("θερμότητα")});
    EXPECT_EQ(typed(c().searchField, "MHXANH"), Q("ΜΗΧΑΝΗ"));
    // A dead key waiting for its letter is dropped by Backspace.
    c().searchField->clear();
    QTest::keyClicks(c().searchField, "m;");
    QTest::keyClick(c().searchField, Qt::Key_Backspace);
    QTest::keyClicks(c().searchField, "a");
    EXPECT_EQ(c().searchField->text(), Q("α"));
    // Commands are not letters: Ctrl+A selects all.
    QTest::keyClick(c().searchField, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(c().searchField->selectedText(), Q("α"));

    // The criteria fields and the editor's Greek headword type Greek the same way.
    QString criterion, headword, english;
    typeInDialog("containsField", "u;erm", &criterion);
    c().criteriaSearchButton->click();
    EXPECT_EQ(criterion, Q("θέρμ"));
    typeInDialog("greekField", "mhxan;h", &headword);
    c().insertEntryButton->click();
    EXPECT_EQ(headword, Q("μηχανή"));
    // The English headword is English whatever the flag says.
    typeInDialog("englishField", "engine", &english);
    c().insertEntryButton->click();
    EXPECT_EQ(english, "engine");

    // Back to English: Latin again.
    c().languageButton->click();
    EXPECT_EQ(typed(c().searchField, "uermo"), "uermo");
}

TEST_F(GreekTypingTest, WithAGreekLayoutTheDesktopTypesGreekWhileTheWindowIsActive) {
    layoutNames = {"English (US)", "Greek"};
    firstLayout = 0;
    open();
    EXPECT_FALSE(window->greekMode());
    EXPECT_TRUE(c().languageButton->toolTip().contains(Q("διάταξη πληκτρολογίου")));
    // The keys are the desktop's: Latin letters in Greek mode switch back to English.
    c().languageButton->click();
    EXPECT_EQ(activations.back(), 1);
    EXPECT_EQ(typed(c().searchField, "u"), "u");
    EXPECT_FALSE(window->greekMode());
    EXPECT_EQ(activations.back(), 0);

    c().languageButton->click();
    ASSERT_EQ(activations.back(), 1);
    // Another program gets the focus: the person's layout comes back, and the language's
    // layout returns with the window.
    // (The offscreen platform has no other program: the application says it is inactive.)
    QApplication::setActiveWindow(nullptr);
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_EQ(activations.back(), 0);
    const std::size_t switches = activations.size();
    show();
    EXPECT_EQ(activations.back(), 1);
    EXPECT_GT(activations.size(), switches);
    // At the end, the person's layout comes back too.
    window.reset();
    EXPECT_EQ(activations.back(), 0);
}

TEST_F(GreekTypingTest, TheLanguageAtStartIsTheActiveLayouts) {
    layoutNames = {"English (US)", "Greek"};
    firstLayout = 1;
    open();
    EXPECT_TRUE(window->greekMode());
    search(Q("θερ"));
    EXPECT_EQ(listTexts(), std::vector<QString>{Q("θερμότητα")});
}

}  // namespace
}  // namespace orvan::test
