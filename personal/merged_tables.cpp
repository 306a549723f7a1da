#include "personal/merged_tables.h"

#include "lexicon/file_paths.h"

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
    std::optional<Error> lockProblem;
    try {
        lock = files.lockFolder(folder, LockMode::Shared);
        needsRecovery = NeedsRecovery(files, folder, Temporaries(personal));
        if (needsRecovery && !asTheyAre) return {};
    } catch (const StoreFileError& error) {
        needsRecovery = false;
        lockProblem = error.error();
    }
    PersonalIndexes indexes = ReadIndexes(files, personal);
    if (!indexes.problem) indexes.problem = lockProblem;
    return indexes;
}

// The index files as they were before the interrupted change the journal names, and where
// their texts are; the files as they are when there is no journal to tell.
PersonalIndexes ReadBeforeChange(const PersonalFiles& personal, StoreFileSystem& files) {
    const std::string folder = StoreFolder(personal);
    const auto before = FilesBeforeChange(files, folder);
    if (!before) {
        bool needsRecovery = false;
        return ReadShared(personal, files, needsRecovery, true);
    }
    // Each file: its path before the change, or nothing when it did not exist.
    const auto path = [&](const std::string& file) -> std::optional<std::string> {
        const auto named = before->find(BaseName(file));
        return named == before->end() ? std::optional(file) : named->second;
    };
    PersonalIndexes indexes;
    try {
        if (const auto english = path(personal.englishIndex))
            indexes.english = files.read(*english, kPersonalIndexLimit);
        if (const auto greek = path(personal.greekIndex))
            indexes.greek = files.read(*greek, kPersonalIndexLimit);
    } catch (const StoreFileError& error) {
        indexes.problem = error.error();
    }
    // A texts file that did not exist reads as empty, as a missing clex.tbo does.
    indexes.texts = path(personal.texts).value_or(personal.texts + kOldSuffix);
    if (indexes.texts == personal.texts) indexes.texts.clear();
    return indexes;
}

}  // namespace

PersonalIndexes ReadPersonalIndexesLocked(const PersonalFiles& personal, StoreFileSystem& files) {
    if (!personal.known()) return {};
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
    // Shown as they were before the change when the journal tells how (its kept old files are
    // whole), else as they are; never the ground of a change.
    PersonalIndexes indexes = ReadBeforeChange(personal, files);
    indexes.problem = Error{
        ErrorCode::Damaged, StoreFolder(personal), 0,
        "the personal files could not be put back after an interrupted change (" +
            (unrecovered.empty() ? std::string("another program kept interrupting it")
                                 : unrecovered) +
            "); they are shown as they were before it, and are put back where the folder can be "
            "written"};
    return indexes;
}

EntryTables LoadMergedTables(const LexiconFiles& lexicon, const PersonalFiles& personal,
                             NoteList& notes, StoreFileSystem& files) {
    return LoadEntryTable(lexicon, ReadPersonalIndexesLocked(personal, files), notes);
}

namespace {

// The parts of a load that do not depend on the personal indexes.
LoadedLexicon CompleteLoad(const LexiconFiles& lexicon, const PersonalFiles& personal,
                           LoadedLexicon loaded) {
    loaded.files = lexicon;
    loaded.personal = personal;
    loaded.reading = ReadingFiles(personal, loaded.tables);
    loaded.fields = LoadFieldTable(lexicon);
    loaded.rtfHeader = LoadRtfHeader(lexicon);
    return loaded;
}

}  // namespace

LoadedLexicon LoadLexicon(const LexiconFiles& lexicon, const PersonalFiles& personal,
                          StoreFileSystem& files) {
    LoadedLexicon loaded;
    loaded.tables = LoadMergedTables(lexicon, personal, loaded.notes, files);
    return CompleteLoad(lexicon, personal, std::move(loaded));
}

LoadedLexicon LoadLexicon(const LexiconFiles& lexicon, const PersonalFiles& personal,
                          const PersonalIndexes& indexes) {
    LoadedLexicon loaded;
    loaded.tables = LoadEntryTable(lexicon, indexes, loaded.notes);
    return CompleteLoad(lexicon, personal, std::move(loaded));
}

}  // namespace orvan::personal
