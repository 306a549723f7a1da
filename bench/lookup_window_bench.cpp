// Speed of the lookup window on the sample medium (35000 entries): from creating the window to
// its first showing with the tables loaded, and showing an entry as choosing a list item does.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "lookup/entries_list.h"
#include "lookup/lookup_window.h"

namespace {

// The window reads its settings from a HOME of its own and its lexicon from the medium.
class MediumFolder {
  public:
    MediumFolder() : previous_(QDir::currentPath()) {
        qputenv("HOME", home_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (home_.path() + "/.config").toUtf8());
        QDir::setCurrent(ORVAN_MEDIUM_DIR);
    }
    ~MediumFolder() { QDir::setCurrent(previous_); }

  private:
    QTemporaryDir home_;
    QString previous_;
};

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

}  // namespace
