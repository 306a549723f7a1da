// How well a text colour reads on a background, and the lighter shade of a colour that reads on
// a dark one: the windows' own colours and a description's coloured runs under a dark desktop.
#pragma once

namespace orvan::richtext {

/// An opaque colour, each channel 0 to 255.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

/// Text that must be read: the windows' own coloured texts.
inline constexpr double kTextContrast = 4.5;
/// A description's coloured runs, which the eye finds by their colour as much as reads.
inline constexpr double kRunContrast = 3.0;

/// \brief The relative luminance of `colour`: 0 for black, 1 for white, each sRGB channel made
/// linear and weighed by how bright the eye sees it.
double RelativeLuminance(Rgb colour);

/// \brief How far apart two colours stand in luminance: (L1 + 0.05) / (L2 + 0.05), the lighter
/// over the darker; 1 for equal colours, 21 for black on white.
double ContrastRatio(Rgb a, Rgb b);

/// \brief Whether `colour` is a grey (black and white included): its channels lie within a
/// few steps of each other. A description's grey runs are its body text.
bool IsGrey(Rgb colour);

/// \brief The contrast a description's run of `colour` needs on a dark background: its body
/// text (a grey) is read as the windows' texts are, a coloured run only needs finding.
double RunContrastFor(Rgb colour);

/// \brief Whether `background` is a dark one (its lightness below one half), on which the
/// windows' dark named colours would not read.
bool IsDark(Rgb background);

/// \brief `colour` as it is when it stands at least `ratio` from `background`; otherwise the
/// same hue and saturation made just light enough to reach it, white at the most. Meant for dark
/// backgrounds: it only ever lightens.
Rgb LightenToContrast(Rgb colour, Rgb background, double ratio);

}  // namespace orvan::richtext
