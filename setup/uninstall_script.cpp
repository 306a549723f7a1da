#include "setup/uninstall_script.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <iterator>
#include <string_view>
#include <system_error>

#include "lexicon/file_paths.h"
#include "lexicon/text_file.h"

namespace orvan::setup {

namespace {

// The parts of a path between its "/"s, empty ones included ("a//b" has three).
std::vector<std::string_view> Components(std::string_view path) {
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t slash = path.find('/', start);
        if (slash == std::string_view::npos) {
            parts.push_back(path.substr(start));
            return parts;
        }
        parts.push_back(path.substr(start, slash - start));
        start = slash + 1;
    }
}

// A path inside the installation folder that the script may name: relative, with no empty, "."
// or ".." part, so that it can only ever reach below the installation folder.
bool StaysInside(const std::string& relative) {
    if (relative.empty() || relative.front() == '/') return false;
    if (relative.find('\0') != std::string::npos) return false;
    const std::vector<std::string_view> parts = Components(relative);
    return std::none_of(parts.begin(), parts.end(), [](std::string_view part) {
        return part.empty() || part == "." || part == "..";
    });
}

// The installation folder without trailing "/"s, or nothing when the script must not touch it:
// not absolute, the root, holding a NUL, or with a "." or ".." part (which could lead the
// removals out of it).
std::string UsableFolder(std::string folder) {
    if (folder.empty() || folder.front() != '/') return {};
    if (folder.find('\0') != std::string::npos) return {};
    while (!folder.empty() && folder.back() == '/')
        folder.pop_back();
    if (folder.empty()) return {};
    for (std::string_view part : Components(std::string_view(folder).substr(1))) {
        if (part == "." || part == "..") return {};
    }
    return folder;
}

size_t Depth(const std::string& relative) {
    return static_cast<size_t>(std::count(relative.begin(), relative.end(), '/')) + 1;
}

// Defines remove_installed PATH SIZE SHA256: removes PATH only while it is a regular file (not a
// link) of SIZE bytes whose SHA-256 is SHA256, so that a file the user put there or changed stays.
// A missing sha256sum or wc leaves the file, never removes it.
constexpr const char* kRemoveInstalled =
    "remove_installed() {\n"
    "    [ -f \"$1\" ] && [ ! -h \"$1\" ] || return 0\n"
    "    size=$(wc -c <\"$1\") && [ \"$size\" -eq \"$2\" ] 2>/dev/null || return 0\n"
    "    sum=$(sha256sum <\"$1\") && [ \"${sum%% *}\" = \"$3\" ] || return 0\n"
    "    rm -f -- \"$1\" 2>/dev/null\n"
    "}\n";

struct Removals {
    std::vector<std::string> files;
    std::vector<InstalledFile> checkedFiles;
    std::vector<std::string> foldersDeepestFirst;
    std::string list;
};

// One round of removals: the files, the folders deepest first (the latest created first among
// folders of one depth), the list, then the installation folder. rmdir takes a folder only when
// it is empty, so a folder holding anything of the user's stays with it. Errors are expected
// (the second and third rounds find everything gone) and go nowhere.
std::string RemovalRound(const std::string& folder, const Removals& removals) {
    std::string round;
    for (const std::string& file : removals.files)
        round += "rm -f -- " + ShellQuoted(PathInFolder(folder, file)) + " 2>/dev/null\n";
    for (const InstalledFile& file : removals.checkedFiles) {
        round += "remove_installed " + ShellQuoted(PathInFolder(folder, file.path)) + " " +
                 std::to_string(file.size) + " " + ShellQuoted(file.sha256) + "\n";
    }
    for (const std::string& sub : removals.foldersDeepestFirst)
        round += "rmdir -- " + ShellQuoted(PathInFolder(folder, sub)) + " 2>/dev/null\n";
    if (!removals.list.empty())
        round += "rm -f -- " + ShellQuoted(PathInFolder(folder, removals.list)) + " 2>/dev/null\n";
    round += "rmdir -- " + ShellQuoted(folder) + " 2>/dev/null\n";
    return round;
}

}  // namespace

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    quoted += '\'';
    return quoted;
}

std::string UninstallScript(const InstalledLayout& layout, const std::string& desktopFolder) {
    const std::string folder = UsableFolder(layout.folder);
    if (folder.empty()) return {};
    if (desktopFolder.empty() || desktopFolder.front() != '/' ||
        desktopFolder.find('\0') != std::string::npos) {
        return {};
    }

    Removals removals;
    std::copy_if(layout.files.begin(), layout.files.end(), std::back_inserter(removals.files),
                 StaysInside);
    std::copy_if(layout.checkedFiles.begin(), layout.checkedFiles.end(),
                 std::back_inserter(removals.checkedFiles),
                 [](const InstalledFile& file) { return StaysInside(file.path); });
    std::vector<std::string>& folders = removals.foldersDeepestFirst;
    std::copy_if(layout.folders.rbegin(), layout.folders.rend(), std::back_inserter(folders),
                 StaysInside);
    // Reversed above, so a stable sort by depth keeps the latest created first within a depth.
    std::stable_sort(
        folders.begin(), folders.end(),
        [](const std::string& a, const std::string& b) { return Depth(a) > Depth(b); });
    if (StaysInside(layout.list)) removals.list = layout.list;

    const std::string round = RemovalRound(folder, removals);
    std::string script = "#!/bin/sh\n";
    script += "# Removes the installed copy of Orvan. Errors are passed over on purpose: the\n";
    script += "# program may still be ending, and whatever is gone already need not go again.\n";
    if (!removals.checkedFiles.empty()) script += kRemoveInstalled;
    script += round;
    // Out of the installation folder, so that nothing keeps it in use.
    script += "cd -- " + ShellQuoted(desktopFolder) + " 2>/dev/null\n";
    script += round;
    script += round;
    script += "rm -f -- " + ShellQuoted(PathInFolder(desktopFolder, kUninstallScriptName)) +
              " 2>/dev/null\n";
    return script;
}

Result<void> WriteUninstallScript(const std::string& desktopFolder, const std::string& script) {
    const std::string path = PathInFolder(desktopFolder, kUninstallScriptName);
    const auto failed = [&path](int errorNumber) {
        return Failure(SystemError(ErrorCode::WriteFailed, "cannot write", path, errorNumber));
    };
    std::error_code error;
    std::filesystem::create_directories(desktopFolder, error);
    if (error) return failed(error.value());
    if (Result<void> written = WriteFileAtomically(path, script); !written) {
        return failed(written.error().errorNumber != 0 ? written.error().errorNumber : EIO);
    }
    if (::chmod(path.c_str(), 0700) != 0) return failed(errno);
    return {};
}

}  // namespace orvan::setup
