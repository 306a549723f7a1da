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
Result<void> PlaceWithoutReplacing(const std::string& temporary, const std::string& to) {
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return {};
    }
    // A file system that cannot refuse in the rename itself: a hard link refuses the same way.
    if ((errno != EINVAL && errno != ENOSYS) || ::link(temporary.c_str(), to.c_str()) != 0) {
        return Failure(SystemError(ErrorCode::WriteFailed, "cannot create", to, errno));
    }
    ::unlink(temporary.c_str());
    return {};
}

// Copies `from` to `to`, never replacing a file at `to`. The copy keeps the permission bits of
// the original and appears whole or not at all. Done: the copy's size and SHA-256 in `made`.
Result<void> CopyWithoutReplacing(const std::string& from, const std::string& to,
                                  InstalledFile& made) {
    struct stat existing {};
    if (::lstat(to.c_str(), &existing) == 0) {
        return Failure(SystemError(ErrorCode::Refused, "will not replace", to, EEXIST));
    }
    const Result<std::string> source = ReadRegularFile(from);
    if (!source) return Failure(source.error());
    std::random_device random;
    const std::string temporary = PathInFolder(
        FolderOf(to), "." + BaseName(to) + ".copy" + std::to_string(random() % 1000000));
    if (Result<void> written = WriteDurably(temporary, *source, from, ExistingFile::Refuse);
        !written) {
        if (written.error().errorNumber != EEXIST) ::unlink(temporary.c_str());
        return written;
    }
    if (Result<void> placed = PlaceWithoutReplacing(temporary, to); !placed) {
        ::unlink(temporary.c_str());
        return placed;
    }
    (void)SyncFolder(FolderOf(to));
    made.size = source->size();
    made.sha256 = Sha256Hex(*source);
    return {};
}

Result<void> CreateFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0777) != 0) {
        return Failure(
            SystemError(ErrorCode::WriteFailed, "cannot create the folder", path, errno));
    }
    return {};
}

class Installation {
  public:
    Installation(std::string source, std::string target)
        : source_(std::move(source)), target_(std::move(target)) {}

    void copy(const std::string& relative) {
        InstalledFile made;
        made.path = relative;
        const Result<void> copied = CopyWithoutReplacing(PathInFolder(source_, relative),
                                                         PathInFolder(target_, relative), made);
        if (copied) made_.addFile(std::move(made));
        note(copied);
    }
    void createFolder(const std::string& relative) {
        const Result<void> created = CreateFolder(PathInFolder(target_, relative));
        if (created) made_.addFolder(relative);
        note(created);
    }
    // Adds what this installation made to the folder's list, after what earlier installations
    // into it made, so that uninstalling removes all of it and nothing else. A file of another
    // kind at the list's name is the user's and stays.
    void writeList() {
        const std::string path = PathInFolder(target_, kInstalledListName);
        InstalledList list;
        const Result<std::string> earlier = ReadRegularFile(path);
        if (earlier) {
            std::optional<InstalledList> read = ReadInstalledList(*earlier);
            if (!read) {
                note(FileErrorReason("will not replace", path, EEXIST));
                return;
            }
            list = std::move(*read);
        } else if (earlier.error().code != ErrorCode::Missing) {
            note(earlier.error().message);
            return;
        }
        for (const std::string& folder : made_.folders)
            list.addFolder(folder);
        for (const InstalledFile& file : made_.files)
            list.addFile(file);
        if (const Result<void> written = WriteFileAtomically(path, InstalledListText(list));
            !written) {
            note("cannot write " + path + ": " + written.error().reason());
        }
    }
    void note(std::string problem) {
        if (!problem.empty()) outcome_.problems.push_back(std::move(problem));
    }
    void note(const Result<void>& done) {
        if (!done) note(done.error().message);
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
    const Result<std::string> list = ReadRegularFile(PathInFolder(startFolder, kContentListPath));
    if (!list && list.error().code == ErrorCode::Missing) return true;
    if (!list) {
        reason = list.error().message;
        return false;
    }
    for (const ContentStep& step : ReadContentList(*list)) {
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
        if (into.empty()) continue;
        if (const Result<void> written = WriteDesktopEntry(into, folder); !written) {
            installation.note("cannot write the desktop entry " +
                              PathInFolder(into, kDesktopEntryName) + ": " +
                              written.error().reason());
        }
    }
    if (places.settingsPath.empty()) return installation.finish();
    if (const Result<void> written = WriteSettings(places.settingsPath, "YES", folder); !written) {
        installation.note("cannot write the settings file " + places.settingsPath + ": " +
                          written.error().reason());
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
    const Result<std::string> listed = ReadRegularFile(listPath);
    if (listed) {
        std::optional<InstalledList> list = ReadInstalledList(*listed);
        if (!list) {
            problem = "not a list of installed files: " + listPath;
            return layout;
        }
        layout.checkedFiles = std::move(list->files);
        layout.folders = std::move(list->folders);
        layout.list = kInstalledListName;
        return layout;
    }
    if (listed.error().code != ErrorCode::Missing) {
        problem = listed.error().message;
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
