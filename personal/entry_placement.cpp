#include "personal/entry_placement.h"

#include <algorithm>
#include <vector>

#include "lexicon/line_formats.h"
#include "lexicon/search_keys.h"

namespace orvan::personal {

namespace {

constexpr long long kLargestEntryNumber = 65535;

std::string KeyFrom(const EntryRecord& record) {
    const size_t start = static_cast<size_t>(std::max<int>(record.keyStart, 1)) - 1;
    const std::string_view headword = record.headword;
    return LatinSearchKey(start < headword.size() ? headword.substr(start) : "", true);
}

// The number of the Greek slot a Greek line hangs from when it belongs after Greek slot `slot`
// (0: before every one, counted as after the first): passing down over the user's own entries
// to the lexicon slot they hang from.
long long LexiconAnchorFrom(const EntryTables& tables, int slot) {
    if (slot == 0) slot = 1;
    const auto personal = [&](int s) {
        return tables.entries[tables.greek[s].englishSlot].kind == EntryKind::Personal;
    };
    while (slot >= 1 && personal(slot))
        --slot;
    return tables.greek[slot].number;
}

}  // namespace

int EnglishPredecessor(const EntryTable& entries, const std::string& key, int excluded) {
    for (int slot = entries.count(); slot >= 1; --slot) {
        if (slot == excluded || entries[slot].keyStart == 81) continue;
        if (KeyFrom(entries[slot]) <= key) return slot;
    }
    return 0;
}

long long GreekAnchor(const EntryTables& tables, const std::string& gkey, int excluded) {
    // A Greek line that renders no English entry (English slot 0) counts like any other.
    const auto replaced = [&](int s) {
        return excluded != 0 && tables.greek[s].englishSlot == excluded;
    };
    int slot = tables.greek.count();
    while (slot >= 1 &&
           (replaced(slot) || GreekSearchKey(tables.greek[slot].headword, true) > gkey)) {
        --slot;
    }
    return LexiconAnchorFrom(tables, slot);
}

namespace {

// For each index from 1, the index of the lowest key from there to the end (the later one of
// equal keys); keys marked absent count as above every key. The highest index whose key is not
// greater than a given key is then found by a binary search: it is the highest index whose
// lowest key from there on is not greater.
std::vector<std::size_t> SuffixLowest(const std::vector<std::string>& keys,
                                      const std::vector<bool>& absent) {
    std::vector<std::size_t> lowest(keys.size() + 1, 0);
    for (std::size_t at = keys.size(); at-- > 1;) {
        const std::size_t next = lowest[at + 1];
        const bool take = !absent[at] && (next == 0 || keys[at] <= keys[next]);
        lowest[at] = take ? at : next;
    }
    return lowest;
}

// The highest index from 1 whose key is not greater than `key`; 0 for none.
std::size_t HighestNotAbove(const std::vector<std::string>& keys,
                            const std::vector<std::size_t>& lowest, const std::string& key) {
    std::size_t low = 1, high = keys.size();  // the answer lies in [low - 1, high - 1]
    while (low < high) {
        const std::size_t middle = (low + high) / 2;
        const std::size_t at = lowest[middle];
        if (at != 0 && keys[at] <= key) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low - 1;
}

}  // namespace

EnglishPlaces::EnglishPlaces(const EntryTable& entries, const std::vector<bool>& excluded)
    : keys_(static_cast<std::size_t>(entries.count()) + 1) {
    std::vector<bool> absent(keys_.size(), true);
    for (int slot = 1; slot <= entries.count(); ++slot) {
        const auto at = static_cast<std::size_t>(slot);
        if ((at < excluded.size() && excluded[at]) || entries[slot].keyStart == 81) continue;
        keys_[at] = KeyFrom(entries[slot]);
        absent[at] = false;
    }
    suffixLowest_ = SuffixLowest(keys_, absent);
}

int EnglishPlaces::predecessor(const std::string& key) const {
    return static_cast<int>(HighestNotAbove(keys_, suffixLowest_, key));
}

GreekPlaces::GreekPlaces(const EntryTables& tables, const std::vector<bool>& excluded)
    : tables_(tables), keys_(static_cast<std::size_t>(tables.greek.count()) + 1) {
    std::vector<bool> absent(keys_.size(), true);
    for (int slot = 1; slot <= tables.greek.count(); ++slot) {
        const auto english = static_cast<std::size_t>(tables.greek[slot].englishSlot);
        if (english != 0 && english < excluded.size() && excluded[english]) continue;
        keys_[static_cast<std::size_t>(slot)] = GreekSearchKey(tables.greek[slot].headword, true);
        absent[static_cast<std::size_t>(slot)] = false;
    }
    suffixLowest_ = SuffixLowest(keys_, absent);
}

long long GreekPlaces::anchor(const std::string& gkey) const {
    return LexiconAnchorFrom(tables_,
                             static_cast<int>(HighestNotAbove(keys_, suffixLowest_, gkey)));
}

namespace {

// Which numbers the tables (but the `excluded` slots) and the personal files use.
std::vector<bool> NumbersInUse(const EntryTables& tables, const StoreContents& contents,
                               const std::vector<bool>& excluded) {
    std::vector<bool> used(kLargestEntryNumber + 1, false);
    used[0] = true;  // 0 ends a table
    for (int slot = 1; slot <= tables.entries.count(); ++slot) {
        const auto at = static_cast<std::size_t>(slot);
        if (at >= excluded.size() || !excluded[at]) used[tables.entries[slot].number] = true;
    }
    // The files may hold entries the tables do not show (a full table).
    for (const std::vector<std::string>* lines : {&contents.english, &contents.greek}) {
        for (const std::string& line : *lines) {
            const auto own = ParseDecimal(Columns(line, 6, 5));
            if (own && IsEntryNumber(*own)) used[static_cast<size_t>(*own)] = true;
        }
    }
    return used;
}

long long Largest(const std::vector<bool>& used) {
    const auto largest = std::find(used.rbegin(), used.rend(), true);
    return static_cast<long long>(used.rend() - largest) - 1;
}

// The slots marked in a list of one slot (0: none).
std::vector<bool> OnlySlot(int slot) {
    std::vector<bool> marked(static_cast<std::size_t>(std::max(slot, 0)) + 1, false);
    if (slot > 0) marked[static_cast<std::size_t>(slot)] = true;
    return marked;
}

}  // namespace

std::optional<long long> NewEntryNumber(const EntryTables& tables, const StoreContents& contents,
                                        int excluded) {
    const std::vector<bool> used = NumbersInUse(tables, contents, OnlySlot(excluded));
    const long long last =
        std::clamp<long long>(contents.lastNumber.value_or(Largest(used)), 0, kLargestEntryNumber);
    for (long long number = last + 1; number <= kLargestEntryNumber; ++number)
        if (!used[static_cast<size_t>(number)]) return number;
    for (long long number = 1; number <= last; ++number)
        if (!used[static_cast<size_t>(number)]) return number;
    return std::nullopt;
}

std::optional<std::vector<long long>> NewEntryNumbers(const EntryTables& tables,
                                                      const StoreContents& contents,
                                                      const std::vector<bool>& excluded,
                                                      const std::vector<long long>& wanted,
                                                      long long& lastNumber) {
    std::vector<bool> used = NumbersInUse(tables, contents, excluded);
    long long free = std::count(used.begin(), used.end(), false);
    if (static_cast<long long>(wanted.size()) > free) return std::nullopt;
    long long last = std::clamp<long long>(lastNumber, 0, kLargestEntryNumber);
    std::vector<long long> numbers;
    numbers.reserve(wanted.size());
    for (const long long want : wanted) {
        long long number = 0;
        if (want > last && want <= kLargestEntryNumber && !used[static_cast<std::size_t>(want)]) {
            number = want;
        } else {
            number = last;
            do {
                number = number >= kLargestEntryNumber ? 1 : number + 1;
            } while (used[static_cast<std::size_t>(number)]);
        }
        used[static_cast<std::size_t>(number)] = true;
        numbers.push_back(number);
        last = number;
    }
    lastNumber = last;
    return numbers;
}

long long LargestNumberInUse(const EntryTables& tables, const StoreContents& contents) {
    return Largest(NumbersInUse(tables, contents, {}));
}

int SlotOfNumber(const EntryTable& entries, long long number) {
    if (!IsEntryNumber(number)) return 0;
    for (int slot = 1; slot <= entries.count(); ++slot)
        if (entries[slot].number == number) return slot;
    return 0;
}

}  // namespace orvan::personal
