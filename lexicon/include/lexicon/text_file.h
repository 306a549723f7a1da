// Byte-level file access shared by every reader and writer of the lexicon's files.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lexicon/result.h"

namespace orvan {

/// The end-of-file mark of the original platform's text files: a line reader stops at it.
inline constexpr char kEndOfFileMark = 26;

inline constexpr long long kNoSizeLimit = -1;

/// \brief Reads a regular file whole, following symbolic links. The error's code tells why
/// there are no bytes: Missing (no such file), NotAFile (a folder, a FIFO, a device: never
/// opened, so never waited on), TooLarge (longer than `limit` bytes, when a limit is given:
/// refused after reading at most `limit` + 1 bytes) or ReadFailed (the system's reason).
Result<std::string> ReadRegularFile(const std::string& path, long long limit = kNoSizeLimit);

/// \brief Why a file that is there could not be read, naming it; empty when it was read or is
/// not there at all.
std::string ProblemOf(const Result<std::string>& read);

/// \brief A regular file's bytes, read-only: a private mapping of the file where the system
/// gives one, else the bytes read into memory. For the lexicon's large index files, which are
/// read once and only ever replaced whole (by renaming a new file over them): a mapping keeps
/// the file as it was opened even when another is renamed over it meanwhile. Never view a file
/// that is changed in place.
class FileView {
  public:
    FileView() = default;
    FileView(FileView&& other) noexcept;
    FileView& operator=(FileView&& other) noexcept;
    FileView(const FileView&) = delete;
    FileView& operator=(const FileView&) = delete;
    ~FileView();

    std::string_view bytes() const;

  private:
    friend Result<FileView> ViewCheckedFile(
        const std::string& path, size_t headLength,
        const std::function<bool(std::string_view, long long)>& accept);
    void* mapping_ = nullptr;
    size_t size_ = 0;
    std::string copy_;  // the bytes, where the file could not be mapped
};

/// \brief Views a regular file whole, as ReadRegularFile reads it (the same errors).
Result<FileView> ViewRegularFile(const std::string& path);

/// \brief Views a regular file as ViewRegularFile does, but only once `accept` has approved its
/// first `headLength` bytes (all of a shorter file) and its length in bytes: before that nothing
/// past the head is read or mapped. A file refused is Damaged. For files that say in
/// their first bytes how long they are, so that a damaged one is never read in whole. Its pages
/// are read as they are used, since such files are mostly read in part.
///
///     ViewCheckedFile(path, 72, [](std::string_view head, long long length) {
///         return LengthItStates(head) == length;
///     });
Result<FileView> ViewCheckedFile(const std::string& path, size_t headLength,
                                 const std::function<bool(std::string_view, long long)>& accept);

/// \brief The whole content of a regular file (ReadRegularFile without a limit).
Result<std::string> ReadWholeFile(const std::string& path);

/// \brief At most `count` bytes of a regular file starting at the 0-based `offset`; an error
/// when the file cannot be opened or read, the offset is negative (Refused) or lies past the end
/// (Damaged). A read that reaches the end of the file returns the bytes up to the end.
Result<std::string> ReadFileRange(const std::string& path, long long offset, long long count);

/// \brief Reads `bytes.size()` bytes of the open file `fd` (which is `path`) from `offset` on,
/// fewer where the file ends first: `bytes` is cut to what was read.
Result<void> ReadFileAt(int fd, const std::string& path, long long offset, std::string& bytes);

/// \brief What went wrong with a file, as the program tells it: "cannot create /a/b: No space left
/// on device" for ("cannot create", "/a/b", ENOSPC).
std::string FileErrorReason(const std::string& what, const std::string& path, int error);

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);

/// \brief Splits text-file bytes into lines the way the original platform read them: a line ends
/// at CR LF, LF or a lone CR, and the end-of-file mark (byte 26) ends the text.
///
///     TextLines lines(bytes);
///     for (std::string_view line; lines.Next(line);) { ... }
class TextLines {
  public:
    explicit TextLines(std::string_view bytes);
    bool next(std::string_view& line);

  private:
    std::string_view rest_;
};

std::vector<std::string> SplitLines(std::string_view bytes);

/// \brief Joins lines, each followed by CR LF, as every text file of the program is written.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

/// \brief `text` with every line end (CR LF, LF or a lone CR) made CR LF, the line end the
/// program's texts and files use.
///
///     WithCrLfLineEnds("a\nb\rc\r\n") == "a\r\nb\r\nc\r\n"
std::string WithCrLfLineEnds(std::string_view text);

/// How WriteDurably treats a file already at its path.
enum class ExistingFile {
    Replace,  // truncated and written anew
    Refuse,   // the write fails and the file is left alone
};

/// \brief Creates `path` (or truncates it, unless `existing` refuses), writes `bytes` and flushes
/// them to the disk before it returns. A symbolic link at `path` is never followed. When
/// `likeFile` names an existing file, the new file takes its permission bits and, where the
/// program may give files away, its owner (else its group, where the user belongs to it).
/// The error (WriteFailed) names the step that failed, the file and the system's reason.
Result<void> WriteDurably(const std::string& path, std::string_view bytes,
                          const std::string& likeFile = {},
                          ExistingFile existing = ExistingFile::Replace);

/// \brief Flushes a folder's entries (names created, renamed or removed) to the disk; an empty
/// folder is the current one.
Result<void> SyncFolder(const std::string& folder);

/// \brief Replaces `path` by `bytes` in one atomic step: the bytes go to a new temporary file in
/// the same folder, are flushed to disk, and the temporary is renamed over the old file, whose
/// permission bits and owner the new one keeps. On failure the old file is left as it was and
/// the temporary is removed; the error names the file and the system's reason. The temporary is
/// named after the file, as AtomicTemporaryTarget reads it: a writer killed before its rename
/// leaves it behind.
Result<void> WriteFileAtomically(const std::string& path, std::string_view bytes);

/// \brief The name of the file that a temporary of WriteFileAtomically, named `name`, was to
/// replace; nothing for a name of any other form.
///
///     AtomicTemporaryTarget(".Orvan.ini.tmp123456") == "Orvan.ini"
///     AtomicTemporaryTarget("Orvan.ini") == std::nullopt
std::optional<std::string> AtomicTemporaryTarget(std::string_view name);

}  // namespace orvan
