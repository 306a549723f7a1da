// The desktop entry that starts an installed copy of the program: "Orvan.desktop" on the user's
// desktop and in the applications folder, so that it appears in the desktop's menus too.
#pragma once

#include <string>

#include "lexicon/result.h"

namespace orvan::setup {

inline constexpr const char* kDesktopEntryName = "Orvan.desktop";

/// \brief The desktop entry (freedesktop Desktop Entry format) that starts `programFolder` +
/// "/orvan" in `programFolder` (absolute, no trailing "/"). Exec and Path are escaped so that any
/// folder name, with blanks, quotes, $, %, backslashes or newlines, reaches the program as
/// written. Its icon is the installed content folder's "orvan.png". Its action
/// "lookup-selection" runs the program with --selection, to look up the text selected in another
/// program.
std::string DesktopEntryText(const std::string& programFolder);

/// \brief Writes DesktopEntryText(programFolder) as `intoFolder` + "/Orvan.desktop", mode 0755,
/// through a temporary file renamed over any old entry; `intoFolder` is created when missing.
/// The error names the file or folder that could not be written and the system's reason.
Result<void> WriteDesktopEntry(const std::string& intoFolder, const std::string& programFolder);

}  // namespace orvan::setup
