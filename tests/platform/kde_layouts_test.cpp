// KDE Plasma's keyboard service as the program talks to it over D-Bus: a service of the test's
// own, answering on a session bus of its own (run through dbus-run-session), stands in for it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMetaType>
#include <QGuiApplication>
#include <QThread>

#include "platform/keyboard_layouts.h"
#include "platform/layout_keeper.h"

namespace {

struct LayoutNames {
    QString shortName, displayName, longName;
};

QDBusArgument& operator<<(QDBusArgument& argument, const LayoutNames& names) {
    argument.beginStructure();
    argument << names.shortName << names.displayName << names.longName;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, LayoutNames& names) {
    argument.beginStructure();
    argument >> names.shortName >> names.displayName >> names.longName;
    argument.endStructure();
    return argument;
}

}  // namespace

Q_DECLARE_METATYPE(LayoutNames)

namespace orvan::platform {
namespace {

// The keyboard service's three calls, as Plasma answers them; its layouts' long names are in
// the desktop's language (Greek here).
class FakeKeyboardService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.KeyboardLayouts")
  public:
    uint current = 0;

  public slots:
    uint getLayout() { return current; }
    bool setLayout(uint index) {
        if (index > 2) return false;
        current = index;
        return true;
    }
    QList<LayoutNames> getLayoutsList() {
        return {{"de", "de", QString::fromUtf8("Γερμανικά")},
                {"us", "en", QString::fromUtf8("Αγγλικά (ΗΠΑ)")},
                {"gr", "el", QString::fromUtf8("Ελληνικά")}};
    }
};

TEST(KdeKeyboardLayouts, AreReadAndSwitchedThroughTheKeyboardService) {
    qDBusRegisterMetaType<LayoutNames>();
    qDBusRegisterMetaType<QList<LayoutNames>>();
    // The service answers from a thread and a bus connection of its own, as another program
    // would; the program's calls wait for their answers.
    QThread serviceThread;
    FakeKeyboardService service;
    service.moveToThread(&serviceThread);
    serviceThread.start();
    QDBusConnection serviceBus =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, "keyboard-service");
    ASSERT_TRUE(serviceBus.isConnected()) << "no session bus: run through dbus-run-session";
    ASSERT_TRUE(
        serviceBus.registerObject(kKdeKeyboardPath, &service, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(serviceBus.registerService(kKdeKeyboardService));

    const auto layouts = DesktopKeyboardLayouts();
    EXPECT_EQ(layouts->names(), (std::vector<std::string>{"Γερμανικά", "English (us)", "Greek"}));
    EXPECT_EQ(layouts->active(), 0);
    {
        LayoutKeeper keeper(*layouts);
        EXPECT_EQ(keeper.languageLayouts().english, 1);
        EXPECT_EQ(keeper.languageLayouts().greek, 2);
        keeper.activated(true);
        EXPECT_EQ(layouts->active(), 2);
        EXPECT_EQ(service.current, 2u);
        keeper.languageChanged(false);
        EXPECT_EQ(layouts->active(), 1);
    }
    // At the end, the person's German again.
    EXPECT_EQ(layouts->active(), 0);

    serviceBus.unregisterService(kKdeKeyboardService);
    QDBusConnection::disconnectFromBus("keyboard-service");
    serviceThread.quit();
    serviceThread.wait();
    // Without the service, no layouts.
    EXPECT_TRUE(DesktopKeyboardLayouts()->names().empty());
}

}  // namespace
}  // namespace orvan::platform

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "kde_layouts_test.moc"
