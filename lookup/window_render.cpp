// Drawing the lookup state: the search field, the language, the list and the entry pane, each
// only when it changed since it was last drawn.
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

#include "lookup/entries_list.h"
#include "lookup/lookup_window.h"
#include "lookup/row_notes.h"
#include "richtext/screen_text.h"

namespace orvan::lookup {

QString LookupWindow::listStatusText(const ListStatus& status) const {
    switch (status.kind) {
        case ListStatus::Kind::None:
            return {};
        case ListStatus::Kind::Unsearchable:
            return tr("Κανένα λήμμα δεν έχει τους χαρακτήρες: %1")
                .arg(QString::fromStdString(status.unsearchable));
        case ListStatus::Kind::Found:
            break;
    }
    if (status.count == 0) {
        const QString none = tr("Δεν βρέθηκαν λήμματα");
        if (status.suggestions.empty()) return none;
        // Each suggestion a link to its place in the status, which searches it when clicked.
        QStringList links;
        for (std::size_t i = 0; i < status.suggestions.size(); ++i) {
            links << QStringLiteral("<a href=\"%1\">%2</a>")
                         .arg(i)
                         .arg(richtext::FromGreekCodePage(status.suggestions[i].text)
                                  .toHtmlEscaped());
        }
        return none.toHtmlEscaped() + QStringLiteral(". ") +
               tr("Μήπως εννοείτε: %1").arg(links.join(QStringLiteral(", ")));
    }
    if (status.count == 1) return tr("1 λήμμα");
    return tr("%1 λήμματα").arg(status.count);
}

void LookupWindow::render() {
    const LookupState::Revisions now = state_.revisions();
    const LookupState::Revisions drawn = drawn_;
    drawn_ = now;
    // The arrows and their lists are off while there is nothing to go to.
    const bool anyBack = !state_.history().backItems().empty();
    const bool anyForward = !state_.history().forwardItems().empty();
    c_.backButton->setEnabled(anyBack);
    c_.backMenuButton->setEnabled(anyBack);
    c_.forwardButton->setEnabled(anyForward);
    c_.forwardMenuButton->setEnabled(anyForward);
    if (now.language != drawn.language) showInputLanguage(state_.greekMode());
    if (now.entryText != drawn.entryText) {
        const QString text = richtext::ToQString(state_.fieldText());
        // What the user typed stays as it is, with the cursor where they left it.
        if (c_.searchField->text() != text) c_.searchField->setText(text);
    }
    if (now.list != drawn.list) drawList();
    if (now.list != drawn.list || now.entryText != drawn.entryText || now.status != drawn.status) {
        const ListStatus status = state_.listStatus();
        const QString text = listStatusText(status);
        c_.listStatusLabel->setTextFormat(status.suggestions.empty() ? Qt::PlainText
                                                                     : Qt::RichText);
        c_.listStatusLabel->setText(text);
        // The whole line, for when it is wider than the room under the list.
        c_.listStatusLabel->setToolTip(status.suggestions.empty() ? QString() : text);
    }
    if (now.shown != drawn.shown) {
        drawShownEntry();
        c_.entriesList->selectRow(state_.selectedRow());
        // An entry shown by the program (the history, the Down key, a saved entry) is chosen
        // in the list, which takes the keys from there on.
        if (state_.selectedRow() >= 0) c_.entriesList->setFocus();
    } else if (now.tables != drawn.tables) {
        refreshShownEntry();
    }
}

void LookupWindow::drawList() {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(state_.list().size()));
    for (const ListedEntry& item : state_.list())
        texts.append(richtext::FromGreekCodePage(item.text));
    // Most lists repeat no row: they then go without notes, which keeps a keystroke's refill of
    // a long list quick.
    const std::vector<std::string> rowNotes = RowNotes(state_);
    QStringList notes;
    if (std::any_of(rowNotes.begin(), rowNotes.end(),
                    [](const std::string& note) { return !note.empty(); })) {
        notes.reserve(texts.size());
        for (const std::string& note : rowNotes)
            notes.append(richtext::FromGreekCodePage(note));
    }
    c_.entriesList->setItems(std::move(texts), std::move(notes));
    c_.entriesList->selectRow(state_.selectedRow());
}

}  // namespace orvan::lookup
