// The start screen, opened at start-up and from the partner's and the publisher's logos.
#include <QCoreApplication>
#include <QDir>

#include "lookup/main_window.h"

namespace orvan::lookup {

void TMainLex::OpenStartScreen(setup::Presentation presentation, int calderPage) {
    setup::StartScreenContext context{startFolder_, settingsPath_, showStartScreen_,
                                      personalFolder_, false};
    {
        setup::TEntryForm form(context, presentation, calderPage, this);
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

void TMainLex::CalderImageClick() {
    OpenStartScreen(setup::Presentation::Partner, setup::kCompanyPage);
}

void TMainLex::VelImageClick() {
    OpenStartScreen(setup::Presentation::Partner, setup::kDivisionPage);
}

void TMainLex::Korvath_LabelClick() {
    OpenStartScreen(setup::Presentation::Publisher, 0);
}

}  // namespace orvan::lookup
