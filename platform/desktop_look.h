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
class QLabel;
class QWidget;

namespace orvan::platform {

// The named colours the windows were laid out with.
inline constexpr QColor kNavy(0, 0, 128);
inline constexpr QColor kTeal(0, 128, 128);
inline constexpr QColor kMaroon(128, 0, 0);
inline constexpr QColor kSilver(192, 192, 192);

/// \brief A caption written in the source in UTF-8, as the windows show it.
QString Caption(const char* utf8);

/// \brief The desktop's sans-serif (DejaVu Sans) at `pixelSize`. The condensed cut keeps captions
/// within places laid out for a narrower font.
QFont SansFont(int pixelSize, bool bold = false, bool condensed = false);

/// \brief Gives `widget`'s text (as a label, a field or a button shows it) the colour `colour`.
void SetTextColour(QWidget* widget, const QColor& colour);

/// \brief The background of the data fields: red 250, green 255, blue 255.
QColor FieldBackground();

/// \brief Names a control (tests find it by that name) and puts it at `geometry`.
void Place(QWidget* control, const char* name, const QRect& geometry);

/// \brief Moves `dialog` so that its frame is centred over `over`'s window.
void CentreOver(QWidget* dialog, const QWidget* over);

/// \brief The picture stored with the program at `path` (":/folder/name.png") together with its
/// drawing at twice the size, "name@2x.png" beside it, which a screen of device pixel ratio 2
/// shows: `button->setIcon(StoredIcon(":/lookup/pictures/copy.png"))`.
QIcon StoredIcon(const QString& path);

/// \brief Shows the stored picture at `path` on `label`, at the same size in points: its "@2x"
/// drawing when the label stands on a screen finer than a pixel a point, else the plain one.
void ShowStoredPicture(QLabel* label, const QString& path);

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
