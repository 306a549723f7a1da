// Comma-separated values as RFC 4180 writes them, the form spreadsheets exchange tables in: the
// user's own entries travel to and from spreadsheets this way. Text is UTF-8 throughout.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "lexicon/result.h"

namespace orvan::personal {

/// One record's fields, in order.
using CsvRow = std::vector<std::string>;

/// \brief A record as read, with the line (from 1) it begins on, for messages.
struct CsvRecord {
    std::size_t line = 0;
    CsvRow fields;
};

/// \brief The CSV text of `rows`: fields separated by commas, a field quoted when it holds a
/// comma, a quote, a CR or an LF (its quotes doubled), every record ended by CR LF.
///
///     WriteCsv({{"a", "b,c"}, {"say \"hi\"", ""}}) == "a,\"b,c\"\r\n\"say \"\"hi\"\"\",\r\n"
std::string WriteCsv(const std::vector<CsvRow>& rows);

/// \brief The records of CSV `text`, which spreadsheets may also write with LF line ends alone,
/// a UTF-8 byte order mark before it, or without a line end after the last record. A quoted
/// field may hold commas, doubled quotes and line ends. A Damaged error names the line (from 1)
/// where the text breaks the form: a quote inside an unquoted field, text after a closing quote,
/// a quoted field never closed, or a text that is not UTF-8. `path` names the file in it.
Result<std::vector<CsvRecord>> ReadCsv(std::string_view text, const std::string& path);

}  // namespace orvan::personal
