#include "lookup/selected_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>

#include "platform/window_placement.h"

namespace orvan::lookup {

namespace {

// How long `wl-paste` may take: the program that owns the selection answers it, and one that
// hangs must not hold the start up.
constexpr int kPasteMilliseconds = 1000;

// What `wl-paste` with `options` prints: the selection's (or clipboard's) text, or nothing when
// it fails, takes too long, or gives what is not text.
QString WaylandPaste(const QString& program, const QStringList& options) {
    QProcess paste;
    paste.setProcessChannelMode(QProcess::SeparateChannels);
    paste.setStandardInputFile(QProcess::nullDevice());
    paste.start(program, options, QIODevice::ReadOnly);
    if (!paste.waitForStarted(kPasteMilliseconds)) return {};
    if (!paste.waitForFinished(kPasteMilliseconds)) {
        paste.kill();
        paste.waitForFinished(kPasteMilliseconds);
        return {};
    }
    if (paste.exitStatus() != QProcess::NormalExit || paste.exitCode() != 0) return {};
    const QByteArray out = paste.readAllStandardOutput();
    // A picture or a file on the clipboard is no word to look up.
    if (out.contains('\0')) return {};
    return QString::fromUtf8(out);
}

bool HasText(const QString& text) {
    return !text.trimmed().isEmpty();
}

}  // namespace

QString DesktopSelectedText() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard->supportsSelection()) {
        const QString selected = clipboard->text(QClipboard::Selection);
        if (HasText(selected)) return selected;
    }
    const QString copied = clipboard->text(QClipboard::Clipboard);
    if (HasText(copied)) return copied;
    if (!platform::OnWayland()) return {};

    const QString program = QStandardPaths::findExecutable(QStringLiteral("wl-paste"));
    if (program.isEmpty()) return {};
    const QString noNewline = QStringLiteral("--no-newline");
    const QString selected = WaylandPaste(program, {QStringLiteral("--primary"), noNewline});
    if (HasText(selected)) return selected;
    return WaylandPaste(program, {noNewline});
}

}  // namespace orvan::lookup
