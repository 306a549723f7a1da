// Every change of the personal store replaces up to three files (ci.tbo, cigr.tbo, clex.tbo) that
// only make sense together, so a change is committed as one step: the new contents are written
// completely and flushed to temporaries, the old files are kept under a second name
// ("<file>.old", a hard link or else a flushed copy) and a journal names what is being replaced;
// only then are the temporaries renamed over the old files, and removing the journal commits the
// change. A change cut off half-way (an error, a crash, a power cut) is rolled back from the kept
// files, at once or by RecoverStore before the next change or load.
//
// All of this runs under the personal folder's exclusive lock, so that no other program reads
// the files half replaced or puts back a change that is still being made.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lexicon/result.h"

#include "personal/store_files.h"

namespace orvan::personal {

/// \brief One file of a change: its new contents, written to `temporary` first.
struct FileReplacement {
    std::string target;
    std::string temporary;
    std::string bytes;
};

/// \brief Replaces the files of `replacements`, all in `folder`, as one step. Throws
/// StoreFileError when it could not, after putting back the old files and removing the
/// temporaries (whatever could not be put back is left to RecoverStore, through the journal).
void CommitReplacements(StoreFileSystem& files, const std::string& folder,
                        const std::vector<FileReplacement>& replacements);

/// \brief Whether an interrupted change left anything in `folder`: a journal, a temporary or a
/// kept old file.
bool NeedsRecovery(StoreFileSystem& files, const std::string& folder,
                   const std::vector<std::string>& temporaries);

/// \brief Finishes what an interrupted change left in `folder`: with a journal, the old files
/// come back; leftover kept files, journal and temporaries are removed. Only the store's own
/// files are ever touched: a journal that names anything else, or a folder standing where one
/// of these files belongs, throws StoreFileError naming it, and nothing is changed.
void RecoverStore(StoreFileSystem& files, const std::string& folder,
                  const std::vector<std::string>& temporaries);

/// \brief Where each file an interrupted change replaced is as it was before the change, by the
/// journal in `folder`: its kept old file (or the file itself when that is already back), or
/// nothing when it did not exist. A file the journal does not name was not replaced. Nothing
/// when there is no journal, or one that is not the store's. Reads; changes nothing: for a
/// folder where the change cannot be put back.
std::optional<std::map<std::string, std::optional<std::string>>> FilesBeforeChange(
    StoreFileSystem& files, const std::string& folder);

/// The file that keeps the last entry number handed out, so that no number is ever handed out
/// twice in a folder: a stale change that names a deleted entry by its number must not find a
/// newer entry under it. Its temporary while a change is committed.
inline constexpr const char* kNumberMarkName = "cnum.tbo";
inline constexpr const char* kNumberMarkTemporary = "tempnum.tbo";

/// The journal's and the kept old files' names.
inline constexpr const char* kJournalName = "store.journal";
inline constexpr const char* kOldSuffix = ".old";
/// No journal the store writes is longer; a longer one is not read.
inline constexpr long long kJournalLimit = 4096;

/// \brief One line of the journal: a replaced file of the store and whether it existed before
/// the change.
struct JournalLine {
    bool existed = false;
    std::string name;
    bool operator==(const JournalLine&) const = default;
};

/// \brief The journal `text` (read from `path`) line by line: "1 name" or "0 name", each line
/// ended by LF, empty lines passed over. Refused, naming the line, when a line is of another
/// form or names anything but one of the store's own files, or a file named before: the store
/// did not write that journal, and acting on it could remove any file of the folder or put an
/// old file back and then remove it.
///
///     ParseJournal("1 ci.tbo\n0 clex.tbo\n", path) == {{true, "ci.tbo"}, {false, "clex.tbo"}}
Result<std::vector<JournalLine>> ParseJournal(std::string_view text, const std::string& path);

}  // namespace orvan::personal
