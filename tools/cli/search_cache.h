// The saved search index of one lexicon folder and personal folder, as orvan-cli's searches use
// it: every search of the entry list is answered from it while the index files it was built from
// are exactly as they were; on any doubt the tables are loaded as before.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lexicon/list_search.h"
#include "lexicon/tables.h"
#include "tools/cli/arguments.h"
#include "tools/cli/loaded_lexicon.h"

namespace orvan::cli {

class SearchCache {
  public:
    /// Finds the saved index's place and takes the identity of the files it depends on, now;
    /// `personalFolder` as PersonalFolderOf gives it.
    SearchCache(const CommandLine& line, const std::string& personalFolder);

    /// \brief The list search's items for `text` (code page 1253) and `request` from the saved
    /// index; nothing when there is no usable index for the files as they are.
    std::optional<std::vector<ListItem>> answer(std::string_view text, bool greekMode,
                                                const FillRequest& request = {}) const;

    /// \brief Saves the index of the tables of `lexicon`, loaded after this cache was made, when
    /// they were read whole, from the same folders, and none of their files changed since; says
    /// nothing when it cannot be saved. Removes what earlier savers left in the cache folder
    /// when they were stopped before their index was in place.
    void save(const LoadedLexicon& lexicon) const;

  private:
    std::string identityNow() const;

    std::string folder_, path_;  // the cache folder and the saved index in it
    PersonalFiles personal_;
    std::string folders_;              // the lexicon and personal folders, absolute
    std::vector<std::string> inputs_;  // the files the tables (and their rules) come from
    std::string identity_;             // their identity when this cache was made
};

}  // namespace orvan::cli
