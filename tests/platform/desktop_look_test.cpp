// The desktop look's colours under a light and a dark palette: the background picture toned dark
// stays below the colour the window's texts are made readable against, and the texts written on
// controls and on the windows' own light backgrounds read there.
#include <gtest/gtest.h>

#include <QImage>
#include <QPalette>

#include "platform/desktop_look.h"
#include "richtext/colour_contrast.h"

namespace orvan::test {
namespace {

double ContrastOf(const QColor& a, const QColor& b) {
    return richtext::ContrastRatio({a.red(), a.green(), a.blue()}, {b.red(), b.green(), b.blue()});
}

QPalette LightPalette() {
    QPalette light{QColor(239, 239, 239)};
    light.setColor(QPalette::Base, Qt::white);
    light.setColor(QPalette::WindowText, Qt::black);
    return light;
}

TEST(DesktopLook, APictureIsTonedDarkUnderADarkPaletteOnlyAndNeverLighterThanTheBackdrop) {
    QImage picture(4, 2, QImage::Format_ARGB32);
    const QColor pixels[] = {Qt::white, QColor(200, 214, 228), QColor(255, 0, 0), Qt::black};
    for (int x = 0; x < 4; ++x) {
        picture.setPixelColor(x, 0, pixels[x]);
        picture.setPixelColor(x, 1, QColor(255, 255, 255, 0));
    }
    EXPECT_EQ(platform::BackgroundPicture(picture, LightPalette()), picture);
    EXPECT_TRUE(platform::BackgroundPicture(QImage(), platform::DarkPalette()).isNull());

    for (const QColor window : {QColor(53, 53, 53), QColor(10, 20, 60), QColor(0, 0, 0)}) {
        QPalette dark = platform::DarkPalette();
        dark.setColor(QPalette::Window, window);
        const QImage toned = platform::BackgroundPicture(picture, dark);
        const QColor backdrop = platform::WindowBackdrop(dark);
        EXPECT_LT(backdrop.lightness(), 128);
        for (int x = 0; x < 4; ++x) {
            const QColor pixel = toned.pixelColor(x, 0);
            EXPECT_LE(pixel.red(), backdrop.red()) << x;
            EXPECT_LE(pixel.green(), backdrop.green()) << x;
            EXPECT_LE(pixel.blue(), backdrop.blue()) << x;
            EXPECT_EQ(toned.pixelColor(x, 1).alpha(), 0) << x;
        }
        // The shading is kept: the picture's white stays its lightest pixel, its black its darkest.
        EXPECT_GT(toned.pixelColor(0, 0).lightness(), toned.pixelColor(1, 0).lightness());
        EXPECT_LE(toned.pixelColor(3, 0).lightness(), window.lightness());
    }
}

TEST(DesktopLook, TextsReadOnControlsAndOnTheWindowsOwnLightBackgrounds) {
    const QColor maroon = platform::kMaroon;
    EXPECT_EQ(platform::ReadableOnControl(maroon, LightPalette()), maroon);
    const QPalette dark = platform::DarkPalette();
    const QColor lightened = platform::ReadableOnControl(maroon, dark);
    EXPECT_GE(ContrastOf(lightened, dark.color(QPalette::Base)), 4.5);
    EXPECT_GE(ContrastOf(lightened, dark.color(QPalette::Button).lighter(140)), 4.5);
    EXPECT_EQ(lightened.hue(), maroon.hue());

    const QColor pageBlue(214, 233, 255);
    EXPECT_EQ(platform::TextOnOwnBackground(dark.color(QPalette::WindowText), pageBlue),
              QColor(Qt::black));
    EXPECT_EQ(platform::TextOnOwnBackground(QColor(30, 30, 30), pageBlue), QColor(30, 30, 30));
    EXPECT_TRUE(platform::IsDarkPalette(dark));
    EXPECT_FALSE(platform::IsDarkPalette(LightPalette()));
}

}  // namespace
}  // namespace orvan::test
