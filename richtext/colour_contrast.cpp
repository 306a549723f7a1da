#include "richtext/colour_contrast.h"

#include <algorithm>
#include <cmath>

namespace orvan::richtext {

namespace {

double Linear(int channel) {
    const double c = std::clamp(channel, 0, 255) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Hue (0 to 6, in sixths of the circle), saturation and lightness (0 to 1).
struct Hsl {
    double hue = 0;
    double saturation = 0;
    double lightness = 0;
};

Hsl ToHsl(Rgb colour) {
    const double r = std::clamp(colour.red, 0, 255) / 255.0;
    const double g = std::clamp(colour.green, 0, 255) / 255.0;
    const double b = std::clamp(colour.blue, 0, 255) / 255.0;
    const double high = std::max({r, g, b});
    const double low = std::min({r, g, b});
    Hsl hsl;
    hsl.lightness = (high + low) / 2;
    const double spread = high - low;
    if (spread <= 0) return hsl;  // a grey: no hue
    hsl.saturation = spread / (1 - std::abs(2 * hsl.lightness - 1));
    if (high == r)
        hsl.hue = std::fmod((g - b) / spread + 6, 6);
    else if (high == g)
        hsl.hue = (b - r) / spread + 2;
    else
        hsl.hue = (r - g) / spread + 4;
    return hsl;
}

Rgb FromHsl(const Hsl& hsl) {
    const double chroma = (1 - std::abs(2 * hsl.lightness - 1)) * hsl.saturation;
    const double x = chroma * (1 - std::abs(std::fmod(hsl.hue, 2) - 1));
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(hsl.hue) % 6) {
        case 0:
            r = chroma, g = x;
            break;
        case 1:
            r = x, g = chroma;
            break;
        case 2:
            g = chroma, b = x;
            break;
        case 3:
            g = x, b = chroma;
            break;
        case 4:
            r = x, b = chroma;
            break;
        default:
            r = chroma, b = x;
            break;
    }
    const double m = hsl.lightness - chroma / 2;
    const auto channel = [m](double c) {
        return std::clamp(static_cast<int>(std::lround((c + m) * 255)), 0, 255);
    };
    return {channel(r), channel(g), channel(b)};
}

}  // namespace

double RelativeLuminance(Rgb colour) {
    return 0.2126 * Linear(colour.red) + 0.7152 * Linear(colour.green) +
           0.0722 * Linear(colour.blue);
}

double ContrastRatio(Rgb a, Rgb b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsDark(Rgb background) {
    return ToHsl(background).lightness < 0.5;
}

bool IsGrey(Rgb colour) {
    constexpr int kGreyness = 24;
    const int highest = std::max({colour.red, colour.green, colour.blue});
    const int lowest = std::min({colour.red, colour.green, colour.blue});
    return highest - lowest <= kGreyness;
}

double RunContrastFor(Rgb colour) {
    return IsGrey(colour) ? kTextContrast : kRunContrast;
}

Rgb LightenToContrast(Rgb colour, Rgb background, double ratio) {
    if (ContrastRatio(colour, background) >= ratio) return colour;
    Hsl hsl = ToHsl(colour);
    // Contrast against a dark background grows with lightness: the least lightness that reaches
    // the ratio, found by halving; rounding to whole channels is checked on the result.
    double low = hsl.lightness;
    double high = 1.0;
    for (int step = 0; step < 24; ++step) {
        hsl.lightness = (low + high) / 2;
        if (ContrastRatio(FromHsl(hsl), background) >= ratio)
            high = hsl.lightness;
        else
            low = hsl.lightness;
    }
    hsl.lightness = high;
    Rgb lighter = FromHsl(hsl);
    // A whole step more where rounding fell just short.
    while (ContrastRatio(lighter, background) < ratio && hsl.lightness < 1.0) {
        hsl.lightness = std::min(1.0, hsl.lightness + 1.0 / 255);
        lighter = FromHsl(hsl);
    }
    return lighter;
}

}  // namespace orvan::richtext
