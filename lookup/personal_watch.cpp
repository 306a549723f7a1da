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

constexpr const char* kLexiconNotWhole =
    "Δεν διαβάστηκαν ολόκληρα τα αρχεία του λεξικού. Όσο είναι έτσι, τα λήμματά σας δεν "
    "αλλάζουν.";

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

TMainLex::LoadProblem TMainLex::CurrentLoadProblem() const {
    const EntryTables& tables = state_.tables();
    if (!tables.lexiconLeftOut.empty()) return {kLexiconNotWhole, tables.lexiconLeftOut};
    if (std::string fields = FieldTableProblem(files_, fields_); !fields.empty()) {
        return {
            "Δεν διαβάστηκε ο κατάλογος των επιστημών. Όσο είναι έτσι, τα λήμματά σας δεν "
            "αλλάζουν.",
            std::move(fields)};
    }
    if (!tables.personalProblem.empty()) {
        return {
            "Δεν διαβάστηκαν όλα τα λήμματά σας. Όσο τα αρχεία τους είναι έτσι, δεν "
            "αλλάζουν.",
            tables.personalProblem};
    }
    return {};
}

void TMainLex::TellPersonalProblem() {
    const LoadProblem problem = CurrentLoadProblem();
    if (problem.details == toldProblem_) return;
    toldProblem_ = problem.details;
    if (problem.details.empty()) return;
    // The user goes on reading; a change would be refused with the same reason.
    WarnAside(problem.message, problem.details);
}

QMessageBox* TMainLex::WarnAside(const char* message, const std::string& details) {
    auto* box =
        new QMessageBox(QMessageBox::Warning, "Orvan", Caption(message), QMessageBox::Ok, this);
    box->setInformativeText(QString::fromLocal8Bit(details.c_str()));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
    return box;
}

bool TMainLex::TablesWhole() {
    // A lexicon that could not be read at all was told of when the window opened.
    const std::string& unread = state_.tables().lexiconProblem;
    const LoadProblem problem =
        unread.empty() ? CurrentLoadProblem() : LoadProblem{kLexiconNotWhole, unread};
    if (problem.details.empty()) return true;
    QMessageBox box(QMessageBox::Warning, "Orvan", Caption(problem.message), QMessageBox::Ok, this);
    box.setInformativeText(QString::fromLocal8Bit(problem.details.c_str()));
    box.exec();
    return false;
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
