// A look-up as a user runs it from a terminal, the whole process: orvan-cli searching the sample
// medium, beside the dict client asking a dictd server (started here, on the same FreeDict data)
// for the same word; and the load of the tables alone, which the lookup window shares.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bench/quiet_process.h"

#include "lexicon/tables.h"
#include "lexicon/text_file.h"

namespace {

using orvan::bench::RunQuietly;

void TimeProcess(benchmark::State& state, const std::vector<std::string>& argv) {
    // Once untimed: what a command saves in the cache folder for the next is then in place, as
    // for a user's second look-up.
    RunQuietly(argv);
    for (auto _ : state) {
        if (RunQuietly(argv) != 0) {
            state.SkipWithError("the command failed");
            return;
        }
    }
}

void BM_OrvanCliSearch(benchmark::State& state) {
    TimeProcess(state, {ORVAN_CLI_PATH, "-C", ORVAN_MEDIUM_DIR, "search", "engine"});
}
BENCHMARK(BM_OrvanCliSearch)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OrvanCliSearchContain(benchmark::State& state) {
    TimeProcess(state,
                {ORVAN_CLI_PATH, "-C", ORVAN_MEDIUM_DIR, "search", "--mode", "CONTAIN", "engine"});
}
BENCHMARK(BM_OrvanCliSearchContain)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OrvanCliSearchEnd(benchmark::State& state) {
    TimeProcess(state,
                {ORVAN_CLI_PATH, "-C", ORVAN_MEDIUM_DIR, "search", "--mode", "END", "engine"});
}
BENCHMARK(BM_OrvanCliSearchEnd)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OrvanCliShow(benchmark::State& state) {
    TimeProcess(state, {ORVAN_CLI_PATH, "-C", ORVAN_MEDIUM_DIR, "show", "100"});
}
BENCHMARK(BM_OrvanCliShow)->Unit(benchmark::kMillisecond)->UseRealTime();

// The look command: the best matches' headword, field and description at once, as dict prints
// its definitions.
void BM_OrvanCliLook(benchmark::State& state) {
    TimeProcess(state, {ORVAN_CLI_PATH, "-C", ORVAN_MEDIUM_DIR, "look", "--no-pager", "engine"});
}
BENCHMARK(BM_OrvanCliLook)->Unit(benchmark::kMillisecond)->UseRealTime();

// The full-text search of a rare word, a common one and a phrase in most entries, beside
// zcat | grep over the two FreeDict source dictionaries.
const char* const kFullTextWords[] = {"gasket", "to", "ελληνοαγγλικό λεξικό"};

void BM_OrvanCliFullText(benchmark::State& state) {
    TimeProcess(state, {ORVAN_CLI_PATH, "-C", ORVAN_MEDIUM_DIR, "fulltext",
                        kFullTextWords[state.range(0)]});
}
BENCHMARK(BM_OrvanCliFullText)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ZcatGrep(benchmark::State& state) {
    TimeProcess(state, {"sh", "-c",
                        std::string("zcat " FREEDICT_DIR "/freedict-eng-ell.dict.dz " FREEDICT_DIR
                                    "/freedict-ell-eng.dict.dz | grep -F -- '") +
                            kFullTextWords[state.range(0)] + "' >/dev/null; true"});
}
BENCHMARK(BM_ZcatGrep)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

// A dictd of its own on a free local port, serving the two FreeDict databases, for as long as
// the program runs.
class DictServer {
  public:
    DictServer() {
        if (RunQuietly({"sh", "-c", "command -v dict && command -v dictd"}) != 0) {
            why_ = "dict or dictd is not installed (apt-get install dict dictd)";
            return;
        }
        port_ = freePort();
        folder_ = "/tmp/orvan-bench-dictd-" + std::to_string(::getpid());
        RunQuietly({"mkdir", "-p", folder_});
        ::chmod(folder_.c_str(), 0777);  // dictd writes its pid file as its own user
        std::ofstream(folder_ + "/dictd.conf")
            << "global {\n  listen_to 127.0.0.1\n  port " << port_ << "\n  pid_file " << folder_
            << "/dictd.pid\n}\naccess { allow 127.0.0.1 }\n"
            << "database fd-eng-ell { data " FREEDICT_DIR
               "/freedict-eng-ell.dict.dz index " FREEDICT_DIR "/freedict-eng-ell.index }\n"
            << "database fd-ell-eng { data " FREEDICT_DIR
               "/freedict-ell-eng.dict.dz index " FREEDICT_DIR "/freedict-ell-eng.index }\n";
        if (RunQuietly({"dictd", "-c", folder_ + "/dictd.conf", "--locale", "C.UTF-8"}) != 0) {
            why_ = "dictd did not start";
            return;
        }
        // The server answers once it has read its databases.
        for (int tries = 0; tries < 50 && !answers(); ++tries)
            ::usleep(100000);
        if (!answers()) why_ = "dictd does not answer on port " + std::to_string(port_);
    }
    ~DictServer() {
        std::ifstream pidFile(folder_ + "/dictd.pid");
        pid_t pid = 0;
        if (pidFile >> pid && pid > 0) ::kill(pid, SIGTERM);
        if (!folder_.empty()) RunQuietly({"rm", "-rf", folder_});
    }

    const std::string& why() const { return why_; }
    std::vector<std::string> query(const std::string& word) const {
        return {"dict", "-h", "127.0.0.1", "-p", std::to_string(port_), "-d", "fd-eng-ell", word};
    }

  private:
    bool answers() const { return RunQuietly(query("engine")) == 0; }

    static int freePort() {
        const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
        ::close(probe);
        return ntohs(address.sin_port);
    }

    int port_ = 0;
    std::string folder_;
    std::string why_;
};

// One server for every dict benchmark.
const DictServer& SharedServer() {
    static const DictServer server;
    return server;
}

void BM_DictClientOfDictd(benchmark::State& state) {
    const DictServer& server = SharedServer();
    if (!server.why().empty()) {
        state.SkipWithError(("dict side skipped: " + server.why()).c_str());
        return;
    }
    TimeProcess(state, server.query("engine"));
}
BENCHMARK(BM_DictClientOfDictd)->Unit(benchmark::kMillisecond)->UseRealTime();

// dict's substring match, beside orvan-cli's CONTAIN search.
void BM_DictClientSubstring(benchmark::State& state) {
    const DictServer& server = SharedServer();
    if (!server.why().empty()) {
        state.SkipWithError(("dict side skipped: " + server.why()).c_str());
        return;
    }
    std::vector<std::string> query = server.query("engine");
    query.insert(query.end() - 1, {"-s", "substring"});
    TimeProcess(state, query);
}
BENCHMARK(BM_DictClientSubstring)->Unit(benchmark::kMillisecond)->UseRealTime();

// The tables alone, as the window builds them at its start and after every edit.
void BM_LoadEntryTable(benchmark::State& state) {
    const orvan::LexiconFiles files(ORVAN_MEDIUM_DIR);
    for (auto _ : state) {
        orvan::NoteList notes;
        const orvan::EntryTables tables = orvan::LoadEntryTable(files, {}, notes);
        benchmark::DoNotOptimize(tables.entries.count());
    }
}
BENCHMARK(BM_LoadEntryTable)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
