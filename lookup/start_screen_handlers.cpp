// The start screen, opened at start-up and from the partner's and the publisher's logos.
#include <QCoreApplication>
#include <QDir>

#include "lookup/lookup_window.h"

namespace orvan::lookup {

void LookupWindow::openStartScreen(setup::Presentation presentation, int partnerPage) {
    setup::StartScreenContext context{startFolder_, settingsPath_, showStartScreen_,
                                      personalFolder_, false};
    {
        setup::StartScreen form(context, presentation, partnerPage, this);
        form.exec();
    }
    showStartScreen_ = context.showStartScreen;
    // An installation chose the folder of the user's own entries; the next edit takes it up.
    personalFolder_ = context.personalFolder;
    QDir::setCurrent(QString::fromStdString(startFolder_));
    if (context.quitRequested) {
        quitRequested_ = true;
        QCoreApplication::quit();
    }
}

void LookupWindow::onPartnerLogoClicked() {
    openStartScreen(setup::Presentation::Partner, setup::kCompanyPage);
}

void LookupWindow::onPartnerDivisionLogoClicked() {
    openStartScreen(setup::Presentation::Partner, setup::kDivisionPage);
}

void LookupWindow::onPublisherClicked() {
    openStartScreen(setup::Presentation::Publisher, 0);
}

}  // namespace orvan::lookup
