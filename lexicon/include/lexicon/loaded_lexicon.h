// Everything one load of the lexicon produces, as one value: the tables with the user's entries
// merged in, the supplements' locations, the science list, the descriptions' RTF prologue, and
// the files they were read from. A reader holds one whole load, never parts of two.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "lexicon/lexicon_files.h"
#include "lexicon/result.h"
#include "lexicon/tables.h"

namespace orvan {

struct LoadedLexicon {
    LexiconFiles files{""};
    PersonalFiles personal;  // the personal folder's files, as the settings name them
    /// Where the user's texts of these tables are read from: `personal`, or the kept old texts
    /// of a change that was cut off (ReadingFiles).
    PersonalFiles reading;
    Result<FieldTable> fields;  // the science list, or why it was not read
    NoteList notes;
    EntryTables tables;
    std::string rtfHeader;  // "{" and the descriptions' prologue; empty without a store
    /// Counts the loads of one reader, so that a later load is told from an earlier one.
    std::uint64_t generation = 0;

    /// The science list, or an empty one when there is none.
    const FieldTable& fieldList() const;
    /// The science list; nullptr when there is none.
    const FieldTable* fieldTable() const { return fields ? &*fields : nullptr; }
};

/// A load shared by the readers that work on it after it was replaced (a full-text search, a
/// print): it never changes.
using LexiconSnapshot = std::shared_ptr<const LoadedLexicon>;

}  // namespace orvan
