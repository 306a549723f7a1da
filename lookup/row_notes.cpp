#include "lookup/row_notes.h"

#include <string_view>
#include <unordered_map>

#include "lexicon/list_search.h"

namespace orvan::lookup {

std::vector<std::string> RowNotes(const LookupState& state) {
    const std::vector<ListedEntry>& list = state.list();
    std::vector<std::string> notes(list.size());

    std::unordered_map<std::string_view, int> uses;
    uses.reserve(list.size());
    for (const ListedEntry& item : list)
        ++uses[item.text];

    for (std::size_t row = 0; row < list.size(); ++row) {
        if (uses[list[row].text] < 2) continue;
        const int slot = state.slotOf(list[row].number);
        if (slot == 0) continue;  // an entry that has left the tables names nothing
        const EntryRecord& english = state.tables().entries[slot];
        const std::string& greek = state.tables().greek[english.greekSlot].headword;
        // A row written as its English headword is an English row; any other text is the
        // entry's Greek headword. An entry written alike in both languages needs no note.
        const bool englishRow = list[row].text == ListItemText(english.headword, english);
        const std::string& other = englishRow ? greek : english.headword;
        if (!other.empty() && other != list[row].text) notes[row] = other;
    }
    return notes;
}

}  // namespace orvan::lookup
