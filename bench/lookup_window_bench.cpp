// Speed of the lookup window on the sample medium (35000 entries): from creating the window to
// its first showing with the tables loaded, showing an entry as choosing a list item does, and
// the list following each keystroke in the search field.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <vector>

#include "bench/medium_folder.h"
#include "lookup/entries_list.h"
#include "lookup/lookup_window.h"

namespace {

std::unique_ptr<orvan::lookup::LookupWindow> OpenWindow() {
    auto window = std::make_unique<orvan::lookup::LookupWindow>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) return nullptr;
    return window;
}

void StartToWindowShown(benchmark::State& state) {
    const MediumFolder medium;
    for (auto _ : state) {
        auto window = OpenWindow();
        if (!window || window->tables().entries.count() == 0) {
            state.SkipWithError("the sample medium is missing at " ORVAN_MEDIUM_DIR);
            return;
        }
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(StartToWindowShown)->Unit(benchmark::kMillisecond);

void ShowEntryInWindow(benchmark::State& state) {
    const MediumFolder medium;
    auto window = OpenWindow();
    if (!window) {
        state.SkipWithError("the window was not shown");
        return;
    }
    const orvan::lookup::LookupControls& c = window->controls();
    c.wholeLexiconButton->click();
    const int rows = c.entriesList->count();
    if (rows == 0) {
        state.SkipWithError("the sample medium is missing at " ORVAN_MEDIUM_DIR);
        return;
    }
    int row = 0;
    for (auto _ : state) {
        c.entriesList->selectRow(row);
        window->onEntriesListClicked();
        row = (row + 1) % rows;
    }
}
BENCHMARK(ShowEntryInWindow)->Unit(benchmark::kMillisecond);

// One keystroke in the search field, from the key event to the list redrawn: the state's fill,
// the list widget's new rows and the painting that follows (the events processed until none
// are left). Words of the sample are typed letter by letter, and erased letter by letter back to
// an empty field, which lists every entry. Reports the median and the 99th percentile.
void TypeAheadKeystroke(benchmark::State& state) {
    const MediumFolder medium;
    auto window = OpenWindow();
    if (!window || window->tables().entries.count() == 0) {
        state.SkipWithError("the sample medium is missing at " ORVAN_MEDIUM_DIR);
        return;
    }
    QLineEdit* field = window->controls().searchField;
    field->setFocus();
    const QString words[] = {QString::fromUtf8("υπολογιστ"), "thermometer", "engine",
                             QString::fromUtf8("θερμότητα"), "conductor"};
    std::vector<double> milliseconds;
    std::size_t next = 0;
    for (auto _ : state) {
        const QString& word = words[next++ % std::size(words)];
        for (int step = 0; step < 2 * word.size(); ++step) {
            const auto start = std::chrono::steady_clock::now();
            if (step < word.size()) {
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(word[step]),
                                    Qt::NoModifier);
            } else {
                QTest::keyClick(field, Qt::Key_Backspace);
            }
            QApplication::processEvents();
            milliseconds.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
        }
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    const auto at = [&](double share) {
        return milliseconds[static_cast<std::size_t>(share * (milliseconds.size() - 1))];
    };
    state.counters["median_ms"] = at(0.5);
    state.counters["p99_ms"] = at(0.99);
    state.counters["keystrokes"] = static_cast<double>(milliseconds.size());
}
BENCHMARK(TypeAheadKeystroke)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
