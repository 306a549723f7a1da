#include "tests/lookup/window_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QPrintDialog>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "lexicon/settings.h"
#include "lexicon/text_file.h"
#include "lookup/entries_list.h"
#include "personal/merged_tables.h"
#include "tests/support/modal_answer.h"

namespace orvan::test {

std::string RtfEscaped(const std::string& codePage) {
    static const char kHex[] = "0123456789abcdef";
    std::string rtf;
    for (const char c : codePage) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            rtf += c;
        } else {
            rtf += "\\'";
            rtf += kHex[byte >> 4];
            rtf += kHex[byte & 15];
        }
    }
    return rtf;
}

WindowTest::WindowTest()
    : previousFolder_(std::filesystem::current_path().string()),
      previousHome_(qgetenv("HOME")),
      previousConfig_(qgetenv("XDG_CONFIG_HOME")) {
    std::filesystem::create_directories(configFolder());
    qputenv("HOME", QByteArray::fromStdString(home.path()));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(configFolder()));
    // No spelling dictionaries: each window would otherwise read the system's (most of a second
    // of work) for suggestions these tests do not look at.
    qputenv("ORVAN_HUNSPELL_DIR", QByteArray::fromStdString(home.path() + "/no-dictionaries"));
    std::filesystem::current_path(program.path());
}

WindowTest::~WindowTest() {
    window.reset();
    std::filesystem::current_path(previousFolder_);
    qputenv("HOME", previousHome_);
    qputenv("XDG_CONFIG_HOME", previousConfig_);
    qunsetenv("ORVAN_HUNSPELL_DIR");
}

void WindowTest::create(bool withPersonal) {
    lexicon.writeLexicon(program.path());
    if (withPersonal) {
        lexicon.writePersonal(personal.path());
        WriteSettings(configFolder() + "/Orvan.ini", "NO", personal.path());
    }
    if (quietStart && !FileExists(configFolder() + "/Orvan.ini")) {
        WriteSettings(configFolder() + "/Orvan.ini", "NO", "");
    }
    window = std::make_unique<lookup::LookupWindow>(
        std::make_unique<FakeLayouts>(layoutNames, &activations, firstLayout));
}

void WindowTest::show() {
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

void WindowTest::open(bool withPersonal) {
    create(withPersonal);
    show();
}

void WindowTest::type(const QString& text) {
    c().searchField->setFocus();
    for (const QChar character : text) {
        QTest::sendKeyEvent(QTest::Click, c().searchField, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
    }
}

void WindowTest::search(const QString& text) {
    c().searchField->clear();
    type(text);
    QTest::keyClick(c().searchField, Qt::Key_Return);
}

std::vector<QString> WindowTest::listTexts() const {
    std::vector<QString> texts;
    for (int row = 0; row < c().entriesList->count(); ++row) {
        texts.push_back(c().entriesList->itemText(row));
    }
    return texts;
}

std::vector<int> WindowTest::listSlots() const {
    std::vector<int> listed;
    for (int row = 0; row < static_cast<int>(window->state().list().size()); ++row)
        listed.push_back(window->state().slotOfRow(row));
    return listed;
}

void WindowTest::clickRow(int row) {
    lookup::EntriesList* list = c().entriesList;
    const QRect rect = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

void WindowTest::elsewhereChange(
    const std::function<personal::StoreResult(const personal::StoreContext&)>& change) {
    const LexiconFiles files(program.path());
    const PersonalFiles folder(personal.path());
    NoteList notes;
    const EntryTables tables = personal::LoadMergedTables(files, folder, notes);
    ASSERT_TRUE(change(personal::StoreContext{files, tables, nullptr, folder}).done());
}

void WindowTest::elsewhereInsert(const std::string& english) {
    elsewhereChange([&](const personal::StoreContext& store) {
        return personal::InsertPersonalEntry(store, {english, "", -1, "x"});
    });
}

void WindowTest::elsewhereDelete(long long number) {
    elsewhereChange([&](const personal::StoreContext& store) {
        return personal::DeletePersonalEntry(store, number);
    });
}

std::vector<std::string> WindowTest::personalHeadwords() const {
    NoteList notes;
    const EntryTables tables = personal::LoadMergedTables(LexiconFiles(program.path()),
                                                          PersonalFiles(personal.path()), notes);
    return OwnHeadwords(tables);
}

bool WindowTest::printToPdf(const QString& pdf, const std::function<void()>& whileOpen) {
    bool opened = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) return;
        poll.stop();
        opened = true;
        if (whileOpen) whileOpen();
        if (pdf.isEmpty()) return dialog->reject();
        auto* printers = dialog->findChild<QComboBox*>("printers");
        auto* file = dialog->findChild<QLineEdit*>("filename");
        if (printers == nullptr || file == nullptr) return dialog->reject();
        printers->setCurrentIndex(printers->count() - 1);  // "Print to File (PDF)"
        file->setText(pdf);
        dialog->accept();
    });
    poll.start(10);
    c().printButton->click();  // returns when the dialog and the printing are done
    return opened;
}

QString WindowTest::messageFrom(const std::function<void()>& action) {
    QString text;
    AnswerMessageBox(&text);
    action();
    return text;
}

}  // namespace orvan::test
