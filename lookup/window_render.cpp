// Drawing the lookup state: the search field, the language, the list and the entry pane, each
// only when it changed since it was last drawn.
#include <QLabel>
#include <QLineEdit>

#include "lookup/entries_list.h"
#include "lookup/main_window.h"
#include "richtext/code_pages.h"

namespace orvan::lookup {

void TMainLex::Render() {
    const LookupState::Revisions now = state_.revisions();
    const LookupState::Revisions drawn = drawn_;
    drawn_ = now;
    if (now.language != drawn.language) ShowInputLanguage(state_.greekMode());
    if (now.entryText != drawn.entryText) {
        const QString text = richtext::ToQString(state_.fieldText());
        // What the user typed stays as it is, with the cursor where they left it.
        if (c_.Entry_Text->text() != text) c_.Entry_Text->setText(text);
    }
    if (now.list != drawn.list) DrawList();
    if (now.list != drawn.list || now.entryText != drawn.entryText) {
        c_.ListStatus_Label->setText(QString::fromStdString(state_.listStatus()));
    }
    if (now.shown != drawn.shown) {
        DrawShownEntry();
        c_.Entries_List->selectRow(state_.selectedRow());
        // An entry shown by the program (the history, the Down key, a saved entry) is chosen
        // in the list, which takes the keys from there on.
        if (state_.selectedRow() >= 0) c_.Entries_List->setFocus();
    } else if (now.tables != drawn.tables) {
        RefreshShownEntry();
    }
}

void TMainLex::DrawList() {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(state_.list().size()));
    for (const ListedEntry& item : state_.list())
        texts.append(richtext::FromGreekCodePage(item.text));
    c_.Entries_List->setItems(std::move(texts));
    c_.Entries_List->selectRow(state_.selectedRow());
}

}  // namespace orvan::lookup
