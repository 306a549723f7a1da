// The entry list: searching by the search field, the personal-entries button, the criteria
// dialog and the whole-lexicon view.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include "lookup/criteria_search_dialog.h"
#include "lookup/entries_list.h"
#include "lookup/lookup_window.h"
#include "platform/busy_cursor.h"
#include "platform/interface_language.h"
#include "richtext/code_pages.h"

namespace orvan::lookup {

std::string LookupWindow::fieldFilter() const {
    return FieldFilterCode(state_.lexicon().fieldTable(), c_.fieldFilterCombo->currentIndex());
}

void LookupWindow::fillList(SearchMode mode, long long number, bool personalOnly) {
    platform::BusyCursor busy;
    if (mode == SearchMode::Specific) {
        state_.fill(richtext::ToGreekSearchText(c_.searchField->text()), mode, personalOnly,
                    fieldFilter(), number);
    } else {
        state_.fill(richtext::Utf16Of(c_.searchField->text()), mode, personalOnly, fieldFilter());
    }
    render();
}

void LookupWindow::onFillListClicked() {
    platform::BusyCursor busy;
    state_.search(richtext::Utf16Of(c_.searchField->text()), false, fieldFilter());
    render();
}

void LookupWindow::onOwnEntriesClicked() {
    platform::BusyCursor busy;
    state_.search(richtext::Utf16Of(c_.searchField->text()), true, fieldFilter());
    render();
}

void LookupWindow::onCriteriaSearchClicked() {
    CriteriaSearchDialog dialog(this);
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    activateWindow();
    if (confirmed) {
        platform::BusyCursor busy;
        state_.searchByCriteria(dialog.criteria(), fieldFilter(), dialog.typedCriterion());
        render();
    }
    c_.searchField->setFocus();
}

void LookupWindow::onWholeLexiconClicked() {
    c_.fillListButton->setFocus();
    platform::BusyCursor busy;
    state_.listWholeLexicon();
    render();
}

void LookupWindow::onSearchFieldEdited(const QString& text) {
    if (!searchAsYouType_) return;
    state_.followTyping(richtext::Utf16Of(text), fieldFilter());
    render();
}

void LookupWindow::onSuggestionClicked(const QString& link) {
    bool number = false;
    const int index = link.toInt(&number);
    if (!number || index < 0) return;
    platform::BusyCursor busy;
    state_.searchSuggestion(static_cast<std::size_t>(index), fieldFilter());
    render();
}

void LookupWindow::offerPreferences() {
    QMenu* menu = platform::OfferLanguageChoice(c_.helpButton, windowSettings_.path());
    menu->addSeparator();
    QAction* typing = menu->addAction(tr("Αναζήτηση κατά την πληκτρολόγηση"));
    typing->setObjectName("searchAsYouTypeAction");
    typing->setCheckable(true);
    typing->setChecked(searchAsYouType_);
    connect(typing, &QAction::toggled, this, [this](bool on) {
        searchAsYouType_ = on;
        if (!windowSettings_.setSearchAsYouType(on)) {
            warnAside(tr("Η ρύθμιση δεν αποθηκεύτηκε."),
                      QDir::toNativeSeparators(windowSettings_.path()).toStdString());
        }
    });
}

bool LookupWindow::onSearchFieldKey(int key) {
    if (key != Qt::Key_Down || !state_.chooseFirst()) return false;
    render();
    return true;
}

}  // namespace orvan::lookup
