#include "setup/confirm_uninstall_form.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

#include "platform/desktop_look.h"
#include "resources/stored_pictures.h"

namespace orvan::setup {

TConfirmUninstallForm::TConfirmUninstallForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      Setup_Image(new QLabel(this)),
      Yes_Button(new QPushButton(QString::fromUtf8("Ναι"), this)),
      No_Button(new QPushButton(QString::fromUtf8("Όχι"), this)),
      Question_Text(new QPlainTextEdit(this)) {
    setObjectName("TConfirmUninstallForm");
    setWindowTitle(QString::fromUtf8("Απεγκατάσταση Λεξικού"));
    setFixedSize(323, 141);
    setFont(platform::SansFont(11));
    QPalette black = palette();
    black.setColor(QPalette::WindowText, Qt::black);
    black.setColor(QPalette::Text, Qt::black);
    setPalette(black);

    const auto place = platform::Place;
    place(Setup_Image, "Setup_Image", {16, 12, 45, 45});
    platform::ShowStoredPicture(Setup_Image, assets::IconPath("installation"), "setup");
    Setup_Image->setAlignment(Qt::AlignCenter);
    place(Yes_Button, "Yes_Button", {52, 104, 101, 25});
    Yes_Button->setIcon(style()->standardIcon(QStyle::SP_DialogYesButton));
    Yes_Button->setDefault(true);
    place(No_Button, "No_Button", {180, 104, 101, 25});
    No_Button->setIcon(style()->standardIcon(QStyle::SP_DialogNoButton));
    No_Button->setAutoDefault(false);
    place(Question_Text, "Question_Text", {72, 16, 241, 81});
    Question_Text->setReadOnly(true);
    Question_Text->setFrameShape(QFrame::NoFrame);
    Question_Text->setFocusPolicy(Qt::NoFocus);
    Question_Text->setFont(platform::SansFont(11, true));
    Question_Text->setStyleSheet("QPlainTextEdit { background: transparent; }");
    Question_Text->setPlainText(
        QString::fromUtf8("Πρόκειται να απεγκατασταθεί \n"
                          "το Orvan\n"
                          "από το σκληρό σας δίσκο. \n"
                          "\n"
                          "Να συνεχιστεί η διαδικασία;"));
    // Yes is OK, No and Escape are Cancel.
    connect(Yes_Button, &QPushButton::clicked, this, &QDialog::accept);
    connect(No_Button, &QPushButton::clicked, this, &QDialog::reject);
}

void TConfirmUninstallForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    platform::CentreOver(this, parentWidget());
    Yes_Button->setFocus();
}

}  // namespace orvan::setup
