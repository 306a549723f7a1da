#include "platform/dialog_face.h"

#include <QEvent>
#include <QScreen>

#include "platform/desktop_look.h"

namespace orvan::platform {

namespace {

// Watches the dialog's show events; a child of the dialog, it goes with it.
class DialogFaceKeeper : public QObject {
  public:
    DialogFaceKeeper(QWidget* dialog, DialogFace face)
        : QObject(dialog), dialog_(dialog), face_(std::move(face)) {
        dialog->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == dialog_ && event->type() == QEvent::Show) shown();
        return QObject::eventFilter(watched, event);
    }

  private:
    void shown() {
        const bool first = !shownBefore_;
        shownBefore_ = true;
        if (first || face_.placeEveryShow) place();
        if (first && face_.firstShow) face_.firstShow();
        if (face_.focus) face_.focus->setFocus();
    }

    void place() {
        if (face_.placing == DialogFace::Placing::OverOwner) {
            CentreOver(dialog_, dialog_->parentWidget());
        } else if (const QScreen* screen = dialog_->screen()) {
            QRect frame = dialog_->frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            dialog_->move(frame.topLeft());
        }
    }

    QWidget* dialog_;
    DialogFace face_;
    bool shownBefore_ = false;
};

}  // namespace

void GiveDialogFace(QWidget* dialog, DialogFace face) {
    new DialogFaceKeeper(dialog, std::move(face));
}

}  // namespace orvan::platform
