// The window's language: which headwords the list shows, which keyboard layout is active, and
// the flag that shows and switches it.
#include <QFileInfo>
#include <QIcon>
#include <QLineEdit>
#include <QToolButton>

#include "lookup/main_window.h"

namespace orvan::lookup {

void TMainLex::FindKeyboardLayouts() {
    const std::vector<std::string> names = layouts_->names();
    if (names.empty()) return;
    languageLayouts_ = platform::ChooseLanguageLayouts(names);
}

void TMainLex::ActivateInputLayout() {
    layouts_->activate(state_.greekMode() ? languageLayouts_.greek : languageLayouts_.english);
}

void TMainLex::SetInputLanguage(bool greek) {
    state_.setInputLanguage(greek);
    Render();
}

void TMainLex::ShowInputLanguage(bool greek) {
    if (flagGreek_ != greek) {
        // A missing flag leaves the button's picture as it was.
        const QString flag = ContentPath(greek ? "flaggr.bmp" : "flagen.bmp");
        if (flagGreek_.has_value() && QFileInfo::exists(flag)) {
            const QPixmap picture(flag);
            if (!picture.isNull()) c_.Lang_Button->setIcon(QIcon(picture));
        }
        flagGreek_ = greek;
    }
    ActivateInputLayout();
}

void TMainLex::Lang_ButtonClick() {
    state_.switchInputLanguage();
    Render();
    c_.Entry_Text->setFocus();
}

}  // namespace orvan::lookup
