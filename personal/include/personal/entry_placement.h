// Where a new personal entry goes and which number it takes, worked out against the tables the
// store has checked against the files.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lexicon/tables.h"
#include "personal/store_contents.h"

namespace orvan::personal {

/// \brief The English table slot after which an entry with search key `key` belongs: the
/// highest slot whose key is not greater; 0 when every slot's key is greater. Slots keyed from
/// column 81 never count, nor the `excluded` slot (an entry being replaced).
int EnglishPredecessor(const EntryTable& entries, const std::string& key, int excluded);

/// \brief The Greek line's anchor for Greek search key `gkey`: the number of the Greek slot
/// after which the headword belongs, passing down over the user's own entries to the lexicon
/// slot they hang from. The Greek headwords of the `excluded` English slot (0: none) do not count.
long long GreekAnchor(const EntryTables& tables, const std::string& gkey, int excluded);

/// \brief The number of a new entry: the first number after the last one handed out
/// (`contents.lastNumber`, else the largest in use) that no entry uses, going round to 1 past
/// 65535, so that a number comes back only once every other has been used. Numbers in use are
/// those of the tables (but the `excluded` slot's) and those the personal files hold. Nothing
/// when every number is taken.
std::optional<long long> NewEntryNumber(const EntryTables& tables, const StoreContents& contents,
                                        int excluded);

/// \brief EnglishPredecessor for many keys against the same tables, each found by a binary
/// search: an import places thousands of entries. `excluded` marks the slots that do not count
/// (entries being replaced), indexed by slot.
class EnglishPlaces {
  public:
    EnglishPlaces(const EntryTable& entries, const std::vector<bool>& excluded);
    /// The slot EnglishPredecessor gives for `key`.
    int predecessor(const std::string& key) const;

  private:
    std::vector<std::string> keys_;          // by slot; slot 0 unused
    std::vector<std::size_t> suffixLowest_;  // by slot: the slot of the lowest key from there on
};

/// \brief GreekAnchor for many keys against the same tables; `excluded` marks the English slots
/// whose Greek headwords do not count, indexed by English slot.
class GreekPlaces {
  public:
    GreekPlaces(const EntryTables& tables, const std::vector<bool>& excluded);
    /// The anchor GreekAnchor gives for `gkey`.
    long long anchor(const std::string& gkey) const;

  private:
    const EntryTables& tables_;
    std::vector<std::string> keys_;
    std::vector<std::size_t> suffixLowest_;
};

/// \brief The numbers of `wanted.size()` new entries, handed out one after another as
/// NewEntryNumber does (slots marked in `excluded` not counting), but for each the number it
/// wants when that is an entry number no entry uses that has not been handed out yet (past the
/// last one handed out): an entry brought from another folder keeps its number where it can.
/// `lastNumber` becomes the last one handed out. Nothing when there are not that many numbers.
std::optional<std::vector<long long>> NewEntryNumbers(const EntryTables& tables,
                                                      const StoreContents& contents,
                                                      const std::vector<bool>& excluded,
                                                      const std::vector<long long>& wanted,
                                                      long long& lastNumber);

/// \brief The largest entry number the tables or the personal files hold; 0 for none.
long long LargestNumberInUse(const EntryTables& tables, const StoreContents& contents);

/// \brief The slot of the entry numbered `number`; 0 when no entry has it.
int SlotOfNumber(const EntryTable& entries, long long number);

}  // namespace orvan::personal
