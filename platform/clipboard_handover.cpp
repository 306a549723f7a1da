#include "platform/clipboard_handover.h"

#include <QClipboard>
#include <QGuiApplication>

namespace orvan::platform {

void KeepClipboardAsPlainText() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) return;
    for (const QClipboard::Mode mode : {QClipboard::Clipboard, QClipboard::Selection}) {
        const bool owned =
            mode == QClipboard::Clipboard ? clipboard->ownsClipboard() : clipboard->ownsSelection();
        if (owned) clipboard->setText(clipboard->text(mode), mode);
    }
}

void HandOverClipboardAsPlainText(QGuiApplication& application) {
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &KeepClipboardAsPlainText);
}

}  // namespace orvan::platform
