// How the personal store touches the disk. Every change of the store replaces up to three files
// (ci.tbo, cigr.tbo, clex.tbo) that only make sense together, so a change is committed as one
// step: the new contents are written completely and flushed to temporaries, the old files are
// kept as hard links ("<file>.old") and a journal names what is being replaced; only then are the
// temporaries renamed over the old files, and removing the journal commits the change. A change
// cut off half-way (an error, a crash, a power cut) is rolled back from the links, at once or by
// RecoverStore at the next load or store operation.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace orvan::personal {

/// \brief A file of the store could not be read or written.
class StoreFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// \brief The file operations the store uses; tests give one that fails or stops at a chosen
/// call. Every operation throws StoreFileError on failure.
class StoreFileSystem {
  public:
    virtual ~StoreFileSystem() = default;
    /// The whole file; nothing when it does not exist.
    virtual std::optional<std::string> Read(const std::string& path);
    virtual bool Exists(const std::string& path);
    /// Creates or truncates `path`, writes `bytes` and flushes them to the disk.
    virtual void WriteDurably(const std::string& path, std::string_view bytes);
    /// A second name for an existing file.
    virtual void Link(const std::string& existing, const std::string& newName);
    /// Renames in one atomic step, replacing `to` when it exists.
    virtual void Rename(const std::string& from, const std::string& to);
    /// Removes a file; a missing one is no error.
    virtual void Remove(const std::string& path);
    /// Flushes the folder's entries (names created, renamed or removed) to the disk.
    virtual void SyncFolder(const std::string& folder);
};

/// \brief The real file system.
StoreFileSystem& DiskFiles();

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

/// \brief Finishes what an interrupted change left in `folder`: with a journal, the old files
/// come back; leftover links, journal and temporaries are removed. Throws StoreFileError when
/// that fails (the store must then not be changed).
void RecoverStore(StoreFileSystem& files, const std::string& folder,
                  const std::vector<std::string>& temporaries);

/// The journal's and the kept old files' names.
inline constexpr const char* kJournalName = "store.journal";
inline constexpr const char* kOldSuffix = ".old";

}  // namespace orvan::personal
