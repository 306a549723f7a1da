#include "platform/interface_language.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>
#include <QWidget>

namespace orvan::platform {
namespace {

constexpr const char* kLanguageKey = "interface/language";
// Installs the program's translation `name` as a child of `application`; false when it is
// missing from the program.
bool InstallProgramTranslation(QCoreApplication& application, const QString& name) {
    auto* translator = new QTranslator(&application);
    if (!LoadProgramTranslation(*translator, name)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

}  // namespace

std::optional<LanguageChoice> ParseLanguageChoice(const QString& text) {
    const QString word = text.trimmed().toLower();
    if (word == QLatin1String("el")) return LanguageChoice::Greek;
    if (word == QLatin1String("en")) return LanguageChoice::English;
    if (word == QLatin1String("desktop")) return LanguageChoice::Desktop;
    return std::nullopt;
}

QString LanguageChoiceKey(LanguageChoice choice) {
    switch (choice) {
        case LanguageChoice::Greek:
            return QStringLiteral("el");
        case LanguageChoice::English:
            return QStringLiteral("en");
        case LanguageChoice::Desktop:
            break;
    }
    return QStringLiteral("desktop");
}

InterfaceLanguage ResolveLanguage(LanguageChoice choice, const QLocale& desktop) {
    switch (choice) {
        case LanguageChoice::Greek:
            return InterfaceLanguage::Greek;
        case LanguageChoice::English:
            return InterfaceLanguage::English;
        case LanguageChoice::Desktop:
            break;
    }
    return desktop.language() == QLocale::Greek ? InterfaceLanguage::Greek
                                                : InterfaceLanguage::English;
}

QString LanguageSettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Orvan/interface.ini");
}

LanguageChoice StoredLanguageChoice(const QString& settingsPath) {
    if (!QFileInfo(settingsPath).isFile()) return LanguageChoice::Desktop;
    const QSettings settings(settingsPath, QSettings::IniFormat);
    return ParseLanguageChoice(settings.value(kLanguageKey).toString())
        .value_or(LanguageChoice::Desktop);
}

bool StoreSetting(const QString& settingsPath, const QString& key, const QVariant& value) {
    if (!QDir().mkpath(QFileInfo(settingsPath).absolutePath())) return false;
    QSettings settings(settingsPath, QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool StoreLanguageChoice(const QString& settingsPath, LanguageChoice choice) {
    return StoreSetting(settingsPath, kLanguageKey, LanguageChoiceKey(choice));
}

LanguageChoice ChosenLanguage(const QStringList& arguments, const QString& settingsPath) {
    const QString option = QStringLiteral("--language=");
    for (const QString& argument : arguments)
        if (argument.startsWith(option))
            if (const auto choice = ParseLanguageChoice(argument.mid(option.size())))
                return *choice;
    if (const auto choice = ParseLanguageChoice(qEnvironmentVariable("ORVAN_LANGUAGE")))
        return *choice;
    return StoredLanguageChoice(settingsPath);
}

bool LoadProgramTranslation(QTranslator& translator, const QString& name) {
    return translator.load(QStringLiteral(":/i18n/%1.qm").arg(name));
}

void InstallGreekQtTexts(QCoreApplication& application, const QString& qtTranslationsFolder) {
    InstallProgramTranslation(application, QStringLiteral("qtbase_el"));
    // Only the Greek file itself: asked for a name that is missing, QTranslator::load goes on to
    // shorter names ("qtbase.qm"), which are not Greek.
    const QString greekFile = QDir(qtTranslationsFolder).filePath(QStringLiteral("qtbase_el.qm"));
    if (!QFileInfo(greekFile).isFile()) return;
    auto* qtOwn = new QTranslator(&application);
    if (qtOwn->load(greekFile))
        QCoreApplication::installTranslator(qtOwn);
    else
        delete qtOwn;
}

void InstallInterfaceLanguage(QCoreApplication& application, InterfaceLanguage language,
                              const QString& qtTranslationsFolder) {
    if (language == InterfaceLanguage::Greek)
        InstallGreekQtTexts(application, qtTranslationsFolder);
    else
        InstallProgramTranslation(application, QStringLiteral("orvan_en"));
}

void InstallInterfaceLanguage(QCoreApplication& application, InterfaceLanguage language) {
    InstallInterfaceLanguage(application, language,
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString Translated(const InterfaceText& text) {
    if (text.empty()) return {};
    const QString translated = QCoreApplication::translate(text.context, text.source);
    return QString::fromStdString(FillPlaceholders(translated.toStdString(), text.arguments));
}

QMenu* OfferLanguageChoice(QWidget* control, const QString& settingsPath) {
    auto* menu = new QMenu(control);
    menu->setObjectName(QStringLiteral("languageMenu"));
    auto* group = new QActionGroup(menu);
    // Each language is named in itself, so that a person who cannot read the other finds it.
    const std::pair<LanguageChoice, QString> choices[] = {
        {LanguageChoice::Greek, QStringLiteral("Ελληνικά")},
        {LanguageChoice::English, QStringLiteral("English")},
        {LanguageChoice::Desktop,
         QCoreApplication::translate("Orvan::Language", "Όπως η επιφάνεια εργασίας")},
    };
    for (const auto& [listed, text] : choices) {
        // A copy for the handler: a structured binding cannot be captured by every compiler.
        const LanguageChoice choice = listed;
        QAction* action = menu->addAction(text);
        action->setCheckable(true);
        action->setData(LanguageChoiceKey(choice));
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, control, [control, settingsPath, choice] {
            if (choice == StoredLanguageChoice(settingsPath)) return;
            QMessageBox box(QMessageBox::Information, QStringLiteral("Orvan"), QString(),
                            QMessageBox::Ok, control->window());
            if (StoreLanguageChoice(settingsPath, choice)) {
                box.setText(
                    QCoreApplication::translate("Orvan::Language",
                                                "Το Orvan θα εμφανιστεί στη γλώσσα που επιλέξατε "
                                                "την επόμενη φορά που θα ξεκινήσει."));
            } else {
                box.setIcon(QMessageBox::Warning);
                box.setText(QCoreApplication::translate("Orvan::Language",
                                                        "Η επιλογή της γλώσσας δεν αποθηκεύτηκε."));
                box.setInformativeText(QDir::toNativeSeparators(settingsPath));
            }
            box.exec();
        });
    }
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(control, &QWidget::customContextMenuRequested, menu,
                     [control, menu, group, settingsPath](const QPoint& point) {
                         const QString stored =
                             LanguageChoiceKey(StoredLanguageChoice(settingsPath));
                         for (QAction* action : group->actions())
                             action->setChecked(action->data().toString() == stored);
                         menu->popup(control->mapToGlobal(point));
                     });
    return menu;
}

}  // namespace orvan::platform
