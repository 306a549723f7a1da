// The files saved in the cache folder for one lexicon folder and personal folder: made from their
// files, stamped with their identity, and used only while those files are exactly as they were;
// on any doubt the tables are loaded and read as before. orvan-cli keeps its search index, its
// entry records and the descriptions' text there; the lookup window its descriptions' text.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lexicon/description_texts.h"
#include "lexicon/lexicon_files.h"
#include "lexicon/loaded_lexicon.h"
#include "lexicon/tables.h"
#include "lexicon/text_file.h"

namespace orvan::personal {

/// The folders a saved file belongs to: the lexicon's and the personal one (empty for none),
/// and the cache folder it is saved in.
struct CacheFolders {
    std::string lexicon, personal, cache;
};

/// What a saved file is; each kind has a name of its own in the cache folder.
enum class CachedKind {
    SearchIndex,             // orvan-cli's search index
    EntryRecords,            // orvan-cli's entry records for show and look
    DescriptionTexts,        // the descriptions' text orvan-cli's full-text search reads
    WindowDescriptionTexts,  // the same, for the lookup window's
};

/// \brief A file of the cache folder made from the lexicon's and the personal folder's files,
/// stamped with their identity, used only while they are exactly as they were.
class CachedFile {
  protected:
    /// Finds the file's place (in `folders.cache`, its kind's name with a hash of the two
    /// folders) and takes the identity of `files` (made absolute), the program and the personal
    /// indexes, now.
    CachedFile(const CacheFolders& folders, CachedKind kind, const std::vector<std::string>& files);

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

/// The saved plain text of the descriptions, answering the full-text search.
class DescriptionTextsCache : private CachedFile {
  public:
    /// The texts of `kind` (DescriptionTexts or WindowDescriptionTexts), made by the program
    /// files `makers` besides the running program.
    DescriptionTextsCache(const CacheFolders& folders, CachedKind kind,
                          const std::vector<std::string>& makers = {});

    /// \brief The entries whose description shows `term` (FullTextTerm), at most `limit`;
    /// nothing when there are no usable saved texts for the files as they are, or, with
    /// `entries`, when they are not the texts of that table (SearchDescriptionTexts).
    std::optional<std::vector<FullTextFind>> answer(std::u16string_view term, size_t limit,
                                                    const EntryTable* entries = nullptr) const;

    /// \brief Saves the texts `texts` gives (made only when they are to be saved; nothing when
    /// there are none), those of `lexicon`, loaded after this cache was made.
    void save(const LoadedLexicon& lexicon,
              const std::function<std::optional<std::vector<DescriptionText>>()>& texts) const;
};

}  // namespace orvan::personal
