// The program entry: the lookup window on the lexicon in the current folder.
#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QStyleFactory>

#include "lookup/lookup_window.h"
#include "platform/clipboard_handover.h"
#include "platform/desktop_look.h"
#include "platform/interface_language.h"
#include "resources/stored_pictures.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Orvan");
    QApplication::setApplicationDisplayName("Orvan");
    QApplication::setWindowIcon(QIcon(orvan::assets::ProgramIconPath()));
    if (QStyle* style = QStyleFactory::create("Fusion")) QApplication::setStyle(style);
    // The desktop's palette, or the program's dark one when the person asks for it.
    if (orvan::platform::DarkPaletteAsked())
        QApplication::setPalette(orvan::platform::DarkPalette());
    // The interface in Greek or English (--language=, ORVAN_LANGUAGE, the person's choice, the
    // desktop's language), before the first window is made.
    namespace platform = orvan::platform;
    const QString languageSettings = platform::LanguageSettingsPath();
    platform::InstallInterfaceLanguage(
        application, platform::ResolveLanguage(
                         platform::ChosenLanguage(QApplication::arguments(), languageSettings),
                         QLocale::system()));
    platform::HandOverClipboardAsPlainText(application);
    orvan::lookup::LookupWindow window;
    // The start screen's uninstallation has started: the program ends before its window shows.
    if (window.quitRequested()) return 0;
    window.show();
    return QApplication::exec();
}
