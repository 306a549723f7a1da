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
    if (slot == 0) slot = 1;
    const auto personal = [&](int s) {
        return tables.entries[tables.greek[s].englishSlot].kind == EntryKind::Personal;
    };
    while (slot >= 1 && personal(slot))
        --slot;
    return tables.greek[slot].number;
}

namespace {

// Which numbers the tables (but the `excluded` slot) and the personal files use.
std::vector<bool> NumbersInUse(const EntryTables& tables, const StoreContents& contents,
                               int excluded) {
    std::vector<bool> used(kLargestEntryNumber + 1, false);
    used[0] = true;  // 0 ends a table
    for (int slot = 1; slot <= tables.entries.count(); ++slot) {
        if (slot != excluded) used[tables.entries[slot].number] = true;
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

}  // namespace

std::optional<long long> NewEntryNumber(const EntryTables& tables, const StoreContents& contents,
                                        int excluded) {
    const std::vector<bool> used = NumbersInUse(tables, contents, excluded);
    const long long last =
        std::clamp<long long>(contents.lastNumber.value_or(Largest(used)), 0, kLargestEntryNumber);
    for (long long number = last + 1; number <= kLargestEntryNumber; ++number)
        if (!used[static_cast<size_t>(number)]) return number;
    for (long long number = 1; number <= last; ++number)
        if (!used[static_cast<size_t>(number)]) return number;
    return std::nullopt;
}

long long LargestNumberInUse(const EntryTables& tables, const StoreContents& contents) {
    return Largest(NumbersInUse(tables, contents, 0));
}

int SlotOfNumber(const EntryTable& entries, long long number) {
    if (!IsEntryNumber(number)) return 0;
    for (int slot = 1; slot <= entries.count(); ++slot)
        if (entries[slot].number == number) return slot;
    return 0;
}

}  // namespace orvan::personal
