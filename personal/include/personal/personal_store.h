// The user's own entries and supplements: inserting, changing and deleting them in the personal
// files ci.tbo, cigr.tbo and clex.tbo, which the loader merges into the lexicon's tables.
//
// Each operation takes the personal folder's exclusive lock, reads the three files, makes sure
// the tables it works from are those of the files as they are now, works out the new contents
// in memory, checks the limits of the file formats, and replaces the files as one step
// (store_commit.h). A failed operation leaves the files exactly as they were. The caller
// reloads the tables afterwards (merged_tables.h).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "lexicon/lexicon_files.h"
#include "lexicon/tables.h"
#include "personal/store_files.h"
#include "personal/user_text.h"

namespace orvan::personal {

/// What the entry editor hands to the store. The headwords go into fixed-width code page
/// fields and are code page 1253; the description keeps every character the user typed.
struct PendingEntry {
    std::string english;
    std::string greek;
    int fieldIndex = -1;      // the FieldTable row; 0 (the blank row) or -1 for no field
    std::string description;  // UTF-8 plain text, lines separated by CR LF
};

enum class StoreStatus {
    Done,
    NothingToDo,         // the operation does not apply (not the user's own entry)
    FieldsMissing,       // the English headword or the description is empty
    DescriptionTooLong,  // the escaped text would not fit its 5-digit length column
    StoreFull,           // no room for another entry (40000 records, every entry number taken)
    EntryChanged,        // another program changed or deleted the entry meanwhile
    FolderBusy,          // another program kept the personal folder locked too long
    ReadOnly,            // the personal folder cannot be written
    FileError,           // a file could not be read or written, or is damaged
    EntriesRefused,      // an import holds entries the store cannot take; none was imported
};

struct StoreResult {
    StoreStatus status = StoreStatus::Done;
    std::string reason;  // in English, for the command line; names the file and line
    /// Done: the number of the entry inserted or changed (a changed own entry gets a new one,
    /// an entry whose supplement was removed keeps its own); 0 for a deleted entry.
    /// EntryChanged: the number of the entry that was changed or deleted.
    long long entryNumber = 0;
    /// The personal folder, when the change was refused there.
    std::string folder = {};
    /// FolderBusy, ReadOnly, FileError: the file and the system's reason, where they are known.
    Error error = {};
    bool done() const { return status == StoreStatus::Done; }
};

/// \brief What kept `tables` from being loaded whole (the lexicon's index files or the user's
/// files, in English, naming the file); nothing when they were. The store makes no change worked
/// out from tables that were not.
std::optional<Error> LoadProblemOf(const EntryTables& tables);

/// \brief Whether an entry has what every entry needs: an English headword (one of blanks and
/// control characters alone is none: it would be stored empty) and a description (where blanks
/// count as filled).
bool EntryComplete(const PendingEntry& entry);

/// clex.tbo cannot grow past what TextPos (8 digits) can address.
inline constexpr long long kMaxStoreLength = 99999999;

/// \brief The personal folder's place and the tables the change is worked out against. The
/// tables may be older than the files: under the folder's lock the store compares them with the
/// files and, when another program changed those meanwhile, works from the files as they are.
struct StoreContext {
    const LexiconFiles& lexicon;
    const EntryTables& tables;
    const FieldTable* fields;  // nullptr when there is no science list
    const PersonalFiles& personal;
    StoreFileSystem& files = DiskFiles();
};

/// \brief The entry an edit is for: its number, and its kind as the user saw it. A table slot
/// would not do: another program's change may move every entry.
struct EntryRef {
    long long number = 0;
    EntryKind kind = EntryKind::Lexicon;
};

/// \brief What the store would refuse in `entry` that the tables tell without the files: an
/// entry without its English headword or description, a description too long to store, no
/// room for another entry. `target` is the entry being changed (nothing for a new entry). Done
/// when none of these; the store checks them again, with the files, when it writes.
StoreResult CheckEntry(const EntryTables& tables, std::optional<EntryRef> target,
                       const PendingEntry& entry);

/// What the store would refuse in an entry, as far as can be known before writing it (the
/// entry editor asks it before it closes).
using EntryCheck = std::function<StoreResult(const PendingEntry&)>;

/// \brief Adds a personal entry (FieldsMissing unless EntryComplete) after its alphabetical
/// predecessor (English line) and, with a Greek headword, a Greek line in Greek order.
StoreResult InsertPersonalEntry(const StoreContext& store, const PendingEntry& entry);

/// \brief Changes the entry `target`: the user's own entry is replaced by the new one (a new
/// number and place, in one step); a lexicon entry gets its supplement replaced or added.
/// FieldsMissing unless EntryComplete; EntryChanged when the entry is gone or is no longer of the
/// kind the user saw.
StoreResult UpdatePersonalEntry(const StoreContext& store, EntryRef target,
                                const PendingEntry& entry);

/// \brief Some parts of an entry changed. Every part not given stays as the files hold it when
/// the change is made, read under the folder's lock, never as the caller's tables (perhaps read
/// only in part) show it. The description, the user's text or note, is always given.
struct EntryChange {
    std::optional<std::string> english;
    std::optional<std::string> greek;
    std::optional<int> fieldIndex;
    std::string description;
};

/// \brief UpdatePersonalEntry with only the parts `change` gives; the others are kept.
StoreResult ChangeEntry(const StoreContext& store, EntryRef target, const EntryChange& change);

/// \brief Removes the personal entry numbered `number` with its Greek lines.
StoreResult DeletePersonalEntry(const StoreContext& store, long long number);

/// \brief Removes the supplement of the lexicon entry numbered `number`, which becomes a plain
/// lexicon entry again; every other line and text stays as it is. EntryChanged when the entry is
/// gone or has no supplement. Done: `entryNumber` is `number`.
StoreResult DeleteSupplement(const StoreContext& store, long long number);

/// \brief The science-list row (1 to 59) whose code equals `code`, the last one when several do;
/// -1 for none, and for an empty code.
int FieldRowOf(const FieldTable* fields, const std::string& code);

/// \brief Puts the store back together after an interrupted change, under the folder's
/// exclusive lock, when anything is left to put back. Done when nothing was left or all of it
/// was put back.
StoreResult RecoverPersonalStore(const PersonalFiles& personal,
                                 StoreFileSystem& files = DiskFiles());

/// \brief The personal folder of the six paths (the folder of ci.tbo).
std::string StoreFolder(const PersonalFiles& personal);

}  // namespace orvan::personal
