// Keyboard layouts for the lookup window's two languages. On X11 the layouts are the XKB groups
// and a group's language is the first word of its name ("English (US)" is English); on KDE
// Plasma without X11 (Wayland) they are those of its keyboard service over D-Bus; elsewhere
// (offscreen, other Wayland desktops) there are none and activating one does nothing.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace orvan::platform {

/// The layouts found for the two languages: indexes into the list of layouts, -1 for none.
struct LanguageLayouts {
    int greek = -1;
    int english = -1;
};

/// \brief The language of a layout name: its first word ("Greek", "English"); empty for an empty
/// name.
std::string LayoutLanguage(const std::string& layoutName);

/// \brief The first Greek and the first English layout in list order; a layout without a name
/// counts as English, layouts of other languages are passed over.
LanguageLayouts ChooseLanguageLayouts(const std::vector<std::string>& layoutNames);

class KeyboardLayouts {
  public:
    virtual ~KeyboardLayouts() = default;
    /// The installed layouts' names, in the system's order.
    virtual std::vector<std::string> names() const = 0;
    /// Makes layout `index` the active one; -1 (no layout) does nothing.
    virtual void activate(int index) = 0;
    /// The active layout, -1 when unknown.
    virtual int active() const = 0;
};

/// KDE Plasma's keyboard service on the session bus.
inline constexpr const char* kKdeKeyboardService = "org.kde.keyboard";
inline constexpr const char* kKdeKeyboardPath = "/Layouts";
inline constexpr const char* kKdeKeyboardInterface = "org.kde.KeyboardLayouts";

/// \brief The name a layout of KDE's keyboard service goes by here: "Greek" for the code "gr",
/// "English (us)" for the English codes, else its long name (in the desktop's language).
std::string KdeLayoutName(const std::string& shortName, const std::string& longName);

/// \brief The layouts of the desktop the application runs on: XKB groups on X11, KDE's keyboard
/// service where it runs, none elsewhere.
std::unique_ptr<KeyboardLayouts> DesktopKeyboardLayouts();

}  // namespace orvan::platform
