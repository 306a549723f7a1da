// Reading the tables again: after the user's own changes, and whenever another program (a second
// window, orvan-cli) changed the personal files. The list and the history are kept on the same
// entries, found again by number.
#include <QDir>
#include <QFileSystemWatcher>
#include <QMessageBox>
#include <QTimer>

#include "lookup/entries_list.h"
#include "lookup/main_window.h"
#include "personal/merged_tables.h"

namespace orvan::lookup {

namespace {

// A change of the files renames several of them: one reload once they are all in place.
constexpr int kSettleMilliseconds = 150;

}  // namespace

void TMainLex::ReloadTables(std::optional<Renumbering> renumbered) {
    notes_.clear();
    ApplyTables(personal::LoadMergedTables(files_, personal_, notes_), renumbered);
}

void TMainLex::ApplyTables(EntryTables tables, std::optional<Renumbering> renumbered) {
    state_.replaceTables(std::move(tables), renumbered);
    Render();
    WatchPersonalFolder();
    TellPersonalProblem();
}

void TMainLex::TellPersonalProblem() {
    const std::string& problem = state_.tables().personalProblem;
    if (problem == toldProblem_) return;
    toldProblem_ = problem;
    if (problem.empty()) return;
    // Not modal: the user goes on reading; a change would be refused with the same reason.
    auto* box = new QMessageBox(QMessageBox::Warning, "Orvan",
                                Caption("Δεν διαβάστηκαν όλα τα λήμματά σας. Όσο τα αρχεία "
                                        "τους είναι έτσι, δεν αλλάζουν."),
                                QMessageBox::Ok, this);
    box->setInformativeText(QString::fromLocal8Bit(problem.c_str()));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

void TMainLex::WatchPersonalFolder() {
    if (personalWatcher_ == nullptr) {
        personalWatcher_ = new QFileSystemWatcher(this);
        settleTimer_ = new QTimer(this);
        settleTimer_->setSingleShot(true);
        settleTimer_->setInterval(kSettleMilliseconds);
        connect(personalWatcher_, &QFileSystemWatcher::directoryChanged, settleTimer_,
                qOverload<>(&QTimer::start));
        connect(settleTimer_, &QTimer::timeout, this, [this] { PersonalFilesChanged(); });
    }
    const QString folder =
        personal_.Known() ? QFile::decodeName(personal::StoreFolder(personal_).c_str()) : QString();
    const QStringList watched = personalWatcher_->directories();
    if (watched.size() == 1 && watched.front() == folder) return;
    if (!watched.isEmpty()) personalWatcher_->removePaths(watched);
    if (!folder.isEmpty() && QDir(folder).exists()) personalWatcher_->addPath(folder);
}

TMainLex::ReloadHold::ReloadHold(TMainLex& window) : window_(window) {
    ++window_.reloadHolds_;
}

TMainLex::ReloadHold::~ReloadHold() {
    if (--window_.reloadHolds_ > 0 || !window_.reloadWaiting_) return;
    // Once the work that held it has returned to the event loop.
    QTimer::singleShot(0, &window_, [window = &window_] { window->PersonalFilesChanged(); });
}

void TMainLex::PersonalFilesChanged() {
    if (reloadHolds_ > 0) {
        reloadWaiting_ = true;
        return;
    }
    reloadWaiting_ = false;
    CatchUpWithPersonalFiles();
}

void TMainLex::CatchUpWithPersonalFiles() {
    PersonalIndexes indexes = personal::ReadPersonalIndexesLocked(personal_);
    // Our own changes, and files touched without a change of content, need nothing.
    if (StampOf(indexes).Matches(state_.tables().personalStamp)) return;
    notes_.clear();
    ApplyTables(LoadEntryTable(files_, indexes, notes_));
}

}  // namespace orvan::lookup
