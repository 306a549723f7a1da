#include "platform/window_placement.h"

#include <QGuiApplication>
#include <QString>

namespace orvan::platform {
namespace {

/// Qt names its Wayland platforms "wayland", "wayland-egl" and so on.
bool OnWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace

bool WindowsPlaceThemselves() {
    return !OnWayland();
}

bool WindowsCanStayOnTop() {
    return !OnWayland();
}

}  // namespace orvan::platform
