// The entry list: searching by the search field, the personal-entries button, the criteria
// dialog and the whole-lexicon view.
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "lookup/entries_list.h"
#include "lookup/main_window.h"
#include "lookup/search_form.h"
#include "platform/busy_cursor.h"
#include "richtext/code_pages.h"

namespace orvan::lookup {

std::string TMainLex::FieldCode() const {
    return FieldFilterCode(FieldList(), c_.ShortCuts_Combo->currentIndex());
}

void TMainLex::FillList(SearchMode mode, long long number, bool personalOnly) {
    platform::BusyCursor busy;
    if (mode == SearchMode::Specific) {
        state_.fill(richtext::ToGreekSearchText(c_.Entry_Text->text()), mode, personalOnly,
                    FieldCode(), number);
    } else {
        state_.fill(richtext::Utf16Of(c_.Entry_Text->text()), mode, personalOnly, FieldCode());
    }
    Render();
}

void TMainLex::Fill_List_ButtonClick() {
    platform::BusyCursor busy;
    state_.search(richtext::Utf16Of(c_.Entry_Text->text()), false, FieldCode());
    Render();
}

void TMainLex::CustomEntries_ButtonClick() {
    platform::BusyCursor busy;
    state_.search(richtext::Utf16Of(c_.Entry_Text->text()), true, FieldCode());
    Render();
}

void TMainLex::Search_ButtonClick() {
    TSearchForm dialog(this);
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    activateWindow();
    if (confirmed) {
        platform::BusyCursor busy;
        state_.searchByCriteria(dialog.criteria(), FieldCode(), dialog.typedCriterion());
        Render();
    }
    c_.Entry_Text->setFocus();
}

void TMainLex::WholeLex_ButtonClick() {
    c_.Fill_List_Button->setFocus();
    platform::BusyCursor busy;
    state_.listWholeLexicon();
    Render();
}

bool TMainLex::Entry_TextKeyDown(int key) {
    if (key != Qt::Key_Down || !state_.chooseFirst()) return false;
    Render();
    return true;
}

}  // namespace orvan::lookup
