// The saved entry records: what showing an entry takes of the tables, for every English slot,
// kept in one file so that orvan-cli shows an entry without building the tables again.
//
// The file holds, for each English table slot in order, the entry's English record, the Greek
// headword it links to and, for an entry with the user's supplement, where the supplement is;
// and the identity of every file it was built from: it answers only while each of those files
// is exactly as it was.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "lexicon/tables.h"

namespace orvan {

/// What showing one entry takes of the tables.
struct EntryToShow {
    EntryRecord record;
    std::string greekHeadword;  // empty for none
    /// The supplement's location (a NoteList item) of an entry with the user's supplement whose
    /// location is known; nothing otherwise.
    std::optional<std::string> supplementPlace;
    bool operator==(const EntryToShow&) const = default;
};

/// \brief What showing the entry in `slot` of `tables` takes, its supplement located by `notes`.
EntryToShow EntryToShowOf(const EntryTables& tables, const NoteList& notes, int slot);

/// \brief The bytes of a saved-entries file of every English slot of `tables`, stamped with
/// `identity`.
std::string BuildSavedEntries(const EntryTables& tables, const NoteList& notes,
                              std::string_view identity);

/// The bytes a saved-entries file begins with; the stamp follows them.
inline constexpr size_t kSavedEntriesHeaderLength = 48;

/// \brief The length a saved-entries file stamped with `identity` has, as its first bytes (the
/// header and the stamp) say; nothing when they are not those of such a file.
std::optional<uint64_t> SavedEntriesLength(std::string_view head, std::string_view identity);

/// \brief A saved-entries file read in place. Open refuses bytes that are not a whole, undamaged
/// file of this format stamped with `identity`; every offset is checked again when followed. The
/// bytes must outlive the view.
class SavedEntriesView {
  public:
    static std::optional<SavedEntriesView> open(std::string_view bytes, std::string_view identity);

    /// The number of English slots.
    int count() const { return static_cast<int>(count_); }

    /// \brief What showing the entry in `slot` takes; nothing for a slot past the table, and
    /// when the file is damaged there.
    std::optional<EntryToShow> entry(int slot) const;

    /// \brief The slot of the entry numbered `number`; nothing when no entry has it.
    std::optional<int> slotOfNumber(int number) const;

  private:
    std::string_view records_, pool_;
    uint64_t count_ = 0;
};

}  // namespace orvan
