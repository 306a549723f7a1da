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

/// The longest user-dirs.dirs read: a few lines of folders fit many times over. A longer one is
/// not read at all, as though there were none.
inline constexpr long long kUserFolderListLimit = 64 * 1024;

/// \brief XDG_DOCUMENTS_DIR of the config folder's user-dirs.dirs (the last such line, "$HOME"
/// at its start standing for the home folder), else the home folder's "Documents". When
/// `problem` is given, it is set to why a user-dirs.dirs that is there was not read (naming the
/// file), and emptied otherwise.
std::string DocumentsFolder(std::string* problem = nullptr);

/// \brief The three folders the settings file is looked for in; `problem` as for
/// DocumentsFolder.
SettingsFolders StandardSettingsFolders(std::string* problem = nullptr);

}  // namespace orvan::cli
