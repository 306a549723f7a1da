#include "platform/keyboard_layouts.h"

// Qt's headers go before X11's, whose macros (Bool, Status) they must not see.
// clang-format off
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
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

// The layouts of KDE Plasma's keyboard service, which switches them on Wayland as on X11.
class KdeKeyboardLayouts final : public KeyboardLayouts {
  public:
    std::vector<std::string> names() const override {
        std::vector<std::string> names;
        const QDBusMessage reply = call(QStringLiteral("getLayoutsList"));
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return names;
        const auto list = reply.arguments().constFirst().value<QDBusArgument>();
        if (list.currentSignature() != QLatin1String("a(sss)")) return names;
        list.beginArray();
        while (!list.atEnd()) {
            QString shortName, displayName, longName;
            list.beginStructure();
            list >> shortName >> displayName >> longName;
            list.endStructure();
            names.push_back(KdeLayoutName(shortName.toStdString(), longName.toStdString()));
        }
        list.endArray();
        return names;
    }

    void activate(int index) override {
        if (index < 0) return;
        call(QStringLiteral("setLayout"), {QVariant::fromValue(static_cast<uint>(index))});
    }

    int active() const override {
        const QDBusMessage reply = call(QStringLiteral("getLayout"));
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return -1;
        bool ok = false;
        const uint index = reply.arguments().constFirst().toUInt(&ok);
        return ok ? static_cast<int>(index) : -1;
    }

  private:
    static QDBusMessage call(const QString& method, const QVariantList& arguments = {}) {
        QDBusMessage message = QDBusMessage::createMethodCall(
            QString::fromLatin1(kKdeKeyboardService), QString::fromLatin1(kKdeKeyboardPath),
            QString::fromLatin1(kKdeKeyboardInterface), method);
        message.setArguments(arguments);
        // A service that hangs must not freeze the window.
        return QDBusConnection::sessionBus().call(message, QDBus::Block, 500);
    }
};

}  // namespace

std::string KdeLayoutName(const std::string& shortName, const std::string& longName) {
    // The long name is in the desktop's language; the short one is the layout's code.
    if (shortName == "gr") return "Greek";
    for (const char* english : {"us", "gb", "au", "ca", "ie", "nz", "za"})
        if (shortName == english) return "English (" + shortName + ")";
    return longName;
}

std::unique_ptr<KeyboardLayouts> DesktopKeyboardLayouts() {
    if (auto* x11 =
            qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        if (Display* display = x11->display()) return std::make_unique<XkbKeyboardLayouts>(display);
    }
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected() && bus.interface() &&
        bus.interface()->isServiceRegistered(QString::fromLatin1(kKdeKeyboardService)))
        return std::make_unique<KdeKeyboardLayouts>();
    return std::make_unique<NoKeyboardLayouts>();
}

}  // namespace orvan::platform
