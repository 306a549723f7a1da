// What the program leaves on the clipboard when it ends. A desktop's clipboard manager keeps
// the clipboard and the selection of a program that ends; Qt hands them over while the
// application object is being destroyed, and text selected in a rich-text view can no longer be
// rendered then, and the program aborted on its way out. Plain text, prepared while the
// application still runs, is handed over at once.
#pragma once

class QGuiApplication;

namespace orvan::platform {

/// \brief When `application` is about to quit, what the program owns on the clipboard and in
/// the selection is there as its plain text only.
void HandOverClipboardAsPlainText(QGuiApplication& application);

/// \brief The same step, done now.
void KeepClipboardAsPlainText();

}  // namespace orvan::platform
