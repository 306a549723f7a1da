// Choosing the layouts of the two languages, and the desktop's layouts: none offscreen, the XKB
// groups on X11 (run under tests/e2e/with_xvfb.sh, whose server has the one layout English (US);
// Xvfb does not take a second layout from setxkbmap).
#include "platform/keyboard_layouts.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

namespace orvan::platform {
namespace {

TEST(LanguageLayouts, FirstGreekAndFirstEnglishInListOrder) {
    EXPECT_EQ(LayoutLanguage("English (US)"), "English");
    EXPECT_EQ(LayoutLanguage("Greek"), "Greek");
    EXPECT_EQ(LayoutLanguage("  Greek (polytonic)"), "Greek");
    EXPECT_EQ(LayoutLanguage(""), "");

    const auto usGreek = ChooseLanguageLayouts({"English (US)", "Greek"});
    EXPECT_EQ(usGreek.english, 0);
    EXPECT_EQ(usGreek.greek, 1);
    const auto greekUs = ChooseLanguageLayouts({"Greek", "German", "English (UK)"});
    EXPECT_EQ(greekUs.greek, 0);
    EXPECT_EQ(greekUs.english, 2);
    const auto twoGreek = ChooseLanguageLayouts({"Greek (polytonic)", "Greek", ""});
    EXPECT_EQ(twoGreek.greek, 0);
    EXPECT_EQ(twoGreek.english, 2);  // a layout without a name counts as English
    const auto none = ChooseLanguageLayouts({"French", "German"});
    EXPECT_EQ(none.greek, -1);
    EXPECT_EQ(none.english, -1);
}

TEST(DesktopKeyboardLayouts, AreTheXkbGroupsOnX11AndNoneElsewhere) {
    const auto layouts = DesktopKeyboardLayouts();
    if (qEnvironmentVariableIsSet("ORVAN_EXPECT_X11")) {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    }
    if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
        EXPECT_TRUE(layouts->names().empty());
        layouts->activate(1);  // does nothing
        EXPECT_EQ(layouts->active(), -1);
        return;
    }
    const std::vector<std::string> names = layouts->names();
    ASSERT_EQ(names, (std::vector<std::string>{"English (US)"}));
    const LanguageLayouts chosen = ChooseLanguageLayouts(names);
    EXPECT_EQ(chosen.greek, -1);
    layouts->activate(chosen.greek);  // no Greek layout: nothing changes
    EXPECT_EQ(layouts->active(), 0);
    layouts->activate(chosen.english);
    EXPECT_EQ(layouts->active(), 0);
}

}  // namespace
}  // namespace orvan::platform

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
