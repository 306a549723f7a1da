#include "personal_store.h"

#include <algorithm>
#include <cstdio>

#include "codecs.h"
#include "line_formats.h"
#include "search_keys.h"
#include "store_contents.h"

namespace orvan::personal {

namespace {

constexpr long long kLargestEntryNumber = 65535;

// A store operation that stops with a result other than Done; files stay as they were.
struct Refusal {
    StoreResult result;
};

[[noreturn]] void Refuse(StoreStatus status, std::string reason) {
    throw Refusal{{status, std::move(reason)}};
}

[[noreturn]] void Damaged(const std::string& what) {
    throw StoreFileError("the personal files are damaged: " + what);
}

// A headword goes on one line of a fixed-column file: control characters become blanks.
std::string OneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 32; }, ' ');
    return text;
}

std::string TrimBlanks(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The stored form of a description, checked against the limits of the files.
std::string StoredText(const std::string& description, const StoreContents& contents) {
    const std::string escaped = description.empty() ? "" : EscapeUserText(description);
    if (static_cast<long long>(escaped.size()) > kMaxTextLength) {
        Refuse(StoreStatus::DescriptionTooLong,
               "the description takes " + std::to_string(escaped.size()) +
                   " bytes stored, more than " + std::to_string(kMaxTextLength));
    }
    if (static_cast<long long>(contents.texts.size() + escaped.size()) > kMaxStoreLength) {
        Refuse(StoreStatus::StoreFull,
               "clex.tbo would grow past " + std::to_string(kMaxStoreLength) + " bytes");
    }
    return escaped;
}

std::string FieldCodeOf(const FieldTable* fields, int fieldIndex) {
    if (fields == nullptr || fieldIndex < 1 || fieldIndex > fields->Count()) return {};
    return (*fields)[fieldIndex].Code;
}

std::string KeyFrom(const EntryRecord& record) {
    const size_t start = static_cast<size_t>(std::max<int>(record.KeyStart, 1)) - 1;
    const std::string_view headword = record.Headword;
    return LatinSearchKey(start < headword.size() ? headword.substr(start) : "", true);
}

// The English table slot after which an entry with `key` belongs: the highest slot whose key
// is not greater; 0 when every slot's key is greater. Slots keyed from column 81 never count,
// nor the `excluded` slot (an entry being replaced).
int EnglishPredecessor(const EntryTable& entries, const std::string& key, int excluded) {
    for (int slot = entries.Count(); slot >= 1; --slot) {
        if (slot == excluded || entries[slot].KeyStart == 81) continue;
        if (KeyFrom(entries[slot]) <= key) return slot;
    }
    return 0;
}

// The Greek line's anchor: the number of the Greek slot after which the headword belongs,
// passing down over the user's own entries to the lexicon slot they hang from. The Greek
// headwords of the `excluded` English slot (an entry being replaced) do not count.
long long GreekAnchor(const EntryTables& tables, const std::string& gkey, int excluded) {
    int slot = tables.greek.Count();
    while (slot >= 1 && (tables.greek[slot].EnglishSlot == excluded ||
                         GreekSearchKey(tables.greek[slot].Headword, true) > gkey)) {
        --slot;
    }
    if (slot == 0) slot = 1;
    const auto personal = [&](int s) {
        return tables.entries[tables.greek[s].EnglishSlot].Kind == 'C';
    };
    while (slot >= 1 && personal(slot))
        --slot;
    return tables.greek[slot].Number;
}

// The number of a new entry: one above the largest (the `excluded` slot's not counted), when
// there is room for one more record.
long long NewEntryNumber(const EntryTables& tables, bool withGreek, int excluded) {
    long long largest = 0;
    int greekRecords = tables.greek.Count();
    for (int slot = 1; slot <= tables.entries.Count(); ++slot) {
        if (slot != excluded) largest = std::max<long long>(largest, tables.entries[slot].Number);
    }
    if (excluded > 0) {
        for (int g = 1; g <= tables.greek.Count(); ++g)
            greekRecords -= tables.greek[g].EnglishSlot == excluded;
    }
    const int records = tables.entries.Count() - (excluded > 0 ? 1 : 0);
    if (records >= kTableCapacity || (withGreek && greekRecords >= kTableCapacity)) {
        Refuse(StoreStatus::StoreFull, "the tables already hold 40000 records");
    }
    if (largest + 1 > kLargestEntryNumber) {
        Refuse(StoreStatus::StoreFull, "no entry number is left above " + std::to_string(largest));
    }
    return largest + 1;
}

// Adds the English line of a new personal entry and its text.
void InsertEnglish(StoreContents& contents, const EntryTables& tables, const PendingEntry& entry,
                   const FieldTable* fields, long long number, const std::string& text,
                   int excluded) {
    const std::string headword = TrimBlanks(OneLine(entry.english));
    const int predecessor =
        EnglishPredecessor(tables.entries, LatinSearchKey(entry.english, true), excluded);
    const long long anchor = tables.entries[predecessor].Number;
    const bool afterOwn = tables.entries[predecessor].Kind == 'C';
    const std::string fieldCode = FieldCodeOf(fields, entry.fieldIndex);
    const std::string scrambled = EncodePersonalText(text);
    const auto newLine = [&](long long lineAnchor) {
        return EnglishLine(lineAnchor, number, headword, 0, static_cast<long long>(text.size()),
                           fieldCode);
    };

    ContentsWriter writer;
    TextReader old(contents.texts);
    bool inserted = false;
    for (const std::string& line : contents.english) {
        const auto columns = ReadEnglishLine(line);
        if (!columns) Damaged("ci.tbo: " + line.substr(0, 10));
        const std::string lineText = old.Take(columns->textLen);
        // An entry that sorts before every entry goes first; after a lexicon entry, after every
        // line already hanging from it; after one of the user's entries, right after its line.
        if (!inserted && !afterOwn && (predecessor == 0 || columns->anchor > anchor)) {
            writer.Add(newLine(anchor), scrambled);
            inserted = true;
        }
        writer.Add(line, lineText);
        if (!inserted && afterOwn && columns->own == anchor) {
            writer.Add(newLine(columns->anchor), scrambled);
            inserted = true;
        }
    }
    if (!inserted) writer.Add(newLine(anchor), scrambled);
    contents.english = writer.takeLines();
    contents.texts = writer.takeTexts();
}

// Adds the Greek line of a new personal entry, in Greek order.
void InsertGreek(StoreContents& contents, const EntryTables& tables, const std::string& greek,
                 long long number, int excluded) {
    const std::string headword = OneLine(greek);
    const std::string gkey = GreekSearchKey(headword, true);
    const std::string newLine = GreekLine(GreekAnchor(tables, gkey, excluded), number, headword);
    std::vector<std::string> lines;
    bool inserted = false;
    for (const std::string& line : contents.greek) {
        const std::string lineKey =
            GreekSearchKey(line.size() > 10 ? line.substr(10, 80) : std::string(), true);
        if (!inserted && lineKey > gkey) {
            lines.push_back(newLine);
            inserted = true;
        }
        lines.push_back(line);
    }
    if (!inserted) lines.push_back(newLine);
    contents.greek = std::move(lines);
}

// Removes the English line of entry `number`, its text and its Greek lines; false when it has
// no line.
bool RemoveEntry(StoreContents& contents, long long number) {
    ContentsWriter writer;
    TextReader old(contents.texts);
    bool removed = false;
    for (const std::string& line : contents.english) {
        const auto columns = ReadEnglishLine(line);
        if (!columns) Damaged("ci.tbo: " + line.substr(0, 10));
        const std::string lineText = old.Take(columns->textLen);
        if (!removed && columns->own == number) {
            removed = true;
            continue;
        }
        writer.Add(line, lineText);
    }
    if (!removed) return false;
    contents.english = writer.takeLines();
    contents.texts = writer.takeTexts();
    std::erase_if(contents.greek,
                  [number](const std::string& line) { return GreekLineOwner(line) == number; });
    return true;
}

// Replaces the supplement of lexicon entry `number`, or adds it before the first line that
// hangs from the same or a later entry.
void PutSupplement(StoreContents& contents, long long number, const std::string& text) {
    const std::string scrambled = EncodePersonalText(text);
    const std::string supplementLine =
        EnglishLine(number, number, "", 0, static_cast<long long>(text.size()), "");
    bool replacing = false;
    for (const std::string& line : contents.english) {
        const auto columns = ReadEnglishLine(line);
        if (columns && columns->anchor == number && columns->own == number) replacing = true;
    }
    ContentsWriter writer;
    TextReader old(contents.texts);
    bool done = false;
    for (const std::string& line : contents.english) {
        const auto columns = ReadEnglishLine(line);
        if (!columns) Damaged("ci.tbo: " + line.substr(0, 10));
        const std::string lineText = old.Take(columns->textLen);
        if (!done && replacing && columns->anchor == number && columns->own == number) {
            writer.Add(line.substr(0, 90) + ZeroPadded(0, 8) +
                           ZeroPadded(static_cast<long long>(text.size()), 5),
                       scrambled);
            done = true;
            continue;
        }
        if (!done && !replacing && columns->anchor >= number) {
            writer.Add(supplementLine, scrambled);
            done = true;
        }
        writer.Add(line, lineText);
    }
    if (!done) writer.Add(supplementLine, scrambled);
    contents.english = writer.takeLines();
    contents.texts = writer.takeTexts();
}

// Runs `change` on the store's contents and commits what it leaves, as one step.
template <typename Change>
StoreResult Run(const StoreContext& store, Change change) {
    if (!store.personal.Known()) return {StoreStatus::FileError, "no personal folder is known"};
    try {
        RecoverStore(store.files, StoreFolder(store.personal),
                     {store.personal.tempEnglishIndex, store.personal.tempGreekIndex,
                      store.personal.tempTexts});
        StoreContents contents = ReadContents(store.files, store.personal);
        const bool withGreek = change(contents);
        CommitReplacements(store.files, StoreFolder(store.personal),
                           Replacements(contents, store.personal, withGreek));
        return {};
    } catch (const Refusal& refusal) {
        return refusal.result;
    } catch (const StoreFileError& error) {
        return {StoreStatus::FileError, error.what()};
    } catch (const std::bad_alloc&) {
        return {StoreStatus::FileError, "out of memory"};
    }
}

}  // namespace

std::string EscapeUserText(std::string_view text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out = "{\\f60\\fs22 ";
    out.reserve(out.size() + text.size() * 4 + 1);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += " \\par ";
            ++i;
            continue;
        }
        const auto byte = static_cast<unsigned char>(text[i]);
        out += "\\'";
        out += kHex[byte >> 4];
        out += kHex[byte & 15];
    }
    out += '}';
    return out;
}

StoreResult InsertPersonalEntry(const StoreContext& store, const PendingEntry& entry) {
    return Run(store, [&](StoreContents& contents) {
        const bool withGreek = !entry.greek.empty();
        const long long number = NewEntryNumber(store.tables, withGreek, 0);
        const std::string text = StoredText(entry.description, contents);
        InsertEnglish(contents, store.tables, entry, store.fields, number, text, 0);
        if (withGreek) InsertGreek(contents, store.tables, entry.greek, number, 0);
        return withGreek;
    });
}

StoreResult UpdatePersonalEntry(const StoreContext& store, char kind, int slot,
                                const PendingEntry& entry) {
    if (entry.english.empty()) return {StoreStatus::NothingToDo, "the English headword is empty"};
    const EntryRecord& record = store.tables.entries[slot];
    if (record.Number == 0) return {StoreStatus::NothingToDo, "no entry in that slot"};
    if (kind == 'C') {
        return Run(store, [&](StoreContents& contents) {
            if (!RemoveEntry(contents, record.Number)) {
                Refuse(StoreStatus::NothingToDo, "the entry is not in the personal files");
            }
            // The new entry is placed as in the tables without the old one.
            const long long number = NewEntryNumber(store.tables, !entry.greek.empty(), slot);
            const std::string text = StoredText(entry.description, contents);
            InsertEnglish(contents, store.tables, entry, store.fields, number, text, slot);
            if (!entry.greek.empty()) {
                InsertGreek(contents, store.tables, entry.greek, number, slot);
            }
            return true;
        });
    }
    if (kind == 'A' || kind == 'L') {
        return Run(store, [&](StoreContents& contents) {
            PutSupplement(contents, record.Number, StoredText(entry.description, contents));
            return false;
        });
    }
    return {StoreStatus::NothingToDo, "the entry cannot be changed"};
}

StoreResult DeletePersonalEntry(const StoreContext& store, int slot) {
    const EntryRecord& record = store.tables.entries[slot];
    if (record.Number == 0 || record.Kind != 'C') {
        return {StoreStatus::NothingToDo, "only the user's own entries can be deleted"};
    }
    return Run(store, [&](StoreContents& contents) {
        if (!RemoveEntry(contents, record.Number)) {
            Refuse(StoreStatus::NothingToDo, "the entry is not in the personal files");
        }
        return true;
    });
}

int FieldRowOf(const FieldTable* fields, const std::string& code) {
    if (fields == nullptr || code.empty()) return -1;
    int row = -1;
    for (int slot = 1; slot <= fields->Count() && slot <= kFieldCapacity; ++slot) {
        if ((*fields)[slot].Code == code) row = slot;
    }
    return row;
}

bool RecoverPersonalStore(const PersonalFiles& personal, StoreFileSystem& files) {
    if (!personal.Known()) return true;
    try {
        RecoverStore(files, StoreFolder(personal),
                     {personal.tempEnglishIndex, personal.tempGreekIndex, personal.tempTexts});
        return true;
    } catch (const StoreFileError&) {
        return false;
    }
}

std::string StoreFolder(const PersonalFiles& personal) {
    const std::string& index = personal.englishIndex;
    const size_t slash = index.rfind('/');
    return slash == std::string::npos ? "." : index.substr(0, slash == 0 ? 1 : slash);
}

}  // namespace orvan::personal
