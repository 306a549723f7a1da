// The saved plain text of every description: what the full-text search compares, kept in one
// file so that a search answers without reading and extracting every description again.
//
// The file holds, for each English table slot in order, the entry's number, its list text and
// the text its description shows (UTF-16, as the extractor gives it), and the identity of every
// file it was made from: it answers only while each of those files is exactly as it was.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lexicon/list_search.h"
#include "lexicon/tables.h"

namespace orvan {

/// A full-text search lists at most this many entries.
inline constexpr std::size_t kFullTextResultLimit = 32000;

/// One entry's part of the saved texts.
struct DescriptionText {
    int number = 0;        // the entry's number
    std::string itemText;  // its list text (ListItemText)
    std::u16string shown;  // the text its description shows
};

/// \brief The searched text: the typed text without its leading characters of code 32 or less.
std::u16string FullTextTerm(std::u16string_view typed);

/// \brief The bytes of a saved-texts file of `entries` (slot 1 first), stamped with `identity`.
std::string BuildDescriptionTexts(const std::vector<DescriptionText>& entries,
                                  std::string_view identity);

/// The bytes a saved-texts file begins with; the stamp follows them.
inline constexpr size_t kDescriptionTextsHeaderLength = 56;

/// \brief The length a saved-texts file stamped with `identity` has, as its first bytes (the
/// header and the stamp) say; nothing when they are not those of such a file.
std::optional<uint64_t> DescriptionTextsLength(std::string_view head, std::string_view identity);

/// A full-text find: the list item and the entry's number.
struct FullTextFind {
    ListItem item;
    int number = 0;
};

/// \brief The entries, in table order and at most `limit`, whose saved text holds `term`
/// (FullTextTerm); nothing when `bytes` are not a whole, undamaged saved-texts file stamped with
/// `identity`, or, with `entries`, when they were not made from a table of those entries slot for
/// slot (their numbers: every change of an entry gives it a new one), as a table loaded before
/// the files last changed may not be. No term finds nothing.
std::optional<std::vector<FullTextFind>> SearchDescriptionTexts(
    std::string_view bytes, std::string_view identity, std::u16string_view term, size_t limit,
    const EntryTable* entries = nullptr);

}  // namespace orvan
