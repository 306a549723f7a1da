#include "platform/window_placement.h"

#include <QGuiApplication>
#include <QString>

namespace orvan::platform {

bool OnWayland() {
    // Qt names its Wayland platforms "wayland", "wayland-egl" and so on.
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool WindowsPlaceThemselves() {
    return !OnWayland();
}

bool WindowsCanStayOnTop() {
    return !OnWayland();
}

}  // namespace orvan::platform
