// What the lookup state costs on the sample medium (35000 entries): taking tables read again
// after a change, with a long list and a full history to find again by number, a search, and the
// copy of the tables a full-text search takes.
#include <benchmark/benchmark.h>

#include "lexicon/lexicon_files.h"
#include "lookup/lookup_state.h"
#include "spelling/stem_finder.h"

namespace {

orvan::EntryTables MediumTables() {
    orvan::NoteList notes;
    return orvan::LoadEntryTable(orvan::LexiconFiles(ORVAN_MEDIUM_DIR), {}, notes);
}

// A state that has shown sixteen entries and lists every headword from "s".
orvan::lookup::LookupState BusyState(const orvan::EntryTables& tables) {
    orvan::lookup::LookupState state;
    state.replaceTables(tables);
    for (const char* word :
         {"a", "b", "c", "d", "e", "f", "g", "h", "i", "l", "m", "n", "o", "p", "r", "t"}) {
        state.search(word, false, "");
        state.choose(0);
    }
    state.search("s", false, "");
    return state;
}

void ReplaceTables(benchmark::State& bench) {
    const orvan::EntryTables tables = MediumTables();
    if (tables.entries.count() == 0) {
        bench.SkipWithError("the sample medium is missing at " ORVAN_MEDIUM_DIR);
        return;
    }
    orvan::lookup::LookupState state = BusyState(tables);
    for (auto _ : bench) {
        bench.PauseTiming();
        orvan::EntryTables copy = tables;
        bench.ResumeTiming();
        state.replaceTables(std::move(copy));
    }
    bench.counters["listed"] = static_cast<double>(state.list().size());
    bench.counters["back"] = static_cast<double>(state.history().backItems().size());
}
BENCHMARK(ReplaceTables)->Unit(benchmark::kMillisecond);

void SearchFromTheStateOfTheWindow(benchmark::State& bench) {
    orvan::lookup::LookupState state = BusyState(MediumTables());
    for (auto _ : bench) {
        state.search("co", false, "");
        benchmark::DoNotOptimize(state.list().size());
    }
}
BENCHMARK(SearchFromTheStateOfTheWindow)->Unit(benchmark::kMillisecond);

// The search as the window runs it: from the text as typed, folded to its key, kept as typed.
void SearchFromTheTypedText(benchmark::State& bench) {
    orvan::lookup::LookupState state = BusyState(MediumTables());
    for (auto _ : bench) {
        state.search(u"Co", false, "");
        benchmark::DoNotOptimize(state.listStatus());
    }
}
BENCHMARK(SearchFromTheTypedText)->Unit(benchmark::kMillisecond);

// The copy of the tables a full-text search works on, so that a reload meanwhile cannot move
// its finds.
void CopyTablesForTheFullTextSearch(benchmark::State& bench) {
    const orvan::EntryTables tables = MediumTables();
    for (auto _ : bench) {
        orvan::EntryTables copy = tables;
        benchmark::DoNotOptimize(copy.entries.count());
    }
}
BENCHMARK(CopyTablesForTheFullTextSearch)->Unit(benchmark::kMillisecond);

// A search that finds nothing and the headwords offered instead: the closest spellings over the
// whole table of the text's language, misspelled English and Greek words of the sample.
void SuggestionsForANearMiss(benchmark::State& bench) {
    const orvan::EntryTables tables = MediumTables();
    if (tables.entries.count() == 0) {
        bench.SkipWithError("the sample medium is missing at " ORVAN_MEDIUM_DIR);
        return;
    }
    const std::u16string misses[] = {u"thermomter", u"condutcor", u"engien", u"υπολογιστςη",
                                     u"θερμοτιτα"};
    orvan::lookup::LookupState state;
    state.replaceTables(tables);
    std::size_t next = 0, offered = 0;
    for (auto _ : bench) {
        state.search(misses[next++ % std::size(misses)], false, "");
        offered += state.listStatus().suggestions.size();
    }
    bench.counters["offered_per_search"] =
        static_cast<double>(offered) / static_cast<double>(bench.iterations());
}
BENCHMARK(SuggestionsForANearMiss)->Unit(benchmark::kMillisecond);

// An inflected word that finds nothing and is offered its stems' entries first: the Debian
// Hunspell dictionaries asked, then the closest spellings, English and Greek words of the sample.
void SuggestionsThroughStems(benchmark::State& bench) {
    const orvan::EntryTables tables = MediumTables();
    if (tables.entries.count() == 0) {
        bench.SkipWithError("the sample medium is missing at " ORVAN_MEDIUM_DIR);
        return;
    }
    orvan::spelling::StemFinder finder = orvan::spelling::LoadStemFinder({"/usr/share/hunspell"});
    if (!finder) {
        bench.SkipWithError("the Hunspell dictionaries are not installed");
        return;
    }
    const std::u16string forms[] = {u"computers", u"υπολογιστές", u"ταχύτητας", u"bottles",
                                    u"μηχανικού"};
    orvan::lookup::LookupState state;
    state.replaceTables(tables);
    state.setStemFinder(std::move(finder));
    std::size_t next = 0, offered = 0;
    for (auto _ : bench) {
        state.search(forms[next++ % std::size(forms)], false, "");
        offered += state.listStatus().suggestions.size();
    }
    bench.counters["offered_per_search"] =
        static_cast<double>(offered) / static_cast<double>(bench.iterations());
}
BENCHMARK(SuggestionsThroughStems)->Unit(benchmark::kMillisecond);

// Loading the English and Greek dictionaries, as the program does once in the background.
void LoadDictionaries(benchmark::State& bench) {
    for (auto _ : bench) {
        const orvan::spelling::StemFinder finder =
            orvan::spelling::LoadStemFinder({"/usr/share/hunspell"});
        if (!finder) {
            bench.SkipWithError("the Hunspell dictionaries are not installed");
            return;
        }
    }
}
BENCHMARK(LoadDictionaries)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
