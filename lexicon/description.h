// Reading an entry's description, or a supplement, from its store.
#pragma once

#include <optional>
#include <string>

#include "lexicon/lexicon_files.h"
#include "lexicon/tables.h"

namespace orvan {

/// One read takes at most this many bytes: the most a 5-digit length column can give, so every
/// text the files describe, the user's own included, is read whole.
inline constexpr long long kDescriptionReadLimit = 99999;

enum class DescriptionStore {
    Lexicon,   // data/lex.tbo: 0-based offsets, scrambled by file position
    Personal,  // clex.tbo: 1-based positions, each text scrambled on its own
};

/// \brief The plain RTF fragment of `length` bytes at `position` of a store (a 0-based offset
/// in the lexicon's store, a 1-based position in the personal one). Empty when the file is
/// missing, the position lies outside it or the length is not positive; a text that reaches
/// past the end of the store is cut there.
std::string ReadDescription(DescriptionStore store, const std::string& path, long long position,
                            long long length);

/// \brief Like ReadDescription, but nothing when the store cannot be opened or read at that
/// position (a length that is not positive reads as an empty text).
std::optional<std::string> TryReadDescription(DescriptionStore store, const std::string& path,
                                              long long position, long long length);

/// \brief The description of an entry: from the lexicon's store for 'L' and 'A', from clex.tbo
/// for 'C'.
std::string ReadEntryDescription(const EntryRecord& entry, const LexiconFiles& files,
                                 const PersonalFiles& personal);

/// \brief The supplement a NoteList item locates; nothing when the item is malformed or the
/// text cannot be read.
std::optional<std::string> TryReadSupplement(const std::string& noteItem,
                                             const PersonalFiles& personal);

/// \brief The supplement text a NoteList item locates ("PPPPPPPPLLLLL"); empty when the item is
/// malformed.
std::string ReadSupplement(const std::string& noteItem, const PersonalFiles& personal);

}  // namespace orvan
