#include "lookup/full_text_run.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <memory>

#include "lookup/full_text_search.h"

namespace orvan::lookup {

namespace {

// How many entries are read between two looks at the progress dialog.
constexpr int kEntriesPerStep = 1024;

std::unique_ptr<QProgressDialog> ProgressDialog(QWidget* parent, int total) {
    auto progress = std::make_unique<QProgressDialog>(
        QCoreApplication::translate("FullTextRun", "Αναζήτηση στις περιγραφές του Λεξικού…"),
        QCoreApplication::translate("FullTextRun", "Διακοπή"), 0, total, parent);
    progress->setObjectName("FullTextProgress");
    progress->setWindowTitle(
        QCoreApplication::translate("FullTextRun", "Αναζήτηση στις Περιγραφές"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(0);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    progress->show();
    return progress;
}

}  // namespace

std::vector<ListedEntry> RunFullTextSearch(const LexiconSnapshot& lexicon,
                                           const std::u16string& term, QWidget* parent,
                                           int progressDelay) {
    FullTextSearch search(FullTextSourcesOf(*lexicon), term);
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QProgressDialog> progress;
    while (search.step(kEntriesPerStep)) {
        if (!progress && clock.elapsed() >= progressDelay) {
            progress = ProgressDialog(parent, search.total());
        }
        if (!progress) continue;
        progress->setValue(search.searched());
        QCoreApplication::processEvents();
        // What was found before the user stopped the search stays found.
        if (progress->wasCanceled()) break;
    }
    std::vector<ListedEntry> found;
    found.reserve(search.results().size());
    for (const ListItem& item : search.results())
        found.push_back({item.text, lexicon->tables.entries[item.slot].number});
    return found;
}

}  // namespace orvan::lookup
