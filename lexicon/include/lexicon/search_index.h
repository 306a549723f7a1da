// The saved search index: what the searches of the entry list need, kept in one
// compact file so that a look-up from a terminal answers without building the tables again.
//
// The index holds, for each language, every table slot's list text, English slot, key start,
// science field and whether it is the user's, each headword's search key, and the places a START
// search compares the keys from, sorted by the key text that follows them: the headwords a typed
// text begins are one run of that order, found by binary search; the other modes look at every
// key. The index also holds the identity of every file it was built from;
// it answers only while each of those files is exactly as it was.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lexicon/list_search.h"
#include "lexicon/tables.h"

namespace orvan {

/// \brief The identity of files as they are now, as bytes to compare: for each path (absolute),
/// whether it is there and, when it is, its device, inode, size and modification and change
/// times to the nanosecond. Equal identities mean no file was replaced or written meanwhile.
std::string FilesIdentity(const std::vector<std::string>& paths);

/// \brief A fast checksum of `bytes`, eight bytes a step in four lanes: it tells a damaged file
/// (a flipped bit, bytes overwritten or lost), not a forged one; the readers' own checks keep a
/// forged file from doing harm.
uint64_t ContentChecksum(std::string_view bytes);

/// \brief The bytes of a search index built from `tables` (both languages), stamped with
/// `identity` (the FilesIdentity of what the tables were loaded from).
std::string BuildSearchIndex(const EntryTables& tables, std::string_view identity);

/// \brief An index file from its two language parts as they are: the header, the stamp and the
/// parts with their checksums. BuildSearchIndex ends with it.
std::string AssembleSearchIndex(std::string_view identity, std::string_view englishPart,
                                std::string_view greekPart);

/// The bytes an index file begins with: its format, the length of its stamp and where its two
/// language parts lie. The stamp follows them.
inline constexpr size_t kSearchIndexHeaderLength = 72;

/// \brief The length an index file stamped with `identity` has, as its first bytes (`head`:
/// the header and the stamp) say; nothing when they are not those of an index of this format
/// stamped with `identity`, or do not add up. A file of another length is damaged: checked
/// before the file is read in, it keeps a damaged one from ever being read whole.
std::optional<uint64_t> SearchIndexLength(std::string_view head, std::string_view identity);

/// \brief A saved search index read in place. It is outside data: Open refuses bytes that are
/// not an index of this format, whose stamp is not `identity`, or whose language parts do not
/// add up or fail their checksum; the search checks every offset it follows and gives nothing
/// when one is out of place. The bytes must outlive the view.
class SearchIndexView {
  public:
    static std::optional<SearchIndexView> open(std::string_view bytes, std::string_view identity);

    /// \brief What FillList lists for `entryText` in the START mode without filters, in
    /// `greekMode` when the text does not choose the language itself; nothing when the index is
    /// damaged.
    std::optional<std::vector<ListItem>> startSearch(std::string_view entryText,
                                                     bool greekMode) const;

    /// \brief What FillList lists for the same arguments, by the same rule (MatchOfFill): every
    /// mode, filter and MULTI's criteria; nothing for one given entry (SearchMode::Specific with
    /// a text), which only the tables can list, and when the index is damaged.
    std::optional<std::vector<ListItem>> search(std::string_view entryText, bool greekMode,
                                                const FillRequest& request) const;

  private:
    // One language's part: the item, key and sorted-place arrays and the two text pools.
    struct Part {
        std::string_view bytes;
        uint32_t items = 0, places = 0;
        uint64_t checksum = 0;  // of the part's bytes, as written
    };
    std::optional<std::vector<ListItem>> searchPart(const Part& part,
                                                    const HeadwordMatch& match) const;

    Part parts_[2];  // English, Greek
};

}  // namespace orvan
