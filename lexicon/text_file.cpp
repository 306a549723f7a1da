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

WriteOutcome Failure(const std::string& what, const std::string& path) {
    return {false, FileErrorReason(what, path, errno), errno};
}

// Reads from `fd` until the end, or until more than `limit` bytes have come.
FileContents ReadOpenFile(int fd, const std::string& path, long long limit, long long sizeHint) {
    FileContents contents{ReadStatus::Read, {}, {}};
    const long long wanted = limit < 0 ? -1 : limit + 1;
    if (sizeHint > 0) {
        contents.bytes.reserve(
            static_cast<size_t>(wanted < 0 ? sizeHint : std::min(sizeHint, wanted)));
    }
    char buffer[65536];
    while (wanted < 0 || static_cast<long long>(contents.bytes.size()) < wanted) {
        size_t chunk = sizeof buffer;
        if (wanted >= 0) {
            chunk = static_cast<size_t>(
                std::min<long long>(chunk, wanted - static_cast<long long>(contents.bytes.size())));
        }
        const ssize_t n = ::read(fd, buffer, chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return {ReadStatus::Failed, {}, FileErrorReason("cannot read", path, errno)};
        if (n == 0) break;
        contents.bytes.append(buffer, static_cast<size_t>(n));
    }
    if (limit >= 0 && static_cast<long long>(contents.bytes.size()) > limit) {
        return {
            ReadStatus::TooLarge, {}, path + " is longer than " + std::to_string(limit) + " bytes"};
    }
    return contents;
}

// Opens a regular file for reading into `file` and `opened`; a contents with every status but
// Read tells why it could not be.
FileContents OpenRegularFile(const std::string& path, FileDescriptor& file, struct stat& opened) {
    struct stat before {};
    if (path.empty() || ::stat(path.c_str(), &before) != 0) {
        if (!path.empty() && errno != ENOENT && errno != ENOTDIR) {
            return {ReadStatus::Failed, {}, FileErrorReason("cannot open", path, errno)};
        }
        return {ReadStatus::Missing, {}, "there is no file " + path};
    }
    if (!S_ISREG(before.st_mode)) {
        return {ReadStatus::NotAFile, {}, path + " is not a plain file"};
    }
    // Without O_NONBLOCK a FIFO put there since the look above would hold the open for ever.
    file = FileDescriptor(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!file.valid()) {
        if (errno == ENOENT) return {ReadStatus::Missing, {}, "there is no file " + path};
        return {ReadStatus::Failed, {}, FileErrorReason("cannot open", path, errno)};
    }
    if (::fstat(file.get(), &opened) != 0) {
        return {ReadStatus::Failed, {}, FileErrorReason("cannot open", path, errno)};
    }
    if (!S_ISREG(opened.st_mode)) return {ReadStatus::NotAFile, {}, path + " is not a plain file"};
    return {ReadStatus::Read, {}, {}};
}

// Reads `bytes.size()` bytes of `fd` from `offset` on, fewer where the file ends first (`bytes`
// is cut to what was read); false on a read error, errno telling it.
bool ReadAt(int fd, long long offset, std::string& bytes) {
    size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::pread(fd, bytes.data() + got, bytes.size() - got,
                                  static_cast<off_t>(offset + static_cast<long long>(got)));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    bytes.resize(got);
    return true;
}

// The temporaries of WriteFileAtomically: "." + the file's name + ".tmp" + up to six digits.
constexpr std::string_view kTemporaryMark = ".tmp";
constexpr size_t kTemporaryDigits = 6;

}  // namespace

FileContents ReadRegularFile(const std::string& path, long long limit) {
    FileDescriptor file;
    struct stat opened {};
    FileContents contents = OpenRegularFile(path, file, opened);
    if (!contents.read()) return contents;
    return ReadOpenFile(file.get(), path, limit, static_cast<long long>(opened.st_size));
}

FileView::FileView(FileView&& other) noexcept {
    *this = std::move(other);
}

FileView& FileView::operator=(FileView&& other) noexcept {
    if (this == &other) return *this;
    if (mapping_ != nullptr) ::munmap(mapping_, size_);
    status = other.status;
    reason = std::move(other.reason);
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

FileView ViewRegularFile(const std::string& path) {
    return ViewCheckedFile(path, 0, {});
}

FileView ViewCheckedFile(const std::string& path, size_t headLength,
                         const std::function<bool(std::string_view, long long)>& accept) {
    FileView view;
    FileDescriptor file;
    struct stat opened {};
    FileContents contents = OpenRegularFile(path, file, opened);
    if (contents.read() && accept) {
        std::string head(static_cast<size_t>(std::min<long long>(static_cast<long long>(headLength),
                                                                 opened.st_size)),
                         '\0');
        if (!ReadAt(file.get(), 0, head)) {
            contents = {ReadStatus::Failed, {}, FileErrorReason("cannot read", path, errno)};
        } else if (!accept(head, static_cast<long long>(opened.st_size))) {
            contents = {ReadStatus::Failed, {}, path + " is not the file its first bytes describe"};
        }
    }
    if (contents.read() && opened.st_size > 0) {
        // The pages are read in at once: one fault for the file instead of one per page.
        void* mapping = ::mmap(nullptr, static_cast<size_t>(opened.st_size), PROT_READ,
                               MAP_PRIVATE | MAP_POPULATE, file.get(), 0);
        if (mapping != MAP_FAILED) {
            view.status = ReadStatus::Read;
            view.mapping_ = mapping;
            view.size_ = static_cast<size_t>(opened.st_size);
            return view;
        }
    }
    // An empty file (which may be a special file that reads more), or no mapping to be had.
    if (contents.read()) {
        contents =
            ReadOpenFile(file.get(), path, kNoSizeLimit, static_cast<long long>(opened.st_size));
    }
    view.status = contents.status;
    view.reason = std::move(contents.reason);
    view.copy_ = std::move(contents.bytes);
    return view;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    FileContents contents = ReadRegularFile(path);
    if (!contents.read()) return std::nullopt;
    return std::move(contents.bytes);
}

std::optional<std::string> ReadFileRange(const std::string& path, long long offset,
                                         long long count) {
    if (offset < 0 || count < 0 || !FileExists(path)) return std::nullopt;
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (!file.valid() || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
        offset > st.st_size) {
        return std::nullopt;
    }
    const long long available = std::min<long long>(count, st.st_size - offset);
    std::string bytes(static_cast<size_t>(available), '\0');
    // A file cut short while it was read gives what was there.
    if (!ReadAt(file.get(), offset, bytes)) return std::nullopt;
    return bytes;
}

std::string FileErrorReason(const std::string& what, const std::string& path, int error) {
    return what + " " + path + ": " + std::strerror(error);
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

bool TextLines::Next(std::string_view& line) {
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
    for (std::string_view line; reader.Next(line);)
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

WriteOutcome WriteDurably(const std::string& path, std::string_view bytes,
                          const std::string& likeFile, ExistingFile existing) {
    const int ifExists = existing == ExistingFile::Replace ? O_TRUNC : O_EXCL;
    FileDescriptor file(
        ::open(path.c_str(), O_WRONLY | O_CREAT | ifExists | O_CLOEXEC | O_NOFOLLOW, 0666));
    if (!file.valid()) return Failure("cannot create", path);
    struct stat like {};
    if (!likeFile.empty() && ::stat(likeFile.c_str(), &like) == 0) {
        // The owner can only be kept by a program that may give files away (else the group,
        // where the user belongs to it); the permission bits always.
        if (::fchown(file.get(), like.st_uid, like.st_gid) != 0) {
            [[maybe_unused]] const int groupKept =
                ::fchown(file.get(), static_cast<uid_t>(-1), like.st_gid);
        }
        if (::fchmod(file.get(), like.st_mode & 07777) != 0) {
            return Failure("cannot set the permissions of", path);
        }
    }
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(file.get(), bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) errno = EIO;
        if (n <= 0) return Failure("cannot write", path);
        written += static_cast<size_t>(n);
    }
    if (::fsync(file.get()) != 0) return Failure("cannot flush", path);
    if (!file.Close()) return Failure("cannot close", path);
    return {true, {}, 0};
}

WriteOutcome SyncFolder(const std::string& folder) {
    const std::string name = folder.empty() ? "." : folder;
    const FileDescriptor opened(::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!opened.valid()) return Failure("cannot open", folder);
    if (::fsync(opened.get()) != 0) return Failure("cannot flush", folder);
    return {true, {}, 0};
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    if (path.empty() || path.back() == '/') return false;
    std::random_device random;
    const std::string temporary =
        PathInFolder(FolderOf(path), "." + BaseName(path) + std::string(kTemporaryMark) +
                                         std::to_string(random() % 1'000'000));
    if (const WriteOutcome written = WriteDurably(temporary, bytes, path, ExistingFile::Refuse);
        !written.done) {
        // A temporary of that name already there belongs to another writer: it stays.
        if (written.error != EEXIST) std::remove(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    // The new name is in place; flushing the folder makes it last through a power cut.
    SyncFolder(FolderOf(path));
    return true;
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
