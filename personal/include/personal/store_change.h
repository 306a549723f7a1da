// How every change of the personal store runs: under the folder's exclusive lock, from the files
// as they are then, committed as one step or not at all. The store's operations (insert, change,
// delete, import) each give the part that works out the new contents.
#pragma once

#include <functional>
#include <string>

#include "lexicon/tables.h"
#include "personal/personal_store.h"
#include "personal/store_contents.h"

namespace orvan::personal {

/// \brief What stops a change with a result other than Done; the files stay as they were.
struct Refusal {
    StoreResult result;
};

[[noreturn]] void Refuse(StoreStatus status, std::string reason);

/// \brief Refuses a change of entry `number`, which another program changed or deleted.
[[noreturn]] void Changed(long long number);

/// \brief What a change did to the contents: whether cigr.tbo changed too, and the entry it
/// wrote.
struct ChangeMade {
    bool greekChanged = false;
    long long entryNumber = 0;
};

/// \brief Works out new contents from the contents read under the lock and the tables that
/// match them; throws Refusal (or StoreFileError) to leave the files as they were.
using ContentsChange =
    std::function<ChangeMade(StoreContents& contents, const EntryTables& tables)>;

/// \brief Runs `change` on the store's contents and commits what it leaves, as one step, under
/// the personal folder's exclusive lock, after putting back an interrupted change. `change`
/// works against tables that match the files as read then: the caller's, or tables built from
/// these files when another program has changed them. A change not made names the folder.
StoreResult RunStoreChange(const StoreContext& store, const ContentsChange& change);

/// \brief The result of a change the files kept from being made: ReadOnly, FolderBusy or
/// FileError, with the file and the system's reason.
StoreResult FileErrorResult(const StoreFileError& error);

/// \brief A headword as it goes on one line of a fixed-column file: control characters become
/// blanks.
std::string OneLine(std::string text);

/// \brief The code of science row `fieldIndex`; empty for no row, the blank row or no list.
std::string FieldCodeOf(const FieldTable* fields, int fieldIndex);

}  // namespace orvan::personal
