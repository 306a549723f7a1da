// What the desktop lets the program do with its top-level windows. On X11 a program places its
// windows and may ask to keep one above the others; a Wayland compositor places every window
// itself and offers programs no way to keep one on top.
#pragma once

namespace orvan::platform {

/// Whether the program runs on a Wayland compositor (Qt's Wayland platform).
bool OnWayland();

/// Whether the program's own move() places a top-level window (false on Wayland, where the
/// compositor decides and a window's position is not even known to the program).
bool WindowsPlaceThemselves();

/// Whether a window may ask to stay above the others (Qt::WindowStaysOnTopHint); false on
/// Wayland, where only the desktop's own window menu does it.
bool WindowsCanStayOnTop();

}  // namespace orvan::platform
