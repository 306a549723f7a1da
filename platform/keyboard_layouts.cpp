#include "platform/keyboard_layouts.h"

// Qt's headers go before X11's, whose macros (Bool, Status) they must not see.
// clang-format off
#include <QGuiApplication>
#include <X11/XKBlib.h>
// clang-format on

namespace orvan::platform {

std::string LayoutLanguage(const std::string& layoutName) {
    const auto start = layoutName.find_first_not_of(' ');
    if (start == std::string::npos) return {};
    const auto end = layoutName.find_first_of(" (", start);
    return layoutName.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

LanguageLayouts ChooseLanguageLayouts(const std::vector<std::string>& layoutNames) {
    LanguageLayouts chosen;
    for (int index = 0; index < static_cast<int>(layoutNames.size()); ++index) {
        const std::string language = LayoutLanguage(layoutNames[static_cast<size_t>(index)]);
        if (language == "Greek") {
            if (chosen.greek < 0) chosen.greek = index;
        } else if ((language == "English" || language.empty()) && chosen.english < 0) {
            chosen.english = index;
        }
    }
    return chosen;
}

namespace {

// Where there is no X11 display.
class NoKeyboardLayouts final : public KeyboardLayouts {
  public:
    std::vector<std::string> names() const override { return {}; }
    void activate(int) override {}
    int active() const override { return -1; }
};

// The XKB groups of the X server's core keyboard.
class XkbKeyboardLayouts final : public KeyboardLayouts {
  public:
    explicit XkbKeyboardLayouts(Display* display) : display_(display) {}

    std::vector<std::string> names() const override {
        std::vector<std::string> names;
        XkbDescPtr keyboard = XkbAllocKeyboard();
        if (keyboard == nullptr) return names;
        if (XkbGetNames(display_, XkbGroupNamesMask, keyboard) == Success && keyboard->names) {
            for (int group = 0; group < XkbNumKbdGroups; ++group) {
                const Atom atom = keyboard->names->groups[group];
                if (atom == None) break;
                char* name = XGetAtomName(display_, atom);
                names.emplace_back(name != nullptr ? name : "");
                if (name != nullptr) XFree(name);
            }
        }
        XkbFreeKeyboard(keyboard, 0, True);
        return names;
    }

    void activate(int index) override {
        if (index < 0 || index >= XkbNumKbdGroups) return;
        XkbLockGroup(display_, XkbUseCoreKbd, static_cast<unsigned>(index));
        XFlush(display_);
    }

    int active() const override {
        XkbStateRec state{};
        if (XkbGetState(display_, XkbUseCoreKbd, &state) != Success) return -1;
        return state.group;
    }

  private:
    Display* display_;
};

}  // namespace

std::unique_ptr<KeyboardLayouts> DesktopKeyboardLayouts() {
    if (auto* x11 =
            qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        if (Display* display = x11->display()) return std::make_unique<XkbKeyboardLayouts>(display);
    }
    return std::make_unique<NoKeyboardLayouts>();
}

}  // namespace orvan::platform
