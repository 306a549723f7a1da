#include "personal/personal_store.h"

#include <algorithm>
#include <cstdio>

#include "lexicon/blanks.h"
#include "lexicon/codecs.h"
#include "lexicon/file_paths.h"
#include "lexicon/line_formats.h"
#include "lexicon/search_keys.h"
#include "personal/entry_placement.h"
#include "personal/store_change.h"
#include "personal/store_commit.h"
#include "personal/store_contents.h"

namespace orvan::personal {

namespace {

// A stored text longer than its line can describe.
std::optional<StoreResult> LengthRefusal(size_t escapedLength) {
    if (static_cast<long long>(escapedLength) <= kMaxTextLength) return std::nullopt;
    return StoreResult{StoreStatus::DescriptionTooLong,
                       "the description takes " + std::to_string(escapedLength) +
                           " bytes stored, more than " + std::to_string(kMaxTextLength)};
}

// No room in the tables for one more entry (and its Greek headword), once the `excluded` slot
// (an entry being replaced; 0 for none) has left them.
std::optional<StoreResult> RoomRefusal(const EntryTables& tables, bool withGreek, int excluded) {
    int greekRecords = tables.greek.count();
    if (excluded > 0) {
        for (int g = 1; g <= tables.greek.count(); ++g)
            greekRecords -= tables.greek[g].englishSlot == excluded;
    }
    const int records = tables.entries.count() - (excluded > 0 ? 1 : 0);
    if (records < kTableCapacity && (!withGreek || greekRecords < kTableCapacity))
        return std::nullopt;
    return StoreResult{StoreStatus::StoreFull, "the tables already hold 40000 records"};
}

void RefuseIf(std::optional<StoreResult> refusal) {
    if (refusal) throw Refusal{std::move(*refusal)};
}

// The stored form of a description, checked against the limits of the files.
std::string StoredText(const std::string& description, const StoreContents& contents) {
    const std::string escaped = description.empty() ? "" : EscapeUserText(description);
    RefuseIf(LengthRefusal(escaped.size()));
    if (static_cast<long long>(contents.texts.size() + escaped.size()) > kMaxStoreLength) {
        Refuse(StoreStatus::StoreFull,
               "clex.tbo would grow past " + std::to_string(kMaxStoreLength) + " bytes");
    }
    return escaped;
}

// Adds the English line of a new personal entry and its text.
void InsertEnglish(StoreContents& contents, const EntryTables& tables, const std::string& english,
                   const std::string& fieldCode, long long number, const std::string& text,
                   int excluded) {
    // OneLine has turned control characters into blanks, which trimming then drops.
    const std::string headword(TrimBlanks(OneLine(english)));
    const int predecessor =
        EnglishPredecessor(tables.entries, LatinSearchKey(english, true), excluded);
    const long long anchor = tables.entries[predecessor].number;
    const bool afterOwn = tables.entries[predecessor].kind == EntryKind::Personal;
    const std::string scrambled = EncodePersonalText(text);
    const auto newLine = [&](long long lineAnchor) {
        return EnglishLine(lineAnchor, number, headword, 0, static_cast<long long>(text.size()),
                           fieldCode);
    };

    ContentsWriter writer;
    bool inserted = false;
    for (size_t i = 0; i < contents.english.size(); ++i) {
        const std::string& line = contents.english[i];
        const PersonalIndexLine columns = ReadEnglishLine(line, i + 1);
        // An entry that sorts before every entry goes first; after a lexicon entry, after every
        // line already hanging from it; after one of the user's entries, right after its line.
        if (!inserted && !afterOwn && (predecessor == 0 || columns.anchor > anchor)) {
            writer.add(newLine(anchor), scrambled);
            inserted = true;
        }
        writer.add(line, TextOf(contents.texts, columns, i + 1));
        if (!inserted && afterOwn && !columns.isSupplement() && columns.own == anchor) {
            writer.add(newLine(columns.anchor), scrambled);
            inserted = true;
        }
    }
    if (!inserted) writer.add(newLine(anchor), scrambled);
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
    const bool removed =
        DropEnglishLines(contents, [number](const PersonalIndexLine& columns, int dropped) {
            return dropped == 0 && !columns.isSupplement() && columns.own == number;
        });
    if (!removed) return false;
    std::erase_if(contents.greek,
                  [number](const std::string& line) { return GreekLineOwner(line) == number; });
    return true;
}

// Removes the supplement of lexicon entry `number` with its text; false when it has none. Every
// supplement line of the entry goes: the loader would show a second one left behind.
bool RemoveSupplement(StoreContents& contents, long long number) {
    return DropEnglishLines(contents, [number](const PersonalIndexLine& columns, int) {
        return columns.isSupplement() && columns.anchor == number;
    });
}

// Replaces the supplement of lexicon entry `number`, or adds it before the first line that
// hangs from the same or a later entry.
void PutSupplement(StoreContents& contents, long long number, const std::string& text) {
    const std::string scrambled = EncodePersonalText(text);
    const std::string supplementLine =
        EnglishLine(number, number, "", 0, static_cast<long long>(text.size()), "");
    std::vector<PersonalIndexLine> lines;
    for (size_t i = 0; i < contents.english.size(); ++i)
        lines.push_back(ReadEnglishLine(contents.english[i], i + 1));
    const auto isSupplement = [number](const PersonalIndexLine& columns) {
        return columns.isSupplement() && columns.anchor == number;
    };
    const bool replacing = std::any_of(lines.begin(), lines.end(), isSupplement);
    ContentsWriter writer;
    bool done = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = contents.english[i];
        const PersonalIndexLine& columns = lines[i];
        if (!done && replacing && isSupplement(columns)) {
            writer.add(line.substr(0, 90) + ZeroPadded(0, 8) +
                           ZeroPadded(static_cast<long long>(text.size()), 5),
                       scrambled);
            done = true;
            continue;
        }
        if (!done && !replacing && columns.anchor >= number) {
            writer.add(supplementLine, scrambled);
            done = true;
        }
        writer.add(line, TextOf(contents.texts, columns, i + 1));
    }
    if (!done) writer.add(supplementLine, scrambled);
    contents.english = writer.takeLines();
    contents.texts = writer.takeTexts();
}

// The number a new entry takes, when the tables have room for one more record; it is kept as
// the last one handed out.
long long HandOutNumber(const EntryTables& tables, StoreContents& contents, bool withGreek,
                        int excluded) {
    RefuseIf(RoomRefusal(tables, withGreek, excluded));
    const auto number = NewEntryNumber(tables, contents, excluded);
    if (!number) Refuse(StoreStatus::StoreFull, "every entry number is taken");
    contents.lastNumber = *number;
    return *number;
}

// The slot of the entry the user meant, in the tables the change is worked out against.
int TargetSlot(const EntryTables& tables, EntryRef target) {
    const int slot = SlotOfNumber(tables.entries, target.number);
    if (slot == 0 || tables.entries[slot].kind != target.kind) Changed(target.number);
    return slot;
}

// A headword is stored trimmed, its control characters as blanks: one of only those is none.
bool HasHeadword(const std::string& english) {
    return !TrimBlanks(OneLine(english)).empty();
}

StoreResult Incomplete() {
    return {StoreStatus::FieldsMissing,
            "the English headword and the description must be filled in"};
}

}  // namespace

std::optional<Error> LoadProblemOf(const EntryTables& tables) {
    for (const std::optional<Error>* problem :
         {&tables.lexiconProblem, &tables.lexiconLeftOut, &tables.personalProblem}) {
        if (*problem) return *problem;
    }
    return std::nullopt;
}

bool EntryComplete(const PendingEntry& entry) {
    return HasHeadword(entry.english) && !entry.description.empty();
}

StoreResult CheckEntry(const EntryTables& tables, std::optional<EntryRef> target,
                       const PendingEntry& entry) {
    if (!EntryComplete(entry)) return Incomplete();
    if (auto refusal = LengthRefusal(EscapeUserText(entry.description).size())) return *refusal;
    const bool newEntry = !target || target->kind == EntryKind::Personal;
    const int excluded = target ? SlotOfNumber(tables.entries, target->number) : 0;
    if (auto refusal = RoomRefusal(tables, !entry.greek.empty(), excluded); refusal && newEntry)
        return *refusal;
    return {};
}

StoreResult InsertPersonalEntry(const StoreContext& store, const PendingEntry& entry) {
    if (!EntryComplete(entry)) return Incomplete();
    return RunStoreChange(store, [&](StoreContents& contents, const EntryTables& tables) {
        const bool withGreek = !entry.greek.empty();
        const long long number = HandOutNumber(tables, contents, withGreek, 0);
        const std::string text = StoredText(entry.description, contents);
        InsertEnglish(contents, tables, entry.english, FieldCodeOf(store.fields, entry.fieldIndex),
                      number, text, 0);
        if (withGreek) InsertGreek(contents, tables, entry.greek, number, 0);
        return ChangeMade{withGreek, number};
    });
}

StoreResult UpdatePersonalEntry(const StoreContext& store, EntryRef target,
                                const PendingEntry& entry) {
    return ChangeEntry(store, target,
                       {entry.english, entry.greek, entry.fieldIndex, entry.description});
}

StoreResult ChangeEntry(const StoreContext& store, EntryRef target, const EntryChange& change) {
    if (change.description.empty() || (change.english && !HasHeadword(*change.english)))
        return Incomplete();
    if (target.kind == EntryKind::Personal) {
        return RunStoreChange(store, [&](StoreContents& contents, const EntryTables& tables) {
            const int slot = TargetSlot(tables, target);
            // What the change leaves as it is comes from the files as they are now.
            const EntryRecord& record = tables.entries[slot];
            const std::string english = change.english.value_or(record.headword);
            const std::string greek = change.greek ? *change.greek : GreekHeadwordOf(tables, slot);
            const std::string fieldCode = change.fieldIndex
                                              ? FieldCodeOf(store.fields, *change.fieldIndex)
                                              : record.fieldCode;
            if (!RemoveEntry(contents, target.number)) Changed(target.number);
            // The new entry is placed as in the tables without the old one.
            const long long number = HandOutNumber(tables, contents, !greek.empty(), slot);
            const std::string text = StoredText(change.description, contents);
            InsertEnglish(contents, tables, english, fieldCode, number, text, slot);
            if (!greek.empty()) InsertGreek(contents, tables, greek, number, slot);
            return ChangeMade{true, number};
        });
    }
    // A lexicon entry, with or without a supplement: its supplement is written.
    return RunStoreChange(store, [&](StoreContents& contents, const EntryTables& tables) {
        TargetSlot(tables, target);
        PutSupplement(contents, target.number, StoredText(change.description, contents));
        return ChangeMade{false, target.number};
    });
}

StoreResult DeletePersonalEntry(const StoreContext& store, long long number) {
    return RunStoreChange(store, [&](StoreContents& contents, const EntryTables& tables) {
        const int slot = SlotOfNumber(tables.entries, number);
        if (slot != 0 && tables.entries[slot].kind != EntryKind::Personal) {
            Refuse(StoreStatus::NothingToDo, "only the user's own entries can be deleted");
        }
        if (slot == 0 || !RemoveEntry(contents, number)) Changed(number);
        return ChangeMade{true, 0};
    });
}

StoreResult DeleteSupplement(const StoreContext& store, long long number) {
    return RunStoreChange(store, [&](StoreContents& contents, const EntryTables& tables) {
        // Only an entry the tables show with a supplement: a window that shows another state
        // than the files' must not remove what its user has not seen.
        TargetSlot(tables, {number, EntryKind::Annotated});
        if (!RemoveSupplement(contents, number)) Changed(number);
        return ChangeMade{false, number};
    });
}

int FieldRowOf(const FieldTable* fields, const std::string& code) {
    if (fields == nullptr || code.empty()) return -1;
    int row = -1;
    for (int slot = 1; slot <= fields->count() && slot <= kFieldCapacity; ++slot) {
        if ((*fields)[slot].code == code) row = slot;
    }
    return row;
}

StoreResult RecoverPersonalStore(const PersonalFiles& personal, StoreFileSystem& files) {
    if (!personal.known()) return {};
    const std::string folder = StoreFolder(personal);
    try {
        // What a change in flight has made so far looks the same until its lock is had.
        if (!NeedsRecovery(files, folder, Temporaries(personal))) return {};
        const auto lock = files.lockFolder(folder, LockMode::Exclusive);
        if (NeedsRecovery(files, folder, Temporaries(personal))) {
            RecoverStore(files, folder, Temporaries(personal));
        }
        return {};
    } catch (const StoreFileError& error) {
        return FileErrorResult(error);
    }
}

std::string StoreFolder(const PersonalFiles& personal) {
    return FolderOf(personal.englishIndex);
}

}  // namespace orvan::personal
