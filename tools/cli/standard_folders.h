// The user's folders the settings search looks in, found as the lookup window finds them
// (freedesktop's base and user folders, as Qt's QStandardPaths reads them), without Qt.
#pragma once

#include <string>

#include "lexicon/settings.h"

namespace orvan::cli {

/// \brief The home folder: $HOME made clean ("//a/./b/" is "/a/b"), "/" when it is not set.
std::string HomeFolder();

/// \brief $XDG_CONFIG_HOME, else the home folder's ".config".
std::string ConfigFolder();

/// \brief The program's own cache folder: "orvan" in $XDG_CACHE_HOME (when it is an absolute
/// path), else in the home folder's ".cache".
std::string CacheFolder();

/// \brief XDG_DOCUMENTS_DIR of the config folder's user-dirs.dirs (the last such line, "$HOME"
/// at its start standing for the home folder), else the home folder's "Documents".
std::string DocumentsFolder();

/// \brief The three folders the settings file is looked for in.
SettingsFolders StandardSettingsFolders();

}  // namespace orvan::cli
