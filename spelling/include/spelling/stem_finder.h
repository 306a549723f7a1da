// The stems of a typed word in its language, from the English and Greek Hunspell dictionaries
// found on the system: what the lookup state offers when a search finds nothing.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orvan::spelling {

/// \brief Gives the stems of `word` (code page 1253) in English, or in Greek when `greek`, in
/// the code page. Empty (no function) when no dictionary was found.
using StemFinder = std::function<std::vector<std::string>(std::string_view word, bool greek)>;

/// \brief The folders the system's dictionaries are looked for in, in order: the one named by
/// ORVAN_HUNSPELL_DIR alone when it is set, else Debian's /usr/share/hunspell and the older
/// /usr/share/myspell/dicts.
std::vector<std::filesystem::path> SystemDictionaryFolders();

/// \brief A finder over the first English (en_US, en_GB) and Greek (el_GR) dictionaries in
/// `folders`, loaded now. A language without a dictionary gives no stems; no function at all
/// when neither has one.
StemFinder LoadStemFinder(const std::vector<std::filesystem::path>& folders);

/// \brief The finder over the system's dictionaries, shared by the whole program. The first
/// call starts loading them in the background (the Greek list is large); a search asks the
/// finder only when it found nothing, and waits for the load then if it is still under way.
StemFinder SystemStemFinder();

}  // namespace orvan::spelling
