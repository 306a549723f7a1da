// The three commands that change the user's own entries: insert, modify and delete, through
// the entry editor and the personal store.
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QToolButton>

#include "lookup/entries_list.h"
#include "lookup/main_window.h"
#include "personal/insert_entry_form.h"
#include "personal/personal_store.h"
#include "personal/store_messages.h"
#include "platform/busy_cursor.h"
#include "richtext/code_pages.h"
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
    const char* message = personal::StoreMessage(result.status);
    if (message == nullptr) return result.done();
    QMessageBox box(QMessageBox::Warning, "Orvan", Caption(message), QMessageBox::Ok, this);
    // The reason names the file and the line, for whoever looks into them.
    box.setDetailedText(QString::fromLocal8Bit(result.reason.c_str()));
    box.exec();
    return false;
}

personal::EntryCheck TMainLex::EditorCheck(std::optional<personal::EntryRef> target) const {
    // Against the tables as they are when the user confirms: another program's change may have
    // had them read again while the editor was open.
    return [this, target](const personal::PendingEntry& entry) {
        return personal::CheckEntry(state_.tables(), target, entry);
    };
}

bool TMainLex::PersonalFolderWritable() {
    const std::string folder = personal::StoreFolder(personal_);
    if (personal::FolderWritable(folder)) return true;
    // Said before the editor opens, so that nothing is typed in vain.
    ReportStoreResult({personal::StoreStatus::ReadOnly, folder + " is read-only"});
    return false;
}

void TMainLex::ShowStoreResult(const personal::StoreResult& result,
                               std::optional<Renumbering> renumbered) {
    {
        platform::BusyCursor busy;
        // Read again whatever happened: a refused change may have found the files changed by
        // another program.
        ReloadTables(result.done() ? renumbered : std::nullopt);
        if (result.done() && result.entryNumber != 0) {
            state_.showSaved(result.entryNumber);
            Render();
        }
    }
    ReportStoreResult(result);
}

void TMainLex::InsertEntry_ButtonClick() {
    if (!CheckPersonalFolder() || !PersonalFolderWritable()) return;
    personal::TInsertEntryFrm editor(personal::EntryEditMode::Insert, EntryKind::Personal,
                                     FieldItems(), {}, EditorCheck(std::nullopt), this);
    const bool confirmed = editor.exec() == QDialog::Accepted;
    activateWindow();
    if (!confirmed) return;
    personal::StoreResult result;
    {
        platform::BusyCursor busy;
        result = personal::InsertPersonalEntry(Store(), editor.entry());
    }
    ShowStoreResult(result);
}

void TMainLex::ModifyEntry_ButtonClick() {
    const int row = state_.selectedRow();
    const int slot = state_.slotOfRow(row);
    if (slot == 0) return;
    const EntryRecord& record = state_.tables().entries[slot];
    const EntryKind kind = record.Kind;
    // The entry is held by its number: while a dialog is open, another program's change may
    // have the tables read again, and every slot move.
    const personal::EntryRef target{record.Number, kind};
    if (!CheckPersonalFolder() || !PersonalFolderWritable()) return;

    // What the editor starts with: the headwords as shown, the entry's science, its text.
    QString listed = richtext::FromGreekCodePage(state_.list()[static_cast<std::size_t>(row)].text);
    if (kind == EntryKind::Personal) listed.chop(2);  // the " *" mark of the user's own entries
    personal::PendingEntry entry;
    const QString rendering = c_.Trans_Text->text();
    const bool greek = state_.shownGreek();
    entry.english = richtext::ToGreekCodePage(greek ? rendering : listed);
    entry.greek = richtext::ToGreekCodePage(greek ? listed : rendering);
    entry.fieldIndex = personal::FieldRowOf(FieldList(), state_.tables().entries[slot].FieldCode);
    const QString shown = c_.Description_Text->plainText();
    if (kind == EntryKind::Personal) {
        entry.description = personal::DescriptionFromEditor(WithoutLeadingBlanks(shown));
    } else if (kind == EntryKind::Annotated) {
        static const QString kMarker = Caption("Συμπλήρωση δική σας:");
        const qsizetype marker = shown.indexOf(kMarker);
        if (marker >= 0) {
            entry.description = personal::DescriptionFromEditor(
                WithoutLeadingBlanks(shown.mid(marker + kMarker.size() + 1)));
        }
    }

    personal::TInsertEntryFrm editor(personal::EntryEditMode::Update, kind, FieldItems(), entry,
                                     EditorCheck(target), this);
    const bool confirmed = editor.exec() == QDialog::Accepted;
    activateWindow();
    if (!confirmed) return;
    personal::StoreResult result;
    {
        platform::BusyCursor busy;
        result = personal::UpdatePersonalEntry(Store(), target, editor.entry());
    }
    ShowStoreResult(result, Renumbering{target.number, result.entryNumber});
}

void TMainLex::DeleteEntry_ButtonClick() {
    const int slot = state_.slotOfRow(state_.selectedRow());
    if (slot == 0) return;
    const EntryRecord& record = state_.tables().entries[slot];
    // A lexicon entry's note goes; the entry stays, shown again without it. The user's own
    // entry goes from the list and the history; the others keep their items.
    const bool note = record.Kind == EntryKind::Annotated;
    const long long number = record.Number;
    const char* question = note ? "Να διαγραφεί η συμπλήρωσή σας;" : "Να διαγραφεί το Λήμμα;";
    if (QMessageBox::question(this, Caption("Επιβεβαίωση Διαγραφής"), Caption(question),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    if (!CheckPersonalFolder()) return;
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
