// The list an installation leaves in the installation folder, "installed.lst": every file and
// folder it made there, each file with its size and SHA-256, so that the uninstallation removes
// exactly those, and a file only while it still holds what was installed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "setup/uninstall_script.h"

namespace orvan::setup {

/// The list's name in the installation folder.
inline constexpr const char* kInstalledListName = "installed.lst";

/// \brief What the installations into one folder made there, in the order they made it.
struct InstalledList {
    std::vector<InstalledFile> files;
    std::vector<std::string> folders;

    /// Adds a file or folder made; one made again (after the user removed it) takes the place
    /// of its earlier entry.
    void addFile(InstalledFile file);
    void addFolder(const std::string& path);
};

/// \brief The list as saved: a first line that marks it as the program's, then one line per
/// folder, "folder PATH", and per file, "file SIZE SHA256 PATH", each ending in LF; PATH is
/// relative to the installation folder and runs to the end of the line, blanks included.
///
///     # Orvan installed these files and folders here; uninstalling removes them.
///     folder content
///     file 5 2cf24dba5fb0a30e26e83b2ac5b9e29e1b161e5c1fa7425e73043362938b9824 content/a b.bmp
///
/// A path holding a newline cannot be written on one line and is left out (no content list can
/// name one: its own lines end there).
std::string InstalledListText(const InstalledList& list);

/// \brief The list in `bytes`, or nothing when they do not start with the list's first line
/// (another file of that name). A line of neither form is passed over.
std::optional<InstalledList> ReadInstalledList(std::string_view bytes);

}  // namespace orvan::setup
