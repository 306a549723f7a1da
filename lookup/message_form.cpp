#include "lookup/message_form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "lookup/window_face.h"
#include "platform/desktop_look.h"
#include "resources/stored_pictures.h"

namespace orvan::lookup {

namespace {

constexpr int kTextWidth = 250;

}  // namespace

TMessageForm::TMessageForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      Message_Text(new QLabel(this)),
      Yes_Button(new QPushButton(Caption("Ναι"), this)),
      No_Button(new QPushButton(Caption("Όχι"), this)) {
    setObjectName("TMessageForm");
    setWindowTitle(Caption("Αναζήτηση στις Περιγραφές"));

    auto* picture = new QLabel(this);
    picture->setObjectName("Message_Image");
    platform::ShowStoredPicture(picture, assets::IconPath("fulltext-question"));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    Message_Text->setObjectName("Message_Text");
    Message_Text->setAlignment(Qt::AlignCenter);
    Message_Text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Message_Text->setMinimumWidth(kTextWidth);
    Message_Text->setText(
        Caption("Η αναζήτηση στις περιγραφές του \n"
                "Λεξικού ίσως πάρει μερικά λεπτά \n"
                "για να ολοκληρωθεί.\n"
                "\n"
                "Να ξεκινήσει η αναζήτηση;"));

    Yes_Button->setObjectName("Yes_Button");
    No_Button->setObjectName("No_Button");
    Yes_Button->setAutoDefault(false);
    No_Button->setDefault(true);
    connect(Yes_Button, &QPushButton::clicked, this, [this] { done(kYes); });
    connect(No_Button, &QPushButton::clicked, this, [this] { done(kNo); });

    auto* message = new QHBoxLayout;
    message->addWidget(picture);
    message->addWidget(Message_Text);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Yes_Button);
    buttons->addWidget(No_Button);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(message);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TMessageForm::reject() {
    done(kNo);
}

void TMessageForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Centred on the window it asks for.
    if (const QWidget* owner = parentWidget()) {
        QRect frame = frameGeometry();
        frame.moveCenter(owner->frameGeometry().center());
        move(frame.topLeft());
    }
    No_Button->setFocus();
}

}  // namespace orvan::lookup
