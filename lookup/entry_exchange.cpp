#include "lookup/entry_exchange.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QWidget>
#include <algorithm>

#include "lexicon/text_file.h"
#include "personal/csv_entries.h"
#include "personal/entry_export.h"
#include "personal/entry_import.h"
#include "personal/exchange_formats.h"
#include "personal/store_files.h"
#include "personal/tbx_reader.h"
#include "platform/busy_cursor.h"

namespace orvan::lookup {

namespace {

using personal::ExchangeFormat;
using personal::ImportAction;
using personal::ImportPlan;
using personal::ImportStep;

// The export dialog's filters, in the order ExportFormatOf numbers them.
constexpr int kTbxFilter = 0;
constexpr int kOlderTbxFilter = 1;
constexpr int kCsvFilter = 2;

QString DocumentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

std::string NativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// A line of the details: where the file has the entry, its headwords and what was said of it.
QString StepLine(const ImportStep& step) {
    QString line = QString::fromStdString(step.origin) + QStringLiteral(": ") +
                   QString::fromStdString(step.english);
    if (!step.greek.empty())
        line += QStringLiteral(" \u2014 ") + QString::fromStdString(step.greek);
    if (!step.remark.empty()) line += QStringLiteral(": ") + QString::fromStdString(step.remark);
    return line;
}

// The lines of the steps that have something to say: refused ones when `refused`, else the
// remarks of the others.
QString StepLines(const ImportPlan& plan, bool refused) {
    QStringList lines;
    for (const ImportStep& step : plan.steps) {
        if ((step.action == ImportAction::Refuse) != refused) continue;
        if (refused || !step.remark.empty()) lines.append(StepLine(step));
    }
    return lines.join('\n');
}

int NoteCount(const ImportPlan& plan) {
    return plan.count(ImportAction::AddNote) + plan.count(ImportAction::UpdateNote);
}

}  // namespace

ExchangeFormat ExportFormatOf(const QString& path, int filterIndex) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("csv")) return ExchangeFormat::Csv;
    if (suffix == QLatin1String("tbx")) {
        return filterIndex == kOlderTbxFilter ? ExchangeFormat::TbxMartif : ExchangeFormat::Tbx;
    }
    switch (filterIndex) {
        case kOlderTbxFilter:
            return ExchangeFormat::TbxMartif;
        case kCsvFilter:
            return ExchangeFormat::Csv;
        case kTbxFilter:
        default:
            return ExchangeFormat::Tbx;
    }
}

QString WithExportExtension(const QString& path, ExchangeFormat format) {
    if (!QFileInfo(path).suffix().isEmpty()) return path;
    return path + (format == ExchangeFormat::Csv ? QStringLiteral(".csv") : QStringLiteral(".tbx"));
}

Result<std::vector<personal::ExchangeEntry>> ReadExchangeEntries(const std::string& path) {
    Result<std::string> bytes = personal::ReadExchangeFile(path);
    if (!bytes) return Failure(bytes.error());
    if (personal::ExchangeFormatOfText(*bytes) == ExchangeFormat::Csv)
        return personal::ReadEntriesCsv(*bytes, path);
    return personal::ReadTbx(*bytes, path);
}

const LoadedLexicon& EntryExchange::currentLoad() {
    if (host_.lookupState().lexicon().personal.englishIndex != host_.personalFiles().englishIndex) {
        platform::BusyCursor busy;
        host_.reloadTables(std::nullopt);
    }
    return host_.lookupState().lexicon();
}

void EntryExchange::warn(const QString& message, const QString& informative,
                         const std::string& details) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Orvan"), message, QMessageBox::Ok,
                    parent_);
    if (!informative.isEmpty()) box.setInformativeText(informative);
    if (!details.empty()) box.setDetailedText(QString::fromStdString(details));
    box.exec();
}

std::pair<QString, ExchangeFormat> EntryExchange::askExportFile() {
    const QStringList filters = {tr("Όροι TBX (*.tbx)"), tr("Όροι TBX, παλαιότερη μορφή (*.tbx)"),
                                 tr("Πίνακας CSV (*.csv)")};
    QFileDialog dialog(parent_, tr("Εξαγωγή των λημμάτων σας"), DocumentsFolder());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    // A name typed without an extension takes the chosen format's, before the dialog asks
    // whether to replace a file of that name.
    dialog.setDefaultSuffix(QStringLiteral("tbx"));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog, csv = filters[kCsvFilter]](const QString& filter) {
            dialog.setDefaultSuffix(filter == csv ? QStringLiteral("csv") : QStringLiteral("tbx"));
        });
    dialog.selectFile(QStringLiteral("orvan-entries.tbx"));
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    parent_->activateWindow();
    if (!chosen) return {QString(), ExchangeFormat::Tbx};
    const int filter = std::max(0, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())));
    const QString path = dialog.selectedFiles().constFirst();
    const ExchangeFormat format = ExportFormatOf(path, filter);
    return {WithExportExtension(path, format), format};
}

void EntryExchange::exportEntries() {
    if (!host_.checkPersonalFolder()) return;
    const auto [path, format] = askExportFile();
    if (path.isEmpty()) return;
    if (personal::IsStoreFile(host_.personalFiles(), NativePath(path))) {
        warn(tr("Τα λήμματά σας δεν εξήχθησαν."),
             tr("Το αρχείο %1 είναι ένα από τα αρχεία των λημμάτων σας· διαλέξτε άλλο όνομα.")
                 .arg(Shown(path)),
             {});
        return;
    }
    Result<void> written;
    std::vector<personal::ExchangeEntry> entries;
    {
        platform::BusyCursor busy;
        // Notes go with the entries: they are the user's work as much as their own entries.
        auto exported = personal::ExportEntries(currentLoad(), true);
        if (exported) {
            entries = std::move(*exported);
            written =
                WriteFileAtomically(NativePath(path), personal::WriteExchangeText(entries, format));
        } else {
            written = Failure(exported.error());
        }
    }
    if (!written) {
        warn(tr("Τα λήμματά σας δεν εξήχθησαν."), tr("Το αρχείο %1 δεν γράφτηκε.").arg(Shown(path)),
             written.error().message);
        return;
    }
    const auto notes = std::count_if(entries.begin(), entries.end(), [](const auto& entry) {
        return entry.kind == personal::ExchangeKind::Note;
    });
    const auto own = static_cast<long long>(entries.size()) - notes;
    QMessageBox::information(parent_, QStringLiteral("Orvan"),
                             tr("Αποθηκεύτηκαν %1 λήμματα και %2 σημειώσεις στο αρχείο %3.")
                                 .arg(own)
                                 .arg(notes)
                                 .arg(Shown(path)));
}

void EntryExchange::importEntries() {
    if (!host_.tablesWhole() || !host_.checkPersonalFolder()) return;
    const QString path =
        QFileDialog::getOpenFileName(parent_, tr("Εισαγωγή λημμάτων"), DocumentsFolder(),
                                     tr("Όροι TBX ή πίνακας CSV (*.tbx *.csv *.xml)") +
                                         QStringLiteral(";;") + tr("Όλα τα αρχεία (*)"));
    parent_->activateWindow();
    if (path.isEmpty()) return;

    Result<std::vector<personal::ExchangeEntry>> entries;
    {
        platform::BusyCursor busy;
        entries = ReadExchangeEntries(NativePath(path));
    }
    if (!entries) {
        warn(tr("Το αρχείο %1 δεν διαβάστηκε· δεν εισήχθη κανένα λήμμα.").arg(Shown(path)), {},
             entries.error().message);
        return;
    }
    if (entries->empty()) {
        QMessageBox::information(parent_, QStringLiteral("Orvan"),
                                 tr("Το αρχείο %1 δεν έχει λήμματα.").arg(Shown(path)));
        return;
    }

    const EntryEditing::Hold hold(host_);
    const LoadedLexicon& lexicon = currentLoad();
    const ImportPlan plan = personal::PlanImport(lexicon.tables, lexicon.fieldTable(), *entries);
    if (!plan.accepted()) {
        const int refused = plan.count(ImportAction::Refuse);
        const QString why =
            refused > 0 ? tr("%1 από τα %2 λήμματα του αρχείου δεν μπορούν να αποθηκευτούν.")
                              .arg(refused)
                              .arg(plan.steps.size())
                        : tr("Τα λήμματα του αρχείου δεν χωρούν όλα στα λήμματά σας.");
        QString details = QString::fromStdString(plan.refusal);
        const QString lines = StepLines(plan, true);
        if (!details.isEmpty() && !lines.isEmpty()) details += '\n';
        details += lines;
        warn(tr("Δεν εισήχθη κανένα λήμμα από το αρχείο %1.").arg(Shown(path)), why,
             details.toStdString());
        return;
    }

    QMessageBox question(QMessageBox::Question, tr("Εισαγωγή λημμάτων"),
                         tr("Θα προστεθούν %1 λήμματα, θα αλλάξουν %2 και θα γραφτούν %3 "
                            "σημειώσεις.")
                             .arg(plan.count(ImportAction::Add))
                             .arg(plan.count(ImportAction::Update))
                             .arg(NoteCount(plan)),
                         QMessageBox::Yes | QMessageBox::Cancel, parent_);
    question.setInformativeText(tr("Να εισαχθούν τα λήμματα του αρχείου %1;").arg(Shown(path)));
    question.button(QMessageBox::Yes)->setText(tr("Εισαγωγή λημμάτων"));
    // Enter and Escape import nothing: a key meant for something else changes no entry.
    question.setDefaultButton(QMessageBox::Cancel);
    if (const QString remarks = StepLines(plan, false); !remarks.isEmpty())
        question.setDetailedText(remarks);
    const bool confirmed = question.exec() == QMessageBox::Yes;
    parent_->activateWindow();
    if (!confirmed || !host_.tablesWhole()) return;

    personal::ImportResult result;
    {
        platform::BusyCursor busy;
        const LoadedLexicon& now = host_.lookupState().lexicon();
        result = personal::ImportEntries(
            {host_.lexiconFiles(), now.tables, now.fieldTable(), host_.personalFiles()}, *entries);
        // Read again whatever happened: a refused import may have found the files changed by
        // another program.
        host_.reloadTables(std::nullopt);
    }
    if (!editing_.report(result.result)) return;
    QMessageBox done(QMessageBox::Information, QStringLiteral("Orvan"),
                     tr("Προστέθηκαν %1 λήμματα, άλλαξαν %2 και γράφτηκαν %3 σημειώσεις από το "
                        "αρχείο %4.")
                         .arg(result.plan.count(ImportAction::Add))
                         .arg(result.plan.count(ImportAction::Update))
                         .arg(NoteCount(result.plan))
                         .arg(Shown(path)),
                     QMessageBox::Ok, parent_);
    if (const QString remarks = StepLines(result.plan, false); !remarks.isEmpty())
        done.setDetailedText(remarks);
    done.exec();
}

}  // namespace orvan::lookup
