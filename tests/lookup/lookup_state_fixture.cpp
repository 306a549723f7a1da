#include "tests/lookup/lookup_state_fixture.h"

#include <algorithm>
#include <tuple>

namespace orvan::lookup::test {

WordTables::WordTables(std::vector<Word> words) : words_(std::move(words)) {
    sort();
}

void WordTables::sort() {
    std::stable_sort(words_.begin(), words_.end(), [](const Word& a, const Word& b) {
        return std::tie(a.english, a.number) < std::tie(b.english, b.number);
    });
}

EntryTables WordTables::tables() const {
    EntryTables tables;
    for (const Word& word : words_) {
        EntryRecord record;
        record.number = static_cast<uint16_t>(word.number);
        record.headword = word.english;
        record.kind = word.kind;
        record.keyStart = 1;
        const int slot = tables.entries.append(record);
        if (word.greek.empty()) continue;
        const int greekSlot = tables.greek.append(
            {static_cast<uint16_t>(word.number), word.greek, static_cast<uint16_t>(slot)});
        tables.entries.at(slot).greekSlot = static_cast<uint16_t>(greekSlot);
    }
    return tables;
}

long long WordTables::insert(const std::string& english, const std::string& greek) {
    const long long number = nextNumber_++;
    words_.push_back({number, english, EntryKind::Personal, greek});
    sort();
    return number;
}

long long WordTables::change(long long number, const std::string& english) {
    const Word* old = find(number);
    const std::string greek = old ? old->greek : std::string();
    remove(number);
    return insert(english, greek);
}

void WordTables::annotate(long long number) {
    for (Word& word : words_) {
        if (word.number == number) word.kind = EntryKind::Annotated;
    }
}

void WordTables::remove(long long number) {
    std::erase_if(words_, [number](const Word& word) { return word.number == number; });
}

const Word* WordTables::find(long long number) const {
    for (const Word& word : words_) {
        if (word.number == number) return &word;
    }
    return nullptr;
}

}  // namespace orvan::lookup::test
