// The program entry: the lookup window on the lexicon in the current folder.
#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

#include "lookup/lookup_window.h"
#include "platform/clipboard_handover.h"
#include "platform/greek_qt_texts.h"
#include "resources/stored_pictures.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Orvan");
    QApplication::setApplicationDisplayName("Orvan");
    QApplication::setWindowIcon(QIcon(orvan::assets::ProgramIconPath()));
    if (QStyle* style = QStyleFactory::create("Fusion")) QApplication::setStyle(style);
    // The standard buttons and dialogs (Yes/No, Cancel, the print and file dialogs) in Greek.
    orvan::platform::InstallGreekQtTexts(application);
    orvan::platform::HandOverClipboardAsPlainText(application);
    orvan::lookup::LookupWindow window;
    // The start screen's uninstallation has started: the program ends before its window shows.
    if (window.quitRequested()) return 0;
    window.show();
    return QApplication::exec();
}
