// Speed of showing an entry on the sample medium (35000 entries): read and unscramble its
// description, build the document and load it into the rich-text view, as choosing a list item
// does. Each iteration shows the next entry.
#include <benchmark/benchmark.h>

#include "lexicon/entry_display.h"
#include "lexicon/tables.h"
#include "richtext/rich_text_view.h"

namespace {

void ShowEntry(benchmark::State& state) {
    const orvan::LexiconFiles files(ORVAN_MEDIUM_DIR);
    const orvan::PersonalFiles personal;
    orvan::NoteList notes;
    const orvan::EntryTables tables =
        orvan::LoadEntryTable(files, orvan::ReadPersonalIndexes(personal), notes);
    const orvan::FieldTable fields = orvan::LoadFieldTable(files).value_or(orvan::FieldTable{});
    const std::string header = orvan::LoadRtfHeader(files);
    if (tables.entries.count() == 0) {
        state.SkipWithError("no sample medium at " ORVAN_MEDIUM_DIR);
        return;
    }
    orvan::richtext::RichTextView view;
    int slot = 0;
    for (auto _ : state) {
        slot = slot % tables.entries.count() + 1;
        const orvan::EntryDisplay display =
            orvan::DescribeEntry(slot, tables, fields, notes, false, files, personal);
        view.loadRtf(header + "\r\n", display.body.value_or("") + "\r\n");
    }
}
BENCHMARK(ShowEntry)->Unit(benchmark::kMillisecond);

}  // namespace
