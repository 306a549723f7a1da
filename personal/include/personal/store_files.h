// How the personal store touches the disk: the few file operations it uses, behind an interface
// that tests replace with one that fails or stops at a chosen call.
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "lexicon/result.h"

namespace orvan::personal {

/// \brief A file of the store could not be read or written, or the folder is not as the store
/// needs it: it abandons the change, which is rolled back. The message names the file and the
/// reason; error() tells them apart (the file, the system's error number).
class StoreFileError : public std::runtime_error {
  public:
    explicit StoreFileError(Error error)
        : std::runtime_error(error.message), error_(std::move(error)) {}
    explicit StoreFileError(const std::string& message)
        : StoreFileError(Error{ErrorCode::Damaged, {}, 0, message}) {}
    const Error& error() const { return error_; }

  private:
    Error error_;
};

/// \brief The personal folder cannot be written (a read-only disk or folder).
class FolderReadOnly : public StoreFileError {
  public:
    using StoreFileError::StoreFileError;
};

/// \brief Throws StoreFileError for a result that holds an error.
void ThrowUnlessDone(const Result<void>& done);

/// \brief Another program held the personal folder's lock for longer than we wait.
class FolderBusy : public StoreFileError {
  public:
    using StoreFileError::StoreFileError;
};

enum class FileKind { Missing, Regular, Folder, SymbolicLink, Other };

enum class LockMode {
    Shared,     // reading the personal files: any number of readers at once
    Exclusive,  // changing them: one program, and no reader meanwhile
};

/// \brief Held while alive; the lock is given up when it is destroyed.
class FolderLock {
  public:
    virtual ~FolderLock() = default;
};

/// The lock file in the personal folder; the three data files keep their names and formats.
inline constexpr const char* kLockName = "orvan.lock";

/// \brief The file operations the store uses. Every operation throws StoreFileError on failure.
class StoreFileSystem {
  public:
    virtual ~StoreFileSystem() = default;

    /// How long a lock is waited for before giving up.
    std::chrono::milliseconds lockPatience{10000};

    /// \brief Takes the personal folder's lock, waiting up to `lockPatience` (FolderBusy after
    /// that). An exclusive lock in a folder that cannot be written throws FolderReadOnly. A
    /// shared lock where no lock file exists or can be made (a read-only folder, which nobody
    /// changes, or a folder not made yet) gives nothing: reading goes on without one.
    virtual std::unique_ptr<FolderLock> lockFolder(const std::string& folder, LockMode mode);
    /// The whole file, at most `limit` bytes long; nothing when it does not exist. Anything but
    /// a regular file (a folder, a FIFO, a device) is refused without being opened.
    virtual std::optional<std::string> read(const std::string& path, long long limit);
    /// What stands at `path`, without following a symbolic link.
    virtual FileKind kindOf(const std::string& path);
    bool exists(const std::string& path) { return kindOf(path) != FileKind::Missing; }
    /// Creates or truncates `path`, writes `bytes` and flushes them to the disk. The file takes
    /// the permission bits and, where the program may set it, the owner of `likeFile` when
    /// that exists.
    virtual void writeDurably(const std::string& path, std::string_view bytes,
                              const std::string& likeFile = {});
    /// A second name for an existing file.
    virtual void link(const std::string& existing, const std::string& newName);
    /// Renames in one atomic step, replacing `to` when it exists.
    virtual void rename(const std::string& from, const std::string& to);
    /// Removes a file; a missing one is no error.
    virtual void remove(const std::string& path);
    /// Flushes the folder's entries (names created, renamed or removed) to the disk.
    virtual void syncFolder(const std::string& folder);
};

/// \brief The real file system.
StoreFileSystem& DiskFiles();

/// \brief False when `folder` exists and cannot be written (a read-only disk, or no right to
/// write there): every change of the store would be refused.
bool FolderWritable(const std::string& folder);

}  // namespace orvan::personal
