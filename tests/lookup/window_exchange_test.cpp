// The window's export and import of the user's own entries and notes: through the own entries
// button's menu or its keys, the file dialogs and questions answered as the user would.
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QMenu>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <map>

#include "lexicon/settings.h"
#include "lexicon/text_file.h"
#include "lookup/entry_exchange.h"
#include "personal/merged_tables.h"
#include "personal/tbx_reader.h"
#include "richtext/rich_text_view.h"
#include "tests/lookup/window_fixture.h"
#include "tests/support/modal_answer.h"

namespace orvan::test {
namespace {

using personal::ExchangeFormat;
using Answer = std::function<void(QWidget*)>;

// Answers the modal widgets an action opens one after the other, each with its answer: the
// next waits for a modal widget other than the one being answered.
void AnswerExchangeModals(std::vector<Answer> answers, QWidget* after = nullptr) {
    if (answers.empty()) return;
    Answer first = answers.front();
    answers.erase(answers.begin());
    WhenModal(
        [first, rest = std::move(answers)](QWidget* modal) {
            AnswerExchangeModals(rest, modal);
            first(modal);
        },
        after);
}

// Every file of a folder with its bytes.
std::map<std::string, std::string> ExchangeFolderFiles(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& item : std::filesystem::directory_iterator(folder)) {
        files[item.path().filename().string()] = ReadWholeFile(item.path().string()).value_or("");
    }
    return files;
}

class ExchangeTest : public WindowTest {
  protected:
    void SetUp() override {
        const int gas = lexicon.addEntry("gas", "{gas}", 1, "CHEM");
        lexicon.addGreek(gas, Cp("αέριο"));
        lexicon.addPersonalEntry(gas, 5, "gasket", "{\\f60\\fs22 seal}", "MECH");
        lexicon.addPersonalGreek(gas, 5, Cp("παρέμβυσμα"));
        const int engine = lexicon.addEntry("engine", "{motor}", 1, "MECH");
        lexicon.addGreek(engine, Cp("μηχανή"));
        lexicon.addSupplement(engine, "{\\f60\\fs22 my note}");
        lexicon.addEntry("lever", "{bar}");
        lexicon.addField("CHEM", Cp("Χημεία"));
        lexicon.addField("MECH", Cp("Μηχανολογία"));
        open(true);
    }
    void TearDown() override { ForgetUnansweredModals(); }

    // The file dialog's answer: `file` chosen with the name filter `filter` (-1: as offered).
    Answer choose(const QString& file, int filter = -1) {
        return [this, file, filter](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (dialog == nullptr) {
                modal->close();
                return;
            }
            dialogCaption = dialog->windowTitle();
            dialogFilters = dialog->nameFilters();
            offeredFile = dialog->selectedFiles().value(0);
            // The filter is chosen as the user chooses it, with the keys of its list.
            if (auto* types = dialog->findChild<QComboBox*>("fileTypeCombo")) {
                while (types->currentIndex() < filter)
                    QTest::keyClick(types, Qt::Key_Down);
            }
            dialog->selectFile(file);
            // The name field keeps what it holds while it has the focus: the name goes in there.
            if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) name->setText(file);
            // A file replaced is the user's choice once the dialog has asked.
            dialog->setOption(QFileDialog::DontConfirmOverwrite);
            static_cast<QDialog*>(dialog)->accept();
        };
    }
    // A message box's answer: `button`, keeping its texts.
    Answer reply(QMessageBox::StandardButton button = QMessageBox::Ok) {
        return [this, button](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box == nullptr) {
                modal->close();
                return;
            }
            messages.append(box->text());
            details.append(box->detailedText());
            if (QAbstractButton* answer = box->button(button)) {
                answer->click();
            } else {
                box->reject();
            }
        };
    }
    // Runs `action` with its modal widgets answered; true when every one was.
    bool run(QAction* action, std::vector<Answer> answers) {
        const auto expected = static_cast<qsizetype>(answers.size()) - 1;
        AnswerExchangeModals(std::move(answers));
        action->trigger();
        return messages.size() >= expected;
    }
    void exportTo(const QString& file, int filter = -1) {
        ASSERT_TRUE(run(c().exportAction, {choose(file, filter), reply()}));
    }

    QString dialogCaption, offeredFile;
    QStringList dialogFilters, messages, details;
};

TEST_F(ExchangeTest, TheOwnEntriesButtonOffersExportAndImportWithTheirKeys) {
    EXPECT_EQ(c().ownEntriesButton->popupMode(), QToolButton::MenuButtonPopup);
    EXPECT_EQ(c().ownEntriesButton->menu(), window->findChild<QMenu*>("exchangeMenu"));
    EXPECT_EQ(c().exportAction->text(), Q("Εξαγωγή των λημμάτων σας…\tCtrl+Shift+E"));
    EXPECT_EQ(c().importAction->text(), Q("Εισαγωγή λημμάτων…\tCtrl+Shift+I"));
    // Its click still lists the own entries.
    c().ownEntriesButton->click();
    EXPECT_EQ(listTexts(), (std::vector<QString>{"gasket *", "engine"}));

    // The keys open the dialogs from wherever the focus is.
    const auto captionOf = [this](Qt::Key key) {
        dialogCaption.clear();
        WhenModal([this](QWidget* modal) {
            dialogCaption = modal->windowTitle();
            qobject_cast<QDialog*>(modal)->reject();
        });
        QTest::keyClick(c().searchField, key, Qt::ControlModifier | Qt::ShiftModifier);
        // The window is active again once the dialog has closed, as on the desktop.
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return dialogCaption;
    };
    EXPECT_EQ(captionOf(Qt::Key_E), Q("Εξαγωγή των λημμάτων σας"));
    EXPECT_EQ(captionOf(Qt::Key_I), Q("Εισαγωγή λημμάτων"));
}

TEST_F(ExchangeTest, ExportWritesEveryOwnEntryAndNoteInTheFormatChosen) {
    elsewhereInsert("gear");
    const TempFolder out;
    const QString tbx = QString::fromStdString(out.file("mine.tbx"));
    exportTo(tbx);
    EXPECT_EQ(dialogCaption, Q("Εξαγωγή των λημμάτων σας"));
    EXPECT_EQ(dialogFilters,
              (QStringList{Q("Όροι TBX (*.tbx)"), Q("Όροι TBX, παλαιότερη μορφή (*.tbx)"),
                           Q("Πίνακας CSV (*.csv)")}));
    EXPECT_TRUE(offeredFile.endsWith("/orvan-entries.tbx")) << offeredFile.toStdString();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], Q("Αποθηκεύτηκαν 2 λήμματα και 1 σημειώσεις στο αρχείο %1.").arg(tbx));
    const auto read = personal::ReadTbx(out.read("mine.tbx"), "mine.tbx");
    ASSERT_TRUE(read) << read.error().message;
    std::vector<std::string> english;
    for (const personal::ExchangeEntry& entry : *read)
        english.push_back(entry.english + (entry.greek.empty() ? "" : "/" + entry.greek));
    // The entry another program added meanwhile is exported too.
    EXPECT_EQ(english, (std::vector<std::string>{"gasket/παρέμβυσμα", "gear", "engine/μηχανή"}));

    // The filter chooses the format and gives a bare name its extension.
    exportTo(QString::fromStdString(out.file("sheet")), 2);
    EXPECT_EQ(out.read("sheet.csv").substr(0, 20), "english,greek,field_") << out.read("sheet.csv");
    exportTo(QString::fromStdString(out.file("older")), 1);
    EXPECT_NE(out.read("older.tbx").find("<martif"), std::string::npos);
    // The files of the user's entries are never replaced by an export.
    const std::string index = personal.read("ci.tbo");
    messages.clear();
    exportTo(QString::fromStdString(personal.file("ci.tbo")));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], Q("Τα λήμματά σας δεν εξήχθησαν."));
    EXPECT_EQ(personal.read("ci.tbo"), index);
    // A name's own extension wins over the filter.
    EXPECT_EQ(lookup::ExportFormatOf("a/b.CSV", 0), ExchangeFormat::Csv);
    EXPECT_EQ(lookup::ExportFormatOf("a/b.tbx", 2), ExchangeFormat::Tbx);
    EXPECT_EQ(lookup::WithExportExtension("a.b/terms", ExchangeFormat::Csv), "a.b/terms.csv");
}

TEST_F(ExchangeTest, AnExportedFileImportsIntoAFreshFolderAndAgainAsChanges) {
    const TempFolder out, fresh;
    const QString file = QString::fromStdString(out.file("mine.tbx"));
    exportTo(file);

    // The same lexicon with an empty personal folder.
    window.reset();
    ASSERT_TRUE(WriteSettings(configFolder() + "/Orvan.ini", "NO", fresh.path()));
    window = std::make_unique<lookup::LookupWindow>(
        std::make_unique<FakeLayouts>(layoutNames, &activations, firstLayout));
    show();
    messages.clear();
    ASSERT_TRUE(run(c().importAction, {choose(file), reply(QMessageBox::Yes), reply()}));
    EXPECT_EQ(dialogCaption, Q("Εισαγωγή λημμάτων"));
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0],
              Q("Θα προστεθούν 1 λήμματα, θα αλλάξουν 0 και θα γραφτούν 1 σημειώσεις."));
    EXPECT_EQ(messages[1],
              Q("Προστέθηκαν 1 λήμματα, άλλαξαν 0 και γράφτηκαν 1 σημειώσεις από το αρχείο %1.")
                  .arg(file));
    NoteList notes;
    const EntryTables tables = personal::LoadMergedTables(LexiconFiles(program.path()),
                                                          PersonalFiles(fresh.path()), notes);
    EXPECT_EQ(OwnHeadwords(tables), std::vector<std::string>{"gasket"});
    c().ownEntriesButton->click();
    std::vector<QString> listed = listTexts();
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, (std::vector<QString>{"engine", "gasket *"}));
    search("engine");
    clickRow(0);
    EXPECT_TRUE(c().descriptionView->toPlainText().contains("my note"));

    // Exported again, the entries make the same file.
    const QString again = QString::fromStdString(out.file("again.tbx"));
    messages.clear();
    exportTo(again);
    EXPECT_EQ(out.read("again.tbx"), out.read("mine.tbx"));

    // Imported again, the entry of the same headwords is changed, not doubled.
    messages.clear();
    ASSERT_TRUE(run(c().importAction, {choose(file), reply(QMessageBox::Yes), reply()}));
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages[0],
              Q("Θα προστεθούν 0 λήμματα, θα αλλάξουν 1 και θα γραφτούν 1 σημειώσεις."));
    NoteList notesAfter;
    EXPECT_EQ(OwnHeadwords(personal::LoadMergedTables(LexiconFiles(program.path()),
                                                      PersonalFiles(fresh.path()), notesAfter)),
              std::vector<std::string>{"gasket"});
}

TEST_F(ExchangeTest, ARefusedEntryABadFileOrACancelImportsNothing) {
    const TempFolder in;
    const auto before = ExchangeFolderFiles(personal.path());
    // A Greek headword the code page cannot hold, beside a good entry.
    in.write("refused.csv", "english,greek\r\nwasher,ροδέλα\r\nbolt,\xe8\x9e\xba\xe6\xa0\x93\r\n");
    ASSERT_TRUE(
        run(c().importAction, {choose(QString::fromStdString(in.file("refused.csv"))), reply()}));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(Q("Δεν εισήχθη κανένα λήμμα από το αρχείο")));
    EXPECT_TRUE(details[0].contains(Q("bolt \u2014 螺栓"))) << details[0].toStdString();
    EXPECT_FALSE(details[0].contains("washer"));

    // Not well-formed XML: the file and its line are named.
    in.write("broken.tbx", "<tbx>\n<text><body>\n</tbx>\n");
    messages.clear();
    details.clear();
    ASSERT_TRUE(
        run(c().importAction, {choose(QString::fromStdString(in.file("broken.tbx"))), reply()}));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("broken.tbx"));
    EXPECT_TRUE(details[0].contains("line")) << details[0].toStdString();

    // The question cancelled.
    in.write("good.csv", "english,greek\r\nwasher,ροδέλα\r\n");
    messages.clear();
    ASSERT_TRUE(run(c().importAction, {choose(QString::fromStdString(in.file("good.csv"))),
                                       reply(QMessageBox::Cancel)}));
    EXPECT_EQ(ExchangeFolderFiles(personal.path()), before);
    EXPECT_EQ(personalHeadwords(), std::vector<std::string>{"gasket"});
}

}  // namespace
}  // namespace orvan::test
