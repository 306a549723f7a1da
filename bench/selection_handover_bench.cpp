// From `orvan --selection` starting to the running window showing the selected word's entry, on
// a real X server (run it under tests/e2e/with_xvfb.sh): the window runs here on the sample
// medium and listens as the program's does; each run selects a word with xsel and starts the
// program, and ends when the window shows that word's entry. The second start's own ending after
// the hand-over is not counted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <vector>

#include "bench/medium_folder.h"
#include "lookup/lookup_window.h"
#include "platform/single_window.h"

namespace {

// Makes `word` the primary selection, owned by xsel as another program would own it.
bool Select(const QString& word) {
    QProcess xsel;
    xsel.start(QStringLiteral("xsel"), {QStringLiteral("--primary"), QStringLiteral("--input")});
    if (!xsel.waitForStarted(2000)) return false;
    xsel.write(word.toUtf8());
    xsel.closeWriteChannel();
    return xsel.waitForFinished(2000) && xsel.exitCode() == 0;
}

void SelectionToEntryShown(benchmark::State& state) {
    if (QApplication::platformName() != QLatin1String("xcb")) {
        state.SkipWithError("needs an X server: run under tests/e2e/with_xvfb.sh");
        return;
    }
    const MediumFolder medium;
    orvan::lookup::LookupWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window) || window.tables().entries.count() == 0) {
        state.SkipWithError("the sample medium is missing at " ORVAN_MEDIUM_DIR);
        return;
    }
    orvan::platform::SingleWindowServer server;
    if (!server.listen(orvan::platform::SingleWindowSocket())) {
        state.SkipWithError("cannot listen on the window's socket");
        return;
    }
    QObject::connect(&server, &orvan::platform::SingleWindowServer::asked, &window,
                     [&window](const QString& words) { window.lookUp(words); });
    const QLineEdit* searchField = window.controls().searchField;
    const QString words[] = {QStringLiteral("thermometer"), QStringLiteral("engine")};
    int run = 0;
    std::vector<double> milliseconds;
    for (auto _ : state) {
        state.PauseTiming();
        const QString word = words[run++ % 2];
        if (!Select(word)) {
            state.SkipWithError("xsel could not select a word");
            return;
        }
        QProcess later;
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        later.start(QStringLiteral(ORVAN_PROGRAM_PATH), {QStringLiteral("--selection")});
        const QDeadlineTimer deadline(10000);
        while (searchField->text() != word && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        // The entry drawn and on the screen.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
        const std::chrono::duration<double, std::milli> taken =
            std::chrono::steady_clock::now() - start;
        state.PauseTiming();
        milliseconds.push_back(taken.count());
        if (searchField->text() != word) {
            state.SkipWithError("the window did not show the selected word");
            return;
        }
        // Often it has ended while the window drew the entry.
        const bool ended = later.state() == QProcess::NotRunning || later.waitForFinished(5000);
        if (!ended || later.exitStatus() != QProcess::NormalExit || later.exitCode() != 0) {
            state.SkipWithError("the second start did not end at once");
            return;
        }
        state.ResumeTiming();
    }
    // The middle and the worst of the runs, beside the mean the library reports.
    std::sort(milliseconds.begin(), milliseconds.end());
    state.counters["median_ms"] = milliseconds[milliseconds.size() / 2];
    state.counters["worst_ms"] = milliseconds.back();
}
BENCHMARK(SelectionToEntryShown)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(15);

}  // namespace
