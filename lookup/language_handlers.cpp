// The window's language: which headwords the list shows, which keyboard layout is active, and
// the flag that shows and switches it.
#include <QFileInfo>
#include <QIcon>
#include <QLineEdit>
#include <QToolButton>

#include "lookup/lookup_window.h"

namespace orvan::lookup {

void LookupWindow::findKeyboardLayouts() {
    const std::vector<std::string> names = layouts_->names();
    if (names.empty()) return;
    languageLayouts_ = platform::ChooseLanguageLayouts(names);
}

void LookupWindow::activateInputLayout() {
    layouts_->activate(state_.greekMode() ? languageLayouts_.greek : languageLayouts_.english);
}

void LookupWindow::setInputLanguage(bool greek) {
    state_.setInputLanguage(greek);
    render();
}

void LookupWindow::showInputLanguage(bool greek) {
    if (flagGreek_ != greek) {
        // A missing flag leaves the button's picture as it was.
        const QString flag = contentPath(greek ? "flaggr.bmp" : "flagen.bmp");
        if (flagGreek_.has_value() && QFileInfo::exists(flag)) {
            const QPixmap picture(flag);
            if (!picture.isNull()) c_.languageButton->setIcon(QIcon(picture));
        }
        flagGreek_ = greek;
    }
    activateInputLayout();
}

void LookupWindow::onLanguageClicked() {
    state_.switchInputLanguage();
    render();
    c_.searchField->setFocus();
}

}  // namespace orvan::lookup
