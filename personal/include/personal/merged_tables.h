// Loading the tables with the user's entries merged in, as the window and orvan-cli do: the
// personal index files are read under the personal folder's shared lock, so that no change
// made by another program is seen half done, after putting back a change that was cut off.
#pragma once

#include "lexicon/lexicon_files.h"
#include "lexicon/loaded_lexicon.h"
#include "lexicon/tables.h"
#include "personal/store_files.h"

namespace orvan::personal {

/// \brief Reads ci.tbo and cigr.tbo under the folder's shared lock. What an interrupted change
/// left is put back first, under the exclusive lock, and only when there is something to put
/// back: a folder that cannot be written is read as it is. Whatever kept the files from being
/// read whole (they could not be put back, or read) is named in the result's problem.
PersonalIndexes ReadPersonalIndexesLocked(const PersonalFiles& personal,
                                          StoreFileSystem& files = DiskFiles());

/// \brief The tables of the lexicon with the user's entries merged in, read as above; the
/// supplements' locations are appended to `notes`.
EntryTables LoadMergedTables(const LexiconFiles& lexicon, const PersonalFiles& personal,
                             NoteList& notes, StoreFileSystem& files = DiskFiles());

/// \brief One whole load: the merged tables as above, the supplements' locations, the science
/// list, the RTF prologue, and where the user's texts are read from.
LoadedLexicon LoadLexicon(const LexiconFiles& lexicon, const PersonalFiles& personal,
                          StoreFileSystem& files = DiskFiles());

/// \brief A load from personal index files already read (`indexes`), for a reader that read
/// them itself under the folder's lock.
LoadedLexicon LoadLexicon(const LexiconFiles& lexicon, const PersonalFiles& personal,
                          const PersonalIndexes& indexes);

}  // namespace orvan::personal
