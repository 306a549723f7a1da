// The window's small commands: copying from the field last worked in, pasting into the search
// field, keeping the window on top, the help document and leaving the program.
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include "lookup/dummy_form.h"
#include "lookup/entries_list.h"
#include "lookup/main_window.h"
#include "richtext/rich_text_view.h"

namespace orvan::lookup {

namespace {

void CopyText(const QString& text) {
    if (!text.isEmpty()) QApplication::clipboard()->setText(text);
}

}  // namespace

TDummyFrm& TMainLex::dummyForm() {
    if (!dummyForm_) dummyForm_ = std::make_unique<TDummyFrm>();
    return *dummyForm_;
}

void TMainLex::TrackFocus(QWidget* entered) {
    if (entered == nullptr) return;
    const std::pair<QWidget*, FocusField> fields[] = {
        {c_.Entry_Text, FocusField::EntryText},
        {c_.Trans_Text, FocusField::TransText},
        {c_.ShortCut_Text, FocusField::ShortCutText},
        {c_.Description_Text, FocusField::DescriptionText},
        {c_.Entries_List, FocusField::EntriesList},
    };
    for (const auto& [widget, field] : fields) {
        if (entered != widget && !widget->isAncestorOf(entered)) continue;
        focusField_ = field;
        if (field == FocusField::EntryText) Entry_TextEnter();
        return;
    }
}

void TMainLex::Entry_TextEnter() {
    // Typing replaces the whole search text. A click that gave the focus would place the caret
    // after this, so the selection is made once the click is through.
    c_.Entry_Text->selectAll();
    QTimer::singleShot(0, c_.Entry_Text, [field = c_.Entry_Text] {
        if (field->hasFocus()) field->selectAll();
    });
}

void TMainLex::Copy_ButtonClick() {
    switch (focusField_) {
        case FocusField::EntryText:
            CopyText(c_.Entry_Text->selectedText());
            break;
        case FocusField::TransText:
            CopyText(c_.Trans_Text->selectedText());
            break;
        case FocusField::ShortCutText:
            CopyText(c_.ShortCut_Text->selectedText());
            break;
        case FocusField::DescriptionText:
            // The view offers its selection as rich text, HTML and plain text.
            if (c_.Description_Text->textCursor().hasSelection()) c_.Description_Text->copy();
            break;
        case FocusField::EntriesList: {
            const int row = c_.Entries_List->selectedRow();
            if (row >= 0) CopyText(c_.Entries_List->itemText(row));
            break;
        }
        case FocusField::None:
            break;
    }
}

void TMainLex::Paste_ButtonClick() {
    c_.Entry_Text->clear();
    c_.Entry_Text->paste();
    c_.Entry_Text->setFocus();
    Entry_TextEnter();
}

void TMainLex::Pin_ButtonClick() {
    const bool onTop = !windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    // Changing a window's flags takes it off the screen; it comes back where it was.
    const QRect place = geometry();
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (visible) {
        setGeometry(place);
        show();
        activateWindow();
    }
    c_.Pin_Button->setChecked(onTop);
}

void TMainLex::Help_ButtonClick() {
    const QString path = ContentPath("OrvanHelp.htm");
    if (QFileInfo(path).isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(path))) return;
    QMessageBox box(QMessageBox::Warning, Caption("Πρόβλημα"),
                    Caption("Το αρχείο βοήθειας δε βρέθηκε"), QMessageBox::Ok, this);
    box.exec();
}

void TMainLex::Exit_ButtonClick() {
    close();
}

}  // namespace orvan::lookup
