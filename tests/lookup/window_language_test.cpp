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
#include "lookup/window_face.h"
#include "platform/interface_language.h"
#include "tests/lookup/window_fixture.h"

namespace orvan::test {
namespace {

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

class LanguageTest : public WindowTest {
  protected:
    ~LanguageTest() override {
        window.reset();
        for (auto* translator : qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly))
            if (!before_.contains(translator)) delete translator;
        qputenv("ORVAN_LANGUAGE", "el");  // the tests' language
    }

    // Installs the translations as the program does, with `word` in ORVAN_LANGUAGE.
    void StartIn(const char* word) {
        qputenv("ORVAN_LANGUAGE", word);
        before_ = qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly);
        const platform::LanguageChoice choice =
            platform::ChosenLanguage(QApplication::arguments(), platform::LanguageSettingsPath());
        platform::InstallInterfaceLanguage(
            *qApp, platform::ResolveLanguage(choice, QLocale::system()), qtFolder_.path());
        lexicon.AddEntry("engine", "{a motor}");
        Open();
    }

    QString YesButtonText() {
        QMessageBox box(QMessageBox::Question, "Orvan", "?", QMessageBox::Yes | QMessageBox::No);
        return box.button(QMessageBox::Yes)->text();
    }

  private:
    QTemporaryDir qtFolder_;  // Qt's translations folder, empty: only the program's own count
    QList<QTranslator*> before_;
};

TEST_F(LanguageTest, EnglishUnderEn) {
    StartIn("en");
    Search("zzz");
    EXPECT_EQ(c().listStatusLabel->text(), "No entries found");
    EXPECT_EQ(YesButtonText(), "&Yes");
    // The window's own captions and hints.
    EXPECT_EQ(c().searchField->toolTip(), "Entry to Look Up");
    EXPECT_EQ(c().exitButton->toolTip(), "Exit");
    Search("eng");
    ClickRow(0);
    EXPECT_EQ(c().renderingField->toolTip(), "Greek Translation");
    // A text of the plain C++ core, translated at the window's edge with its argument.
    EXPECT_EQ(
        platform::Translated({"Orvan::PersonalStore",
                              QT_TRANSLATE_NOOP("Orvan::PersonalStore", "Αριθμός λήμματος: %1"),
                              {"35002"}}),
        "Entry number: 35002");
}

TEST_F(LanguageTest, GreekUnderEl) {
    StartIn("el");
    Search("zzz");
    EXPECT_EQ(c().listStatusLabel->text(), Q("Δεν βρέθηκαν λήμματα"));
    EXPECT_EQ(YesButtonText(), Q("&Ναι"));
    EXPECT_EQ(c().searchField->toolTip(), Q("Λήμμα προς Αναζήτηση"));
    Search("eng");
    ClickRow(0);
    EXPECT_EQ(c().renderingField->toolTip(), Q("Ελληνική Απόδοση"));
    EXPECT_EQ(
        platform::Translated({"Orvan::PersonalStore",
                              QT_TRANSLATE_NOOP("Orvan::PersonalStore", "Αριθμός λήμματος: %1"),
                              {"35002"}}),
        Q("Αριθμός λήμματος: 35002"));
}

}  // namespace
}  // namespace orvan::test
