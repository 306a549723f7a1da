// Searching the entry list through the window's own controls, and the input language.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <algorithm>

#include "lookup/command_line.h"
#include "lookup/entries_list.h"
#include "richtext/rich_text_view.h"
#include "tests/lookup/window_fixture.h"
#include "tests/support/modal_answer.h"

namespace orvan::test {
namespace {

class SearchTest : public WindowTest {
  protected:
    void SetUp() override {
        const int engine = lexicon.addEntry("engine", "{\\b engine} text", 1, "MECH");
        lexicon.addGreek(engine, Cp("μηχανή"));
        const int gear = lexicon.addEntry("gear", "{gear}", 1, "MECH");
        lexicon.addGreek(gear, Cp("οδοντωτός τροχός"));
        const int gas = lexicon.addEntry("gas", "{gas}", 1, "CHEM");
        lexicon.addGreek(gas, Cp("αέριο"));
        lexicon.addEntry("the engine", "{x}", 5);
        lexicon.addPersonalEntry(gas, 6, "gasket", "{mine}");
        lexicon.addSupplement(engine, "{note}");
        lexicon.addField("CHEM", Cp("Χημεία"));
        lexicon.addField("MECH", Cp("Μηχανολογία"));
        open(true);
    }

    // Runs `fill` in the criteria dialog once it is open, then presses its button.
    void inDialog(const std::function<void(QDialog*)>& fill, bool ok) {
        WhenModal([fill, ok](QWidget* modal) {
            auto* dialog = qobject_cast<QDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            fill(dialog);
            dialog->findChild<QPushButton*>(ok ? "okButton" : "cancelButton")->click();
        });
        c().criteriaSearchButton->click();
    }
};

TEST_F(SearchTest, EnterSearchesTheBeginningsOfEnglishHeadwords) {
    search("  ge");
    EXPECT_EQ(listTexts(), std::vector<QString>{"gear"});
    EXPECT_EQ(c().searchField->text(), "ge");
    EXPECT_EQ(listSlots(), std::vector<int>{2});
    EXPECT_EQ(c().entriesList->selectedRow(), -1);
    EXPECT_FALSE(window->greekMode());
    // "the engine" is keyed from its fifth character.
    search("eng");
    EXPECT_EQ(listTexts(), (std::vector<QString>{"engine", "the engine"}));
}

TEST_F(SearchTest, TheListFollowsTheTypingUnlessTurnedOff) {
    c().searchField->clear();
    type("g");
    EXPECT_EQ(listTexts(), (std::vector<QString>{"gear", "gas", "gasket *"}));
    type("e");
    EXPECT_EQ(listTexts(), std::vector<QString>{"gear"});
    EXPECT_EQ(c().searchField->text(), "ge");
    EXPECT_EQ(c().listStatusLabel->text(), Q("1 λήμμα"));
    EXPECT_TRUE(c().searchField->hasFocus());  // the typing goes on in the field
    EXPECT_EQ(c().entriesList->selectedRow(), -1);
    // Enter and Down are as they always were.
    QTest::keyClick(c().searchField, Qt::Key_Down);
    EXPECT_EQ(c().entriesList->selectedRow(), 0);

    // Turned off in the help button's menu, kept for the next start.
    auto* typing = window->findChild<QAction*>("searchAsYouTypeAction");
    ASSERT_NE(typing, nullptr);
    ASSERT_TRUE(typing->isChecked());
    typing->trigger();
    create(true);
    show();
    EXPECT_FALSE(window->findChild<QAction*>("searchAsYouTypeAction")->isChecked());
    EXPECT_FALSE(window->windowSettings().searchAsYouType());
    c().searchField->clear();
    type("ge");
    EXPECT_TRUE(listTexts().empty());
    QTest::keyClick(c().searchField, Qt::Key_Return);
    EXPECT_EQ(listTexts(), std::vector<QString>{"gear"});
}

TEST_F(SearchTest, ANearMissOffersTheClosestHeadwordsAndAClickSearchesOne) {
    search("gaer");
    EXPECT_TRUE(listTexts().empty());
    const QString status = c().listStatusLabel->text();
    EXPECT_TRUE(status.startsWith(Q("Δεν βρέθηκαν λήμματα. Μήπως εννοείτε: ")));
    EXPECT_TRUE(status.contains("<a href=\"0\">gear</a>, <a href=\"1\">gas</a>"))
        << status.toStdString();
    emit c().listStatusLabel->linkActivated("0");
    EXPECT_EQ(c().searchField->text(), "gear");
    EXPECT_EQ(listTexts(), std::vector<QString>{"gear"});
    EXPECT_EQ(c().listStatusLabel->text(), Q("1 λήμμα"));

    // Wildcards in the field.
    search("*ine");
    EXPECT_EQ(listTexts(), (std::vector<QString>{"engine", "the engine"}));
}

TEST_F(SearchTest, TypingThatFindsNothingIsOfferedTheNearestHeadwordsOnceItPauses) {
    window->setSuggestionDelay(50);
    c().searchField->clear();
    type("gaer");
    EXPECT_TRUE(listTexts().empty());
    EXPECT_EQ(c().listStatusLabel->text(), Q("Δεν βρέθηκαν λήμματα"));
    // Each keystroke starts the pause again: typing on finds what it finds.
    type("x");
    QTest::qWait(20);
    type(QStringLiteral("\b"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return c().listStatusLabel->text().contains("<a href=\"0\">gear</a>"); }));
}

TEST_F(SearchTest, WordsNamedOnTheCommandLineAreLookedUpAndTheFirstEntryShown) {
    // Qt's own options are gone from the arguments by then; the program's are not words.
    EXPECT_EQ(lookup::WordsToLookUp({"orvan", "--language=en", "the", " engine "}), "the engine");
    EXPECT_EQ(lookup::WordsToLookUp({"orvan", "--new-window"}), "");
    window->lookUp(Q("engine"));
    EXPECT_EQ(c().searchField->text(), "engine");
    EXPECT_EQ(listTexts(), (std::vector<QString>{"engine", "the engine"}));
    EXPECT_EQ(c().headwordLabel->text(), "engine");
    EXPECT_TRUE(c().entriesList->hasFocus());
    // Nothing found: the list says so and nothing is shown.
    window->lookUp(Q("zzz"));
    EXPECT_TRUE(listTexts().empty());
    EXPECT_EQ(c().headwordLabel->text(), "");
}

TEST_F(SearchTest, AGreekFirstLetterSearchesTheGreekHeadwords) {
    search(Q("ΜΗΧ"));
    EXPECT_TRUE(window->greekMode());
    EXPECT_EQ(listTexts(), std::vector<QString>{Q("μηχανή")});
    EXPECT_EQ(listSlots(), std::vector<int>{1});
    EXPECT_EQ(activations.back(), 1);  // the Greek layout
    search("g");
    EXPECT_FALSE(window->greekMode());
    EXPECT_EQ(activations.back(), 0);
}

TEST_F(SearchTest, WhatIsTypedIsFoundAsTheHeadwordsAreWritten) {
    // A letter with diacritics the lexicon's code page lacks is searched by its base letter.
    search(Q("géar"));
    EXPECT_EQ(listTexts(), std::vector<QString>{"gear"});
    EXPECT_EQ(c().searchField->text(), Q("géar"));  // the field keeps what was typed
    // The article and all, as the headword stands.
    search("the eng");
    EXPECT_EQ(listTexts(), std::vector<QString>{"the engine"});
    // Capitals end in Σ; the headword in ς.
    search(Q("ΟΔΟΝΤΩΤΟΣ"));
    EXPECT_EQ(listTexts(), std::vector<QString>{Q("οδοντωτός τροχός")});
}

TEST_F(SearchTest, DownShowsTheFirstItemOnlyWhenThereIsOne) {
    c().searchField->setFocus();
    QTest::keyClick(c().searchField, Qt::Key_Down);
    EXPECT_EQ(c().headwordLabel->text(), "");
    search("g");
    QTest::keyClick(c().searchField, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), c().entriesList);
    EXPECT_EQ(c().entriesList->selectedRow(), 0);
    EXPECT_EQ(c().headwordLabel->text(), "gear");
}

TEST_F(SearchTest, TheScienceFilterAppliesAtTheNextSearch) {
    c().fieldFilterCombo->setCurrentIndex(2);  // Μηχανολογία
    EXPECT_TRUE(listTexts().empty());
    search("g");
    EXPECT_EQ(listTexts(), std::vector<QString>{"gear"});
    // With an empty search field the whole science is listed.
    search("");
    EXPECT_EQ(listTexts(), (std::vector<QString>{"engine", "gear"}));
    c().fieldFilterCombo->setCurrentIndex(0);
    search("");
    EXPECT_TRUE(listTexts().empty());
    EXPECT_FALSE(c().modifyEntryButton->isEnabled());
}

TEST_F(SearchTest, ThePersonalEntriesButtonListsTheUsersEntriesAndSupplements) {
    c().ownEntriesButton->click();
    EXPECT_EQ(listTexts(), (std::vector<QString>{"engine", "gasket *"}));
    search("");  // Enter alone lists nothing
    EXPECT_TRUE(listTexts().empty());
    c().searchField->setText("gas");
    c().ownEntriesButton->click();
    EXPECT_EQ(listTexts(), std::vector<QString>{"gasket *"});
}

TEST_F(SearchTest, TheDialogWithOneCriterionSearchesAsIfItWereTyped) {
    inDialog([](QDialog* dialog) { dialog->findChild<QLineEdit*>("containsField")->setText("ea"); },
             true);
    EXPECT_EQ(c().searchField->text(), "ea");
    EXPECT_EQ(listTexts(), std::vector<QString>{"gear"});
    EXPECT_EQ(window->focusWidget(), c().searchField);
}

TEST_F(SearchTest, TheDialogWithTwoCriteriaSearchesThemAll) {
    inDialog(
        [](QDialog* dialog) {
            dialog->findChild<QLineEdit*>("startField")->setText("g");
            dialog->findChild<QLineEdit*>("endField")->setText("s");
        },
        true);
    EXPECT_EQ(c().searchField->text(), "");
    EXPECT_EQ(listTexts(), std::vector<QString>{"gas"});
}

TEST_F(SearchTest, CancellingOrConfirmingAnEmptyDialogKeepsTheList) {
    search("g");
    const std::vector<QString> before = listTexts();
    inDialog([](QDialog* dialog) { dialog->findChild<QLineEdit*>("startField")->setText("e"); },
             false);
    EXPECT_EQ(listTexts(), before);
    inDialog([](QDialog*) {}, true);
    EXPECT_EQ(listTexts(), before);
}

TEST_F(SearchTest, TheDialogIsCaptionedInGreek) {
    inDialog(
        [](QDialog* dialog) {
            EXPECT_EQ(dialog->windowTitle(), Q("Κριτήρια Αναζήτησης Λημμάτων"));
            EXPECT_EQ(dialog->findChild<QPushButton*>("cancelButton")->text(), Q("Άκυρο"));
        },
        false);
}

TEST_F(SearchTest, TheWholeLexiconViewListsEveryHeadwordUnmarked) {
    c().searchField->setText("gear");
    c().wholeLexiconButton->click();
    EXPECT_EQ(listTexts(), (std::vector<QString>{"engine", "gear", "gas", "gasket", "the engine"}));
    EXPECT_EQ(listSlots(), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(c().searchField->text(), "");
}

TEST_F(SearchTest, TheLanguageButtonSwitchesAndEmptiesTheSearchField) {
    c().searchField->setText("gas");
    const qint64 englishFlag = c().languageButton->icon().cacheKey();
    c().languageButton->click();
    EXPECT_TRUE(window->greekMode());
    EXPECT_EQ(c().searchField->text(), "");
    EXPECT_EQ(QApplication::focusWidget(), c().searchField);
    // Without content/flaggr.bmp the button keeps its picture.
    EXPECT_EQ(c().languageButton->icon().cacheKey(), englishFlag);
    c().languageButton->click();
    EXPECT_FALSE(window->greekMode());
    EXPECT_EQ(activations, (std::vector<int>{0, 1, 0}));
}

TEST_F(SearchTest, TheFlagsComeFromTheContentFolder) {
    QDir().mkpath("content");
    QPixmap flag(43, 33);
    flag.fill(Qt::blue);
    ASSERT_TRUE(flag.save("content/flaggr.bmp"));
    const qint64 before = c().languageButton->icon().cacheKey();
    window->setInputLanguage(true);
    EXPECT_NE(c().languageButton->icon().cacheKey(), before);
}

TEST_F(SearchTest, LayoutsAreFoundWhateverTheirOrder) {
    window.reset();
    layoutNames = {"German", "Greek", "English (UK)", "Greek (polytonic)"};
    activations.clear();
    create();
    EXPECT_EQ(window->languageLayouts().greek, 1);
    EXPECT_EQ(window->languageLayouts().english, 2);
    EXPECT_TRUE(activations.empty());  // nothing changes before the window is active
    show();
    EXPECT_EQ(activations, std::vector<int>{2});
}

// Rows that read alike: the list tells them apart by the other language's headword, while
// each row's own text is what is copied and what the history records.
class AlikeRowsTest : public WindowTest {
  protected:
    void SetUp() override {
        lexicon.addGreek(lexicon.addEntry("circle"), Cp("κύκλος"));
        lexicon.addGreek(lexicon.addEntry("cycle"), Cp("κύκλος"));
        lexicon.addGreek(lexicon.addEntry("cyclic"), Cp("κυκλικός"));
        lexicon.addGreek(lexicon.addEntry("nut"), Cp("παξιμάδι"));
        lexicon.addGreek(lexicon.addEntry("nut"), Cp("καρύδι"));
        open();
        QApplication::clipboard()->clear();
    }

    std::vector<QString> listNotes() const {
        std::vector<QString> notes;
        for (int row = 0; row < c().entriesList->count(); ++row)
            notes.push_back(c().entriesList->itemNote(row));
        return notes;
    }
};

TEST_F(AlikeRowsTest, GreekRowsThatRepeatShowTheirEnglishHeadword) {
    search(QString::fromUtf8("κύκλ"));
    ASSERT_EQ(listTexts(),
              (std::vector<QString>{QString::fromUtf8("κύκλος"), QString::fromUtf8("κύκλος"),
                                    QString::fromUtf8("κυκλικός")}));
    EXPECT_EQ(listNotes(), (std::vector<QString>{"circle", "cycle", ""}));

    clickRow(1);
    EXPECT_EQ(c().renderingField->text(), "cycle");
    EXPECT_EQ(window->history().currentCaption(), Cp("κύκλος"));
    c().entriesList->setFocus();
    c().copyButton->click();
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("κύκλος"));
}

TEST_F(AlikeRowsTest, EnglishRowsThatRepeatShowTheirGreekRenderingAndAloneShowNone) {
    search("nut");
    ASSERT_EQ(listTexts(), (std::vector<QString>{"nut", "nut"}));
    std::vector<QString> notes = listNotes();
    std::sort(notes.begin(), notes.end());
    EXPECT_EQ(notes,
              (std::vector<QString>{QString::fromUtf8("καρύδι"), QString::fromUtf8("παξιμάδι")}));
    clickRow(0);
    EXPECT_EQ(window->history().currentCaption(), "nut");

    // A list in which every row reads differently has no notes.
    search("cy");
    EXPECT_EQ(listNotes(), (std::vector<QString>{"", ""}));
}

}  // namespace
}  // namespace orvan::test
