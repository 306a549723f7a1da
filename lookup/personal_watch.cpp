// Reading the tables again: after the user's own changes, and whenever another program (a second
// window, orvan-cli) changed the personal files. The list and the history are kept on the same
// entries, found again by number.
#include <QDir>
#include <QFileSystemWatcher>
#include <QMessageBox>
#include <QTimer>

#include "lookup/entries_list.h"
#include "lookup/lookup_window.h"
#include "personal/merged_tables.h"

namespace orvan::lookup {

namespace {

// A change of the files renames several of them: one reload once they are all in place.
constexpr int kSettleMilliseconds = 150;

constexpr const char* kLexiconNotWhole = QT_TRANSLATE_NOOP(
    "orvan::lookup::LookupWindow",
    "Δεν διαβάστηκαν ολόκληρα τα αρχεία του λεξικού. Όσο είναι έτσι, τα λήμματά σας δεν "
    "αλλάζουν.");

}  // namespace

void LookupWindow::reloadTables(std::optional<Renumbering> renumbered) {
    applyLexicon(personal::LoadLexicon(files_, personal_), renumbered);
}

void LookupWindow::applyLexicon(LoadedLexicon lexicon, std::optional<Renumbering> renumbered) {
    state_.replaceLexicon(std::move(lexicon), renumbered);
    render();
    watchPersonalFolder();
    tellLoadProblem();
}

LookupWindow::LoadProblem LookupWindow::currentLoadProblem() const {
    const EntryTables& tables = state_.tables();
    if (tables.lexiconLeftOut) return {kLexiconNotWhole, tables.lexiconLeftOut->message};
    if (std::string fields = FieldTableProblem(files_, state_.lexicon().fields); !fields.empty()) {
        return {
            QT_TR_NOOP("Δεν διαβάστηκε ο κατάλογος των επιστημών. Όσο είναι έτσι, τα λήμματά σας "
                       "δεν αλλάζουν."),
            std::move(fields)};
    }
    if (tables.personalProblem) {
        return {QT_TR_NOOP("Δεν διαβάστηκαν όλα τα λήμματά σας. Όσο τα αρχεία τους είναι έτσι, δεν "
                           "αλλάζουν."),
                tables.personalProblem->message};
    }
    return {};
}

void LookupWindow::tellLoadProblem() {
    const LoadProblem problem = currentLoadProblem();
    if (problem.details == toldProblem_) return;
    toldProblem_ = problem.details;
    if (problem.details.empty()) return;
    // The user goes on reading; a change would be refused with the same reason.
    warnAside(tr(problem.message), problem.details);
}

QMessageBox* LookupWindow::warnAside(const QString& message, const std::string& details) {
    auto* box = new QMessageBox(QMessageBox::Warning, "Orvan", message, QMessageBox::Ok, this);
    box->setInformativeText(QString::fromLocal8Bit(details.c_str()));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
    return box;
}

bool LookupWindow::tablesWhole() {
    // A lexicon that could not be read at all was told of when the window opened.
    const std::optional<Error>& unread = state_.tables().lexiconProblem;
    const LoadProblem problem =
        unread ? LoadProblem{kLexiconNotWhole, unread->message} : currentLoadProblem();
    if (problem.details.empty()) return true;
    QMessageBox box(QMessageBox::Warning, "Orvan", tr(problem.message), QMessageBox::Ok, this);
    box.setInformativeText(QString::fromLocal8Bit(problem.details.c_str()));
    box.exec();
    return false;
}

void LookupWindow::watchPersonalFolder() {
    if (personalWatcher_ == nullptr) {
        personalWatcher_ = new QFileSystemWatcher(this);
        settleTimer_ = new QTimer(this);
        settleTimer_->setSingleShot(true);
        settleTimer_->setInterval(kSettleMilliseconds);
        connect(personalWatcher_, &QFileSystemWatcher::directoryChanged, settleTimer_,
                qOverload<>(&QTimer::start));
        connect(settleTimer_, &QTimer::timeout, this, [this] { onPersonalFilesChanged(); });
    }
    const QString folder =
        personal_.known() ? QFile::decodeName(personal::StoreFolder(personal_).c_str()) : QString();
    const QStringList watched = personalWatcher_->directories();
    if (watched.size() == 1 && watched.front() == folder) return;
    if (!watched.isEmpty()) personalWatcher_->removePaths(watched);
    if (!folder.isEmpty() && QDir(folder).exists()) personalWatcher_->addPath(folder);
}

void LookupWindow::holdReloads(bool hold) {
    if (hold) {
        ++reloadHolds_;
        return;
    }
    if (--reloadHolds_ > 0 || !reloadWaiting_) return;
    // Once the work that held it has returned to the event loop.
    QTimer::singleShot(0, this, [this] { onPersonalFilesChanged(); });
}

void LookupWindow::onPersonalFilesChanged() {
    if (reloadHolds_ > 0) {
        reloadWaiting_ = true;
        return;
    }
    reloadWaiting_ = false;
    catchUpWithPersonalFiles();
}

void LookupWindow::catchUpWithPersonalFiles() {
    PersonalIndexes indexes = personal::ReadPersonalIndexesLocked(personal_);
    // Our own changes, and files touched without a change of content, need nothing.
    if (StampOf(indexes).matches(state_.tables().personalStamp)) return;
    applyLexicon(personal::LoadLexicon(files_, personal_, indexes));
}

}  // namespace orvan::lookup
