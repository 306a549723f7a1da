// The window in the interface's language, as the program sets it up at start-up: English under
// ORVAN_LANGUAGE=en, Greek (the sources' own texts, and Qt's buttons) under el.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>

#include "lookup/lookup_window.h"
#include "lookup/print_surface.h"
#include "lookup/window_face.h"
#include "platform/interface_language.h"
#include "richtext/rich_text_view.h"
#include "tests/lookup/window_fixture.h"

namespace orvan::test {
namespace {

class LanguageTest : public WindowTest {
  protected:
    ~LanguageTest() override {
        window.reset();
        for (auto* translator : qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly))
            if (!before_.contains(translator)) delete translator;
        qputenv("ORVAN_LANGUAGE", "el");  // the tests' language
    }

    // Installs the translations as the program does, with `word` in ORVAN_LANGUAGE.
    void startIn(const char* word) {
        qputenv("ORVAN_LANGUAGE", word);
        before_ = qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly);
        const platform::LanguageChoice choice =
            platform::ChosenLanguage(QApplication::arguments(), platform::LanguageSettingsPath());
        platform::InstallInterfaceLanguage(
            *qApp, platform::ResolveLanguage(choice, QLocale::system()), qtFolder_.path());
        const int engine = lexicon.addEntry("engine", "{a motor}");
        lexicon.addSupplement(engine, "{my note}");
        open(true);
    }

    // The text of the printed page of the entry chosen.
    QString printedText() {
        EXPECT_TRUE(printToPdf(QString::fromStdString(home.path()) + "/entry.pdf"));
        return window->printSurface().view->plainText();
    }

    QString yesButtonText() {
        QMessageBox box(QMessageBox::Question, "Orvan", "?", QMessageBox::Yes | QMessageBox::No);
        return box.button(QMessageBox::Yes)->text();
    }

  private:
    QTemporaryDir qtFolder_;  // Qt's translations folder, empty: only the program's own count
    QList<QTranslator*> before_;
};

TEST_F(LanguageTest, EnglishUnderEn) {
    startIn("en");
    search("zzz");
    EXPECT_EQ(c().listStatusLabel->text(), "No entries found");
    EXPECT_EQ(yesButtonText(), "&Yes");
    // The window's own captions and hints.
    EXPECT_EQ(c().searchField->toolTip(), "Entry to Look Up");
    EXPECT_EQ(c().exitButton->toolTip(), "Exit");
    search("eng");
    clickRow(0);
    EXPECT_EQ(c().renderingField->toolTip(), "Greek Translation");
    // The headings the window writes into the entry's documents: the supplement's in the pane,
    // the labels of the printed page.
    EXPECT_TRUE(c().descriptionView->plainText().contains("Your supplement:"));
    const QString printed = printedText();
    for (const char* label : {"Entry:", "Translation:", "Field:", "Description:"})
        EXPECT_TRUE(printed.contains(label)) << label;
    // A text of the plain C++ core, translated at the window's edge with its argument.
    EXPECT_EQ(
        platform::Translated({"Orvan::PersonalStore",
                              QT_TRANSLATE_NOOP("Orvan::PersonalStore", "Αριθμός λήμματος: %1"),
                              {"35002"}}),
        "Entry number: 35002");
}

TEST_F(LanguageTest, GreekUnderEl) {
    startIn("el");
    search("zzz");
    EXPECT_EQ(c().listStatusLabel->text(), Q("Δεν βρέθηκαν λήμματα"));
    EXPECT_EQ(yesButtonText(), Q("&Ναι"));
    EXPECT_EQ(c().searchField->toolTip(), Q("Λήμμα προς Αναζήτηση"));
    search("eng");
    clickRow(0);
    EXPECT_EQ(c().renderingField->toolTip(), Q("Ελληνική Απόδοση"));
    EXPECT_TRUE(c().descriptionView->plainText().contains(Q("Συμπλήρωση δική σας:")));
    EXPECT_TRUE(printedText().contains(Q("\nΛήμμα: \tengine")));
    EXPECT_EQ(
        platform::Translated({"Orvan::PersonalStore",
                              QT_TRANSLATE_NOOP("Orvan::PersonalStore", "Αριθμός λήμματος: %1"),
                              {"35002"}}),
        Q("Αριθμός λήμματος: 35002"));
}

}  // namespace
}  // namespace orvan::test
