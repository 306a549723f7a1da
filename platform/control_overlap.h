// Whether the controls of a window laid out by hand keep clear of each other: the window's
// smallest size is the one at which they still do.
#pragma once

#include <QRect>
#include <utility>
#include <vector>

class QWidget;

namespace orvan::platform {

/// \brief Where `control` shows something, in its parent's coordinates: a label's text or
/// picture as its alignment places it (a label may stand wider than what it shows), the whole
/// of any other control.
QRect ShownRect(const QWidget* control);

/// Two controls that cover each other.
using Overlap = std::pair<const QWidget*, const QWidget*>;

/// \brief Every two of `window`'s own controls (its child widgets that are not hidden and are
/// not windows, `backdrops` aside) whose shown rectangles share a pixel, each pair in the order
/// the window holds them; none when every control keeps clear of the others.
std::vector<Overlap> Overlaps(const QWidget* window,
                              const std::vector<const QWidget*>& backdrops = {});

}  // namespace orvan::platform
