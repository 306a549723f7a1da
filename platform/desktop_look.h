// The look shared by the program's windows and dialogs: the sans-serif at the pixel sizes they
// were laid out for, the data fields' background, placing controls and dialogs, the stored
// pictures at the screen's fineness, and clickable pictures as keyboard controls.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QEvent;
class QIcon;
class QImage;
class QLabel;
class QPalette;
class QWidget;

namespace orvan::platform {

// The named colours the windows were laid out with.
inline constexpr QColor kNavy(0, 0, 128);
inline constexpr QColor kTeal(0, 128, 128);
inline constexpr QColor kMaroon(128, 0, 0);
inline constexpr QColor kSilver(192, 192, 192);

/// \brief The desktop's sans-serif (DejaVu Sans) at `pixelSize`. The condensed cut keeps captions
/// within places laid out for a narrower font.
QFont SansFont(int pixelSize, bool bold = false, bool condensed = false);

/// \brief Gives `widget`'s text (as a label, a field or a button shows it) the colour `colour`.
void SetTextColour(QWidget* widget, const QColor& colour);

/// \brief The background of the data fields: red 250, green 255, blue 255.
QColor FieldBackground();
/// \brief The data fields' background under `palette`: the near-white one above under a light
/// palette, the palette's own base under a dark one, so that the desktop's texts read on it.
QColor FieldBackground(const QPalette& palette);

/// \brief A dark palette for the program's Fusion style, for a desktop that does not hand its
/// own dark colours to the program (the program starts with it when ORVAN_PALETTE is "dark").
QPalette DarkPalette();

/// \brief Whether the person asked for the dark palette: ORVAN_PALETTE=dark in the environment.
bool DarkPaletteAsked();

/// \brief Whether `palette` is a dark one: its window colour is darker than one half.
bool IsDarkPalette(const QPalette& palette);

/// \brief `colour` for a text on `background`: as it is on a light background, lightened (same
/// hue) to a contrast of at least 4.5:1 on a dark one.
QColor ReadableColour(const QColor& colour, const QColor& background);

/// \brief `colour` for the text of a control the style paints with `palette`'s button colour
/// (a combo box): readable on the control's face, which the style shades lighter than the
/// button colour, and on the base its drop-down list is drawn on.
QColor ReadableOnControl(const QColor& colour, const QPalette& palette);

/// \brief `colour` for a text on the light `background` of a window that keeps its light look
/// under a dark desktop: as it is where it reads (4.5:1), otherwise the same hue deepened until
/// it does, black at the most.
QColor DeepenedToRead(const QColor& colour, const QColor& background);

/// \brief The desktop's text colour `text`, or black where it would not read on `background`:
/// for the desktop's texts on the light backgrounds a window paints itself, which stay light
/// under a dark desktop.
QColor TextOnOwnBackground(const QColor& text, const QColor& background);

/// \brief A window's background picture as it is drawn under `palette`: as it is under a light
/// palette; under a dark one toned into the palette's window colour, keeping a trace of its
/// shading, so that the desktop's light texts and the lightened colours of WindowBackdrop read
/// on it. A null picture stays null.
QImage BackgroundPicture(const QImage& picture, const QPalette& palette);

/// \brief The colour the texts drawn straight on a window (or on its BackgroundPicture) are
/// made readable against: the palette's window colour under a light palette; under a dark one
/// the lightest colour the toned picture can have, so that a text readable on it reads on every
/// pixel of the picture.
QColor WindowBackdrop(const QPalette& palette);

/// \brief Names a control (tests find it by that name) and puts it at `geometry`.
void Place(QWidget* control, const char* name, const QRect& geometry);

/// \brief Moves `dialog` so that its frame is centred over `over`'s window.
void CentreOver(QWidget* dialog, const QWidget* over);

/// \brief The SVG picture stored with the program at `path`, drawn afresh at every size and
/// screen fineness it is shown at: `button->setIcon(StoredIcon(":/icons/copy.svg"))`.
QIcon StoredIcon(const QString& path);

/// \brief The SVG picture at `path` drawn at its own size in points, at `pixelRatio` pixels a
/// point; with `element`, only the group of that id, at the size of its bounds (a file may hold
/// several pictures that share parts). A null image when the file or the group is missing.
QImage StoredPicture(const QString& path, qreal pixelRatio, const QString& element = {});

/// \brief Shows the stored SVG picture at `path` (or its group `element`) on `label` at its own
/// size in points, drawn at the fineness of the screen the label stands on.
void ShowStoredPicture(QLabel* label, const QString& path, const QString& element = {});

/// \brief Makes the clickable picture or label `control` a control for the keyboard too: Tab
/// visits it, a focus frame shows on it while it has the focus, and its accessible name is its
/// hint (tooltip), now and whenever the hint changes. A picture button (QAbstractButton) is also
/// clicked by Enter or Return, as it is by Space; for other controls the owner that takes their
/// clicks runs the click on IsActivation.
void MakeKeyboardControl(QWidget* control);

/// \brief Whether `event`, seen on a clickable picture or label, runs its click: the left
/// button's release, or Enter, Return or Space pressed (a held key's repeats excepted).
bool IsActivation(const QEvent* event);

}  // namespace orvan::platform
