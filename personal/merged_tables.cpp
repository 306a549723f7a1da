#include "personal/merged_tables.h"

#include "personal/personal_store.h"
#include "personal/store_commit.h"
#include "personal/store_contents.h"

namespace orvan::personal {

namespace {

// Reads under the shared lock; a lock that cannot be had is named in the problem, and the files
// are read all the same, since reading never harms them. Unless `asTheyAre`, nothing is read
// when an interrupted change is found (`needsRecovery`).
PersonalIndexes ReadShared(const PersonalFiles& personal, StoreFileSystem& files,
                           bool& needsRecovery, bool asTheyAre = false) {
    const std::string folder = StoreFolder(personal);
    std::unique_ptr<FolderLock> lock;
    std::string lockProblem;
    try {
        lock = files.LockFolder(folder, LockMode::Shared);
        needsRecovery = NeedsRecovery(files, folder, Temporaries(personal));
        if (needsRecovery && !asTheyAre) return {};
    } catch (const StoreFileError& error) {
        needsRecovery = false;
        lockProblem = error.what();
    }
    PersonalIndexes indexes = ReadIndexes(files, personal);
    if (indexes.problem.empty()) indexes.problem = lockProblem;
    return indexes;
}

}  // namespace

PersonalIndexes ReadPersonalIndexesLocked(const PersonalFiles& personal, StoreFileSystem& files) {
    if (!personal.Known()) return {};
    std::string unrecovered;
    // Another program may crash again between our recovery and our read: a few rounds at most.
    for (int round = 0; round < 3; ++round) {
        bool needsRecovery = false;
        PersonalIndexes indexes = ReadShared(personal, files, needsRecovery);
        if (!needsRecovery) return indexes;
        const StoreResult recovered = RecoverPersonalStore(personal, files);
        if (!recovered.done()) {
            unrecovered = recovered.reason;
            break;
        }
    }
    // Shown as they are, but never the ground of a change.
    bool needsRecovery = false;
    PersonalIndexes indexes = ReadShared(personal, files, needsRecovery, true);
    indexes.problem =
        "the personal files could not be put back after an interrupted change (" +
        (unrecovered.empty() ? std::string("another program kept interrupting it") : unrecovered) +
        ")";
    return indexes;
}

EntryTables LoadMergedTables(const LexiconFiles& lexicon, const PersonalFiles& personal,
                             NoteList& notes, StoreFileSystem& files) {
    return LoadEntryTable(lexicon, ReadPersonalIndexesLocked(personal, files), notes);
}

}  // namespace orvan::personal
