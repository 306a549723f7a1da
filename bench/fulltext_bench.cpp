// Speed of the full-text search on the sample medium, next to what it stands for and what it
// is measured against, all in one run on the same data:
// - the search itself, for a rare word, a Greek word and a phrase in nearly every entry;
// - the slow way: every description loaded as a whole document into the rich-text view;
// - a whole `orvan-cli fulltext` process, and `zcat | grep` over the two FreeDict dictionaries
//   the medium is made from (the same text, without RTF).
#include <benchmark/benchmark.h>

#include <QString>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "lexicon/description.h"
#include "lexicon/entry_display.h"
#include "lexicon/tables.h"
#include "lookup/full_text_search.h"
#include "richtext/rich_text_view.h"
#include "richtext/screen_text.h"

namespace {

struct Sample {
    orvan::LexiconFiles files{ORVAN_MEDIUM_DIR "/"};
    orvan::PersonalFiles personal;
    orvan::NoteList notes;
    orvan::EntryTables tables = orvan::LoadEntryTable(files, orvan::PersonalIndexes{}, notes);
    std::string header = orvan::LoadRtfHeader(files);
    orvan::lookup::FullTextSources sources{tables, notes, files, personal, header};
};

const Sample& TheSample() {
    static const auto sample = std::make_unique<Sample>();
    return *sample;
}

const char* const kWords[] = {"engine", "μηχανή", "ελληνοαγγλικό λεξικό"};

void BM_FullTextSearch(benchmark::State& state) {
    const Sample& sample = TheSample();
    const QString word = QString::fromUtf8(kWords[state.range(0)]);
    std::size_t found = 0;
    for (auto _ : state)
        found = orvan::lookup::SearchDescriptions(sample.sources, orvan::richtext::Utf16Of(word))
                    .size();
    state.SetLabel(word.toStdString() + ": " + std::to_string(found) + " found");
}
BENCHMARK(BM_FullTextSearch)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The way the search stands for: each entry's document built and loaded into the view whole.
void BM_DocumentPerEntry(benchmark::State& state) {
    const Sample& sample = TheSample();
    const QString word = QString::fromUtf8(kWords[state.range(0)]);
    orvan::richtext::RichTextView view;
    std::size_t found = 0;
    for (auto _ : state) {
        found = 0;
        for (int slot = 1; slot <= sample.tables.entries.count(); ++slot) {
            const orvan::EntryRecord& entry = sample.tables.entries[slot];
            const std::string body =
                orvan::kDescriptionBodyStart +
                orvan::ReadDescription(orvan::DescriptionStore::Lexicon, sample.files.descriptions,
                                       entry.descPos, entry.descLen) +
                "}}}";
            view.clear();
            view.loadRtf(sample.header + "\r\n" + body + "\r\n");
            if (view.plainText().contains(word)) ++found;
        }
    }
    state.SetLabel(word.toStdString() + ": " + std::to_string(found) + " found");
}
BENCHMARK(BM_DocumentPerEntry)->DenseRange(0, 2)->Iterations(1)->Unit(benchmark::kMillisecond);

// Runs `command` through the shell, its whole output (every part of a pipeline) thrown away.
void RunShell(benchmark::State& state, const std::string& command) {
    for (auto _ : state) {
        if (std::system(("{ " + command + "; } >/dev/null").c_str()) != 0) {
            state.SkipWithError(("failed: " + command).c_str());
            return;
        }
    }
}

void BM_WholeProcessFullText(benchmark::State& state) {
    RunShell(state, std::string(ORVAN_CLI_PATH) + " -C " ORVAN_MEDIUM_DIR " fulltext '" +
                        kWords[state.range(0)] + "'");
}
BENCHMARK(BM_WholeProcessFullText)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The plain text of the medium's sources searched by the standard tools, for comparison. grep
// finding nothing (status 1) is an answer too; the dictionaries missing is not, and since a
// pipeline's status is grep's alone, they are looked for before.
void BM_ZcatGrep(benchmark::State& state) {
    const std::string dictionaries =
        FREEDICT_DIR "/freedict-eng-ell.dict.dz " FREEDICT_DIR "/freedict-ell-eng.dict.dz";
    if (std::system(("test -r " FREEDICT_DIR "/freedict-eng-ell.dict.dz && test -r " FREEDICT_DIR
                     "/freedict-ell-eng.dict.dz")) != 0) {
        state.SkipWithError("the FreeDict dictionaries are missing in " FREEDICT_DIR);
        return;
    }
    RunShell(state,
             "zcat " + dictionaries + " | grep -c '" + kWords[state.range(0)] + "'; [ $? -le 1 ]");
}
BENCHMARK(BM_ZcatGrep)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
