// The files orvan-cli saves in the cache folder for one lexicon folder and personal folder: the
// search index, from which every search of the entry list is answered, and the descriptions'
// plain text, from which the full-text search is, while the files they were made from are
// exactly as they were; on any doubt the tables are loaded as before.
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
#include "tools/cli/arguments.h"
#include "tools/cli/loaded_lexicon.h"

namespace orvan::cli {

/// \brief A file of the cache folder made from the lexicon's and the personal folder's files,
/// stamped with their identity, used only while they are exactly as they were.
class CachedFile {
  protected:
    /// Finds the file's place (`prefix`, a hash of the two folders, `suffix`) and takes the
    /// identity of `files` (made absolute), the program and the personal indexes, now.
    CachedFile(const CommandLine& line, const std::string& personalFolder, std::string_view prefix,
               std::string_view suffix, const std::vector<std::string>& files);

    /// \brief The saved file, read in place, when a change left unfinished does not wait for the
    /// full load and its length is that `length` tells from its header and stamp (of
    /// `headLength` bytes); nothing otherwise.
    using LengthRule = std::optional<uint64_t> (*)(std::string_view head,
                                                   std::string_view identity);
    std::optional<FileView> view(size_t headLength, LengthRule length) const;

    /// \brief Saves the bytes `build` gives (nothing: none to save) as the file, when `lexicon` was
    /// read whole, from the same folders, and none of its files changed since this was made; says
    /// nothing when it cannot be saved. Removes what earlier savers left in the cache folder when
    /// they were stopped before their file was in place.
    template <typename Build>
    void save(const LoadedLexicon& lexicon, Build build) const {
        if (!mayBeSaved(lexicon)) return;
        try {
            if (const std::optional<std::string> bytes = build()) write(*bytes);
        } catch (const std::exception&) {
            // Not even memory for it: the command was answered all the same.
        }
    }

    const std::string& identity() const { return identity_; }

  private:
    std::string identityNow() const;
    bool mayBeSaved(const LoadedLexicon& lexicon) const;
    void write(const std::string& bytes) const;

    std::string folder_, path_;  // the cache folder and the saved file in it
    PersonalFiles personal_;
    std::string folders_;              // the lexicon and personal folders, absolute
    std::vector<std::string> inputs_;  // the files it comes from (and their rules)
    std::string identity_;             // their identity when this was made
};

/// The saved search index, answering the list search.
class SearchCache : private CachedFile {
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

/// The saved plain text of the descriptions, answering the full-text search.
class DescriptionTextsCache : private CachedFile {
  public:
    DescriptionTextsCache(const CommandLine& line, const std::string& personalFolder);

    /// \brief The entries whose description shows `term` (FullTextTerm), at most `limit`;
    /// nothing when there are no usable saved texts for the files as they are.
    std::optional<std::vector<FullTextFind>> answer(std::u16string_view term, size_t limit) const;

    /// \brief Saves the texts `texts` gives (made only when they are to be saved; nothing when
    /// there are none), those of `lexicon`, loaded after this cache was made.
    void save(const LoadedLexicon& lexicon,
              const std::function<std::optional<std::vector<DescriptionText>>()>& texts) const;
};

/// The saved entry records, from which show and look take what showing an entry needs.
class SavedEntriesCache : private CachedFile {
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

}  // namespace orvan::cli
