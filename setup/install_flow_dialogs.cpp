#include "setup/install_flow_dialogs.h"

#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

#include "platform/busy_cursor.h"
#include "setup/folder_choice_dialog.h"
#include "setup/uninstall_question_dialog.h"

namespace orvan::setup {

namespace {

std::string Folder(QStandardPaths::StandardLocation location) {
    return QFile::encodeName(QStandardPaths::writableLocation(location)).toStdString();
}

QString Decoded(const std::string& path) {
    return QFile::decodeName(path.c_str());
}

void Inform(QWidget* owner, const QString& text, const QStringList& details) {
    QMessageBox box(QMessageBox::Information, "Orvan", text, QMessageBox::Ok, owner);
    if (!details.isEmpty()) box.setDetailedText(details.join('\n'));
    box.exec();
}

}  // namespace

InstallFlowDialogs::InstallFlowDialogs(QWidget* owner) : owner_(owner) {}

InstallFlowDialogs::~InstallFlowDialogs() = default;

DesktopFolders InstallFlowDialogs::desktopFolders() {
    return {Folder(QStandardPaths::DesktopLocation), Folder(QStandardPaths::ApplicationsLocation)};
}

std::optional<std::string> InstallFlowDialogs::askInstallFolder(
    const std::function<bool(const std::string& typed)>& install) {
    FolderChoiceDialog dialog(FolderDialogMode::Install, owner_);
    dialog.setInstaller([&install](const QString& folder) {
        return install(QFile::encodeName(folder).toStdString());
    });
    const bool installed = dialog.exec() == QDialog::Accepted;
    owner_->activateWindow();
    if (!installed) return std::nullopt;
    return QFile::encodeName(dialog.folder()).toStdString();
}

void InstallFlowDialogs::showBusy(bool busy) {
    if (busy) {
        busy_ = std::make_unique<platform::BusyCursor>();
    } else {
        busy_.reset();
    }
}

void InstallFlowDialogs::tellInstallation(bool succeeded,
                                          const std::vector<std::string>& problems) {
    QStringList details;
    for (const std::string& problem : problems)
        details << QString::fromLocal8Bit(problem);
    Inform(owner_,
           succeeded ? tr("Η εγκατάσταση ολοκληρώθηκε επιτυχώς")
                     : tr("Η εγκατάσταση παρουσίασε προβλήματα"),
           details);
}

bool InstallFlowDialogs::confirmUninstall() {
    bool confirmed = false;
    {
        UninstallQuestionDialog question(owner_);
        confirmed = question.exec() == QDialog::Accepted;
    }
    owner_->activateWindow();
    return confirmed;
}

void InstallFlowDialogs::tellUninstallProblem(UninstallProblem problem, const std::string& detail) {
    QString reason;
    switch (problem) {
        case UninstallProblem::UnknownInstallation:
            reason = QString::fromLocal8Bit(detail);
            break;
        case UninstallProblem::UnsafeFolder:
            reason = tr("the installation folder cannot be removed safely: %1")
                         .arg(QString::fromLocal8Bit(detail));
            break;
        case UninstallProblem::ScriptNotWritten:
            reason = QString::fromLocal8Bit(detail);
            break;
        case UninstallProblem::ScriptNotStarted:
            reason = tr("cannot start %1").arg(QString::fromLocal8Bit(detail));
            break;
    }
    Inform(owner_, tr("Η διαδικασία απεγκατάστασης παρουσίασε προβλήματα"), {reason});
}

bool InstallFlowDialogs::startScript(const std::string& script, const std::string& folder) {
    // A session of its own keeps the script running once the program has ended.
    return QProcess::startDetached("setsid", {"-f", "/bin/sh", Decoded(script)}, Decoded(folder));
}

}  // namespace orvan::setup
