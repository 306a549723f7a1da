#include "lexicon/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

namespace orvan {

namespace {

std::string Because(const std::string& what, const std::string& path, int error) {
    return what + " " + path + ": " + std::strerror(error);
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
        if (n < 0) return {ReadStatus::Failed, {}, Because("cannot read", path, errno)};
        if (n == 0) break;
        contents.bytes.append(buffer, static_cast<size_t>(n));
    }
    if (limit >= 0 && static_cast<long long>(contents.bytes.size()) > limit) {
        return {
            ReadStatus::TooLarge, {}, path + " is longer than " + std::to_string(limit) + " bytes"};
    }
    return contents;
}

}  // namespace

FileContents ReadRegularFile(const std::string& path, long long limit) {
    struct stat before {};
    if (path.empty() || ::stat(path.c_str(), &before) != 0) {
        if (!path.empty() && errno != ENOENT && errno != ENOTDIR) {
            return {ReadStatus::Failed, {}, Because("cannot open", path, errno)};
        }
        return {ReadStatus::Missing, {}, "there is no file " + path};
    }
    if (!S_ISREG(before.st_mode)) {
        return {ReadStatus::NotAFile, {}, path + " is not a plain file"};
    }
    // Without O_NONBLOCK a FIFO put there since the look above would hold the open for ever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return {ReadStatus::Missing, {}, "there is no file " + path};
        return {ReadStatus::Failed, {}, Because("cannot open", path, errno)};
    }
    struct stat opened {};
    FileContents contents;
    if (::fstat(fd, &opened) != 0) {
        contents = {ReadStatus::Failed, {}, Because("cannot open", path, errno)};
    } else if (!S_ISREG(opened.st_mode)) {
        contents = {ReadStatus::NotAFile, {}, path + " is not a plain file"};
    } else {
        contents = ReadOpenFile(fd, path, limit, static_cast<long long>(opened.st_size));
    }
    ::close(fd);
    return contents;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    FileContents contents = ReadRegularFile(path);
    if (!contents.read()) return std::nullopt;
    return std::move(contents.bytes);
}

std::optional<std::string> ReadFileRange(const std::string& path, long long offset,
                                         long long count) {
    if (offset < 0 || count < 0 || !FileExists(path)) return std::nullopt;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    std::optional<std::string> bytes;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && offset <= st.st_size) {
        const long long available = std::min<long long>(count, st.st_size - offset);
        std::string out(static_cast<size_t>(available), '\0');
        long long got = 0;
        bool failed = false;
        while (got < available) {
            const ssize_t n = ::pread(fd, out.data() + got, static_cast<size_t>(available - got),
                                      static_cast<off_t>(offset + got));
            if (n < 0 && errno == EINTR) continue;
            failed = n < 0;
            if (n <= 0) break;
            got += n;
        }
        // A file cut short while it was read gives what was there.
        if (!failed) {
            out.resize(static_cast<size_t>(got));
            bytes = std::move(out);
        }
    }
    ::close(fd);
    return bytes;
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

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::random_device random;
    const std::string temp = folder + (folder.back() == '/' ? "" : "/") + "." + name + ".tmp" +
                             std::to_string(random() % 1000000);

    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        written += static_cast<size_t>(n);
    }
    const bool flushed = written == bytes.size() && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!flushed || !closed || std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace orvan
