// The user's own entries and notes as they leave the program: read from the personal files as
// one consistent whole, for a term base or a spreadsheet.
#pragma once

#include <vector>

#include "lexicon/loaded_lexicon.h"
#include "lexicon/result.h"
#include "personal/exchange_entry.h"
#include "personal/store_files.h"

namespace orvan::personal {

/// \brief Every own entry of the personal files, in the order of their numbers, then with
/// `withNotes` every note on a lexicon entry, in the order of the entries' numbers. The files
/// are read under the personal folder's shared lock, after putting back an interrupted change,
/// and from the tables of `lexicon` when they are still those of the files (else from tables
/// read again). Descriptions are plain text: the user's text as written, and the text another
/// program's RTF shows. Nothing for no personal folder; an error naming the file when the files
/// cannot be read whole.
Result<std::vector<ExchangeEntry>> ExportEntries(const LoadedLexicon& lexicon, bool withNotes,
                                                 StoreFileSystem& files = DiskFiles());

}  // namespace orvan::personal
