#include "personal/entry_import.h"

#include <algorithm>
#include <limits>
#include <map>
#include <optional>
#include <set>

#include "lexicon/blanks.h"
#include "lexicon/codecs.h"
#include "lexicon/line_formats.h"
#include "lexicon/list_search.h"
#include "lexicon/search_keys.h"
#include "personal/entry_placement.h"
#include "personal/store_change.h"
#include "personal/user_text.h"
#include "richtext/greek_code_page.h"

namespace orvan::personal {

namespace {

// A headword takes columns 11-90 of its line.
constexpr std::size_t kHeadwordWidth = 80;

// An entry of the file as the store would write it, beside the step that reports it.
struct Prepared {
    std::string english;    // code page 1253, one line, trimmed
    std::string greek;      // the same; empty for none
    std::string fieldCode;  // code page 1253; empty for none
    std::string text;       // the description's stored form
    long long wanted = 0;   // the number the file gives an own entry
};

struct Preparation {
    ImportPlan plan;
    std::vector<Prepared> entries;  // beside plan.steps
};

// Why an entry is refused.
struct EntryRefused {
    std::string reason;
};

// A headword of the file as the code page holds it on one line; `what` names it in a refusal.
std::string Headword(const std::string& utf8, const char* what) {
    const GreekBytes bytes = Utf8ToGreek(utf8);
    if (!bytes.complete) {
        throw EntryRefused{std::string(what) + " \"" + utf8 +
                           "\" holds characters the code page cannot: " +
                           CharactersWithoutByte(Utf8ToUtf16(utf8))};
    }
    std::string headword(TrimBlanks(OneLine(bytes.bytes)));
    if (headword.size() > kHeadwordWidth) {
        throw EntryRefused{std::string(what) + " \"" + utf8 + "\" is longer than " +
                           std::to_string(kHeadwordWidth) + " characters"};
    }
    return headword;
}

// The stored form of a description, when it fits its length column.
std::string StoredDescription(const std::string& description) {
    const long long room = DescriptionRoomLeft(description);
    if (room < 0) {
        throw EntryRefused{"the description is too long by " + std::to_string(-room) +
                           " characters"};
    }
    return EscapeUserText(description);
}

// The science row a file's field names: by its code, else by its code or name as the list's
// search finds them; -1 for none.
int FieldRowNamed(const FieldTable* fields, const ExchangeEntry& entry) {
    for (const std::string* given : {&entry.fieldCode, &entry.fieldName}) {
        if (given->empty() || fields == nullptr) continue;
        const std::string bytes = Utf8ToGreek(*given).bytes;
        if (const int row = FieldRowOf(fields, bytes); row > 0) return row;
        const std::optional<int> item = FieldItemNamed(fields, bytes);
        if (item && *item > 0 && *item <= fields->count()) return *item;
    }
    return -1;
}

// Plans the entries against the tables, entry after entry.
class Planner {
  public:
    Planner(const EntryTables& tables, const FieldTable* fields)
        : tables_(tables), fields_(fields) {
        for (int slot = 1; slot <= tables.entries.count(); ++slot) {
            const EntryRecord& record = tables.entries[slot];
            if (record.kind == EntryKind::Personal) {
                const std::string greek(TrimBlanks(OneLine(GreekHeadwordOf(tables, slot))));
                ownEntries_[{std::string(TrimBlanks(record.headword)), greek}].push_back(
                    record.number);
            } else {
                lexiconEntries_[std::string(TrimBlanks(record.headword))].push_back(slot);
            }
        }
    }

    void plan(const ExchangeEntry& entry, ImportStep& step, Prepared& prepared) {
        if (!entry.problem.empty()) throw EntryRefused{entry.problem};
        if (entry.kind == ExchangeKind::Note) {
            planNote(entry, step, prepared);
        } else {
            planOwnEntry(entry, step, prepared);
        }
    }

  private:
    void planOwnEntry(const ExchangeEntry& entry, ImportStep& step, Prepared& prepared) {
        prepared.english = Headword(entry.english, "the English headword");
        if (prepared.english.empty()) throw EntryRefused{"it has no English headword"};
        prepared.greek = Headword(entry.greek, "the Greek headword");
        std::string description = entry.description;
        if (description.empty()) {
            // A term base often pairs terms without defining them: the rendering is what such
            // an entry says.
            if (entry.greek.empty()) throw EntryRefused{"it has no description"};
            description = entry.greek;
            step.remark = "no description: the Greek headword stands for it";
        }
        prepared.text = StoredDescription(description);
        const int row = FieldRowNamed(fields_, entry);
        prepared.fieldCode = FieldCodeOf(fields_, row);
        if (row < 1 && (!entry.fieldCode.empty() || !entry.fieldName.empty())) {
            const std::string& named = entry.fieldName.empty() ? entry.fieldCode : entry.fieldName;
            if (!step.remark.empty()) step.remark += "; ";
            step.remark += "the science list has no field \"" + named + "\": stored without one";
        }
        prepared.wanted = entry.number;
        // An own entry of the same headwords not yet taken by an earlier entry of the file.
        const auto same = ownEntries_.find({prepared.english, prepared.greek});
        std::size_t& taken = takenOwn_[{prepared.english, prepared.greek}];
        if (same != ownEntries_.end() && taken < same->second.size()) {
            step.action = ImportAction::Update;
            step.entryNumber = same->second[taken++];
        } else {
            step.action = ImportAction::Add;
        }
    }

    void planNote(const ExchangeEntry& entry, ImportStep& step, Prepared& prepared) {
        const std::string& named =
            entry.lexiconHeadword.empty() ? entry.english : entry.lexiconHeadword;
        const std::string headword = Headword(named, "the lexicon headword");
        const std::string greek = Headword(entry.greek, "the Greek headword");
        if (entry.description.empty()) throw EntryRefused{"the note is empty"};
        prepared.text = StoredDescription(entry.description);
        const int slot = lexiconSlot(headword, greek, entry.number);
        if (slot == 0) {
            throw EntryRefused{"no lexicon entry \"" + named + "\" to write the note on"};
        }
        const EntryRecord& record = tables_.entries[slot];
        const auto [earlier, first] = notedBy_.emplace(record.number, step.origin);
        if (!first) {
            throw EntryRefused{"a second note on the lexicon entry \"" + named +
                               "\" (the first is at " + earlier->second + ")"};
        }
        step.action =
            record.kind == EntryKind::Annotated ? ImportAction::UpdateNote : ImportAction::AddNote;
        step.entryNumber = record.number;
    }

    // The lexicon entry of `headword`: the one numbered `number` when it has that headword,
    // else the first with `greek` as its Greek headword, else the first; 0 for none.
    int lexiconSlot(const std::string& headword, const std::string& greek, long long number) {
        const auto found = lexiconEntries_.find(headword);
        if (found == lexiconEntries_.end()) return 0;
        const std::vector<int>& slots = found->second;
        for (const int slot : slots)
            if (tables_.entries[slot].number == number) return slot;
        for (const int slot : slots)
            if (!greek.empty() && TrimBlanks(GreekHeadwordOf(tables_, slot)) == greek) return slot;
        return slots.front();
    }

    const EntryTables& tables_;
    const FieldTable* fields_;
    std::map<std::pair<std::string, std::string>, std::vector<long long>> ownEntries_;
    std::map<std::pair<std::string, std::string>, std::size_t> takenOwn_;
    std::map<std::string, std::vector<int>> lexiconEntries_;
    std::map<long long, std::string> notedBy_;  // lexicon entry number: the note's origin
};

// Whether the tables have room for what the plan adds; the refusal saying how many fit if not.
std::string RoomRefusal(const EntryTables& tables, const Preparation& preparation) {
    int added = 0, addedGreek = 0;
    for (std::size_t at = 0; at < preparation.entries.size(); ++at) {
        if (preparation.plan.steps[at].action != ImportAction::Add) continue;
        ++added;
        addedGreek += !preparation.entries[at].greek.empty();
    }
    const int fit = std::max(0, kTableCapacity - tables.entries.count());
    const int fitGreek = std::max(0, kTableCapacity - tables.greek.count());
    if (added <= fit && addedGreek <= fitGreek) return {};
    if (added > fit) {
        return "the file adds " + std::to_string(added) + " entries, but only " +
               std::to_string(fit) + " more fit: the tables hold at most " +
               std::to_string(kTableCapacity) + " records";
    }
    return "the file adds " + std::to_string(addedGreek) + " Greek headwords, but only " +
           std::to_string(fitGreek) + " more fit: the tables hold at most " +
           std::to_string(kTableCapacity) + " records";
}

Preparation Prepare(const EntryTables& tables, const FieldTable* fields,
                    const std::vector<ExchangeEntry>& entries) {
    Preparation preparation;
    preparation.plan.steps.resize(entries.size());
    preparation.entries.resize(entries.size());
    Planner planner(tables, fields);
    for (std::size_t at = 0; at < entries.size(); ++at) {
        ImportStep& step = preparation.plan.steps[at];
        step.origin = entries[at].origin;
        step.english = entries[at].english;
        step.greek = entries[at].greek;
        try {
            planner.plan(entries[at], step, preparation.entries[at]);
        } catch (const EntryRefused& refused) {
            step.action = ImportAction::Refuse;
            step.remark = refused.reason;
            step.entryNumber = 0;
        }
    }
    preparation.plan.refusal = RoomRefusal(tables, preparation);
    return preparation;
}

// Writes the notes of the plan: a lexicon entry's note replaced where it has one (any second
// note line of it dropped), else added before the first line that hangs from the same or a
// later entry.
void PutNotes(StoreContents& contents, const std::map<long long, std::string>& notes) {
    std::vector<PersonalIndexLine> columns;
    columns.reserve(contents.english.size());
    std::set<long long> existing;  // the entries whose note line is replaced where it is
    for (std::size_t i = 0; i < contents.english.size(); ++i) {
        columns.push_back(ReadEnglishLine(contents.english[i], i + 1));
        if (columns.back().isSupplement() && notes.count(columns.back().anchor) > 0)
            existing.insert(columns.back().anchor);
    }
    ContentsWriter writer;
    auto pending = notes.begin();
    // Writes the new notes of the entries numbered up to `last`.
    const auto writeNew = [&](long long last) {
        for (; pending != notes.end() && pending->first <= last; ++pending) {
            if (existing.count(pending->first) > 0) continue;
            writer.add(EnglishLine(pending->first, pending->first, "", 0,
                                   static_cast<long long>(pending->second.size()), ""),
                       EncodePersonalText(pending->second));
        }
    };
    std::set<long long> replaced;
    for (std::size_t i = 0; i < contents.english.size(); ++i) {
        const std::string& line = contents.english[i];
        writeNew(columns[i].anchor);
        const auto note = notes.find(columns[i].anchor);
        if (columns[i].isSupplement() && note != notes.end()) {
            if (replaced.insert(note->first).second) {
                writer.add(line.substr(0, 90) + ZeroPadded(0, 8) +
                               ZeroPadded(static_cast<long long>(note->second.size()), 5),
                           EncodePersonalText(note->second));
            }
            continue;
        }
        writer.add(line, TextOf(contents.texts, columns[i], i + 1));
    }
    writeNew(std::numeric_limits<long long>::max());
    contents.english = writer.takeLines();
    contents.texts = writer.takeTexts();
}

// A new own entry on its way into the files.
struct NewEntry {
    const Prepared* entry;
    long long number;
    std::string key;  // the English search key
    int predecessor;  // the slot it follows in the tables without the entries replaced
};

// Adds the English lines of the new entries, each where InsertEnglish would put it alone: after
// its predecessor's line when that is an own entry, else after every line that hangs from the
// lexicon entry it follows. Entries that go to the same place go there in alphabetical order,
// those of an earlier predecessor first.
void InsertEnglishLines(StoreContents& contents, const EntryTables& tables,
                        std::vector<NewEntry>& added) {
    std::stable_sort(added.begin(), added.end(), [](const NewEntry& a, const NewEntry& b) {
        return a.predecessor != b.predecessor ? a.predecessor < b.predecessor : a.key < b.key;
    });
    const std::size_t count = contents.english.size();
    std::vector<PersonalIndexLine> columns;
    columns.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        columns.push_back(ReadEnglishLine(contents.english[i], i + 1));
    // The highest anchor up to each line, to find the first line past an anchor by a search.
    std::vector<long long> highestAnchor(count);
    for (std::size_t i = 0; i < count; ++i)
        highestAnchor[i] = std::max<long long>(i > 0 ? highestAnchor[i - 1] : 0, columns[i].anchor);
    std::map<long long, std::size_t> ownLine;  // own entry number: its line
    for (std::size_t i = 0; i < count; ++i) {
        if (!columns[i].isSupplement()) ownLine.emplace(columns[i].own, i);
    }
    // For each gap (before line i, the last one after every line): the new lines and anchors.
    std::vector<std::vector<std::pair<const NewEntry*, long long>>> gaps(count + 1);
    for (const NewEntry& entry : added) {
        const EntryRecord& record = tables.entries[entry.predecessor];
        const long long anchor = record.number;
        if (entry.predecessor == 0) {
            gaps[0].emplace_back(&entry, anchor);
        } else if (record.kind == EntryKind::Personal) {
            const auto line = ownLine.find(anchor);
            if (line == ownLine.end()) {
                gaps[count].emplace_back(&entry, anchor);
            } else {
                gaps[line->second + 1].emplace_back(&entry, columns[line->second].anchor);
            }
        } else {
            const auto past = std::upper_bound(highestAnchor.begin(), highestAnchor.end(), anchor);
            gaps[static_cast<std::size_t>(past - highestAnchor.begin())].emplace_back(&entry,
                                                                                      anchor);
        }
    }
    ContentsWriter writer;
    for (std::size_t i = 0; i <= count; ++i) {
        std::stable_sort(gaps[i].begin(), gaps[i].end(), [](const auto& a, const auto& b) {
            return a.first->predecessor < b.first->predecessor;
        });
        for (const auto& [entry, anchor] : gaps[i]) {
            const std::string& text = entry->entry->text;
            writer.add(EnglishLine(anchor, entry->number, entry->entry->english, 0,
                                   static_cast<long long>(text.size()), entry->entry->fieldCode),
                       EncodePersonalText(text));
        }
        if (i < count) writer.add(contents.english[i], TextOf(contents.texts, columns[i], i + 1));
    }
    contents.english = writer.takeLines();
    contents.texts = writer.takeTexts();
}

// Adds the Greek lines of the new entries in Greek order: each before the first line whose key
// is greater, after the new lines of lower or equal keys.
void InsertGreekLines(StoreContents& contents, const EntryTables& tables,
                      const std::vector<bool>& replaced, const std::vector<NewEntry>& added) {
    const GreekPlaces places(tables, replaced);
    std::vector<std::pair<std::string, std::string>> pending;  // (key, line)
    for (const NewEntry& entry : added) {
        const std::string& greek = entry.entry->greek;
        if (greek.empty()) continue;
        std::string key = GreekSearchKey(greek, true);
        pending.emplace_back(key, GreekLine(places.anchor(key), entry.number, greek));
    }
    std::stable_sort(pending.begin(), pending.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> lines;
    lines.reserve(contents.greek.size() + pending.size());
    auto next = pending.begin();
    for (const std::string& line : contents.greek) {
        const std::string lineKey =
            GreekSearchKey(line.size() > 10 ? line.substr(10, 80) : std::string(), true);
        for (; next != pending.end() && next->first < lineKey; ++next)
            lines.push_back(std::move(next->second));
        lines.push_back(line);
    }
    for (; next != pending.end(); ++next)
        lines.push_back(std::move(next->second));
    contents.greek = std::move(lines);
}

// Makes the plan of `preparation` in `contents`, whose tables are `tables`.
void Apply(StoreContents& contents, const EntryTables& tables, Preparation& preparation) {
    std::vector<ImportStep>& steps = preparation.plan.steps;
    // The own entries changed leave first, with their Greek lines.
    std::set<long long> leaving;
    std::vector<bool> replaced(static_cast<std::size_t>(tables.entries.count()) + 1, false);
    std::map<long long, std::string> notes;
    for (std::size_t at = 0; at < steps.size(); ++at) {
        const ImportAction action = steps[at].action;
        if (action == ImportAction::Update) leaving.insert(steps[at].entryNumber);
        if (action == ImportAction::AddNote || action == ImportAction::UpdateNote)
            notes[steps[at].entryNumber] = preparation.entries[at].text;
    }
    for (int slot = 1; slot <= tables.entries.count(); ++slot) {
        if (leaving.count(tables.entries[slot].number) > 0)
            replaced[static_cast<std::size_t>(slot)] = true;
    }
    if (!leaving.empty()) {
        DropEnglishLines(contents, [&](const PersonalIndexLine& columns, int) {
            return !columns.isSupplement() && leaving.count(columns.own) > 0;
        });
        std::erase_if(contents.greek, [&](const std::string& line) {
            const auto owner = GreekLineOwner(line);
            return owner && leaving.count(*owner) > 0;
        });
    }
    if (!notes.empty()) PutNotes(contents, notes);

    std::vector<std::size_t> adding;
    std::vector<long long> wanted;
    for (std::size_t at = 0; at < steps.size(); ++at) {
        if (steps[at].action != ImportAction::Add && steps[at].action != ImportAction::Update)
            continue;
        adding.push_back(at);
        wanted.push_back(preparation.entries[at].wanted);
    }
    if (adding.empty()) return;
    // Every change of the store knows the last number handed out before it runs.
    long long last = *contents.lastNumber;
    const auto numbers = NewEntryNumbers(tables, contents, replaced, wanted, last);
    if (!numbers) Refuse(StoreStatus::StoreFull, "not enough entry numbers are left");
    contents.lastNumber = last;
    const EnglishPlaces places(tables.entries, replaced);
    std::vector<NewEntry> added;
    added.reserve(adding.size());
    for (std::size_t n = 0; n < adding.size(); ++n) {
        const Prepared& entry = preparation.entries[adding[n]];
        std::string key = LatinSearchKey(entry.english, true);
        const int predecessor = places.predecessor(key);
        added.push_back({&entry, (*numbers)[n], std::move(key), predecessor});
        steps[adding[n]].entryNumber = (*numbers)[n];
    }
    InsertGreekLines(contents, tables, replaced, added);
    InsertEnglishLines(contents, tables, added);
    if (static_cast<long long>(contents.texts.size()) > kMaxStoreLength) {
        Refuse(StoreStatus::StoreFull,
               "clex.tbo would grow past " + std::to_string(kMaxStoreLength) + " bytes");
    }
}

}  // namespace

int ImportPlan::count(ImportAction action) const {
    return static_cast<int>(std::count_if(
        steps.begin(), steps.end(), [action](const ImportStep& s) { return s.action == action; }));
}

bool ImportPlan::accepted() const {
    return refusal.empty() && count(ImportAction::Refuse) == 0;
}

ImportPlan PlanImport(const EntryTables& tables, const FieldTable* fields,
                      const std::vector<ExchangeEntry>& entries) {
    return Prepare(tables, fields, entries).plan;
}

ImportResult ImportEntries(const StoreContext& store, const std::vector<ExchangeEntry>& entries) {
    ImportResult outcome;
    if (entries.empty()) return outcome;
    bool planned = false;
    outcome.result = RunStoreChange(store, [&](StoreContents& contents, const EntryTables& tables) {
        Preparation preparation = Prepare(tables, store.fields, entries);
        planned = true;
        outcome.plan = preparation.plan;
        const int refused = preparation.plan.count(ImportAction::Refuse);
        if (refused > 0) {
            Refuse(StoreStatus::EntriesRefused, std::to_string(refused) +
                                                    (refused == 1 ? " entry is" : " entries are") +
                                                    " refused");
        }
        if (!preparation.plan.refusal.empty())
            Refuse(StoreStatus::StoreFull, preparation.plan.refusal);
        Apply(contents, tables, preparation);
        outcome.plan = std::move(preparation.plan);
        return ChangeMade{true, 0};
    });
    // Refused before the files were read (no folder, the lock, a load left incomplete): what
    // the import would have done, from the caller's tables.
    if (!planned) outcome.plan = PlanImport(store.tables, store.fields, entries);
    return outcome;
}

}  // namespace orvan::personal
