// The script that removes an installed copy of the program: "uninst.sh", written into the
// desktop folder and started detached just before the program quits, so that it can remove the
// program's own files once the program has ended.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lexicon/result.h"

namespace orvan::setup {

inline constexpr const char* kUninstallScriptName = "uninst.sh";

/// \brief A file an installation made, and what it held then.
struct InstalledFile {
    std::string path;  // relative to the installation folder: "orvan", "data/i.tbo", ...
    std::uint64_t size = 0;
    std::string sha256;  // 64 lower-case hexadecimal digits
};

/// \brief What an installation put into its folder, as the uninstallation takes it away again.
struct InstalledLayout {
    std::string folder;  // the installation folder, absolute, no trailing "/"
    /// Removed whatever they hold: the installation kept no list of what it made, and these are
    /// the names it would have made.
    std::vector<std::string> files;
    std::vector<std::string> folders;  // relative to `folder`, in the order they were created
    /// Removed only while each is still a regular file of the size and SHA-256 it was made with:
    /// a file the user put there before, or changed since, stays.
    std::vector<InstalledFile> checkedFiles = {};
    /// The installation's list of what it made, relative; removed after the folders; empty for
    /// none.
    std::string list = {};
};

/// \brief `text` as one word of the POSIX shell: in single quotes, each single quote written as
/// '\'' . Nothing inside (blanks, $, `, ;, a newline) is then read by the shell.
///
///     ShellQuoted("it's") == "'it'\\''s'"
std::string ShellQuoted(const std::string& text);

/// \brief The text of the uninstall script for `layout`, to be saved as `desktopFolder` + "/" +
/// kUninstallScriptName. It removes the installed files (the checked ones only while they still
/// match, with `sha256sum`), then the installed folders deepest first, each only when empty,
/// then the list, then the installation folder only when empty; it changes to the
/// desktop folder and does the same removals twice more (the program may still be ending the
/// first time); finally it removes itself. Files of the user's (personal entries, anything not
/// installed) are never removed, and no path can be read by the shell as anything but a path.
///
/// Empty (nothing to run) when the installation folder is not absolute, is the root, holds a NUL
/// or has a "." or ".." part, or when the desktop folder is not absolute or holds a NUL. A listed
/// file or folder that is empty, absolute, holds a NUL or has an empty, "." or ".." part could
/// lead out of the installation folder: it is left out of the script.
std::string UninstallScript(const InstalledLayout& layout, const std::string& desktopFolder);

/// \brief Writes `script` as `desktopFolder` + "/" + kUninstallScriptName, executable by its
/// owner alone, creating the folder when it is missing. The error says "cannot write" the
/// script, with the system's reason.
Result<void> WriteUninstallScript(const std::string& desktopFolder, const std::string& script);

}  // namespace orvan::setup
