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
        const int gas = lexicon.AddEntry("gas", "{gas}", 1, "CHEM");
        lexicon.AddGreek(gas, Cp("αέριο"));
        lexicon.AddPersonalEntry(gas, 5, "gasket", "{\\f60\\fs22 seal}", "MECH");
        lexicon.AddPersonalGreek(gas, 5, Cp("παρέμβυσμα"));
        const int gauge = lexicon.AddEntry("gauge", "{gauge}");
        lexicon.AddGreek(gauge, Cp("μετρητής"));
        const int engine = lexicon.AddEntry("engine", "{motor}", 1, "MECH");
        lexicon.AddGreek(engine, Cp("μηχανή"));
        lexicon.AddSupplement(engine, "{\\f60\\fs22 my note}");
        lexicon.AddEntry("lever", "{bar}");
        lexicon.AddField("CHEM", Cp("Χημεία"));
        lexicon.AddField("MECH", Cp("Μηχανολογία"));
        Open(true);
    }

    // Runs `fill` in the editor once it is open.
    void InEditor(std::function<void(QDialog*)> fill) {
        WhenModal([fill](QWidget* modal) {
            auto* editor = qobject_cast<QDialog*>(modal);
            ASSERT_NE(editor, nullptr);
            fill(editor);
        });
    }
    static QLineEdit* Line(QDialog* editor, const char* name) {
        return editor->findChild<QLineEdit*>(name);
    }
    static QPlainTextEdit* Description(QDialog* editor) {
        return editor->findChild<QPlainTextEdit*>("descriptionEdit");
    }
    static void Confirm(QDialog* editor) { editor->findChild<QPushButton*>("okButton")->click(); }
    void View(const QString& text, int row = 0) {
        Search(text);
        ClickRow(row);
    }
    std::string PersonalIndex() const { return personal.read("ci.tbo"); }
};

TEST_F(EditTest, InsertingThroughTheEditorAddsTheEntry) {
    QString caption, button;
    InEditor([&](QDialog* editor) {
        caption = editor->windowTitle();
        button = editor->findChild<QPushButton*>("okButton")->text();
        Line(editor, "englishField")->setText("gear");
        Line(editor, "greekField")->setText(Q("γρανάζι"));
        editor->findChild<QComboBox*>("fieldCombo")->setCurrentIndex(2);
        Description(editor)->setPlainText("toothed\nwheel");
        Confirm(editor);
    });
    Search("g");
    c().insertEntryButton->click();
    EXPECT_EQ(caption, Q("Εισαγωγή Νέου Λήμματος"));
    EXPECT_EQ(button, Q("Εισαγωγή"));
    // The saved entry is shown and selected, alone in the list.
    EXPECT_EQ(ListTexts(), std::vector<QString>{"gear *"});
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
    const std::string before = PersonalIndex();
    QString message;
    InEditor([&](QDialog* editor) {
        Line(editor, "englishField")->setText("gear");
        AnswerMessageBox(&message, QMessageBox::Ok, editor);
        Confirm(editor);
        EXPECT_TRUE(editor->isVisible());
        EXPECT_EQ(Line(editor, "englishField")->text(), "gear");
        editor->findChild<QPushButton*>("cancelButton")->click();
    });
    c().insertEntryButton->click();
    EXPECT_EQ(message, Q("Πρέπει να συμπληρωθούν το Αγγλικό Λήμμα και η Περιγραφή"));
    EXPECT_EQ(PersonalIndex(), before);
}

TEST_F(EditTest, TheEditorKeepsWhatWasTypedOnEveryRefusalItCanForesee) {
    const std::string before = PersonalIndex();
    QStringList messages;
    const auto confirmRefused = [&](QDialog* editor) {
        QString message;
        AnswerMessageBox(&message, QMessageBox::Ok, editor);
        Confirm(editor);
        messages << message;
        EXPECT_TRUE(editor->isVisible()) << message.toStdString();
    };
    QString english, greek, description;
    InEditor([&](QDialog* editor) {
        Line(editor, "englishField")->setText(Q("café naïve"));
        Line(editor, "greekField")->setText(Q("καφές"));
        Description(editor)->setPlainText(Q("∑ ≤ ü ß"));
        confirmRefused(editor);
        Line(editor, "englishField")->setText("cafe");
        Line(editor, "greekField")->setText(Q("καφές ≤"));
        confirmRefused(editor);
        Line(editor, "greekField")->setText(Q("καφές"));
        Description(editor)->setPlainText(QString(24997, 'x'));
        confirmRefused(editor);
        english = Line(editor, "englishField")->text();
        greek = Line(editor, "greekField")->text();
        description = Description(editor)->toPlainText();
        editor->findChild<QPushButton*>("cancelButton")->click();
    });
    c().insertEntryButton->click();
    EXPECT_EQ(messages,
              (QStringList{Q("Το Αγγλικό Λήμμα δεν μπορεί να περιέχει τους χαρακτήρες: é ï"),
                           Q("Το Ελληνικό Λήμμα δεν μπορεί να περιέχει τους χαρακτήρες: ≤"),
                           Q("Η περιγραφή είναι πολύ μεγάλη: χωρά έως 24996 χαρακτήρες.")}));
    EXPECT_EQ(english, "cafe");
    EXPECT_EQ(greek, Q("καφές"));
    EXPECT_EQ(description.size(), 24997);
    EXPECT_EQ(PersonalIndex(), before);
}

TEST_F(EditTest, ADescriptionKeepsEveryCharacterTyped) {
    InEditor([&](QDialog* editor) {
        Line(editor, "englishField")->setText("sum");
        Description(editor)->setPlainText(Q("∑ ≤ ü ß 😀 µ"));
        Confirm(editor);
    });
    c().insertEntryButton->click();
    EXPECT_EQ(c().headwordLabel->text(), "sum");
    EXPECT_EQ(c().descriptionView->plainText(), Q("  ∑ ≤ ü ß 😀 µ"));
    // And the editor opened on it to change it starts from the same characters.
    QString shown;
    InEditor([&](QDialog* editor) {
        shown = Description(editor)->toPlainText();
        editor->findChild<QPushButton*>("cancelButton")->click();
    });
    c().modifyEntryButton->click();
    EXPECT_EQ(shown, Q("∑ ≤ ü ß 😀 µ"));
}

// The lexicon fills the English table but for one record: a note still fits, a new entry not.
class FullTableEditTest : public EditTest {
  protected:
    void SetUp() override {
        lexicon.AddEntry("engine", "{motor}");
        lexicon.AddPersonalEntry(1, 2, "gasket", "{\\f60\\fs22 seal}");
        for (int i = 3; i <= kTableCapacity; ++i)
            lexicon.AddEntry("word" + std::to_string(i));
        Open(true);
    }
};

TEST_F(FullTableEditTest, ANewEntryIsRefusedWithTheEditorOpenAndANoteStillFits) {
    ASSERT_EQ(window->tables().entries.count(), kTableCapacity);
    QString message, typed;
    InEditor([&](QDialog* editor) {
        Line(editor, "englishField")->setText("gear");
        Description(editor)->setPlainText("toothed wheel");
        AnswerMessageBox(&message, QMessageBox::Ok, editor);
        Confirm(editor);
        EXPECT_TRUE(editor->isVisible());
        typed = Description(editor)->toPlainText();
        editor->findChild<QPushButton*>("cancelButton")->click();
    });
    c().insertEntryButton->click();
    EXPECT_EQ(message, Q("Δεν χωρούν άλλα λήμματα."));
    EXPECT_EQ(typed, "toothed wheel");

    // The user's own entry changed takes the place of the old one.
    View("gasket");
    InEditor([&](QDialog* editor) {
        Description(editor)->setPlainText("a seal");
        Confirm(editor);
    });
    c().modifyEntryButton->click();
    EXPECT_EQ(c().descriptionView->plainText(), "  a seal");
    View("engine");
    InEditor([&](QDialog* editor) {
        Description(editor)->setPlainText("my note");
        Confirm(editor);
    });
    c().modifyEntryButton->click();
    EXPECT_TRUE(c().descriptionView->plainText().contains("my note"));
}

TEST_F(EditTest, TheEditorSaysHowMuchRoomIsLeftAsTheUserTypes) {
    QString empty, shortText, tooLong;
    bool visible = false;
    InEditor([&](QDialog* editor) {
        auto* room = editor->findChild<QLabel*>("roomLeftLabel");
        visible = room->isVisible();
        empty = room->text();
        Description(editor)->setPlainText(Q("short ≤"));  // ≤ takes the room of 7 bytes stored
        shortText = room->text();
        Description(editor)->setPlainText(QString(24999, 'x'));
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
    View("lever");
    InEditor([&](QDialog* editor) {
        EXPECT_EQ(editor->windowTitle(), Q("Μεταβολή Λήμματος"));
        EXPECT_EQ(editor->findChild<QPushButton*>("okButton")->text(), "Ok");
        EXPECT_FALSE(Line(editor, "englishField")->isEnabled());
        EXPECT_FALSE(Line(editor, "greekField")->isEnabled());
        EXPECT_FALSE(editor->findChild<QComboBox*>("fieldCombo")->isEnabled());
        EXPECT_EQ(Line(editor, "englishField")->text(), "lever");
        EXPECT_EQ(Description(editor)->toPlainText(), "");
        Description(editor)->setPlainText(Q("δική μου σημείωση"));
        Confirm(editor);
    });
    c().modifyEntryButton->click();
    View("lever");
    EXPECT_TRUE(
        c().descriptionView->plainText().endsWith(Q("Συμπλήρωση δική σας: \nδική μου σημείωση ")));
}

TEST_F(EditTest, ModifyingAnAnnotatedEntryEditsOnlyItsSupplement) {
    View("engine");
    QString offered;
    InEditor([&](QDialog* editor) {
        offered = Description(editor)->toPlainText();
        Description(editor)->setPlainText("better note");
        Confirm(editor);
    });
    c().modifyEntryButton->click();
    EXPECT_EQ(offered, "my note");
    View("engine");
    EXPECT_TRUE(c().descriptionView->plainText().endsWith(Q("σας: \nbetter note ")));
}

TEST_F(EditTest, ModifyingTheUsersEntryInGreekTakesTheHeadwordsAsShown) {
    View(Q("παρέμ"));
    ASSERT_EQ(ListTexts(), std::vector<QString>{Q("παρέμβυσμα *")});
    QString english, greek, description;
    int field = -2;
    InEditor([&](QDialog* editor) {
        english = Line(editor, "englishField")->text();
        greek = Line(editor, "greekField")->text();
        description = Description(editor)->toPlainText();
        field = editor->findChild<QComboBox*>("fieldCombo")->currentIndex();
        Line(editor, "englishField")->setText("gaskets");
        Confirm(editor);
    });
    c().modifyEntryButton->click();
    EXPECT_EQ(english, "gasket");
    EXPECT_EQ(greek, Q("παρέμβυσμα"));
    EXPECT_EQ(description, "seal");
    EXPECT_EQ(field, 2);
    View("gask");
    EXPECT_EQ(ListTexts(), std::vector<QString>{"gaskets *"});
    EXPECT_EQ(c().descriptionView->plainText(), "  seal");
}

TEST_F(EditTest, CancellingTheEditorChangesNothing) {
    View("gasket");
    const std::string before = PersonalIndex();
    InEditor([](QDialog* editor) { editor->findChild<QPushButton*>("cancelButton")->click(); });
    c().modifyEntryButton->click();
    EXPECT_EQ(PersonalIndex(), before);
    EXPECT_EQ(ListTexts(), std::vector<QString>{"gasket *"});
}

TEST_F(EditTest, TheDeleteQuestionAnswersInGreek) {
    QTranslator greekTexts;  // as the program installs them at start-up
    ASSERT_TRUE(platform::LoadProgramTranslation(greekTexts, "qtbase_el"));
    QCoreApplication::installTranslator(&greekTexts);
    View("gasket");
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
    EXPECT_EQ(ListTexts(), std::vector<QString>{"gasket *"});
}

TEST_F(EditTest, DeletingKeepsEveryOtherItemOnItsEntry) {
    Search("ga");
    ASSERT_EQ(ListTexts(), (std::vector<QString>{"gas", "gasket *", "gauge"}));
    ClickRow(1);
    QString question;
    AnswerMessageBox(&question, QMessageBox::No);
    c().deleteEntryButton->click();
    EXPECT_EQ(question, Q("Να διαγραφεί το Λήμμα;"));
    EXPECT_EQ(ListTexts().size(), 3u);

    AnswerMessageBox(nullptr, QMessageBox::Yes);
    c().deleteEntryButton->click();
    EXPECT_EQ(ListTexts(), (std::vector<QString>{"gas", "gauge"}));
    EXPECT_EQ(ListSlots(), (std::vector<int>{1, 2}));
    EXPECT_EQ(c().descriptionView->plainText(), "");
    ClickRow(1);
    EXPECT_EQ(c().headwordLabel->text(), "gauge");
    EXPECT_EQ(c().renderingField->text(), Q("μετρητής"));
}

TEST_F(EditTest, DeletingInGreekKeepsTheListOnItsEntries) {
    // The Greek list of the entries whose Greek headword holds "ρ"; the user's entry goes.
    c().searchField->setText(Q("ρ"));
    window->fillList(SearchMode::Contain, 0, false);
    ASSERT_TRUE(window->greekMode());
    ASSERT_EQ(ListTexts(), (std::vector<QString>{Q("αέριο"), Q("παρέμβυσμα *"), Q("μετρητής")}));
    ASSERT_EQ(ListSlots(), (std::vector<int>{1, 2, 3}));
    ClickRow(1);
    AnswerMessageBox(nullptr, QMessageBox::Yes);
    c().deleteEntryButton->click();
    EXPECT_EQ(ListSlots(), (std::vector<int>{1, 2}));
    ClickRow(1);
    EXPECT_EQ(c().headwordLabel->text(), Q("μετρητής"));
    EXPECT_EQ(c().renderingField->text(), "gauge");
}

TEST_F(EditTest, BackAfterAnInsertShowsTheEntriesViewedBefore) {
    View("gauge");
    View("lever");
    InEditor([&](QDialog* editor) {
        Line(editor, "englishField")->setText("abacus");  // every later slot moves
        Description(editor)->setPlainText("frame");
        Confirm(editor);
    });
    c().insertEntryButton->click();
    EXPECT_EQ(c().headwordLabel->text(), "abacus");
    c().backButton->click();
    EXPECT_EQ(c().headwordLabel->text(), "lever");
    EXPECT_EQ(ListTexts(), std::vector<QString>{"lever"});
    c().backButton->click();
    EXPECT_EQ(c().headwordLabel->text(), "gauge");
    c().forwardButton->click();
    EXPECT_EQ(c().headwordLabel->text(), "lever");
}

TEST_F(EditTest, BackAfterADeleteSkipsTheDeletedEntry) {
    View("gauge");
    View("gasket");
    View("lever");
    View("gasket");
    AnswerMessageBox(nullptr, QMessageBox::Yes);
    c().deleteEntryButton->click();
    EXPECT_EQ(c().headwordLabel->text(), "");
    EXPECT_TRUE(ListTexts().empty());
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
    View("gauge");
    View("gasket");
    InEditor([&](QDialog* editor) {
        Line(editor, "englishField")->setText("washer");
        Confirm(editor);
    });
    c().modifyEntryButton->click();
    EXPECT_EQ(c().headwordLabel->text(), "washer");
    EXPECT_EQ(ListTexts(), std::vector<QString>{"washer *"});
    c().backButton->click();
    EXPECT_EQ(c().headwordLabel->text(), "gauge");
    ASSERT_EQ(window->history().forwardItems().size(), 1u);
    EXPECT_EQ(window->history().forwardItems().front().caption, "washer *");
    c().forwardButton->click();
    EXPECT_EQ(c().headwordLabel->text(), "washer");
    EXPECT_EQ(c().descriptionView->plainText(), "  seal");
}

TEST_F(EditTest, TheUsersNoteOnALexiconEntryCanBeRemoved) {
    View("engine");
    ASSERT_TRUE(c().deleteEntryButton->isEnabled());
    const std::string before = PersonalIndex();
    QString question;
    AnswerMessageBox(&question, QMessageBox::No);
    c().deleteEntryButton->click();
    EXPECT_EQ(question, Q("Να διαγραφεί η συμπλήρωσή σας;"));
    EXPECT_EQ(PersonalIndex(), before);

    AnswerMessageBox(nullptr, QMessageBox::Yes);
    c().deleteEntryButton->click();
    // The entry stays, shown again without the note; the user's own entry is untouched.
    EXPECT_EQ(c().headwordLabel->text(), "engine");
    EXPECT_EQ(c().descriptionView->plainText(), "  motor");
    EXPECT_FALSE(c().deleteEntryButton->isEnabled());
    EXPECT_EQ(ListTexts(), std::vector<QString>{"engine"});
    View("gasket");
    EXPECT_EQ(c().descriptionView->plainText(), "  seal");
}

TEST_F(EditTest, AFailedChangeIsReportedInGreekWithTheEditorOpenAndLeavesTheFiles) {
    WriteFileAtomically(personal.File("clex.tbo"), "");  // shorter than ci.tbo says
    const std::string before = PersonalIndex();
    View("lever");
    QString warning, details, kept;
    InEditor([&](QDialog* editor) {
        Description(editor)->setPlainText("note");
        AnswerMessageBox(&warning, QMessageBox::Ok, editor, &details);
        Confirm(editor);
        kept = Description(editor)->toPlainText();
        editor->reject();
    });
    c().modifyEntryButton->click();
    EXPECT_EQ(warning, Q("Η αλλαγή δεν αποθηκεύτηκε. Τα αρχεία σας έμειναν όπως ήταν."));
    EXPECT_EQ(details, Q("Φάκελος των λημμάτων σας: ") +
                           QString::fromStdString(personal::StoreFolder(window->personalFiles())));
    EXPECT_EQ(kept, "note");
    EXPECT_EQ(PersonalIndex(), before);
}

class EditWithoutFolderTest : public WindowTest {};

TEST_F(EditWithoutFolderTest, WithoutAFolderTheCommandAsksAndStopsWhenRefused) {
    lexicon.AddEntry("lever");
    Open();
    bool editorOpened = false;
    WhenModal([&editorOpened](QWidget* dialog) {
        editorOpened = dialog->objectName() == "EntryEditorDialog";
        static_cast<QDialog*>(dialog)->reject();
    });
    c().insertEntryButton->click();
    EXPECT_FALSE(editorOpened);
}

TEST_F(EditWithoutFolderTest, AFolderChosenOnTheWayTakesTheFirstEntry) {
    lexicon.AddEntry("lever");
    Open();
    const std::string chosen = home.Path() + "/Orvan";
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
    Search("mi");
    EXPECT_EQ(ListTexts(), std::vector<QString>{"mine *"});
}

}  // namespace
}  // namespace orvan::test
