// Qt's own texts in Greek. The buttons of message boxes, the context menus of text fields, the
// file dialog and the file-system model, the print, page-setup and print-preview dialogs are
// drawn by Qt itself, in English, and Debian's Qt ships no Greek translation of them. The program
// answers them from its own table, keyed by the context and the English text Qt asks for, and
// lets Qt's own Greek translation answer first wherever a system has one.
//
//     QApplication application(argc, argv);
//     orvan::platform::InstallGreekQtTexts(application);  // before the first window is made
#pragma once

#include <QString>
#include <QTranslator>

#include <span>
#include <vector>

class QCoreApplication;

namespace orvan::platform {

/// \brief One text Qt draws itself: the context and the English text Qt asks for (UTF-8, byte for
/// byte as in Qt's sources), and the Greek the program shows instead.
struct StandardText {
    const char* context;
    const char* source;
    const char* greek;
};

/// \brief Every Greek text for Qt's own widgets and dialogs: message boxes, text-field menus, the
/// file dialog and file-system model, spin boxes, scroll bars, wizards.
std::span<const StandardText> GreekWidgetTexts();

/// \brief Every Greek text for Qt's print, page-setup and print-preview dialogs.
std::span<const StandardText> GreekPrintTexts();

/// \brief A translator that answers Qt's standard texts from GreekWidgetTexts() and
/// GreekPrintTexts(); a text it does not know gets a null QString, so Qt asks the next translator
/// and in the end shows its English text.
class GreekStandardTexts : public QTranslator {
  public:
    explicit GreekStandardTexts(QObject* parent = nullptr);

    /// Matches `context` and `sourceText` exactly. The disambiguation is not looked at (no two
    /// of Qt's disambiguated texts here need different Greek), nor is `n` (plural forms read the
    /// same).
    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
    // A translator that calls itself empty is installed without telling the widgets.
    bool isEmpty() const override { return false; }

  private:
    std::vector<const StandardText*> sorted_;  // by (context, source), for binary search
};

/// \brief Installs, on `application`, the Greek standard texts and then Qt's own "qtbase_el" from
/// `qtTranslationsFolder` if that folder has one: a translator installed later is asked first, so
/// Qt's own Greek wins wherever it has a text. Both translators are children of `application`.
void InstallGreekQtTexts(QCoreApplication& application, const QString& qtTranslationsFolder);

/// \brief The same, with Qt's own translations folder (QLibraryInfo::TranslationsPath).
void InstallGreekQtTexts(QCoreApplication& application);

}  // namespace orvan::platform
