#include "personal/store_change.h"

#include <algorithm>
#include <optional>

#include "personal/entry_placement.h"
#include "personal/store_commit.h"

namespace orvan::personal {

[[noreturn]] void Refuse(StoreStatus status, std::string reason) {
    throw Refusal{{status, std::move(reason)}};
}

[[noreturn]] void Changed(long long number) {
    throw Refusal{{StoreStatus::EntryChanged,
                   "entry " + std::to_string(number) + " was changed or deleted by another program",
                   number}};
}

std::string OneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 32; }, ' ');
    return text;
}

std::string FieldCodeOf(const FieldTable* fields, int fieldIndex) {
    if (fields == nullptr || fieldIndex < 1 || fieldIndex > fields->count()) return {};
    return (*fields)[fieldIndex].code;
}

StoreResult FileErrorResult(const StoreFileError& error) {
    StoreStatus status = StoreStatus::FileError;
    if (dynamic_cast<const FolderReadOnly*>(&error)) status = StoreStatus::ReadOnly;
    if (dynamic_cast<const FolderBusy*>(&error)) status = StoreStatus::FolderBusy;
    return {status, error.what(), 0, {}, error.error()};
}

namespace {

// The store replaces its files by new ones: a symbolic link in their place would be replaced
// by a plain file, and the file it points to left behind unchanged.
void RefuseLinkedFiles(const StoreContext& store) {
    for (const std::string* path :
         {&store.personal.englishIndex, &store.personal.greekIndex, &store.personal.texts}) {
        if (store.files.kindOf(*path) == FileKind::SymbolicLink) {
            throw StoreFileError(*path +
                                 " is a symbolic link; put the file itself in the personal folder "
                                 "so that it can be changed");
        }
    }
}

// Runs `change` on the store's contents in `folder` and commits what it leaves, as one step,
// under the folder's exclusive lock. `change` works against tables that match the files as read
// here: the caller's, or tables built from these files when another program has changed them.
StoreResult RunInFolder(const StoreContext& store, const std::string& folder,
                        const ContentsChange& change) {
    // What the user saw came from a load that left something out: what they confirm may be
    // missing it too, and would be written as if they had removed it.
    if (const std::optional<Error> problem = LoadProblemOf(store.tables)) {
        return {StoreStatus::FileError,
                "the entries were not read whole (" + problem->message + "); nothing changed"};
    }
    try {
        const auto lock = store.files.lockFolder(folder, LockMode::Exclusive);
        RefuseLinkedFiles(store);
        if (NeedsRecovery(store.files, folder, Temporaries(store.personal))) {
            RecoverStore(store.files, folder, Temporaries(store.personal));
        }
        StoreContents contents = ReadContents(store.files, store.personal);
        NoteList notes;
        std::optional<EntryTables> current;
        if (!StampOf(contents.indexes).matches(store.tables.personalStamp)) {
            current = LoadEntryTable(store.lexicon, contents.indexes, notes);
        }
        const EntryTables& tables = current ? *current : store.tables;
        if (tables.personalProblem) {
            Error problem = *tables.personalProblem;
            problem.message += "; the personal files are left as they are";
            throw StoreFileError(std::move(problem));
        }
        // Every change keeps the last number handed out: a folder without cnum.tbo gets it
        // from the numbers in use before the change (a deleted entry's among them).
        if (!contents.lastNumber) contents.lastNumber = LargestNumberInUse(tables, contents);
        const ChangeMade made = change(contents, tables);
        CommitReplacements(store.files, folder,
                           Replacements(contents, store.personal, made.greekChanged));
        return {StoreStatus::Done, {}, made.entryNumber};
    } catch (const Refusal& refusal) {
        return refusal.result;
    } catch (const StoreFileError& error) {
        return FileErrorResult(error);
    } catch (const std::bad_alloc&) {
        return {StoreStatus::FileError, "out of memory"};
    }
}

}  // namespace

StoreResult RunStoreChange(const StoreContext& store, const ContentsChange& change) {
    if (!store.personal.known()) return {StoreStatus::FileError, "no personal folder is known"};
    const std::string folder = StoreFolder(store.personal);
    StoreResult result = RunInFolder(store, folder, change);
    // A change not made names the folder it was refused in, for the user's message.
    if (!result.done()) result.folder = folder;
    return result;
}

}  // namespace orvan::personal
