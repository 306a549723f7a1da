#include "personal/stored_entry.h"

#include "lexicon/description.h"
#include "personal/entry_placement.h"
#include "personal/user_text.h"

namespace orvan::personal {

namespace {

// The stored text of the entry's description (own entry) or note (lexicon entry); empty when it
// has none or it cannot be read.
std::string StoredText(const EntryRecord& record, const NoteList& notes,
                       const PersonalFiles& personal) {
    if (record.kind == EntryKind::Personal) {
        return TryReadDescription(DescriptionStore::Personal, personal.texts, record.descPos,
                                  record.descLen)
            .value_or("");
    }
    if (record.kind == EntryKind::Annotated && record.noteIndex >= 0 &&
        static_cast<size_t>(record.noteIndex) < notes.size()) {
        return TryReadSupplement(notes[static_cast<size_t>(record.noteIndex)], personal)
            .value_or("");
    }
    return {};
}

}  // namespace

std::optional<StoredEntry> StoredEntryOf(const EntryTables& tables, const NoteList& notes,
                                         const FieldTable* fields, const PersonalFiles& personal,
                                         long long number) {
    const int slot = SlotOfNumber(tables.entries, number);
    if (slot == 0) return std::nullopt;
    const EntryRecord& record = tables.entries[slot];
    StoredEntry stored;
    stored.ref = {record.number, record.kind};
    stored.entry.english = record.headword;
    stored.entry.greek = GreekHeadwordOf(tables, slot);
    stored.entry.fieldIndex = FieldRowOf(fields, record.fieldCode);
    const std::string text = StoredText(record, notes, personal);
    if (auto plain = UnescapeUserText(text)) {
        stored.entry.description = std::move(*plain);
    } else {
        stored.otherRtf = text;
    }
    return stored;
}

bool SameEntry(const PendingEntry& a, const PendingEntry& b) {
    const auto row = [](int index) { return index < 1 ? 0 : index; };
    return a.english == b.english && a.greek == b.greek && row(a.fieldIndex) == row(b.fieldIndex) &&
           a.description == b.description;
}

}  // namespace orvan::personal
