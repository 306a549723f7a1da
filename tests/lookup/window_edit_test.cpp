// The window's insert, modify and delete commands through the real editor and folder dialog.
#include <QComboBox>
#include <QDialog>
#include <QPlainTextEdit>
#include <QTest>
#include <QTranslator>

#include "lexicon/text_file.h"
#include "lookup/entries_list.h"
#include "personal/entry_editor_dialog.h"
#include "platform/interface_language.h"
#include "richtext/rich_text_view.h"
#include "tests/lookup/window_fixture.h"
#include "tests/support/modal_answer.h"

namespace orvan::test {
namespace {

class EditTest : public WindowTest {
  protected:
    void SetUp() override {
        const int gas = lexicon.addEntry("gas", "{gas}", 1, "CHEM");
        lexicon.addGreek(gas, Cp("αέριο"));
        lexicon.addPersonalEntry(gas, 5, "gasket", "{\\f60\\fs22 seal}", "MECH");
        lexicon.addPersonalGreek(gas, 5, Cp("παρέμβυσμα"));
        const int gauge = lexicon.addEntry("gauge", "{gauge}");
        lexicon.addGreek(gauge, Cp("μετρητής"));
        const int engine = lexicon.addEntry("engine", "{motor}", 1, "MECH");
        lexicon.addGreek(engine, Cp("μηχανή"));
        lexicon.addSupplement(engine, "{\\f60\\fs22 my note}");
        lexicon.addEntry("lever", "{bar}");
        lexicon.addField("CHEM", Cp("Χημεία"));
        lexicon.addField("MECH", Cp("Μηχανολογία"));
        open(true);
    }

    // Runs `fill` in the editor once it is open.
    void inEditor(std::function<void(QDialog*)> fill) {
        WhenModal([fill](QWidget* modal) {
            auto* editor = qobject_cast<QDialog*>(modal);
            ASSERT_NE(editor, nullptr);
            fill(editor);
        });
    }
    static QLineEdit* line(QDialog* editor, const char* name) {
        return editor->findChild<QLineEdit*>(name);
    }
    static QPlainTextEdit* description(QDialog* editor) {
        return editor->findChild<QPlainTextEdit*>("descriptionEdit");
    }
    static void confirm(QDialog* editor) { editor->findChild<QPushButton*>("okButton")->click(); }
    void view(const QString& text, int row = 0) {
        search(text);
        clickRow(row);
    }
    std::string personalIndex() const { return personal.read("ci.tbo"); }
};

TEST_F(EditTest, InsertingThroughTheEditorAddsTheEntry) {
    QString caption, button;
    inEditor([&](QDialog* editor) {
        caption = editor->windowTitle();
        button = editor->findChild<QPushButton*>("okButton")->text();
        line(editor, "englishField")->setText("gear");
        line(editor, "greekField")->setText(Q("γρανάζι"));
        editor->findChild<QComboBox*>("fieldCombo")->setCurrentIndex(2);
        description(editor)->setPlainText("toothed\nwheel");
        confirm(editor);
    });
    search("g");
    c().insertEntryButton->click();
    EXPECT_EQ(caption, Q("Εισαγωγή Νέου Λήμματος"));
    EXPECT_EQ(button, Q("Εισαγωγή"));
    // The saved entry is shown and selected, alone in the list.
    EXPECT_EQ(listTexts(), std::vector<QString>{"gear *"});
    EXPECT_EQ(c().entriesList->selectedRow(), 0);
    EXPECT_EQ(c().searchField->text(), "gear");
    EXPECT_EQ(c().headwordLabel->text(), "gear");
    EXPECT_TRUE(c().deleteEntryButton->isEnabled());
    EXPECT_EQ(c().scienceField->text(), Q("Μηχανολογία"));
    EXPECT_EQ(c().renderingField->text(), Q("γρανάζι"));
    EXPECT_EQ(c().descriptionView->plainText(), "  toothed \nwheel");
    EXPECT_TRUE(c().deleteEntryButton->isEnabled());
}

TEST_F(EditTest, TheEditorWantsTheEnglishHeadwordAndTheDescription) {
    const std::string before = personalIndex();
    QString message;
    inEditor([&](QDialog* editor) {
        line(editor, "englishField")->setText("gear");
        AnswerMessageBox(&message, QMessageBox::Ok, editor);
        confirm(editor);
        EXPECT_TRUE(editor->isVisible());
        EXPECT_EQ(line(editor, "englishField")->text(), "gear");
        editor->findChild<QPushButton*>("cancelButton")->click();
    });
    c().insertEntryButton->click();
    EXPECT_EQ(message, Q("Πρέπει να συμπληρωθούν το Αγγλικό Λήμμα και η Περιγραφή"));
    EXPECT_EQ(personalIndex(), before);
}

TEST_F(EditTest, TheEditorKeepsWhatWasTypedOnEveryRefusalItCanForesee) {
    const std::string before = personalIndex();
    QStringList messages;
    const auto confirmRefused = [&](QDialog* editor) {
        QString message;
        AnswerMessageBox(&message, QMessageBox::Ok, editor);
        confirm(editor);
        messages << message;
        EXPECT_TRUE(editor->isVisible()) << message.toStdString();
    };
    QString english, greek, described;
    inEditor([&](QDialog* editor) {
        line(editor, "englishField")->setText(Q("café naïve"));
        line(editor, "greekField")->setText(Q("καφές"));
        description(editor)->setPlainText(Q("∑ ≤ ü ß"));
        confirmRefused(editor);
        line(editor, "englishField")->setText("cafe");
        line(editor, "greekField")->setText(Q("καφές ≤"));
        confirmRefused(editor);
        line(editor, "greekField")->setText(Q("καφές"));
        description(editor)->setPlainText(QString(24997, 'x'));
        confirmRefused(editor);
        english = line(editor, "englishField")->text();
        greek = line(editor, "greekField")->text();
        described = description(editor)->toPlainText();
        editor->findChild<QPushButton*>("cancelButton")->click();
    });
    c().insertEntryButton->click();
    EXPECT_EQ(messages,
              (QStringList{Q("Το Αγγλικό Λήμμα δεν μπορεί να περιέχει τους χαρακτήρες: é ï"),
                           Q("Το Ελληνικό Λήμμα δεν μπορεί να περιέχει τους χαρακτήρες: ≤"),
                           Q("Η περιγραφή είναι πολύ μεγάλη: χωρά έως 24996 χαρακτήρες.")}));
    EXPECT_EQ(english, "cafe");
    EXPECT_EQ(greek, Q("καφές"));
    EXPECT_EQ(described.size(), 24997);
    EXPECT_EQ(personalIndex(), before);
}

TEST_F(EditTest, ADescriptionKeepsEveryCharacterTyped) {
    inEditor([&](QDialog* editor) {
        line(editor, "englishField")->setText("sum");
        description(editor)->setPlainText(Q("∑ ≤ ü ß 😀 µ"));
        confirm(editor);
    });
    c().insertEntryButton->click();
    EXPECT_EQ(c().headwordLabel->text(), "sum");
    EXPECT_EQ(c().descriptionView->plainText(), Q("  ∑ ≤ ü ß 😀 µ"));
    // And the editor opened on it to change it starts from the same characters.
    QString shown;
    inEditor([&](QDialog* editor) {
        shown = description(editor)->toPlainText();
        editor->findChild<QPushButton*>("cancelButton")->click();
    });
    c().modifyEntryButton->click();
    EXPECT_EQ(shown, Q("∑ ≤ ü ß 😀 µ"));
}

// The lexicon fills the English table but for one record: a note still fits, a new entry not.
class FullTableEditTest : public EditTest {
  protected:
    void SetUp() override {
        lexicon.addEntry("engine", "{motor}");
        lexicon.addPersonalEntry(1, 2, "gasket", "{\\f60\\fs22 seal}");
        for (int i = 3; i <= kTableCapacity; ++i)
            lexicon.addEntry("word" + std::to_string(i));
        open(true);
    }
};

TEST_F(FullTableEditTest, ANewEntryIsRefusedWithTheEditorOpenAndANoteStillFits) {
    ASSERT_EQ(window->tables().entries.count(), kTableCapacity);
    QString message, typed;
    inEditor([&](QDialog* editor) {
        line(editor, "englishField")->setText("gear");
        description(editor)->setPlainText("toothed wheel");
        AnswerMessageBox(&message, QMessageBox::Ok, editor);
        confirm(editor);
        EXPECT_TRUE(editor->isVisible());
        typed = description(editor)->toPlainText();
        editor->findChild<QPushButton*>("cancelButton")->click();
    });
    c().insertEntryButton->click();
    EXPECT_EQ(message, Q("Δεν χωρούν άλλα λήμματα."));
    EXPECT_EQ(typed, "toothed wheel");

    // The user's own entry changed takes the place of the old one.
    view("gasket");
    inEditor([&](QDialog* editor) {
        description(editor)->setPlainText("a seal");
        confirm(editor);
    });
    c().modifyEntryButton->click();
    EXPECT_EQ(c().descriptionView->plainText(), "  a seal");
    view("engine");
    inEditor([&](QDialog* editor) {
        description(editor)->setPlainText("my note");
        confirm(editor);
    });
    c().modifyEntryButton->click();
    EXPECT_TRUE(c().descriptionView->plainText().contains("my note"));
}

TEST_F(EditTest, TheEditorSaysHowMuchRoomIsLeftAsTheUserTypes) {
    QString empty, shortText, tooLong;
    bool visible = false;
    inEditor([&](QDialog* editor) {
        auto* room = editor->findChild<QLabel*>("roomLeftLabel");
        visible = room->isVisible();
        empty = room->text();
        description(editor)->setPlainText(Q("short ≤"));  // ≤ takes the room of 7 bytes stored
        shortText = room->text();
        description(editor)->setPlainText(QString(24999, 'x'));
        tooLong = room->text();
        editor->findChild<QPushButton*>("cancelButton")->click();
    });
    c().insertEntryButton->click();
    EXPECT_TRUE(visible);
    EXPECT_EQ(empty, Q("Χωρούν ακόμη 24996 χαρακτήρες."));
    EXPECT_EQ(shortText, Q("Χωρούν ακόμη 24989 χαρακτήρες."));
    EXPECT_EQ(tooLong, Q("Η περιγραφή ξεπερνά το όριο κατά 3 χαρακτήρες."));
}

TEST_F(EditTest, ModifyingALexiconEntryAddsASupplement) {
    view("lever");
    inEditor([&](QDialog* editor) {
        EXPECT_EQ(editor->windowTitle(), Q("Μεταβολή Λήμματος"));
        EXPECT_EQ(editor->findChild<QPushButton*>("okButton")->text(), "Ok");
        EXPECT_FALSE(line(editor, "englishField")->isEnabled());
        EXPECT_FALSE(line(editor, "greekField")->isEnabled());
        EXPECT_FALSE(editor->findChild<QComboBox*>("fieldCombo")->isEnabled());
        EXPECT_EQ(line(editor, "englishField")->text(), "lever");
        EXPECT_EQ(description(editor)->toPlainText(), "");
        description(editor)->setPlainText(Q("δική μου σημείωση"));
        confirm(editor);
    });
    c().modifyEntryButton->click();
    view("lever");
    EXPECT_TRUE(
        c().descriptionView->plainText().endsWith(Q("Συμπλήρωση δική σας: \nδική μου σημείωση ")));
}

TEST_F(EditTest, ModifyingAnAnnotatedEntryEditsOnlyItsSupplement) {
    view("engine");
    QString offered;
    inEditor([&](QDialog* editor) {
        offered = description(editor)->toPlainText();
        description(editor)->setPlainText("better note");
        confirm(editor);
    });
    c().modifyEntryButton->click();
    EXPECT_EQ(offered, "my note");
    view("engine");
    EXPECT_TRUE(c().descriptionView->plainText().endsWith(Q("σας: \nbetter note ")));
}

TEST_F(EditTest, ModifyingTheUsersEntryInGreekTakesTheHeadwordsAsShown) {
    view(Q("παρέμ"));
    ASSERT_EQ(listTexts(), std::vector<QString>{Q("παρέμβυσμα *")});
    QString english, greek, described;
    int field = -2;
    inEditor([&](QDialog* editor) {
        english = line(editor, "englishField")->text();
        greek = line(editor, "greekField")->text();
        described = description(editor)->toPlainText();
        field = editor->findChild<QComboBox*>("fieldCombo")->currentIndex();
        line(editor, "englishField")->setText("gaskets");
        confirm(editor);
    });
    c().modifyEntryButton->click();
    EXPECT_EQ(english, "gasket");
    EXPECT_EQ(greek, Q("παρέμβυσμα"));
    EXPECT_EQ(described, "seal");
    EXPECT_EQ(field, 2);
    view("gask");
    EXPECT_EQ(listTexts(), std::vector<QString>{"gaskets *"});
    EXPECT_EQ(c().descriptionView->plainText(), "  seal");
}

TEST_F(EditTest, CancellingTheEditorChangesNothing) {
    view("gasket");
    const std::string before = personalIndex();
    inEditor([](QDialog* editor) { editor->findChild<QPushButton*>("cancelButton")->click(); });
    c().modifyEntryButton->click();
    EXPECT_EQ(personalIndex(), before);
    EXPECT_EQ(listTexts(), std::vector<QString>{"gasket *"});
}

TEST_F(EditTest, TheDeleteQuestionAnswersInGreek) {
    QTranslator greekTexts;  // as the program installs them at start-up
    ASSERT_TRUE(platform::LoadProgramTranslation(greekTexts, "qtbase_el"));
    QCoreApplication::installTranslator(&greekTexts);
    view("gasket");
    QString title, yes, no;
    WhenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        yes = box->button(QMessageBox::Yes)->text();
        no = box->button(QMessageBox::No)->text();
        box->button(QMessageBox::No)->click();
    });
    c().deleteEntryButton->click();
    EXPECT_EQ(title, Q("Επιβεβαίωση Διαγραφής"));
    EXPECT_EQ(yes.remove('&'), Q("Ναι"));
    EXPECT_EQ(no.remove('&'), Q("Όχι"));
    EXPECT_EQ(listTexts(), std::vector<QString>{"gasket *"});
}

TEST_F(EditTest, DeletingKeepsEveryOtherItemOnItsEntry) {
    search("ga");
    ASSERT_EQ(listTexts(), (std::vector<QString>{"gas", "gasket *", "gauge"}));
    clickRow(1);
    QString question;
    AnswerMessageBox(&question, QMessageBox::No);
    c().deleteEntryButton->click();
    EXPECT_EQ(question, Q("Να διαγραφεί το Λήμμα;"));
    EXPECT_EQ(listTexts().size(), 3u);

    AnswerMessageBox(nullptr, QMessageBox::Yes);
    c().deleteEntryButton->click();
    EXPECT_EQ(listTexts(), (std::vector<QString>{"gas", "gauge"}));
    EXPECT_EQ(listSlots(), (std::vector<int>{1, 2}));
    EXPECT_EQ(c().descriptionView->plainText(), "");
    clickRow(1);
    EXPECT_EQ(c().headwordLabel->text(), "gauge");
    EXPECT_EQ(c().renderingField->text(), Q("μετρητής"));
}

TEST_F(EditTest, DeletingInGreekKeepsTheListOnItsEntries) {
    // The Greek list of the entries whose Greek headword holds "ρ"; the user's entry goes.
    c().searchField->setText(Q("ρ"));
    window->fillList(SearchMode::Contain, 0, false);
    ASSERT_TRUE(window->greekMode());
    ASSERT_EQ(listTexts(), (std::vector<QString>{Q("αέριο"), Q("παρέμβυσμα *"), Q("μετρητής")}));
    ASSERT_EQ(listSlots(), (std::vector<int>{1, 2, 3}));
    clickRow(1);
    AnswerMessageBox(nullptr, QMessageBox::Yes);
    c().deleteEntryButton->click();
    EXPECT_EQ(listSlots(), (std::vector<int>{1, 2}));
    clickRow(1);
    EXPECT_EQ(c().headwordLabel->text(), Q("μετρητής"));
    EXPECT_EQ(c().renderingField->text(), "gauge");
}

TEST_F(EditTest, BackAfterAnInsertShowsTheEntriesViewedBefore) {
    view("gauge");
    view("lever");
    inEditor([&](QDialog* editor) {
        line(editor, "englishField")->setText("abacus");  // every later slot moves
        description(editor)->setPlainText("frame");
        confirm(editor);
    });
    c().insertEntryButton->click();
    EXPECT_EQ(c().headwordLabel->text(), "abacus");
    c().backButton->click();
    EXPECT_EQ(c().headwordLabel->text(), "lever");
    EXPECT_EQ(listTexts(), std::vector<QString>{"lever"});
    c().backButton->click();
    EXPECT_EQ(c().headwordLabel->text(), "gauge");
    c().forwardButton->click();
    EXPECT_EQ(c().headwordLabel->text(), "lever");
}

TEST_F(EditTest, BackAfterADeleteSkipsTheDeletedEntry) {
    view("gauge");
    view("gasket");
    view("lever");
    view("gasket");
    AnswerMessageBox(nullptr, QMessageBox::Yes);
    c().deleteEntryButton->click();
    EXPECT_EQ(c().headwordLabel->text(), "");
    EXPECT_TRUE(listTexts().empty());
    // The deleted entry left the history; no step leads to an empty pane.
    const auto& back = window->history().backItems();
    ASSERT_EQ(back.size(), 2u);
    c().backButton->click();
    EXPECT_EQ(c().headwordLabel->text(), "lever");
    c().backButton->click();
    EXPECT_EQ(c().headwordLabel->text(), "gauge");
    EXPECT_TRUE(window->history().backItems().empty());
}

TEST_F(EditTest, AChangedEntryOfTheUsersComesBackUnderItsNewHeadword) {
    view("gauge");
    view("gasket");
    inEditor([&](QDialog* editor) {
        line(editor, "englishField")->setText("washer");
        confirm(editor);
    });
    c().modifyEntryButton->click();
    EXPECT_EQ(c().headwordLabel->text(), "washer");
    EXPECT_EQ(listTexts(), std::vector<QString>{"washer *"});
    c().backButton->click();
    EXPECT_EQ(c().headwordLabel->text(), "gauge");
    ASSERT_EQ(window->history().forwardItems().size(), 1u);
    EXPECT_EQ(window->history().forwardItems().front().caption, "washer *");
    c().forwardButton->click();
    EXPECT_EQ(c().headwordLabel->text(), "washer");
    EXPECT_EQ(c().descriptionView->plainText(), "  seal");
}

TEST_F(EditTest, TheUsersNoteOnALexiconEntryCanBeRemoved) {
    view("engine");
    ASSERT_TRUE(c().deleteEntryButton->isEnabled());
    const std::string before = personalIndex();
    QString question;
    AnswerMessageBox(&question, QMessageBox::No);
    c().deleteEntryButton->click();
    EXPECT_EQ(question, Q("Να διαγραφεί η συμπλήρωσή σας;"));
    EXPECT_EQ(personalIndex(), before);

    AnswerMessageBox(nullptr, QMessageBox::Yes);
    c().deleteEntryButton->click();
    // The entry stays, shown again without the note; the user's own entry is untouched.
    EXPECT_EQ(c().headwordLabel->text(), "engine");
    EXPECT_EQ(c().descriptionView->plainText(), "  motor");
    EXPECT_FALSE(c().deleteEntryButton->isEnabled());
    EXPECT_EQ(listTexts(), std::vector<QString>{"engine"});
    view("gasket");
    EXPECT_EQ(c().descriptionView->plainText(), "  seal");
}

TEST_F(EditTest, AFailedChangeIsReportedInGreekWithTheEditorOpenAndLeavesTheFiles) {
    WriteFileAtomically(personal.file("clex.tbo"), "");  // shorter than ci.tbo says
    const std::string before = personalIndex();
    view("lever");
    QString warning, details, kept;
    inEditor([&](QDialog* editor) {
        description(editor)->setPlainText("note");
        AnswerMessageBox(&warning, QMessageBox::Ok, editor, &details);
        confirm(editor);
        kept = description(editor)->toPlainText();
        editor->reject();
    });
    c().modifyEntryButton->click();
    EXPECT_EQ(warning, Q("Η αλλαγή δεν αποθηκεύτηκε. Τα αρχεία σας έμειναν όπως ήταν."));
    EXPECT_EQ(details, Q("Φάκελος των λημμάτων σας: ") +
                           QString::fromStdString(personal::StoreFolder(window->personalFiles())));
    EXPECT_EQ(kept, "note");
    EXPECT_EQ(personalIndex(), before);
}

class EditWithoutFolderTest : public WindowTest {};

TEST_F(EditWithoutFolderTest, WithoutAFolderTheCommandAsksAndStopsWhenRefused) {
    lexicon.addEntry("lever");
    open();
    bool editorOpened = false;
    WhenModal([&editorOpened](QWidget* dialog) {
        editorOpened = dialog->objectName() == "EntryEditorDialog";
        static_cast<QDialog*>(dialog)->reject();
    });
    c().insertEntryButton->click();
    EXPECT_FALSE(editorOpened);
}

TEST_F(EditWithoutFolderTest, AFolderChosenOnTheWayTakesTheFirstEntry) {
    lexicon.addEntry("lever");
    open();
    const std::string chosen = home.path() + "/Orvan";
    WhenModal([&](QWidget* dialog) {
        dialog->findChild<QPushButton*>("okButton")->click();  // the offered folder
        WhenModal([](QWidget* editor) {
            editor->findChild<QLineEdit*>("englishField")->setText("mine");
            editor->findChild<QPlainTextEdit*>("descriptionEdit")->setPlainText("m");
            editor->findChild<QPushButton*>("okButton")->click();
        });
    });
    c().insertEntryButton->click();
    EXPECT_TRUE(FileExists(chosen + "/ci.tbo"));
    search("mi");
    EXPECT_EQ(listTexts(), std::vector<QString>{"mine *"});
}

}  // namespace
}  // namespace orvan::test
