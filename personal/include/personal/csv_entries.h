// The user's entries as a spreadsheet holds them: a CSV file with a header row naming the
// columns, a row per entry, every text plain UTF-8.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "lexicon/result.h"
#include "personal/exchange_entry.h"

namespace orvan::personal {

/// The columns an exported file has, in order, as its header row names them.
inline constexpr std::array<std::string_view, 7> kCsvColumns = {
    "english", "greek", "field_code", "field_name", "description", "kind", "lexicon_headword"};

/// \brief The CSV text of `entries` (RFC 4180: quoted where needed, CR LF line ends): the header
/// row, then a row per entry; a note's row names the lexicon headword it is written on.
std::string WriteEntriesCsv(const std::vector<ExchangeEntry>& entries);

/// \brief The entries of CSV `text` read from `path`. The first row names the columns, in any
/// order and capitals making no difference; "english" must be among them, and columns of other
/// names are passed over. A row with another number of columns than the first, or a kind other
/// than "entry", "note" or empty, is returned with its problem for the import to refuse. Line
/// ends inside a field become CR LF. A Damaged error names the line when the text is not CSV or
/// has no "english" column.
Result<std::vector<ExchangeEntry>> ReadEntriesCsv(std::string_view text, const std::string& path);

}  // namespace orvan::personal
