#include "personal/store_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <thread>

#include "lexicon/text_file.h"

namespace orvan::personal {

namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path) {
    throw StoreFileError(what + " " + path + ": " + std::strerror(errno));
}

class FlockedFile : public FolderLock {
  public:
    explicit FlockedFile(int fd) : fd_(fd) {}
    ~FlockedFile() override { ::close(fd_); }  // closing the file gives the lock up

  private:
    int fd_;
};

// Opens the lock file; -1 when a reader finds none and cannot make one.
int OpenLockFile(const std::string& folder, LockMode mode) {
    const std::string path = InFolder(folder, kLockName);
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd >= 0) return fd;
    // A lock file that may only be read (another user's, a read-only folder's) locks as well:
    // the lock needs no right to write.
    const int openError = errno;
    const int readOnly = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (readOnly >= 0) return readOnly;
    if (errno == ENOENT && mode == LockMode::Shared) return -1;
    if (errno == ENOENT) errno = openError;
    Fail("cannot open", path);
}

}  // namespace

std::string InFolder(const std::string& folder, const std::string& name) {
    return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::string BaseName(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool FolderWritable(const std::string& folder) {
    return ::access(folder.c_str(), W_OK) == 0 || (errno != EROFS && errno != EACCES);
}

std::unique_ptr<FolderLock> StoreFileSystem::LockFolder(const std::string& folder, LockMode mode) {
    if (mode == LockMode::Exclusive && !FolderWritable(folder)) {
        throw FolderReadOnly("the personal folder " + folder + " is read-only");
    }
    const int fd = OpenLockFile(folder, mode);
    if (fd < 0) return nullptr;
    auto lock = std::make_unique<FlockedFile>(fd);
    const int operation = (mode == LockMode::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    // Polled, so that a program that keeps the lock too long is refused instead of waited on
    // for ever; the pause grows to a few milliseconds.
    const auto deadline = std::chrono::steady_clock::now() + lockPatience;
    auto pause = std::chrono::microseconds(200);
    while (::flock(fd, operation) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            Fail("cannot lock", InFolder(folder, kLockName));
        if (std::chrono::steady_clock::now() >= deadline) {
            throw FolderBusy("another program has been changing the personal files in " + folder +
                             " for too long");
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::microseconds(5000));
    }
    return lock;
}

std::optional<std::string> StoreFileSystem::Read(const std::string& path, long long limit) {
    FileContents contents = ReadRegularFile(path, limit);
    switch (contents.status) {
        case ReadStatus::Read:
            return std::move(contents.bytes);
        case ReadStatus::Missing:
            return std::nullopt;
        case ReadStatus::NotAFile:
        case ReadStatus::TooLarge:
        case ReadStatus::Failed:
            break;
    }
    throw StoreFileError(contents.reason);
}

FileKind StoreFileSystem::KindOf(const std::string& path) {
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

void StoreFileSystem::WriteDurably(const std::string& path, std::string_view bytes,
                                   const std::string& likeFile) {
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0) Fail("cannot create", path);
    const auto failed = [fd, &path](const char* what) {
        const int error = errno;
        ::close(fd);
        errno = error;
        Fail(what, path);
    };
    struct stat like {};
    if (!likeFile.empty() && ::stat(likeFile.c_str(), &like) == 0) {
        // The owner can only be kept by a program that may give files away (else the group,
        // where the user belongs to it); the permission bits always.
        if (::fchown(fd, like.st_uid, like.st_gid) != 0) {
            [[maybe_unused]] const int groupKept =
                ::fchown(fd, static_cast<uid_t>(-1), like.st_gid);
        }
        if (::fchmod(fd, like.st_mode & 07777) != 0) failed("cannot set the permissions of");
    }
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) failed("cannot write");
        written += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0) failed("cannot flush");
    if (::close(fd) != 0) Fail("cannot close", path);
}

void StoreFileSystem::Link(const std::string& existing, const std::string& newName) {
    if (::link(existing.c_str(), newName.c_str()) != 0) Fail("cannot link", existing);
}

void StoreFileSystem::Rename(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) != 0) Fail("cannot rename", from);
}

void StoreFileSystem::Remove(const std::string& path) {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) Fail("cannot remove", path);
}

void StoreFileSystem::SyncFolder(const std::string& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) Fail("cannot open", folder);
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    if (!synced) Fail("cannot flush", folder);
}

StoreFileSystem& DiskFiles() {
    static StoreFileSystem files;
    return files;
}

}  // namespace orvan::personal
