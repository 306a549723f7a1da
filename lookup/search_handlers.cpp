// The entry list: searching by the search field, the personal-entries button, the criteria
// dialog and the whole-lexicon view.
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "lookup/busy_cursor.h"
#include "lookup/entries_list.h"
#include "lookup/main_window.h"
#include "lookup/search_form.h"
#include "richtext/code_pages.h"
#include "richtext/rich_text_view.h"

namespace orvan::lookup {

void TMainLex::FillList(const std::string& mode, int slot, bool personalOnly) {
    BusyCursor busy;
    FillRequest request;
    request.mode = mode;
    request.slot = slot;
    request.personalOnly = personalOnly;
    request.fieldCode = FieldFilterCode(FieldList(), c_.ShortCuts_Combo->currentIndex());
    request.criteria = criteria_;
    const FillResult result =
        orvan::FillList(tables_.entries, tables_.greek,
                        richtext::ToGreekCodePage(c_.Entry_Text->text()), greekMode_, request);

    c_.Entry_Text->setText(richtext::FromGreekCodePage(result.entryText));
    if (result.language) SetInputLanguage(*result.language);
    ClearEntryDisplay();
    ShowList(result.items);
    if (result.showFirst && !result.items.empty()) SelectAndShow(0);
}

void TMainLex::ShowList(const std::vector<ListItem>& items) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(items.size()));
    listSlots_.clear();
    listSlots_.reserve(items.size());
    for (const ListItem& item : items) {
        texts.append(richtext::FromGreekCodePage(item.text));
        listSlots_.push_back(item.slot);
    }
    c_.Entries_List->setItems(std::move(texts));
}

void TMainLex::SelectAndShow(int row) {
    c_.Entries_List->setFocus();
    c_.Entries_List->selectRow(row);
    Entries_ListClick();
}

void TMainLex::Fill_List_ButtonClick() {
    history_.clearForward();
    FillList(searchMode_, 0, false);
}

void TMainLex::CustomEntries_ButtonClick() {
    history_.clearForward();
    FillList(searchMode_, 0, true);
}

void TMainLex::Search_ButtonClick() {
    TSearchForm dialog(this);
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    activateWindow();
    if (confirmed) {
        BusyCursor busy;
        criteria_ = dialog.criteria();
        history_.clearForward();
        const CriteriaDispatch dispatch = DispatchSearchCriteria(criteria_);
        if (dispatch.fill) {
            c_.Entry_Text->setText(richtext::FromGreekCodePage(dispatch.entryText));
            FillList(dispatch.mode, 0, false);
        }
    }
    c_.Entry_Text->setFocus();
}

void TMainLex::WholeLex_ButtonClick() {
    c_.Fill_List_Button->setFocus();
    c_.Entries_List->clear();
    listSlots_.clear();
    c_.Entry_Text->clear();
    c_.Description_Text->clear();
    BusyCursor busy;
    ShowList(WholeLexiconItems(tables_.entries));
}

bool TMainLex::Entry_TextKeyDown(int key) {
    if (key != Qt::Key_Down || c_.Entries_List->count() == 0) return false;
    SelectAndShow(0);
    return true;
}

}  // namespace orvan::lookup
