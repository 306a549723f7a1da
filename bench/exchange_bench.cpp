// Exporting and importing five thousand entries of the user's own as a user runs it, the whole
// orvan-cli process on the sample medium: into an empty personal folder, and out of a full one,
// in each format.
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/quiet_process.h"

namespace {

constexpr int kEntries = 5000;

using orvan::bench::RunQuietly;

// A folder of the benchmark's own: the entries to import, the folders they go to and the
// exported files.
class Workspace {
  public:
    Workspace() {
        char name[] = "/tmp/orvan-exchange-bench-XXXXXX";
        folder_ = ::mkdtemp(name) ? name : "";
        std::ofstream csv(path("entries.csv"), std::ios::binary);
        csv << "english,greek,field_code,description\r\n";
        for (int i = 0; i < kEntries; ++i) {
            csv << "term " << i << " of the bench,όρος " << i << "," << (i % 3 ? "PHYS" : "")
                << ",\"A description of term " << i
                << ", with \"\"quotes\"\",\r\nlines, Ελληνικά ≤ and [Σχήμα 1].\"\r\n";
        }
    }
    ~Workspace() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::string path(const std::string& name) const { return folder_ + "/" + name; }
    // Empties the personal folder `name`.
    void empty(const std::string& name) const {
        std::error_code ignored;
        std::filesystem::remove_all(path(name), ignored);
        std::filesystem::create_directories(path(name), ignored);
    }
    std::vector<std::string> cli(const std::string& personal, std::vector<std::string> args) const {
        std::vector<std::string> argv = {ORVAN_CLI_PATH, "-C", ORVAN_MEDIUM_DIR, "--personal",
                                         path(personal)};
        argv.insert(argv.end(), args.begin(), args.end());
        return argv;
    }

  private:
    std::string folder_;
};

const Workspace& Shared() {
    static const Workspace workspace;
    return workspace;
}

// A personal folder holding the five thousand entries, and their export in `format`.
std::string Exported(const std::string& format) {
    const Workspace& work = Shared();
    static bool filled = false;
    if (!filled) {
        work.empty("full");
        filled = RunQuietly(work.cli("full", {"import", work.path("entries.csv")})) == 0;
    }
    const std::string file = work.path("exported." + format);
    RunQuietly(work.cli("full", {"export", "--notes", "--format", format, file}));
    return file;
}

void BM_ExportWholeProcess(benchmark::State& state, const std::string& format) {
    const Workspace& work = Shared();
    Exported(format);
    for (auto _ : state) {
        if (RunQuietly(work.cli("full",
                                {"export", "--format", format, work.path("out." + format)})) != 0) {
            state.SkipWithError("the export failed");
            return;
        }
    }
    state.counters["entries"] = kEntries;
}
BENCHMARK_CAPTURE(BM_ExportWholeProcess, Tbx, std::string("tbx"))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_ExportWholeProcess, Csv, std::string("csv"))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Into an empty folder each time: every entry is a new one.
void BM_ImportWholeProcess(benchmark::State& state, const std::string& format) {
    const Workspace& work = Shared();
    const std::string file = Exported(format);
    for (auto _ : state) {
        state.PauseTiming();
        work.empty("fresh");
        state.ResumeTiming();
        if (RunQuietly(work.cli("fresh", {"import", file})) != 0) {
            state.SkipWithError("the import failed");
            return;
        }
    }
    state.counters["entries"] = kEntries;
}
BENCHMARK_CAPTURE(BM_ImportWholeProcess, Tbx, std::string("tbx"))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_ImportWholeProcess, Csv, std::string("csv"))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
