// Speed of loading the tables and of the entry-list searches on a full-size lexicon: 40000
// English entries and Greek headwords, with about 2900 personal lines merged in (975 personal
// entries with their Greek headwords and 975 supplements).
#include <benchmark/benchmark.h>

#include <memory>

#include "lexicon/list_search.h"
#include "lexicon/tables.h"
#include "tests/support/lexicon_fixture.h"

namespace {

using orvan::test::Cp;

struct FullLexicon {
    orvan::test::TempFolder program, personal;

    FullLexicon() {
        orvan::test::LexiconBuilder lexicon;
        const std::string greekStem = Cp("ηλεκτρομαγνητικός");
        for (int i = 0; i < orvan::kTableCapacity - 1000; ++i) {
            const std::string suffix = std::to_string(100000 + i);
            const int number = lexicon.addEntry("semiconductor device " + suffix,
                                                "{\\f60 description}", 1, i % 7 ? "" : "ELEC");
            lexicon.addGreek(number, greekStem.substr(0, 3 + i % 10) + " " + suffix);
            if (i % 40 == 0) {
                lexicon.addPersonalEntry(number, 50000 + i / 40, "personal term " + suffix);
                lexicon.addPersonalGreek(number, 50000 + i / 40, Cp("προσωπικός ") + suffix);
            } else if (i % 40 == 20) {
                lexicon.addSupplement(number);
            }
        }
        lexicon.writeLexicon(program.path());
        lexicon.writePersonal(personal.path());
    }

    orvan::EntryTables load(orvan::NoteList& notes) const {
        return orvan::LoadEntryTable(
            orvan::LexiconFiles(program.path()),
            orvan::ReadPersonalIndexes(orvan::PersonalFiles(personal.path())), notes);
    }
};

const FullLexicon& Lexicon() {
    static const auto lexicon = std::make_unique<FullLexicon>();
    return *lexicon;
}

void BM_LoadEntryTable(benchmark::State& state) {
    const FullLexicon& lexicon = Lexicon();
    for (auto _ : state) {
        orvan::NoteList notes;
        orvan::EntryTables tables = lexicon.load(notes);
        benchmark::DoNotOptimize(tables);
    }
    orvan::NoteList notes;
    const orvan::EntryTables tables = lexicon.load(notes);
    state.counters["english"] = tables.entries.count();
    state.counters["greek"] = tables.greek.count();
    state.counters["supplements"] = static_cast<double>(notes.size());
}
BENCHMARK(BM_LoadEntryTable)->Unit(benchmark::kMillisecond);

void Search(benchmark::State& state, const std::string& text, const char* mode) {
    orvan::NoteList notes;
    const orvan::EntryTables tables = Lexicon().load(notes);
    orvan::FillRequest request;
    request.mode = *orvan::SearchModeOfName(mode);
    size_t items = 0;
    for (auto _ : state) {
        const orvan::FillResult result =
            orvan::FillList(tables.entries, tables.greek, text, false, request);
        items = result.items.size();
        benchmark::DoNotOptimize(result);
    }
    state.counters["items"] = static_cast<double>(items);
}

void BM_EnglishContainSearch(benchmark::State& state) {
    Search(state, "device 1234", "CONTAIN");
}
BENCHMARK(BM_EnglishContainSearch)->Unit(benchmark::kMillisecond);

void BM_GreekStartSearch(benchmark::State& state) {
    Search(state, Cp("ΗΛΕΚΤΡΟΜ"), "START");
}
BENCHMARK(BM_GreekStartSearch)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
