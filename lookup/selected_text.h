// The text selected in any program of the desktop, for `orvan --selection`.
#pragma once

#include <QString>

namespace orvan::lookup {

/// \brief The text selected in any program: the primary selection (the text last selected with
/// the mouse), or the clipboard when nothing is selected; empty when neither holds text. Needs
/// the application object. On Wayland, where a program with no window of its own in focus is
/// often given no selection at all, it asks `wl-paste` when that is installed.
QString DesktopSelectedText();

}  // namespace orvan::lookup
