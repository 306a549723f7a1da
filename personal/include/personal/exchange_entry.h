// The user's entries as they travel to and from other programs (translators' term bases in TBX,
// spreadsheets in CSV): one form for every format, in UTF-8, that the export fills from the
// store and the import reads back into it.
#pragma once

#include <string>
#include <vector>

namespace orvan::personal {

/// What an exchanged entry is in the store.
enum class ExchangeKind {
    OwnEntry,  // one of the user's own entries
    Note,      // the user's note on a lexicon entry
};

struct ExchangeEntry {
    ExchangeKind kind = ExchangeKind::OwnEntry;
    std::string english;    // the English headword (of a note: the lexicon entry's)
    std::string greek;      // the Greek headword; empty for none
    std::string fieldCode;  // the science field's code; empty for none
    std::string fieldName;  // the science field's name; empty for none
    /// The description (of a note: the note) as plain text, lines separated by CR LF.
    std::string description;
    /// Of a note: the English headword of the lexicon entry it is written on.
    std::string lexiconHeadword = {};
    /// The entry number where the entry was written (of a note: the lexicon entry's); 0 when
    /// the file does not say.
    long long number = 0;
    /// Where the entry was read, for messages: "line 12", "conceptEntry 3 (line 40)".
    std::string origin = {};
    /// What kept the entry from being read whole (a row of the wrong number of columns, a kind
    /// not known); the import refuses the entry for it. Empty when it was read whole.
    std::string problem = {};
};

/// The texts an exported entry's kind is written as, and read back from (capitals making no
/// difference on reading; an empty kind reads as an own entry).
inline constexpr const char* kOwnEntryKindText = "entry";
inline constexpr const char* kNoteKindText = "note";

}  // namespace orvan::personal
