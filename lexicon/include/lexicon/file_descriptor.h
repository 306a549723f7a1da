// An open file, closed when its owner goes out of scope, on every path out.
#pragma once

#include <unistd.h>

#include <utility>

namespace orvan {

/// \brief Owns a POSIX file descriptor (or none, -1) and closes it on destruction.
///
///     FileDescriptor file(::open(path, O_RDONLY | O_CLOEXEC));
///     if (!file.valid()) return false;
///     ::read(file.get(), buffer, size);
class FileDescriptor {
  public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        if (this != &other) {
            close();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { close(); }

    bool valid() const { return fd_ >= 0; }
    int get() const { return fd_; }

    /// \brief Closes the file now; false when the system reports an error, which for a file
    /// just written means its data may not have reached it. Closing nothing succeeds.
    bool close() { return fd_ < 0 || ::close(std::exchange(fd_, -1)) == 0; }

  private:
    int fd_ = -1;
};

}  // namespace orvan
