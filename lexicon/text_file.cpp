#include "text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>

namespace orvan {

namespace {
constexpr char kEndOfFileMark = 26;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in || !FileExists(path)) return std::nullopt;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) return std::nullopt;
    in.seekg(0, std::ios::beg);
    std::string bytes(static_cast<size_t>(size), '\0');
    if (size > 0 && !in.read(bytes.data(), size)) return std::nullopt;
    return bytes;
}

std::optional<std::string> ReadFileRange(const std::string& path, long long offset,
                                         long long count) {
    if (offset < 0 || count < 0) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in || !FileExists(path)) return std::nullopt;
    in.seekg(0, std::ios::end);
    const long long size = in.tellg();
    if (size < 0 || offset > size) return std::nullopt;
    const long long available = std::min(count, size - offset);
    std::string bytes(static_cast<size_t>(available), '\0');
    in.seekg(offset, std::ios::beg);
    if (available > 0 && !in.read(bytes.data(), available)) return std::nullopt;
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
