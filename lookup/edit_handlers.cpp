// The three commands that change the user's own entries: insert, modify and delete, through
// the entry editor and the personal store.
#include <QMessageBox>

#include "lexicon/entry_display.h"
#include "lookup/main_window.h"
#include "personal/insert_entry_form.h"
#include "personal/personal_store.h"
#include "personal/store_messages.h"
#include "personal/stored_entry.h"
#include "platform/busy_cursor.h"
#include "richtext/code_pages.h"
#include "richtext/plain_text.h"
#include "richtext/rich_text_view.h"

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

QStringList TMainLex::FieldItems() const {
    QStringList items;
    if (fields_) {
        for (const std::string& item : fields_->ListItems()) {
            items.append(richtext::FromGreekCodePage(item));
        }
    }
    return items;
}

bool TMainLex::ReportStoreResult(const personal::StoreResult& result) {
    const std::string message = personal::StoreMessage(result.status);
    if (message.empty()) return result.done();
    QMessageBox box(QMessageBox::Warning, "Orvan", QString::fromStdString(message), QMessageBox::Ok,
                    this);
    box.setDetailedText(QString::fromStdString(personal::StoreDetails(result)));
    box.exec();
    return false;
}

personal::EntryCheck TMainLex::EditorCheck(std::optional<personal::EntryRef> target) const {
    // Against the tables as they are when the user confirms.
    return [this, target](const personal::PendingEntry& entry) {
        return personal::CheckEntry(state_.tables(), target, entry);
    };
}

bool TMainLex::PersonalFolderWritable() {
    const std::string folder = personal::StoreFolder(personal_);
    if (personal::FolderWritable(folder)) return true;
    // Said before the editor opens, so that nothing is typed in vain.
    personal::StoreResult readOnly{personal::StoreStatus::ReadOnly, folder + " is read-only"};
    readOnly.folder = folder;
    ReportStoreResult(readOnly);
    return false;
}

void TMainLex::ShowStoreResult(const personal::StoreResult& result,
                               std::optional<Renumbering> renumbered) {
    platform::BusyCursor busy;
    // Read again whatever happened: a refused change may have found the files changed by
    // another program.
    ReloadTables(result.done() ? renumbered : std::nullopt);
    if (result.done() && result.entryNumber != 0) {
        state_.showSaved(result.entryNumber);
        Render();
    }
}

personal::EntryCheck TMainLex::SaveAsNewEntry() {
    return [this](const personal::PendingEntry& entry) {
        return personal::InsertPersonalEntry(Store(), entry);
    };
}

void TMainLex::InsertEntry_ButtonClick() {
    if (!TablesWhole() || !CheckPersonalFolder() || !PersonalFolderWritable()) return;
    const ReloadHold hold(*this);
    personal::TInsertEntryFrm editor(personal::EntryEditMode::Insert, EntryKind::Personal,
                                     FieldItems(), {},
                                     {EditorCheck(std::nullopt), SaveAsNewEntry(), {}}, this);
    const bool saved = editor.exec() == QDialog::Accepted;
    activateWindow();
    if (saved) ShowStoreResult(editor.result());
}

void TMainLex::ModifyEntry_ButtonClick() {
    const int row = state_.selectedRow();
    if (state_.slotOfRow(row) == 0) return;
    // The entry is held by its number: slots move whenever the tables are read again.
    const long long number = state_.list()[static_cast<std::size_t>(row)].number;
    if (!CheckPersonalFolder() || !PersonalFolderWritable()) return;
    const ReloadHold hold(*this);
    // The editor starts from the entry as the files hold it now, whatever the list, the pane or
    // the language show of it.
    CatchUpWithPersonalFiles();
    if (!TablesWhole()) return;
    const std::optional<personal::StoredEntry> stored =
        personal::StoredEntryOf(state_.tables(), notes_, FieldList(), personal_, number);
    if (!stored) {
        ReportStoreResult({personal::StoreStatus::EntryChanged, {}, number});
        return;
    }
    personal::PendingEntry entry = stored->entry;
    if (stored->otherRtf) {
        // Written by another program in a shape of its own: as the pane shows it.
        entry.description = personal::DescriptionFromEditor(WithoutLeadingBlanks(
            richtext::ExtractPlainText(richtext::RtfPrologue(rtfHeader_ + "\r\n"),
                                       DescriptionBody(*stored->otherRtf, std::nullopt) + "\r\n")));
    }
    const personal::EntryRef target = stored->ref;
    personal::EditorActions actions{
        EditorCheck(target),
        [this, target, entry](const personal::PendingEntry& edited) {
            // Nothing changed: nothing is written, and nothing is recorded.
            if (personal::SameEntry(edited, entry)) {
                return personal::StoreResult{personal::StoreStatus::NothingToDo, {}};
            }
            return personal::UpdatePersonalEntry(Store(), target, edited);
        },
        SaveAsNewEntry()};
    personal::TInsertEntryFrm editor(personal::EntryEditMode::Update, target.kind, FieldItems(),
                                     entry, std::move(actions), this);
    const bool closed = editor.exec() == QDialog::Accepted;
    activateWindow();
    if (!closed || editor.result().status == personal::StoreStatus::NothingToDo) return;
    // A text saved as a new entry leaves the old one's items where they are.
    ShowStoreResult(editor.result(),
                    editor.savedAsNew()
                        ? std::nullopt
                        : std::optional(Renumbering{target.number, editor.result().entryNumber}));
}

void TMainLex::DeleteEntry_ButtonClick() {
    const int row = state_.selectedRow();
    const int slot = state_.slotOfRow(row);
    if (slot == 0) return;
    const ReloadHold hold(*this);
    // A lexicon entry's note goes; the entry stays, shown again without it. The user's own
    // entry goes from the list and the history; the others keep their items.
    const bool note = state_.tables().entries[slot].Kind == EntryKind::Annotated;
    const long long number = state_.list()[static_cast<std::size_t>(row)].number;
    const char* question = note ? "Να διαγραφεί η συμπλήρωσή σας;" : "Να διαγραφεί το Λήμμα;";
    // "No" is the answer of Enter and Escape: a key meant for something else deletes nothing.
    if (QMessageBox::question(this, Caption("Επιβεβαίωση Διαγραφής"), Caption(question),
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    if (!TablesWhole() || !CheckPersonalFolder()) return;
    personal::StoreResult result;
    {
        platform::BusyCursor busy;
        result = note ? personal::DeleteSupplement(Store(), number)
                      : personal::DeletePersonalEntry(Store(), number);
        ReloadTables();
    }
    ReportStoreResult(result);
}

}  // namespace orvan::lookup
