// The files orvan-cli saves in the cache folder for one lexicon folder and personal folder: the
// search index, from which every search of the entry list is answered, the entry records, from
// which show and look take their entries, and the descriptions' plain text, from which the
// full-text search is (personal/cached_files.h).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lexicon/description_texts.h"
#include "lexicon/list_search.h"
#include "lexicon/saved_entries.h"
#include "lexicon/tables.h"
#include "lexicon/text_file.h"
#include "personal/cached_files.h"
#include "tools/cli/arguments.h"
#include "tools/cli/loaded_lexicon.h"

namespace orvan::cli {

/// The saved search index, answering the list search.
class SearchCache : private personal::CachedFile {
  public:
    /// `personalFolder` as PersonalFolderOf gives it.
    SearchCache(const CommandLine& line, const std::string& personalFolder);

    /// \brief The list search's items for `text` (code page 1253) and `request` from the saved
    /// index; nothing when there is no usable index for the files as they are.
    std::optional<std::vector<ListItem>> answer(std::string_view text, bool greekMode,
                                                const FillRequest& request = {}) const;

    /// \brief Saves the index of the tables of `lexicon`, loaded after this cache was made.
    void save(const LoadedLexicon& lexicon) const;
};

/// The saved entry records, from which show and look take what showing an entry needs.
class SavedEntriesCache : private personal::CachedFile {
  public:
    SavedEntriesCache(const CommandLine& line, const std::string& personalFolder);

    /// \brief The saved records, read in place while this cache lives, for the files as they
    /// are; nothing when there are no usable ones.
    std::optional<SavedEntriesView> open();

    /// \brief Saves the records of `lexicon`, loaded after this cache was made.
    void save(const LoadedLexicon& lexicon) const;

  private:
    std::optional<FileView> file_;
};

/// \brief The folders orvan-cli's saved files belong to: the program folder's lexicon, the
/// personal folder as PersonalFolderOf gives it, and the program's cache folder.
personal::CacheFolders CacheFoldersOf(const CommandLine& line, const std::string& personalFolder);

/// \brief The descriptions' text orvan-cli's full-text search saves, made by its text module.
personal::DescriptionTextsCache TextsCacheOf(const CommandLine& line,
                                             const std::string& personalFolder);

}  // namespace orvan::cli
