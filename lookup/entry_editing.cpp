#include "lookup/entry_editing.h"

#include <QMessageBox>
#include <QWidget>

#include "lexicon/entry_display.h"
#include "personal/entry_editor_dialog.h"
#include "personal/store_messages.h"
#include "personal/stored_entry.h"
#include "platform/busy_cursor.h"
#include "platform/interface_language.h"
#include "richtext/screen_text.h"

namespace orvan::lookup {

namespace {

// The plain text as the editor takes it: without leading blanks and control characters.
QString WithoutLeadingBlanks(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && text.at(start).unicode() <= 32)
        ++start;
    return text.mid(start);
}

}  // namespace

QStringList EntryEditing::fieldItems() const {
    QStringList items;
    for (const std::string& item : host_.lookupState().lexicon().fieldList().listItems()) {
        items.append(richtext::FromGreekCodePage(item));
    }
    return items;
}

personal::StoreContext EntryEditing::storeContext() const {
    const LoadedLexicon& lexicon = host_.lookupState().lexicon();
    return {host_.lexiconFiles(), lexicon.tables, lexicon.fieldTable(), host_.personalFiles()};
}

bool EntryEditing::report(const personal::StoreResult& result) {
    const QString message = platform::Translated(personal::StoreMessageText(result.status));
    if (message.isEmpty()) return result.done();
    QMessageBox box(QMessageBox::Warning, "Orvan", message, QMessageBox::Ok, parent_);
    box.setDetailedText(platform::Translated(personal::StoreDetailsText(result)));
    box.exec();
    return false;
}

personal::EntryCheck EntryEditing::check(std::optional<personal::EntryRef> target) const {
    // Against the tables as they are when the user confirms.
    return [this, target](const personal::PendingEntry& entry) {
        return personal::CheckEntry(host_.lookupState().tables(), target, entry);
    };
}

personal::EntryCheck EntryEditing::saveAsNew() const {
    return [this](const personal::PendingEntry& entry) {
        return personal::InsertPersonalEntry(storeContext(), entry);
    };
}

bool EntryEditing::folderWritable() {
    const std::string folder = personal::StoreFolder(host_.personalFiles());
    if (personal::FolderWritable(folder)) return true;
    // Said before the editor opens, so that nothing is typed in vain.
    personal::StoreResult readOnly{personal::StoreStatus::ReadOnly, folder + " is read-only"};
    readOnly.folder = folder;
    report(readOnly);
    return false;
}

void EntryEditing::showResult(const personal::StoreResult& result,
                              std::optional<Renumbering> renumbered) {
    platform::BusyCursor busy;
    // Read again whatever happened: a refused change may have found the files changed by
    // another program.
    host_.reloadTables(result.done() ? renumbered : std::nullopt);
    if (result.done() && result.entryNumber != 0) host_.showSaved(result.entryNumber);
}

void EntryEditing::insertEntry() {
    if (!host_.tablesWhole() || !host_.checkPersonalFolder() || !folderWritable()) return;
    const Hold hold(host_);
    personal::EntryEditorDialog editor(personal::EntryEditMode::Insert, EntryKind::Personal,
                                       fieldItems(), {}, {check(std::nullopt), saveAsNew(), {}},
                                       parent_);
    host_.typeGreekIn(editor.findChild<QWidget*>(QStringLiteral("greekField")));
    const bool saved = editor.exec() == QDialog::Accepted;
    parent_->activateWindow();
    if (saved) showResult(editor.result());
}

void EntryEditing::modifyEntry(int row) {
    const LookupState& state = host_.lookupState();
    if (state.slotOfRow(row) == 0) return;
    // The entry is held by its number: slots move whenever the tables are read again.
    const long long number = state.list()[static_cast<std::size_t>(row)].number;
    if (!host_.checkPersonalFolder() || !folderWritable()) return;
    const Hold hold(host_);
    // The editor starts from the entry as the files hold it now, whatever the list, the pane or
    // the language show of it.
    host_.catchUpWithPersonalFiles();
    if (!host_.tablesWhole()) return;
    const LoadedLexicon& lexicon = state.lexicon();
    const std::optional<personal::StoredEntry> stored = personal::StoredEntryOf(
        lexicon.tables, lexicon.notes, lexicon.fieldTable(), host_.personalFiles(), number);
    if (!stored) {
        report({personal::StoreStatus::EntryChanged, {}, number});
        return;
    }
    personal::PendingEntry entry = stored->entry;
    if (stored->otherRtf) {
        // Written by another program in a shape of its own: as the pane shows it.
        entry.description = personal::DescriptionFromEditor(WithoutLeadingBlanks(
            richtext::ExtractPlainText(richtext::RtfPrologue(lexicon.rtfHeader + "\r\n"),
                                       DescriptionBody(*stored->otherRtf, std::nullopt) + "\r\n")));
    }
    const personal::EntryRef target = stored->ref;
    personal::EditorActions actions{
        check(target),
        [this, target, entry](const personal::PendingEntry& edited) {
            // Nothing changed: nothing is written, and nothing is recorded.
            if (personal::SameEntry(edited, entry)) {
                return personal::StoreResult{personal::StoreStatus::NothingToDo, {}};
            }
            return personal::UpdatePersonalEntry(storeContext(), target, edited);
        },
        saveAsNew()};
    personal::EntryEditorDialog editor(personal::EntryEditMode::Update, target.kind, fieldItems(),
                                       entry, std::move(actions), parent_);
    host_.typeGreekIn(editor.findChild<QWidget*>(QStringLiteral("greekField")));
    const bool closed = editor.exec() == QDialog::Accepted;
    parent_->activateWindow();
    if (!closed || editor.result().status == personal::StoreStatus::NothingToDo) return;
    // A text saved as a new entry leaves the old one's items where they are.
    showResult(editor.result(),
               editor.savedAsNew()
                   ? std::nullopt
                   : std::optional(Renumbering{target.number, editor.result().entryNumber}));
}

void EntryEditing::deleteEntry(int row) {
    const LookupState& state = host_.lookupState();
    const int slot = state.slotOfRow(row);
    if (slot == 0) return;
    const Hold hold(host_);
    // A lexicon entry's note goes; the entry stays, shown again without it. The user's own
    // entry goes from the list and the history; the others keep their items.
    const bool note = state.tables().entries[slot].kind == EntryKind::Annotated;
    const long long number = state.list()[static_cast<std::size_t>(row)].number;
    const QString question =
        note ? tr("Να διαγραφεί η συμπλήρωσή σας;") : tr("Να διαγραφεί το Λήμμα;");
    // "No" is the answer of Enter and Escape: a key meant for something else deletes nothing.
    if (QMessageBox::question(parent_, tr("Επιβεβαίωση Διαγραφής"), question,
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    if (!host_.tablesWhole() || !host_.checkPersonalFolder()) return;
    personal::StoreResult result;
    {
        platform::BusyCursor busy;
        result = note ? personal::DeleteSupplement(storeContext(), number)
                      : personal::DeletePersonalEntry(storeContext(), number);
        host_.reloadTables(std::nullopt);
    }
    report(result);
}

}  // namespace orvan::lookup
