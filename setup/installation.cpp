#include "setup/installation.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>

#include "lexicon/file_paths.h"
#include "lexicon/settings.h"
#include "lexicon/text_file.h"
#include "setup/content_list.h"
#include "setup/desktop_entry.h"
#include "setup/installed_list.h"
#include "setup/sha256.h"

namespace orvan::setup {

namespace {

// Puts the finished temporary at `to` unless something is there already, in one step.
bool PlaceWithoutReplacing(const std::string& temporary, const std::string& to, int& error) {
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        error = errno;
        return false;
    }
    // A file system that cannot refuse in the rename itself: a hard link refuses the same way.
    if (::link(temporary.c_str(), to.c_str()) != 0) {
        error = errno;
        return false;
    }
    ::unlink(temporary.c_str());
    return true;
}

// Copies `from` to `to`, never replacing a file at `to`. The copy keeps the permission bits of
// the original and appears whole or not at all. Empty when done, with the copy's size and
// SHA-256 in `made`; else the reason.
std::string CopyWithoutReplacing(const std::string& from, const std::string& to,
                                 InstalledFile& made) {
    struct stat existing {};
    if (::lstat(to.c_str(), &existing) == 0) return FileErrorReason("will not replace", to, EEXIST);
    const FileContents source = ReadRegularFile(from);
    if (!source.read()) return source.reason;
    std::random_device random;
    const std::string temporary = PathInFolder(
        FolderOf(to), "." + BaseName(to) + ".copy" + std::to_string(random() % 1000000));
    const WriteOutcome written = WriteDurably(temporary, source.bytes, from, ExistingFile::Refuse);
    if (!written.done) {
        if (written.error != EEXIST) ::unlink(temporary.c_str());
        return written.reason;
    }
    int error = 0;
    if (!PlaceWithoutReplacing(temporary, to, error)) {
        ::unlink(temporary.c_str());
        return FileErrorReason("cannot create", to, error);
    }
    SyncFolder(FolderOf(to));
    made.size = source.bytes.size();
    made.sha256 = Sha256Hex(source.bytes);
    return {};
}

std::string CreateFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0777) != 0)
        return FileErrorReason("cannot create the folder", path, errno);
    return {};
}

class Installation {
  public:
    Installation(std::string source, std::string target)
        : source_(std::move(source)), target_(std::move(target)) {}

    void copy(const std::string& relative) {
        InstalledFile made;
        made.path = relative;
        std::string problem = CopyWithoutReplacing(PathInFolder(source_, relative),
                                                   PathInFolder(target_, relative), made);
        if (problem.empty()) made_.AddFile(std::move(made));
        note(std::move(problem));
    }
    void createFolder(const std::string& relative) {
        std::string problem = CreateFolder(PathInFolder(target_, relative));
        if (problem.empty()) made_.AddFolder(relative);
        note(std::move(problem));
    }
    // Adds what this installation made to the folder's list, after what earlier installations
    // into it made, so that uninstalling removes all of it and nothing else. A file of another
    // kind at the list's name is the user's and stays.
    void writeList() {
        const std::string path = PathInFolder(target_, kInstalledListName);
        InstalledList list;
        const FileContents earlier = ReadRegularFile(path);
        if (earlier.read()) {
            std::optional<InstalledList> read = ReadInstalledList(earlier.bytes);
            if (!read) {
                note(FileErrorReason("will not replace", path, EEXIST));
                return;
            }
            list = std::move(*read);
        } else if (earlier.status != ReadStatus::Missing) {
            note(earlier.reason);
            return;
        }
        for (const std::string& folder : made_.folders)
            list.AddFolder(folder);
        for (const InstalledFile& file : made_.files)
            list.AddFile(file);
        if (!WriteFileAtomically(path, InstalledListText(list))) note("cannot write " + path);
    }
    void note(std::string problem) {
        if (!problem.empty()) outcome_.problems.push_back(std::move(problem));
    }
    InstallOutcome finish() {
        outcome_.result =
            outcome_.problems.empty() ? InstallResult::Succeeded : InstallResult::HadProblems;
        return std::move(outcome_);
    }
    InstallOutcome abandon(std::string reason) {
        outcome_.problems.push_back(std::move(reason));
        outcome_.result = InstallResult::Abandoned;
        return std::move(outcome_);
    }

  private:
    std::string source_, target_;
    InstalledList made_;
    InstallOutcome outcome_;
};

// The content folder's part of the installation; false when the list cannot be read.
bool InstallContent(Installation& installation, const std::string& startFolder,
                    std::string& reason) {
    const FileContents list = ReadRegularFile(PathInFolder(startFolder, kContentListPath));
    if (list.status == ReadStatus::Missing) return true;
    if (!list.read()) {
        reason = list.reason;
        return false;
    }
    for (const ContentStep& step : ReadContentList(list.bytes)) {
        if (step.path.empty()) {
            installation.note("the content list names a place outside the content folder: " +
                              step.line);
        } else if (step.kind == ContentStep::Kind::Folder) {
            installation.createFolder("content/" + step.path);
        } else {
            installation.copy("content/" + step.path);
        }
    }
    return true;
}

}  // namespace

std::string InstallationFolder(const std::string& typed) {
    if (!typed.empty() && typed.back() == '/') return typed.substr(0, typed.size() - 1);
    return typed;
}

InstallOutcome InstallFiles(const std::string& typed, const InstallPlaces& places) {
    const std::string folder = InstallationFolder(typed);
    Installation installation(places.startFolder, folder);
    installation.copy(kProgramFile);
    // The installed program is the user's to change: writable by its owner, which also tells
    // the start screen that this copy is installed.
    const std::string program = PathInFolder(folder, kProgramFile);
    struct stat status {};
    if (::stat(program.c_str(), &status) == 0) ::chmod(program.c_str(), status.st_mode | S_IWUSR);
    installation.createFolder("content");
    installation.createFolder("data");
    for (const char* file : kLexiconFiles)
        installation.copy(file);
    std::string reason;
    const bool contentRead = InstallContent(installation, places.startFolder, reason);
    // Even an abandoned installation lists what it made: uninstalling takes that away too.
    installation.writeList();
    if (!contentRead) return installation.abandon(reason);
    for (const std::string& into : {places.desktopFolder, places.applicationsFolder}) {
        if (!into.empty() && !WriteDesktopEntry(into, folder)) {
            installation.note("cannot write the desktop entry " +
                              PathInFolder(into, kDesktopEntryName));
        }
    }
    if (!places.settingsPath.empty() && !WriteSettings(places.settingsPath, "YES", folder)) {
        installation.note("cannot write the settings file " + places.settingsPath);
    }
    return installation.finish();
}

bool RunsFromMedium(const std::string& startFolder) {
    struct stat status {};
    if (::stat(PathInFolder(startFolder, kProgramFile).c_str(), &status) != 0) return true;
    return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

InstalledLayout InstalledLayoutOf(const std::string& folder, std::string& problem) {
    InstalledLayout layout;
    layout.folder =
        folder.size() > 1 && folder.back() == '/' ? folder.substr(0, folder.size() - 1) : folder;
    const std::string listPath = PathInFolder(layout.folder, kInstalledListName);
    const FileContents listed = ReadRegularFile(listPath);
    if (listed.read()) {
        std::optional<InstalledList> list = ReadInstalledList(listed.bytes);
        if (!list) {
            problem = "not a list of installed files: " + listPath;
            return layout;
        }
        layout.checkedFiles = std::move(list->files);
        layout.folders = std::move(list->folders);
        layout.list = kInstalledListName;
        return layout;
    }
    if (listed.status != ReadStatus::Missing) {
        problem = listed.reason;
        return layout;
    }
    // Installed before the program kept a list: the names an installation makes.
    layout.files.push_back(kProgramFile);
    layout.folders = {"content", "data"};
    for (const char* file : kLexiconFiles)
        layout.files.push_back(file);
    if (const auto list = ReadWholeFile(PathInFolder(layout.folder, kContentListPath))) {
        for (const ContentStep& step : ReadContentList(*list)) {
            if (step.path.empty()) continue;
            auto& into = step.kind == ContentStep::Kind::Folder ? layout.folders : layout.files;
            into.push_back("content/" + step.path);
        }
    }
    return layout;
}

}  // namespace orvan::setup
