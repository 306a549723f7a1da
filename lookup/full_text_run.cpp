#include "lookup/full_text_run.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QStandardPaths>
#include <memory>

#include "lookup/full_text_search.h"
#include "personal/cached_files.h"
#include "personal/personal_store.h"

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

// The descriptions' text the window saves for the lexicon and personal folder of `lexicon`, in
// the program's cache folder ("orvan" in the desktop's cache folder, where orvan-cli keeps its
// own).
personal::DescriptionTextsCache SavedTextsOf(const LoadedLexicon& lexicon) {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    const std::string personalFolder =
        lexicon.personal.known() ? personal::StoreFolder(lexicon.personal) : std::string();
    return personal::DescriptionTextsCache(
        {lexicon.files.folder, personalFolder, cache.toStdString() + "/orvan"},
        personal::CachedKind::WindowDescriptionTexts);
}

}  // namespace

std::vector<ListedEntry> RunFullTextSearch(const LexiconSnapshot& lexicon,
                                           const std::u16string& term, QWidget* parent,
                                           int progressDelay) {
    // The texts an earlier search saved answer at once while they are those of the files as they
    // are and of this load's table.
    const personal::DescriptionTextsCache saved = SavedTextsOf(*lexicon);
    if (const auto finds = saved.answer(term, kFullTextResultLimit, &lexicon->tables.entries)) {
        std::vector<ListedEntry> found;
        found.reserve(finds->size());
        for (const FullTextFind& find : *finds)
            found.push_back({find.item.text, find.number});
        return found;
    }
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
    // A search that read every description saves their text for the searches after it (a few
    // tenths of a second more, once).
    if (!progress || !progress->wasCanceled()) {
        saved.save(*lexicon, [&] { return ShownDescriptionTexts(FullTextSourcesOf(*lexicon)); });
    }
    std::vector<ListedEntry> found;
    found.reserve(search.results().size());
    for (const ListItem& item : search.results())
        found.push_back({item.text, lexicon->tables.entries[item.slot].number});
    return found;
}

}  // namespace orvan::lookup
