// The start screen's install picture: on the medium it installs the program into a folder of
// the user's choice; in an installed copy it removes that copy from the disk.
#include <sys/stat.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

#include "lexicon/file_paths.h"
#include "lexicon/settings.h"
#include "lexicon/text_file.h"
#include "platform/busy_cursor.h"
#include "platform/desktop_look.h"
#include "setup/uninstall_question_dialog.h"
#include "setup/desktop_entry.h"
#include "setup/start_screen.h"
#include "setup/installation.h"
#include "setup/folder_choice_dialog.h"
#include "setup/uninstall_script.h"

namespace orvan::setup {

namespace {

using platform::Caption;

std::string Folder(QStandardPaths::StandardLocation location) {
    return QFile::encodeName(QStandardPaths::writableLocation(location)).toStdString();
}

void Inform(QWidget* parent, const QString& text, const std::vector<std::string>& reasons = {}) {
    QMessageBox box(QMessageBox::Information, "Orvan", text, QMessageBox::Ok, parent);
    QStringList details;
    for (const std::string& reason : reasons)
        details << QString::fromLocal8Bit(reason);
    if (!details.isEmpty()) box.setDetailedText(details.join('\n'));
    box.exec();
}

// Removes the desktop entry in `folder` when it is the one that starts this installed copy;
// another installation's entry stays.
void RemoveOwnDesktopEntry(const std::string& folder, const std::string& programFolder) {
    if (folder.empty()) return;
    const std::string path = PathInFolder(folder, kDesktopEntryName);
    const auto entry = ReadWholeFile(path);
    if (entry && *entry == DesktopEntryText(programFolder)) std::remove(path.c_str());
}

}  // namespace

void StartScreen::onInstallClicked() {
    if (installMode_) {
        installBranch();
    } else {
        uninstallBranch();
    }
    QDir::setCurrent(QString::fromStdString(context_.startFolder));
}

void StartScreen::installBranch() {
    FolderChoiceDialog dialog(FolderDialogMode::Install, this);
    dialog.setInstaller([this](const QString& folder) { return runInstallation(folder); });
    const bool installed = dialog.exec() == QDialog::Accepted;
    activateWindow();
    if (installed && !dialog.folder().isEmpty()) {
        // The installation folder also keeps the user's own entries, as typed.
        context_.personalFolder = QFile::encodeName(dialog.folder()).toStdString();
        if (!context_.settingsPath.empty()) {
            WriteSettings(context_.settingsPath, "", context_.personalFolder);
        }
    }
}

bool StartScreen::runInstallation(const QString& folder) {
    InstallOutcome outcome;
    {
        platform::BusyCursor busy;
        QDir::setCurrent(QString::fromStdString(context_.startFolder));
        const InstallPlaces places{context_.startFolder, Folder(QStandardPaths::DesktopLocation),
                                   Folder(QStandardPaths::ApplicationsLocation),
                                   context_.settingsPath};
        outcome = InstallFiles(QFile::encodeName(folder).toStdString(), places);
    }
    Inform(
        this,
        Caption(outcome.result == InstallResult::Succeeded ? "Η εγκατάσταση ολοκληρώθηκε επιτυχώς"
                                                           : "Η εγκατάσταση παρουσίασε προβλήματα"),
        outcome.problems);
    return outcome.ranToEnd();
}

void StartScreen::uninstallBranch() {
    bool confirmed = false;
    {
        UninstallQuestionDialog confirm(this);
        confirmed = confirm.exec() == QDialog::Accepted;
    }
    activateWindow();
    if (!confirmed) return;

    std::string unknown;
    const InstalledLayout layout = InstalledLayoutOf(context_.startFolder, unknown);
    if (!unknown.empty()) {
        // Without knowing what was installed, nothing is removed, not even the desktop entries.
        tellUninstallProblem(QString::fromLocal8Bit(unknown.c_str()));
        return;
    }
    const std::string desktop = Folder(QStandardPaths::DesktopLocation);
    RemoveOwnDesktopEntry(desktop, layout.folder);
    RemoveOwnDesktopEntry(Folder(QStandardPaths::ApplicationsLocation), layout.folder);

    const std::string script = UninstallScript(layout, desktop);
    if (script.empty()) {
        tellUninstallProblem("the installation folder cannot be removed safely: " +
                             QString::fromLocal8Bit(layout.folder.c_str()));
        return;
    }
    const std::string scriptPath = PathInFolder(desktop, kUninstallScriptName);
    if (const Result<void> written = WriteUninstallScript(desktop, script); !written) {
        tellUninstallProblem(QString::fromLocal8Bit(written.error().message.c_str()));
        return;
    }
    // The script runs on in a session of its own once the program has ended.
    if (!QProcess::startDetached("setsid", {"-f", "/bin/sh", QFile::decodeName(scriptPath.c_str())},
                                 QFile::decodeName(desktop.c_str()))) {
        std::remove(scriptPath.c_str());
        tellUninstallProblem("cannot start " + QString::fromLocal8Bit(scriptPath.c_str()));
        return;
    }
    context_.quitRequested = true;
    reject();
    QCoreApplication::quit();
}

void StartScreen::tellUninstallProblem(const QString& reason) {
    Inform(this, Caption("Η διαδικασία απεγκατάστασης παρουσίασε προβλήματα"),
           {reason.toStdString()});
}

}  // namespace orvan::setup
