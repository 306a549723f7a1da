#include "lookup/full_text_question_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/desktop_look.h"
#include "platform/dialog_face.h"
#include "resources/stored_pictures.h"

namespace orvan::lookup {

namespace {

constexpr int kTextWidth = 250;

}  // namespace

FullTextQuestionDialog::FullTextQuestionDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      messageText_(new QLabel(this)),
      yesButton_(new QPushButton(tr("Ναι"), this)),
      noButton_(new QPushButton(tr("Όχι"), this)) {
    setObjectName("FullTextQuestionDialog");
    setWindowTitle(tr("Αναζήτηση στις Περιγραφές"));

    auto* picture = new QLabel(this);
    picture->setObjectName("messageImage");
    platform::ShowStoredPicture(picture, assets::IconPath("fulltext-question"));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    messageText_->setObjectName("messageText");
    messageText_->setAlignment(Qt::AlignCenter);
    messageText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    messageText_->setMinimumWidth(kTextWidth);
    messageText_->setText(
        tr("Η αναζήτηση στις περιγραφές του \n"
           "Λεξικού ίσως πάρει μερικά λεπτά \n"
           "για να ολοκληρωθεί.\n"
           "\n"
           "Να ξεκινήσει η αναζήτηση;"));

    yesButton_->setObjectName("yesButton");
    noButton_->setObjectName("noButton");
    yesButton_->setAutoDefault(false);
    noButton_->setDefault(true);
    connect(yesButton_, &QPushButton::clicked, this, [this] { done(kYes); });
    connect(noButton_, &QPushButton::clicked, this, [this] { done(kNo); });

    auto* message = new QHBoxLayout;
    message->addWidget(picture);
    message->addWidget(messageText_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yesButton_);
    buttons->addWidget(noButton_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(message);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Centred on the window it asks for at every show, with the focus on "No".
    platform::DialogFace face;
    face.placeEveryShow = true;
    face.focus = noButton_;
    platform::GiveDialogFace(this, std::move(face));
}

void FullTextQuestionDialog::reject() {
    done(kNo);
}

}  // namespace orvan::lookup
