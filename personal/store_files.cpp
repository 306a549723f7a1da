#include "store_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <sys/stat.h>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "text_file.h"

namespace orvan::personal {

namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path) {
    throw StoreFileError(what + " " + path + ": " + std::strerror(errno));
}

std::string BaseName(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string InFolder(const std::string& folder, const std::string& name) {
    return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

// The journal: one line per replaced file, "1 name" when it existed before, "0 name" when not.
std::string JournalText(const std::vector<FileReplacement>& replacements,
                        const std::vector<bool>& existed) {
    std::string text;
    for (size_t i = 0; i < replacements.size(); ++i) {
        text += existed[i] ? "1 " : "0 ";
        text += BaseName(replacements[i].target) + "\n";
    }
    return text;
}

// Puts back the old file of each replaced target; a target that did not exist is removed.
void RollBack(StoreFileSystem& files, const std::string& folder, const std::string& journal) {
    size_t start = 0;
    while (start < journal.size()) {
        size_t end = journal.find('\n', start);
        if (end == std::string::npos) end = journal.size();
        const std::string line = journal.substr(start, end - start);
        start = end + 1;
        if (line.size() < 3 || line[1] != ' ') continue;
        const std::string name = line.substr(2);
        if (name.find('/') != std::string::npos) continue;  // only names in this folder
        const std::string target = InFolder(folder, name);
        const std::string old = target + kOldSuffix;
        if (line[0] == '1') {
            if (files.Exists(old)) files.Rename(old, target);
        } else {
            files.Remove(target);
        }
    }
}

}  // namespace

std::optional<std::string> StoreFileSystem::Read(const std::string& path) {
    if (!Exists(path)) return std::nullopt;
    auto bytes = ReadWholeFile(path);
    if (!bytes) Fail("cannot read", path);
    return bytes;
}

bool StoreFileSystem::Exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

void StoreFileSystem::WriteDurably(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) Fail("cannot create", path);
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ::close(fd);
            Fail("cannot write", path);
        }
        written += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0) {
        ::close(fd);
        Fail("cannot flush", path);
    }
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

void CommitReplacements(StoreFileSystem& files, const std::string& folder,
                        const std::vector<FileReplacement>& replacements) {
    const std::string journal = InFolder(folder, kJournalName);
    const std::string journalTemporary = journal + ".tmp";
    std::vector<bool> existed;
    bool journalWritten = false;
    try {
        for (const FileReplacement& file : replacements) {
            files.WriteDurably(file.temporary, file.bytes);
        }
        for (const FileReplacement& file : replacements) {
            existed.push_back(files.Exists(file.target));
            if (existed.back()) {
                files.Remove(file.target + kOldSuffix);
                files.Link(file.target, file.target + kOldSuffix);
            }
        }
        files.WriteDurably(journalTemporary, JournalText(replacements, existed));
        files.Rename(journalTemporary, journal);
        files.SyncFolder(folder);
        journalWritten = true;
        for (const FileReplacement& file : replacements) {
            files.Rename(file.temporary, file.target);
        }
        files.SyncFolder(folder);
        files.Remove(journal);  // the change is committed
    } catch (const StoreFileError&) {
        try {
            if (journalWritten) {
                RollBack(files, folder, JournalText(replacements, existed));
                files.SyncFolder(folder);
                files.Remove(journal);
            }
            for (size_t i = 0; i < replacements.size(); ++i) {
                files.Remove(replacements[i].temporary);
                if (i < existed.size() && existed[i]) {
                    files.Remove(replacements[i].target + kOldSuffix);
                }
            }
            files.Remove(journalTemporary);
        } catch (const StoreFileError&) {
            // What could not be put back now stays named by the journal for RecoverStore.
        }
        throw;
    }
    // Committed: the old files' second names are no longer needed.
    try {
        files.SyncFolder(folder);
        for (const FileReplacement& file : replacements)
            files.Remove(file.target + kOldSuffix);
    } catch (const StoreFileError&) {
        // Leftover links are removed by the next RecoverStore.
    }
}

void RecoverStore(StoreFileSystem& files, const std::string& folder,
                  const std::vector<std::string>& temporaries) {
    const std::string journal = InFolder(folder, kJournalName);
    if (const auto text = files.Read(journal)) {
        RollBack(files, folder, *text);
        files.SyncFolder(folder);
        files.Remove(journal);
    }
    files.Remove(journal + ".tmp");
    for (const std::string& temporary : temporaries)
        files.Remove(temporary);
    for (const char* name : {"ci.tbo", "cigr.tbo", "clex.tbo"}) {
        files.Remove(InFolder(folder, name) + kOldSuffix);
    }
}

}  // namespace orvan::personal
