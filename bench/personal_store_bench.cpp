// Speed of the user's edits: an insert, an update and a delete in a personal store of 5000
// entries with their texts and Greek headwords, each followed by the reload of the tables of a
// 34000-entry lexicon (39000 records with the personal ones), as the window does after an edit.
// Written to the disk for real, flushes included. Also what the personal folder's lock costs:
// taking and giving it up alone, and a load with and without it.
#include <benchmark/benchmark.h>

#include <memory>

#include "lexicon/tables.h"
#include "personal/merged_tables.h"
#include "personal/personal_store.h"
#include "tests/support/lexicon_fixture.h"

namespace {

using orvan::test::Cp;

constexpr int kPersonalEntries = 5000;
constexpr int kLexiconEntries = orvan::kTableCapacity - kPersonalEntries - 1000;

struct EditedLexicon {
    orvan::test::TempFolder program, personalFolder;
    orvan::LexiconFiles files{program.path()};
    orvan::PersonalFiles personal{personalFolder.path()};
    orvan::FieldTable fields;
    orvan::NoteList notes;
    orvan::EntryTables tables;

    EditedLexicon() {
        orvan::test::LexiconBuilder lexicon;
        const std::string text =
            orvan::personal::EscapeUserText("a description of some length, as users write");
        for (int i = 0; i < kLexiconEntries; ++i) {
            const std::string suffix = std::to_string(100000 + i);
            const int number = lexicon.addEntry("term " + suffix, "{\\f60 description}");
            lexicon.addGreek(number, Cp("όρος ") + suffix);
            if (i % 6 == 0 && i / 6 < kPersonalEntries) {
                const int own = 50000 + i / 6;
                lexicon.addPersonalEntry(number, own, "term " + suffix + " own", text);
                lexicon.addPersonalGreek(number, own, Cp("όρος ") + suffix + Cp(" δικός"));
            }
        }
        lexicon.addField("MATH", Cp("Μαθηματικά"));
        lexicon.writeLexicon(program.path());
        lexicon.writePersonal(personalFolder.path());
        fields = *orvan::LoadFieldTable(files);
        reload();
    }

    void reload() {
        notes.clear();
        tables = orvan::personal::LoadMergedTables(files, personal, notes);
    }

    orvan::personal::StoreContext context() { return {files, tables, &fields, personal}; }

    int slotOfKind(orvan::EntryKind kind, int from) const {
        for (int slot = from; slot <= tables.entries.count(); ++slot)
            if (tables.entries[slot].kind == kind) return slot;
        return 0;
    }
};

EditedLexicon& Lexicon() {
    static const auto lexicon = std::make_unique<EditedLexicon>();
    return *lexicon;
}

const orvan::personal::PendingEntry kEntry{"term 1234567 mine", Cp("όρος δικός μου"), 1,
                                           "my own\r\ndescription"};

void InsertAndReload(benchmark::State& state) {
    EditedLexicon& lexicon = Lexicon();
    for (auto _ : state) {
        if (!orvan::personal::InsertPersonalEntry(lexicon.context(), kEntry).done()) {
            state.SkipWithError("the insert failed");
            return;
        }
        lexicon.reload();
    }
    state.counters["records"] = lexicon.tables.entries.count();
    state.counters["personal"] = static_cast<double>(lexicon.notes.size() + [&] {
        int own = 0;
        for (int slot = 1; slot <= lexicon.tables.entries.count(); ++slot)
            own += lexicon.tables.entries[slot].kind == orvan::EntryKind::Personal;
        return own;
    }());
}
BENCHMARK(InsertAndReload)->Unit(benchmark::kMillisecond)->Iterations(30);

void UpdateAndReload(benchmark::State& state) {
    EditedLexicon& lexicon = Lexicon();
    int from = 1;
    for (auto _ : state) {
        const int slot = lexicon.slotOfKind(orvan::EntryKind::Personal, from);
        from = slot + 1;
        const orvan::personal::EntryRef target{lexicon.tables.entries[slot].number,
                                               orvan::EntryKind::Personal};
        if (!orvan::personal::UpdatePersonalEntry(lexicon.context(), target, kEntry).done()) {
            state.SkipWithError("the update failed");
            return;
        }
        lexicon.reload();
    }
}
BENCHMARK(UpdateAndReload)->Unit(benchmark::kMillisecond)->Iterations(30);

void DeleteAndReload(benchmark::State& state) {
    EditedLexicon& lexicon = Lexicon();
    for (auto _ : state) {
        const int slot = lexicon.slotOfKind(orvan::EntryKind::Personal, 1);
        const uint16_t number = lexicon.tables.entries[slot].number;
        if (!orvan::personal::DeletePersonalEntry(lexicon.context(), number).done()) {
            state.SkipWithError("the delete failed");
            return;
        }
        lexicon.reload();
    }
}
BENCHMARK(DeleteAndReload)->Unit(benchmark::kMillisecond)->Iterations(30);

void ExclusiveLockAlone(benchmark::State& state) {
    EditedLexicon& lexicon = Lexicon();
    const std::string folder = lexicon.personalFolder.path();
    for (auto _ : state) {
        const auto lock =
            orvan::personal::DiskFiles().lockFolder(folder, orvan::personal::LockMode::Exclusive);
        benchmark::DoNotOptimize(lock.get());
    }
}
BENCHMARK(ExclusiveLockAlone)->Unit(benchmark::kMicrosecond);

void LoadWithoutLock(benchmark::State& state) {
    EditedLexicon& lexicon = Lexicon();
    for (auto _ : state) {
        orvan::NoteList notes;
        benchmark::DoNotOptimize(orvan::LoadEntryTable(
            lexicon.files, orvan::ReadPersonalIndexes(lexicon.personal), notes));
    }
}
BENCHMARK(LoadWithoutLock)->Unit(benchmark::kMillisecond);

void LoadUnderSharedLock(benchmark::State& state) {
    EditedLexicon& lexicon = Lexicon();
    for (auto _ : state) {
        orvan::NoteList notes;
        benchmark::DoNotOptimize(
            orvan::personal::LoadMergedTables(lexicon.files, lexicon.personal, notes));
    }
}
BENCHMARK(LoadUnderSharedLock)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
