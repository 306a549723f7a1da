#include "setup/uninstall_question_dialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

#include "platform/desktop_look.h"
#include "platform/dialog_face.h"
#include "platform/edge_layout.h"
#include "resources/stored_pictures.h"

namespace orvan::setup {

UninstallQuestionDialog::UninstallQuestionDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      setupImage_(new QLabel(this)),
      yesButton_(new QPushButton(tr("Ναι"), this)),
      noButton_(new QPushButton(tr("Όχι"), this)),
      questionText_(new QPlainTextEdit(this)) {
    setObjectName("UninstallQuestionDialog");
    setWindowTitle(tr("Απεγκατάσταση Λεξικού"));
    const QSize defaultSize(323, 141);
    setFixedSize(defaultSize);
    setFont(platform::SansFont(11));
    // The question in black, lightened to read on a dark desktop's window colour.
    QPalette black = palette();
    const QColor text = platform::ReadableColour(Qt::black, black.color(QPalette::Window));
    black.setColor(QPalette::WindowText, text);
    black.setColor(QPalette::Text, text);
    setPalette(black);

    auto* places = new platform::EdgeLayout(this, defaultSize, defaultSize);
    places->addPlaced(setupImage_, "setupImage", {16, 12, 45, 45});
    platform::ShowStoredPicture(setupImage_, assets::IconPath("installation"), "setup");
    setupImage_->setAlignment(Qt::AlignCenter);
    places->addPlaced(yesButton_, "yesButton", {52, 104, 101, 25});
    yesButton_->setIcon(style()->standardIcon(QStyle::SP_DialogYesButton));
    yesButton_->setDefault(true);
    places->addPlaced(noButton_, "noButton", {180, 104, 101, 25});
    noButton_->setIcon(style()->standardIcon(QStyle::SP_DialogNoButton));
    noButton_->setAutoDefault(false);
    places->addPlaced(questionText_, "questionText", {72, 16, 241, 81});
    questionText_->setReadOnly(true);
    questionText_->setFrameShape(QFrame::NoFrame);
    questionText_->setFocusPolicy(Qt::NoFocus);
    questionText_->setFont(platform::SansFont(11, true));
    questionText_->setStyleSheet("QPlainTextEdit { background: transparent; }");
    questionText_->setPlainText(
        tr("Πρόκειται να απεγκατασταθεί \n"
           "το Orvan\n"
           "από το σκληρό σας δίσκο. \n"
           "\n"
           "Να συνεχιστεί η διαδικασία;"));
    // Yes is OK, No and Escape are Cancel.
    connect(yesButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(noButton_, &QPushButton::clicked, this, &QDialog::reject);
    platform::DialogFace face;
    face.placeEveryShow = true;
    face.focus = yesButton_;
    platform::GiveDialogFace(this, std::move(face));
}

}  // namespace orvan::setup
