// The program entry: the lookup window on the lexicon in the current folder, or in the
// program's own.
#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>
#include <optional>
#include <string_view>

#include "lookup/command_line.h"
#include "lookup/lookup_window.h"
#include "lookup/selected_text.h"
#include "platform/clipboard_handover.h"
#include "platform/desktop_look.h"
#include "platform/interface_language.h"
#include "platform/single_window.h"
#include "resources/stored_pictures.h"

namespace {

constexpr const char* kUsage =
    "Usage: orvan [--language=el|en] [--new-window] [--selection] [Qt options] [WORD...]\n"
    "Orvan, a dictionary of technical and scientific terms between English and Greek.\n"
    "It reads the lexicon (data/i.tbo and its companions) in the current folder, or else in the\n"
    "folder the program is installed in. WORD... are looked up at once; while a window of\n"
    "yours runs, a new start hands them to it and ends.\n"
    "\n"
    "  --language=el|en  the interface's language for this start\n"
    "  --new-window      another window, beside the one running already\n"
    "  --selection       looks up the text selected in any program (its first line, up to 80\n"
    "                    characters), or the clipboard's when nothing is selected; meant for a\n"
    "                    key of the desktop's own shortcuts\n"
    "  --help            this text\n"
    "  --version         the program's version\n"
    "\n"
    "ORVAN_LANGUAGE=el|en chooses the language as --language does; ORVAN_PALETTE=dark starts\n"
    "with a dark palette of the program's own. orvan-cli gives the same look-ups in a terminal.\n";

// --help and --version are answered before any window is made, so that they work without a
// display; nothing else on the command line is looked at here.
std::optional<int> AnsweredWithoutWindow(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--version") {
            std::printf("orvan %s\n", ORVAN_VERSION);
            return 0;
        }
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> answered = AnsweredWithoutWindow(argc, argv)) return *answered;
    QApplication application(argc, argv);
    QApplication::setApplicationName("Orvan");
    QApplication::setApplicationDisplayName("Orvan");
    // `orvan --selection` looks up the text selected in another program instead of words named.
    const bool selection = QApplication::arguments().contains(QStringLiteral("--selection"));
    const QString words =
        selection ? orvan::lookup::SelectionToLookUp(orvan::lookup::DesktopSelectedText())
                  : orvan::lookup::WordsToLookUp(QApplication::arguments());
    // A window of the user's runs already: it takes the words and comes to the front, unless
    // another window is asked for on purpose. This start ends there, so it does so before
    // setting up the look and the language it would not use.
    namespace platform = orvan::platform;
    const bool newWindow = QApplication::arguments().contains(QStringLiteral("--new-window"));
    const QString socket = platform::SingleWindowSocket();
    if (!newWindow && platform::HandToRunningWindow(socket, words)) return 0;

    QApplication::setWindowIcon(QIcon(orvan::assets::ProgramIconPath()));
    if (QStyle* style = QStyleFactory::create("Fusion")) QApplication::setStyle(style);
    // The desktop's palette, or the program's dark one when the person asks for it.
    if (orvan::platform::DarkPaletteAsked())
        QApplication::setPalette(orvan::platform::DarkPalette());
    // The interface in Greek or English (--language=, ORVAN_LANGUAGE, the person's choice, the
    // desktop's language), before the first window is made.
    const QString languageSettings = platform::LanguageSettingsPath();
    platform::InstallInterfaceLanguage(
        application, platform::ResolveLanguage(
                         platform::ChosenLanguage(QApplication::arguments(), languageSettings),
                         QLocale::system()));

    platform::HandOverClipboardAsPlainText(application);
    // The window listens from before it is made: a later start while its start screen shows
    // hands its words over too, kept until the window is ready.
    platform::SingleWindowServer server;
    if (!newWindow) server.listen(socket);
    QString toLookUp = words;
    orvan::lookup::LookupWindow* ready = nullptr;
    QObject::connect(&server, &platform::SingleWindowServer::asked, &server,
                     [&ready, &toLookUp](const QString& asked) {
                         if (ready == nullptr) {
                             if (!asked.isEmpty()) toLookUp = asked;
                             return;
                         }
                         ready->comeToFront();
                         if (!asked.isEmpty()) ready->lookUp(asked);
                     });
    orvan::lookup::LookupWindow window;
    // The start screen's uninstallation has started: the program ends before its window shows.
    if (window.quitRequested()) return 0;
    ready = &window;
    window.show();
    // `orvan WORD…` shows the words looked up, once the window has read the lexicon.
    if (!toLookUp.isEmpty())
        QTimer::singleShot(0, &window, [&window, toLookUp] { window.lookUp(toLookUp); });
    return QApplication::exec();
}
