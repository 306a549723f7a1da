#include "personal/store_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <thread>

#include "lexicon/file_descriptor.h"
#include "lexicon/file_paths.h"
#include "lexicon/text_file.h"

namespace orvan::personal {

namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path) {
    throw StoreFileError(SystemError(ErrorCode::WriteFailed, what, path, errno));
}

class FlockedFile : public FolderLock {
  public:
    explicit FlockedFile(FileDescriptor file) : file_(std::move(file)) {}

  private:
    FileDescriptor file_;  // closing the file gives the lock up
};

// Opens the lock file; none when a reader finds none and cannot make one.
FileDescriptor OpenLockFile(const std::string& folder, LockMode mode) {
    const std::string path = PathInFolder(folder, kLockName);
    FileDescriptor file(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666));
    if (file.valid()) return file;
    // A lock file that may only be read (another user's, a read-only folder's) locks as well:
    // the lock needs no right to write.
    const int openError = errno;
    FileDescriptor readOnly(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    if (readOnly.valid()) return readOnly;
    if (errno == ENOENT && mode == LockMode::Shared) return {};
    if (errno == ENOENT) errno = openError;
    Fail("cannot open", path);
}

}  // namespace

void ThrowUnlessDone(const Result<void>& done) {
    if (!done) throw StoreFileError(done.error());
}

bool FolderWritable(const std::string& folder) {
    return ::access(folder.c_str(), W_OK) == 0 || (errno != EROFS && errno != EACCES);
}

std::unique_ptr<FolderLock> StoreFileSystem::lockFolder(const std::string& folder, LockMode mode) {
    if (mode == LockMode::Exclusive && !FolderWritable(folder)) {
        throw FolderReadOnly("the personal folder " + folder + " is read-only");
    }
    FileDescriptor file = OpenLockFile(folder, mode);
    if (!file.valid()) return nullptr;
    const int fd = file.get();
    auto lock = std::make_unique<FlockedFile>(std::move(file));
    const int operation = (mode == LockMode::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    // Polled, so that a program that keeps the lock too long is refused instead of waited on
    // for ever; the pause grows to a few milliseconds.
    const auto deadline = std::chrono::steady_clock::now() + lockPatience;
    auto pause = std::chrono::microseconds(200);
    while (::flock(fd, operation) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            Fail("cannot lock", PathInFolder(folder, kLockName));
        if (std::chrono::steady_clock::now() >= deadline) {
            throw FolderBusy("another program has been changing the personal files in " + folder +
                             " for too long");
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::microseconds(5000));
    }
    return lock;
}

std::optional<std::string> StoreFileSystem::read(const std::string& path, long long limit) {
    Result<std::string> contents = ReadRegularFile(path, limit);
    if (contents) return std::move(*contents);
    if (contents.error().code == ErrorCode::Missing) return std::nullopt;
    throw StoreFileError(std::move(contents).error());
}

FileKind StoreFileSystem::kindOf(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        if (errno == ENOENT) return FileKind::Missing;
        Fail("cannot look at", path);
    }
    if (S_ISREG(info.st_mode)) return FileKind::Regular;
    if (S_ISDIR(info.st_mode)) return FileKind::Folder;
    if (S_ISLNK(info.st_mode)) return FileKind::SymbolicLink;
    return FileKind::Other;
}

void StoreFileSystem::writeDurably(const std::string& path, std::string_view bytes,
                                   const std::string& likeFile) {
    ThrowUnlessDone(orvan::WriteDurably(path, bytes, likeFile));
}

void StoreFileSystem::link(const std::string& existing, const std::string& newName) {
    if (::link(existing.c_str(), newName.c_str()) != 0) Fail("cannot link", existing);
}

void StoreFileSystem::rename(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) != 0) Fail("cannot rename", from);
}

void StoreFileSystem::remove(const std::string& path) {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) Fail("cannot remove", path);
}

void StoreFileSystem::syncFolder(const std::string& folder) {
    ThrowUnlessDone(orvan::SyncFolder(folder));
}

StoreFileSystem& DiskFiles() {
    static StoreFileSystem files;
    return files;
}

}  // namespace orvan::personal
