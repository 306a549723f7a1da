// The lookup window on a Wayland display (run through tests/e2e/with_weston.sh): it opens on the
// sample medium, is shown and takes the keyboard, finds what is typed with key presses, and
// closes without a word from the platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QWindow>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "lexicon/settings.h"
#include "lookup/entries_list.h"
#include "lookup/lookup_window.h"
#include "lookup/window_settings.h"
#include "platform/interface_language.h"
#include "platform/window_placement.h"
#include "tests/lookup/window_fixture.h"
#include "tests/support/lexicon_fixture.h"
#include "tests/support/platform_warnings.h"

namespace orvan::test {
namespace {

/// A lookup window on the sample medium, with the desktop's own keyboard layouts, a HOME and a
/// configuration folder of the test's own. Every test ends with the platform silent.
class WaylandWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), "wayland");
        previousFolder_ = std::filesystem::current_path().string();
        previousHome_ = qgetenv("HOME");
        previousConfig_ = qgetenv("XDG_CONFIG_HOME");
        std::filesystem::create_directories(configFolder());
        qputenv("HOME", QByteArray::fromStdString(home.path()));
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(configFolder()));
        // No spelling dictionaries: the window would read the system's for suggestions these
        // tests do not look at.
        qputenv("ORVAN_HUNSPELL_DIR", QByteArray::fromStdString(home.path() + "/none"));
        WriteSettings(configFolder() + "/Orvan.ini", "NO", "");
        std::filesystem::current_path(ORVAN_MEDIUM_DIR);
        TakePlatformWarnings();
    }

    void TearDown() override {
        if (window) {
            window->close();
            window.reset();
            QCoreApplication::processEvents();
        }
        std::filesystem::current_path(previousFolder_);
        qputenv("HOME", previousHome_);
        qputenv("XDG_CONFIG_HOME", previousConfig_);
        qunsetenv("ORVAN_HUNSPELL_DIR");
        EXPECT_EQ(TakePlatformWarnings(), QStringList());
    }

    std::string configFolder() const { return home.path() + "/.config"; }

    /// Makes and shows the window as the program does, and waits until the compositor shows
    /// it. The headless compositor has no keyboard to give it: the window is made the active one
    /// for the key events the test sends.
    void open() {
        window = std::make_unique<lookup::LookupWindow>();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QApplication::setActiveWindow(window.get());
    }

    const lookup::LookupControls& c() const { return window->controls(); }

    /// Presses the keys of `keys` (letters and digits, as printed on a US keyboard) into the
    /// search field, each with its key code and its text, as the compositor delivers them.
    void press(const QString& keys) {
        c().searchField->setFocus();
        for (const QChar key : keys) {
            const auto code = static_cast<Qt::Key>(key.toUpper().unicode());
            QTest::keyClick(c().searchField, code, Qt::NoModifier);
        }
    }

    TempFolder home;
    std::unique_ptr<lookup::LookupWindow> window;

  private:
    std::string previousFolder_;
    QByteArray previousHome_, previousConfig_;
};

TEST_F(WaylandWindowTest, TheWindowOpensOnTheSampleMediumAndFindsAWordTypedWithKeys) {
    open();
    EXPECT_TRUE(window->windowHandle()->isExposed());
    EXPECT_EQ(window->windowTitle(), "Orvan");
    EXPECT_FALSE(c().searchField->isReadOnly());

    press("engine");
    QTest::keyClick(c().searchField, Qt::Key_Return);
    EXPECT_EQ(c().searchField->text(), "engine");
    ASSERT_GT(c().entriesList->count(), 0);
    EXPECT_EQ(c().entriesList->itemText(0), "engine");
    // Down from the field shows the first entry of the list.
    QTest::keyClick(c().searchField, Qt::Key_Down);
    EXPECT_EQ(c().headwordLabel->text(), "engine");
    EXPECT_FALSE(c().renderingField->text().isEmpty());
}

TEST_F(WaylandWindowTest, TheFlagTypesGreekFromTheKeysOfALatinLayout) {
    open();
    // Wayland lets no program switch the desktop's layout: Greek is the program's own keyboard.
    c().languageButton->click();
    ASSERT_TRUE(window->greekMode());
    EXPECT_TRUE(
        c().languageButton->toolTip().contains(QString::fromUtf8("πληκτρολόγιο του Orvan")));
    // The keys of "uerm;othta" on the US layout the compositor has, with their key codes (the
    // evdev codes and 8) and the Latin text that layout gives them.
    const std::vector<std::pair<char, quint32>> keys{{'u', 22}, {'e', 18}, {'r', 19}, {'m', 50},
                                                     {';', 39}, {'o', 24}, {'t', 20}, {'h', 35},
                                                     {'t', 20}, {'a', 30}};
    c().searchField->setFocus();
    for (const auto& [latin, evdev] : keys) {
        QKeyEvent key(QEvent::KeyPress,
                      latin == ';' ? Qt::Key_Semicolon : Qt::Key_A + (latin - 'a'), Qt::NoModifier,
                      evdev + 8, 0, 0, QString(QLatin1Char(latin)));
        QApplication::sendEvent(c().searchField, &key);
    }
    EXPECT_EQ(c().searchField->text(), QString::fromUtf8("θερμότητα"));
    EXPECT_TRUE(window->greekMode());
}

TEST_F(WaylandWindowTest, ClosingKeepsTheSizeAndLeavesThePlaceKeptOnAnotherDesktop) {
    EXPECT_FALSE(platform::WindowsPlaceThemselves());
    // A geometry kept by an X11 session: the window was at 300,200, 700 by 500.
    {
        QWidget elsewhere;
        elsewhere.setGeometry(300, 200, 700, 500);
        lookup::WindowSettings(platform::LanguageSettingsPath())
            .setGeometry(elsewhere.saveGeometry());
    }
    open();
    EXPECT_EQ(window->size(), QSize(700, 500));
    window->resize(760, 540);
    QTest::qWait(50);
    window->close();
    window.reset();

    // The new size is kept, the place stays the one the other desktop kept.
    QWidget restored;
    ASSERT_TRUE(restored.restoreGeometry(
        lookup::WindowSettings(platform::LanguageSettingsPath()).geometry()));
    EXPECT_EQ(restored.size(), QSize(760, 540));
    EXPECT_EQ(restored.pos(), QPoint(300, 200));

    // Opened and closed again without a change, nothing drifts.
    open();
    window->close();
    window.reset();
    QWidget again;
    ASSERT_TRUE(
        again.restoreGeometry(lookup::WindowSettings(platform::LanguageSettingsPath()).geometry()));
    EXPECT_EQ(again.geometry(), restored.geometry());
}

TEST_F(WaylandWindowTest, ThePinIsOfferedOnlyWhereTheWindowCanAskToStayOnTop) {
    open();
    EXPECT_FALSE(c().pinButton->isEnabled());
    c().pinButton->click();
    EXPECT_FALSE(c().pinButton->isChecked());
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace orvan::test
