// What a dialog does each time it shows, in one place: where it stands (centred over its owner's
// window, or on its screen), the work of its first show, and the control that takes the focus.
// A dialog gives itself its face once, in its constructor, and overrides no showEvent:
//
//     platform::DialogFace face;
//     face.firstShow = [this] { onFirstShow(); };
//     face.focus = okButton_;
//     platform::GiveDialogFace(this, std::move(face));
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

namespace orvan::platform {

struct DialogFace {
    /// Where the dialog stands when it shows.
    enum class Placing {
        OverOwner,     // centred over its owner's window (stays where it is without an owner)
        ScreenCentre,  // centred on the screen it shows on
    };
    Placing placing = Placing::OverOwner;
    /// Placed again at every show, not only the first.
    bool placeEveryShow = false;
    /// Runs once, at the first show, after the dialog is placed (it may set the focus itself).
    std::function<void()> firstShow;
    /// Takes the focus at every show, after the first show's work; none when null.
    QPointer<QWidget> focus;
};

/// \brief Gives `dialog` the face `face`: from now on each show of the dialog places it, runs the
/// first show's work once and focuses the control, in that order.
void GiveDialogFace(QWidget* dialog, DialogFace face);

}  // namespace orvan::platform
