#include "lexicon/text_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <utility>

#include "lexicon/file_descriptor.h"
#include "lexicon/file_paths.h"

namespace orvan {

namespace {

Failure SystemFailure(ErrorCode code, const std::string& what, const std::string& path) {
    return Failure(SystemError(code, what, path, errno));
}

Failure MissingFile(const std::string& path) {
    return Failure(Error{ErrorCode::Missing, path, ENOENT, "there is no file " + path});
}

Failure NotAPlainFile(const std::string& path) {
    return Failure(Error{ErrorCode::NotAFile, path, 0, path + " is not a plain file"});
}

// Reads from `fd` until the end, or until more than `limit` bytes have come.
Result<std::string> ReadOpenFile(int fd, const std::string& path, long long limit,
                                 long long sizeHint) {
    std::string bytes;
    const long long wanted = limit < 0 ? -1 : limit + 1;
    if (sizeHint > 0) {
        bytes.reserve(static_cast<size_t>(wanted < 0 ? sizeHint : std::min(sizeHint, wanted)));
    }
    char buffer[65536];
    while (wanted < 0 || static_cast<long long>(bytes.size()) < wanted) {
        size_t chunk = sizeof buffer;
        if (wanted >= 0) {
            chunk = static_cast<size_t>(
                std::min<long long>(chunk, wanted - static_cast<long long>(bytes.size())));
        }
        const ssize_t n = ::read(fd, buffer, chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return SystemFailure(ErrorCode::ReadFailed, "cannot read", path);
        if (n == 0) break;
        bytes.append(buffer, static_cast<size_t>(n));
    }
    if (limit >= 0 && static_cast<long long>(bytes.size()) > limit) {
        return Failure(Error{ErrorCode::TooLarge, path, 0,
                             path + " is longer than " + std::to_string(limit) + " bytes"});
    }
    return bytes;
}

// Opens a regular file for reading into `file` and `opened`.
Result<void> OpenRegularFile(const std::string& path, FileDescriptor& file, struct stat& opened) {
    struct stat before {};
    if (path.empty() || ::stat(path.c_str(), &before) != 0) {
        if (!path.empty() && errno != ENOENT && errno != ENOTDIR) {
            return SystemFailure(ErrorCode::ReadFailed, "cannot open", path);
        }
        return MissingFile(path);
    }
    if (!S_ISREG(before.st_mode)) return NotAPlainFile(path);
    // Without O_NONBLOCK a FIFO put there since the look above would hold the open for ever.
    file = FileDescriptor(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!file.valid()) {
        if (errno == ENOENT) return MissingFile(path);
        return SystemFailure(ErrorCode::ReadFailed, "cannot open", path);
    }
    if (::fstat(file.get(), &opened) != 0) {
        return SystemFailure(ErrorCode::ReadFailed, "cannot open", path);
    }
    if (!S_ISREG(opened.st_mode)) return NotAPlainFile(path);
    return {};
}

// The temporaries of WriteFileAtomically: "." + the file's name + ".tmp" + up to six digits.
constexpr std::string_view kTemporaryMark = ".tmp";
constexpr size_t kTemporaryDigits = 6;

}  // namespace

Result<std::string> ReadRegularFile(const std::string& path, long long limit) {
    FileDescriptor file;
    struct stat opened {};
    if (Result<void> open = OpenRegularFile(path, file, opened); !open) {
        return Failure(std::move(open).error());
    }
    return ReadOpenFile(file.get(), path, limit, static_cast<long long>(opened.st_size));
}

std::string ProblemOf(const Result<std::string>& read) {
    return read || read.error().code == ErrorCode::Missing ? std::string() : read.error().message;
}

FileView::FileView(FileView&& other) noexcept {
    *this = std::move(other);
}

FileView& FileView::operator=(FileView&& other) noexcept {
    if (this == &other) return *this;
    if (mapping_ != nullptr) ::munmap(mapping_, size_);
    mapping_ = std::exchange(other.mapping_, nullptr);
    size_ = std::exchange(other.size_, 0);
    copy_ = std::move(other.copy_);
    return *this;
}

FileView::~FileView() {
    if (mapping_ != nullptr) ::munmap(mapping_, size_);
}

std::string_view FileView::bytes() const {
    if (mapping_ != nullptr) return {static_cast<const char*>(mapping_), size_};
    return copy_;
}

Result<FileView> ViewRegularFile(const std::string& path) {
    return ViewCheckedFile(path, 0, {});
}

Result<FileView> ViewCheckedFile(const std::string& path, size_t headLength,
                                 const std::function<bool(std::string_view, long long)>& accept) {
    FileDescriptor file;
    struct stat opened {};
    if (Result<void> open = OpenRegularFile(path, file, opened); !open) {
        return Failure(std::move(open).error());
    }
    if (accept) {
        std::string head(static_cast<size_t>(std::min<long long>(static_cast<long long>(headLength),
                                                                 opened.st_size)),
                         '\0');
        if (Result<void> read = ReadFileAt(file.get(), path, 0, head); !read) {
            return Failure(std::move(read).error());
        }
        if (!accept(head, static_cast<long long>(opened.st_size))) {
            return Failure(Error{ErrorCode::Damaged, path, 0,
                                 path + " is not the file its first bytes describe"});
        }
    }
    FileView view;
    if (opened.st_size > 0) {
        // A file viewed whole is read whole: its pages are read in at once, one fault for the
        // file instead of one per page. A checked file (a saved index) is mostly read in part:
        // its pages are read as they are used.
        const int populate = accept ? 0 : MAP_POPULATE;
        void* mapping = ::mmap(nullptr, static_cast<size_t>(opened.st_size), PROT_READ,
                               MAP_PRIVATE | populate, file.get(), 0);
        if (mapping != MAP_FAILED) {
            view.mapping_ = mapping;
            view.size_ = static_cast<size_t>(opened.st_size);
            return view;
        }
    }
    // An empty file (which may be a special file that reads more), or no mapping to be had.
    Result<std::string> bytes =
        ReadOpenFile(file.get(), path, kNoSizeLimit, static_cast<long long>(opened.st_size));
    if (!bytes) return Failure(std::move(bytes).error());
    view.copy_ = std::move(*bytes);
    return view;
}

Result<std::string> ReadWholeFile(const std::string& path) {
    return ReadRegularFile(path);
}

Result<std::string> ReadFileRange(const std::string& path, long long offset, long long count) {
    if (offset < 0 || count < 0) {
        return Failure(Error{ErrorCode::Refused, path, 0,
                             "cannot read " + path + " at " + std::to_string(offset) + " for " +
                                 std::to_string(count) + " bytes"});
    }
    FileDescriptor file;
    struct stat opened {};
    if (Result<void> open = OpenRegularFile(path, file, opened); !open) {
        return Failure(std::move(open).error());
    }
    if (offset > opened.st_size) {
        return Failure(Error{ErrorCode::Damaged, path, 0,
                             path + " ends before byte " + std::to_string(offset)});
    }
    const long long available = std::min<long long>(count, opened.st_size - offset);
    std::string bytes(static_cast<size_t>(available), '\0');
    // A file cut short while it was read gives what was there.
    if (Result<void> read = ReadFileAt(file.get(), path, offset, bytes); !read) {
        return Failure(std::move(read).error());
    }
    return bytes;
}

Result<void> ReadFileAt(int fd, const std::string& path, long long offset, std::string& bytes) {
    size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::pread(fd, bytes.data() + got, bytes.size() - got,
                                  static_cast<off_t>(offset + static_cast<long long>(got)));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return SystemFailure(ErrorCode::ReadFailed, "cannot read", path);
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    bytes.resize(got);
    return {};
}

std::string FileErrorReason(const std::string& what, const std::string& path, int error) {
    return SystemError(ErrorCode::ReadFailed, what, path, error).message;
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FolderExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

TextLines::TextLines(std::string_view bytes) : rest_(bytes) {
    const size_t mark = rest_.find(kEndOfFileMark);
    if (mark != std::string_view::npos) rest_ = rest_.substr(0, mark);
}

bool TextLines::next(std::string_view& line) {
    if (rest_.empty()) return false;
    // Two scans with memchr beat one scan for either byte: lines rarely hold a CR.
    const char* begin = rest_.data();
    const auto* lf = static_cast<const char*>(std::memchr(begin, '\n', rest_.size()));
    const size_t limit = lf != nullptr ? static_cast<size_t>(lf - begin) : rest_.size();
    const auto* cr = static_cast<const char*>(std::memchr(begin, '\r', limit));
    const size_t end = cr != nullptr ? static_cast<size_t>(cr - begin) : limit;
    if (end == rest_.size()) {
        line = rest_;
        rest_ = {};
        return true;
    }
    line = rest_.substr(0, end);
    size_t skip = 1;
    if (rest_[end] == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n') skip = 2;
    rest_.remove_prefix(end + skip);
    return true;
}

std::vector<std::string> SplitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    TextLines reader(bytes);
    for (std::string_view line; reader.next(line);)
        lines.emplace_back(line);
    return lines;
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::string WithCrLfLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += "\r\n";
        } else {
            out += text[i];
        }
    }
    return out;
}

Result<void> WriteDurably(const std::string& path, std::string_view bytes,
                          const std::string& likeFile, ExistingFile existing) {
    const int ifExists = existing == ExistingFile::Replace ? O_TRUNC : O_EXCL;
    FileDescriptor file(
        ::open(path.c_str(), O_WRONLY | O_CREAT | ifExists | O_CLOEXEC | O_NOFOLLOW, 0666));
    if (!file.valid()) return SystemFailure(ErrorCode::WriteFailed, "cannot create", path);
    struct stat like {};
    if (!likeFile.empty() && ::stat(likeFile.c_str(), &like) == 0) {
        // The owner can only be kept by a program that may give files away (else the group,
        // where the user belongs to it); the permission bits always.
        if (::fchown(file.get(), like.st_uid, like.st_gid) != 0) {
            [[maybe_unused]] const int groupKept =
                ::fchown(file.get(), static_cast<uid_t>(-1), like.st_gid);
        }
        if (::fchmod(file.get(), like.st_mode & 07777) != 0) {
            return SystemFailure(ErrorCode::WriteFailed, "cannot set the permissions of", path);
        }
    }
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(file.get(), bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) errno = EIO;
        if (n <= 0) return SystemFailure(ErrorCode::WriteFailed, "cannot write", path);
        written += static_cast<size_t>(n);
    }
    if (::fsync(file.get()) != 0)
        return SystemFailure(ErrorCode::WriteFailed, "cannot flush", path);
    if (!file.close()) return SystemFailure(ErrorCode::WriteFailed, "cannot close", path);
    return {};
}

Result<void> SyncFolder(const std::string& folder) {
    const std::string name = folder.empty() ? "." : folder;
    const FileDescriptor opened(::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!opened.valid()) return SystemFailure(ErrorCode::WriteFailed, "cannot open", folder);
    if (::fsync(opened.get()) != 0) {
        return SystemFailure(ErrorCode::WriteFailed, "cannot flush", folder);
    }
    return {};
}

Result<void> WriteFileAtomically(const std::string& path, std::string_view bytes) {
    if (path.empty() || path.back() == '/') {
        return Failure(Error{ErrorCode::Refused, path, EISDIR,
                             "cannot write \"" + path + "\": it names no file"});
    }
    std::random_device random;
    const std::string temporary =
        PathInFolder(FolderOf(path), "." + BaseName(path) + std::string(kTemporaryMark) +
                                         std::to_string(random() % 1'000'000));
    if (Result<void> written = WriteDurably(temporary, bytes, path, ExistingFile::Refuse);
        !written) {
        // A temporary of that name already there belongs to another writer: it stays.
        const int error = written.error().errorNumber;
        if (error != EEXIST) std::remove(temporary.c_str());
        return Failure(SystemError(ErrorCode::WriteFailed, "cannot write", path, error));
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const Failure failed = SystemFailure(ErrorCode::WriteFailed, "cannot replace", path);
        std::remove(temporary.c_str());
        return failed;
    }
    // The new name is in place; flushing the folder makes it last through a power cut.
    (void)SyncFolder(FolderOf(path));
    return {};
}

std::optional<std::string> AtomicTemporaryTarget(std::string_view name) {
    const size_t mark = name.rfind(kTemporaryMark);
    if (!name.starts_with('.') || mark == std::string_view::npos || mark < 2) return std::nullopt;
    const std::string_view digits = name.substr(mark + kTemporaryMark.size());
    if (digits.empty() || digits.size() > kTemporaryDigits ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return std::string(name.substr(1, mark - 1));
}

}  // namespace orvan
