// The language of the program's interface, Greek or English, and the translations that make it.
//
// The texts in the sources are Greek; English comes from the program's own translation
// ":/i18n/orvan_en.qm". Qt draws its own dialogs (message-box buttons, file and print dialogs) in
// English, and the program makes them Greek from ":/i18n/qtbase_el.qm", letting Qt's own Greek
// translation answer first wherever a system has one. The lexicon's content never changes with
// the language, nor does any file the program writes.
//
// Which language: "--language=el|en|desktop" on the command line, else ORVAN_LANGUAGE, else the
// person's choice in a small settings file of its own (the two-line settings file stays as the
// program has always written it), else the desktop's: Greek on a Greek desktop, else English.
//
//     QApplication application(argc, argv);
//     const QString settings = platform::LanguageSettingsPath();
//     platform::InstallInterfaceLanguage(application, platform::ResolveLanguage(
//         platform::ChosenLanguage(application.arguments(), settings), QLocale::system()));
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

#include "lexicon/interface_text.h"

class QCoreApplication;
class QLocale;
class QMenu;
class QTranslator;
class QWidget;

namespace orvan::platform {

enum class InterfaceLanguage { Greek, English };

/// \brief What the person chose: the desktop's language, or one of the two.
enum class LanguageChoice { Desktop, Greek, English };

/// \brief "el", "en" or "desktop" (any case, blanks around ignored), as the settings file,
/// ORVAN_LANGUAGE and the command line write them; nothing for any other text.
std::optional<LanguageChoice> ParseLanguageChoice(const QString& text);

/// \brief The word ParseLanguageChoice reads back: "el", "en" or "desktop".
QString LanguageChoiceKey(LanguageChoice choice);

/// \brief Greek when chosen, or when the desktop's language is Greek and the choice is the
/// desktop's; English otherwise.
InterfaceLanguage ResolveLanguage(LanguageChoice choice, const QLocale& desktop);

/// \brief The settings file of the interface: "Orvan/interface.ini" in the user's configuration
/// folder.
QString LanguageSettingsPath();

/// \brief The choice stored in `settingsPath` (key "interface/language"); the desktop's when
/// the file or the key is missing or says something else.
LanguageChoice StoredLanguageChoice(const QString& settingsPath);

/// \brief Stores `value` under `key` in the program's settings file `settingsPath` (ini),
/// creating its folder; false when it was not written.
bool StoreSetting(const QString& settingsPath, const QString& key, const QVariant& value);

/// \brief Stores `choice` in `settingsPath`, creating its folder; false when it was not written.
bool StoreLanguageChoice(const QString& settingsPath, LanguageChoice choice);

/// \brief The choice in force: "--language=…" among `arguments`, else the environment variable
/// ORVAN_LANGUAGE, else the stored one. A word that is not a choice is passed over.
LanguageChoice ChosenLanguage(const QStringList& arguments, const QString& settingsPath);

/// \brief Loads the program's translation ":/i18n/<name>.qm" into `translator`.
bool LoadProgramTranslation(QTranslator& translator, const QString& name);

/// \brief Installs, on `application`, the program's Greek texts for Qt's own dialogs and then
/// Qt's own "qtbase_el" from `qtTranslationsFolder` if that folder has one: a translator
/// installed later is asked first, so Qt's own Greek wins wherever it has a text. Both
/// translators are children of `application`.
void InstallGreekQtTexts(QCoreApplication& application, const QString& qtTranslationsFolder);

/// \brief Installs the translators of `language` on `application`: for Greek, the Greek texts of
/// Qt's dialogs (the program's own texts are Greek already); for English, the program's English
/// translation (Qt's dialogs are English already).
void InstallInterfaceLanguage(QCoreApplication& application, InterfaceLanguage language,
                              const QString& qtTranslationsFolder);

/// \brief The same, with Qt's own translations folder (QLibraryInfo::TranslationsPath).
void InstallInterfaceLanguage(QCoreApplication& application, InterfaceLanguage language);

/// \brief `text` in the interface's language (QCoreApplication::translate), with its arguments
/// put in, in one pass; an empty QString for an empty text.
QString Translated(const InterfaceText& text);

/// \brief Gives `control` a right-click menu with the three choices, the stored one checked.
/// Choosing one stores it in `settingsPath` and tells the person that the program speaks it from
/// its next start. Returns the menu, for the window to add its own choices under them.
QMenu* OfferLanguageChoice(QWidget* control, const QString& settingsPath);

}  // namespace orvan::platform
