// What the entry editor starts with: the entry as the store holds it, found by its number, never
// what a list, the entry pane or the language flag happen to show of it.
#pragma once

#include <optional>
#include <string>

#include "lexicon/lexicon_files.h"
#include "lexicon/tables.h"
#include "personal/personal_store.h"

namespace orvan::personal {

struct StoredEntry {
    EntryRef ref;
    /// The English headword, the Greek headword (the first the entry has), the science row and,
    /// for the user's own entry its description, for a lexicon entry the user's note (empty
    /// without one).
    PendingEntry entry;
    /// The stored RTF of a description or note that is not in the shape the editor writes
    /// (made by another program): only an RTF reader can show it; `entry.description` is then
    /// empty. Nothing otherwise.
    std::optional<std::string> otherRtf;
};

/// \brief The entry numbered `number` in `tables`, with its texts read from the personal files;
/// nothing when no entry has that number. `notes` locates the notes of `tables`.
///
///     auto stored = StoredEntryOf(tables, notes, fields, personal, 35002);
///     editor.fill(stored->entry);
std::optional<StoredEntry> StoredEntryOf(const EntryTables& tables, const NoteList& notes,
                                         const FieldTable* fields, const PersonalFiles& personal,
                                         long long number);

/// \brief Whether the editor's result says the same as what it was given: the same headwords,
/// science (no row and the blank row are the same) and description. Saving it would change
/// nothing.
bool SameEntry(const PendingEntry& a, const PendingEntry& b);

}  // namespace orvan::personal
