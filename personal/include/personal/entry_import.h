// Bringing exchanged entries into the personal store: what each entry of a file would become
// (a new own entry, a change of one, a note on a lexicon entry) or why it is refused, and the
// whole import made as one change of the store, all of it or none of it.
//
// An own entry whose English and Greek headwords are those of an own entry already in the
// store changes that entry instead of adding another (each entry of the store is changed by one
// entry of the file at most, the first in the order of the tables first). A note goes on the
// lexicon entry of its headword (the one of its number when the file gives it, else the one
// with its Greek headword, else the first), replacing the note there.
#pragma once

#include <string>
#include <vector>

#include "lexicon/tables.h"
#include "personal/exchange_entry.h"
#include "personal/personal_store.h"

namespace orvan::personal {

enum class ImportAction {
    Add,         // a new own entry
    Update,      // an own entry of the same headwords changed
    AddNote,     // a note written on a lexicon entry without one
    UpdateNote,  // the note of a lexicon entry replaced
    Refuse,      // not imported, for `remark`
};

/// \brief What one entry of the file does.
struct ImportStep {
    ImportAction action = ImportAction::Add;
    std::string origin;   // where the file holds it
    std::string english;  // its headwords as the file gives them (UTF-8), for the report
    std::string greek;
    /// Update: the own entry changed (the import made, the new number it has); Add: the new
    /// entry's number once made; notes: the lexicon entry's number.
    long long entryNumber = 0;
    /// Refuse: why. Otherwise what was done with part of it, or empty: a science field the
    /// list does not have, a description missing that the Greek headword stands for.
    std::string remark;
};

struct ImportPlan {
    std::vector<ImportStep> steps;  // a step per entry, in the order of the file
    /// Why the import cannot be made as a whole even if no entry is refused (more new entries
    /// than the tables have room for, saying how many fit); empty when it can.
    std::string refusal;

    int count(ImportAction action) const;
    /// Whether the import can be made: no entry refused, and no refusal of the whole.
    bool accepted() const;
};

/// \brief What importing `entries` into the store of `tables` would do. The headwords must fit
/// the code page and their fixed columns, a description its length column; a field is found by
/// its code, else by its name.
ImportPlan PlanImport(const EntryTables& tables, const FieldTable* fields,
                      const std::vector<ExchangeEntry>& entries);

struct ImportResult {
    /// Done when every entry was imported; otherwise nothing was: EntriesRefused, StoreFull, or
    /// what kept the files from being changed.
    StoreResult result;
    /// What the import did, or would have done: worked out under the folder's lock against the
    /// files as they were then.
    ImportPlan plan;
};

/// \brief Imports `entries` as one change of the store: every own entry added or changed and
/// every note written, or nothing at all.
ImportResult ImportEntries(const StoreContext& store, const std::vector<ExchangeEntry>& entries);

}  // namespace orvan::personal
