// The file formats the user's entries travel in, told apart by name or by content, and the
// reading of a file to import within a size the program will take.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lexicon/lexicon_files.h"
#include "lexicon/result.h"
#include "personal/exchange_entry.h"

namespace orvan::personal {

enum class ExchangeFormat {
    Tbx,        // TBX-Basic as translators' term bases exchange it
    TbxMartif,  // TBX in the older shape (<martif>) that TBX v2 tools read
    Csv,        // a spreadsheet's comma-separated values
};

/// \brief The format a name gives: "tbx", "tbx2" (the older shape) or "csv", capitals making no
/// difference; nothing for any other name.
std::optional<ExchangeFormat> ExchangeFormatNamed(std::string_view name);

/// \brief The format a file to be written is in by its name: CSV for a name ending in ".csv"
/// (capitals making no difference), else TBX.
ExchangeFormat ExchangeFormatOfPath(std::string_view path);

/// \brief The format of a file's bytes: TBX when its first character but a byte order mark and
/// blanks is "<", else CSV.
ExchangeFormat ExchangeFormatOfText(std::string_view bytes);

/// \brief The file of `entries` in `format`.
std::string WriteExchangeText(const std::vector<ExchangeEntry>& entries, ExchangeFormat format);

/// \brief `text` with its capitals A to Z lowered, as exchanged files' names of formats, columns
/// and kinds are compared.
std::string LowercaseAscii(std::string_view text);

/// \brief Whether `path` names one of the personal folder's own files (the three files, their
/// temporaries, kept old files, the number mark, the journal, the lock), which an export must
/// never replace: a term base written over ci.tbo would lose the user's entries.
bool IsStoreFile(const PersonalFiles& personal, const std::string& path);

/// No file to import is read past this size.
inline constexpr long long kExchangeFileLimit = 64LL * 1024 * 1024;

/// \brief The bytes of the file at `path` to import; an error naming it when it cannot be read
/// or is larger than kExchangeFileLimit (TooLarge: then no more than that is read).
Result<std::string> ReadExchangeFile(const std::string& path);

}  // namespace orvan::personal
