// What the program leaves on the clipboard as it ends: the copied and the selected text, plain.
// On X11 (the run under Xvfb) the program really owns both; offscreen there is no selection.
#include "platform/clipboard_handover.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace orvan::platform {
namespace {

TEST(ClipboardHandOver, CopiedAndSelectedTextStayAsPlainText) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    auto* copied = new QMimeData;
    copied->setHtml("<b>lever</b> arm");
    copied->setText("lever arm");
    clipboard->setMimeData(copied, QClipboard::Clipboard);
    if (!clipboard->ownsClipboard()) GTEST_SKIP() << "this platform keeps no clipboard";
    if (clipboard->supportsSelection()) {
        auto* selected = new QMimeData;
        selected->setHtml(QString::fromUtf8("<i>Σχήμα</i>"));
        selected->setText(QString::fromUtf8("Σχήμα"));
        clipboard->setMimeData(selected, QClipboard::Selection);
    }

    KeepClipboardAsPlainText();
    const QMimeData* kept = clipboard->mimeData(QClipboard::Clipboard);
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->text(), "lever arm");
    EXPECT_FALSE(kept->hasHtml());
    if (clipboard->supportsSelection()) {
        const QMimeData* selection = clipboard->mimeData(QClipboard::Selection);
        ASSERT_NE(selection, nullptr);
        EXPECT_EQ(selection->text(), QString::fromUtf8("Σχήμα"));
        EXPECT_FALSE(selection->hasHtml());
    }

    // Nothing owned: nothing is put there.
    clipboard->clear(QClipboard::Clipboard);
    KeepClipboardAsPlainText();
    EXPECT_FALSE(clipboard->ownsClipboard());
}

}  // namespace
}  // namespace orvan::platform
