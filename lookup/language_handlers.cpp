// The window's language: which headwords the list shows, which keyboard layout is active, and
// the flag that shows and switches it.
#include <QFileInfo>
#include <QIcon>
#include <QLineEdit>
#include <QToolButton>

#include "lexicon/search_keys.h"
#include "lookup/main_window.h"
#include "richtext/code_pages.h"

namespace orvan::lookup {

void TMainLex::FindKeyboardLayouts() {
    const std::vector<std::string> names = layouts_->names();
    if (names.empty()) return;
    languageLayouts_ = platform::ChooseLanguageLayouts(names);
}

void TMainLex::ActivateInputLayout() {
    layouts_->activate(greekMode_ ? languageLayouts_.greek : languageLayouts_.english);
}

void TMainLex::SetInputLanguage(bool greek) {
    if (greek != greekMode_) {
        greekMode_ = greek;
        // A missing flag leaves the button's picture as it was.
        const QString flag = ContentPath(greek ? "flaggr.bmp" : "flagen.bmp");
        if (QFileInfo::exists(flag)) {
            const QPixmap picture(flag);
            if (!picture.isNull()) c_.Lang_Button->setIcon(QIcon(picture));
        }
    }
    ActivateInputLayout();
}

void TMainLex::DetectInputLanguage() {
    const QString text = c_.Entry_Text->text();
    if (text.isEmpty()) return;
    SetInputLanguage(StartsWithGreekLetter(richtext::ToGreekCodePage(text.left(1))));
}

void TMainLex::Lang_ButtonClick() {
    SetInputLanguage(!greekMode_);
    c_.Entry_Text->setFocus();
    c_.Entry_Text->clear();
}

}  // namespace orvan::lookup
