// The entry list: searching by the search field, the personal-entries button, the criteria
// dialog and the whole-lexicon view.
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStringListModel>
#include <QTimer>
#include <QToolButton>

#include "lookup/criteria_search_dialog.h"
#include "lookup/entries_list.h"
#include "lookup/lookup_window.h"
#include "platform/busy_cursor.h"
#include "platform/interface_language.h"
#include "richtext/screen_text.h"

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
    const QString text = c_.searchField->text();
    state_.search(richtext::Utf16Of(text), false, fieldFilter());
    rememberSearch(text);
    render();
}

void LookupWindow::lookUp(const QString& words) {
    c_.searchField->setText(words);
    onFillListClicked();
    if (state_.chooseFirst()) render();
}

void LookupWindow::offerRecentSearches() {
    recentSearches_ = new QStringListModel(windowSettings_.recentSearches(), this);
    auto* completer = new QCompleter(recentSearches_, this);
    completer->setObjectName("recentSearchesCompleter");
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setMaxVisibleItems(12);
    c_.searchField->setCompleter(completer);
    // Seen before the completer's own handling: Enter with no offered search chosen.
    recentPopup_ = completer->popup();
    recentPopup_->installEventFilter(this);
    // Chosen by the mouse or by Enter on the drop-down list, the text is searched at once.
    connect(completer, qOverload<const QString&>(&QCompleter::activated), this,
            &LookupWindow::onRecentSearchChosen);
}

void LookupWindow::rememberSearch(const QString& text) {
    const QStringList recent = WithRecentSearch(recentSearches_->stringList(), text);
    if (recent == recentSearches_->stringList()) return;
    recentSearches_->setStringList(recent);
    // Offered for the rest of this run even when the file cannot keep it.
    windowSettings_.setRecentSearches(recent);
}

void LookupWindow::onRecentSearchChosen(const QString& text) {
    c_.searchField->setText(text);
    onFillListClicked();
}

void LookupWindow::onOwnEntriesClicked() {
    platform::BusyCursor busy;
    state_.search(richtext::Utf16Of(c_.searchField->text()), true, fieldFilter());
    render();
}

void LookupWindow::onCriteriaSearchClicked() {
    CriteriaSearchDialog dialog(this);
    for (QLineEdit* field : dialog.findChildren<QLineEdit*>())
        typeGreekIn(field);
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
    // The headwords nearest to a word that finds nothing are looked for once the typing pauses.
    suggestionTimer_->start();
}

void LookupWindow::setSuggestionDelay(int milliseconds) {
    suggestionTimer_->setInterval(milliseconds);
}

void LookupWindow::onTypingPaused() {
    state_.suggestForTyped(fieldFilter());
    render();
}

void LookupWindow::onSuggestionClicked(const QString& link) {
    bool number = false;
    const int index = link.toInt(&number);
    if (!number || index < 0) return;
    platform::BusyCursor busy;
    state_.searchSuggestion(static_cast<std::size_t>(index), fieldFilter());
    render();
    // A suggestion taken is a search of the user's, as if typed.
    rememberSearch(richtext::ToQString(state_.fieldText()));
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

bool LookupWindow::onRecentSearchesKey(int key) {
    // Enter on an offered search is the completer's (it puts it in the field and the choice
    // is searched); Enter with none chosen searches what was typed, as it does without the
    // drop-down, which the completer alone would only close.
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    if (recentPopup_->currentIndex().isValid()) return false;
    recentPopup_->hide();
    c_.fillListButton->click();
    return true;
}

bool LookupWindow::onSearchFieldKey(int key) {
    if (key != Qt::Key_Down || !state_.chooseFirst()) return false;
    render();
    return true;
}

}  // namespace orvan::lookup
