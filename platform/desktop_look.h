// The look shared by the program's windows and dialogs: the sans-serif at the pixel sizes they
// were laid out for, the data fields' background, and placing controls and dialogs.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

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

}  // namespace orvan::platform
