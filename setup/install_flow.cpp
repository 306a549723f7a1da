#include "setup/install_flow.h"

#include <sys/stat.h>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "lexicon/file_paths.h"
#include "lexicon/settings.h"
#include "lexicon/text_file.h"
#include "setup/desktop_entry.h"
#include "setup/installation.h"
#include "setup/uninstall_script.h"

namespace orvan::setup {

namespace {

// Removes the desktop entry in `folder` when it is the one that starts the installed copy in
// `programFolder`; another installation's entry stays.
void RemoveOwnDesktopEntry(const std::string& folder, const std::string& programFolder) {
    if (folder.empty()) return;
    const std::string path = PathInFolder(folder, kDesktopEntryName);
    const auto entry = ReadWholeFile(path);
    if (entry && *entry == DesktopEntryText(programFolder)) std::remove(path.c_str());
}

}  // namespace

InstallFlow::InstallFlow(StartScreenContext& context, DesktopFolders folders, InstallFlowView& view)
    : context_(context), folders_(std::move(folders)), view_(view) {}

bool InstallFlow::installMode() const {
    return RunsFromMedium(context_.startFolder);
}

bool InstallFlow::run() {
    bool ending = false;
    if (installMode()) {
        install();
    } else {
        ending = uninstall();
    }
    changeToStartFolder();
    return ending;
}

void InstallFlow::changeToStartFolder() const {
    // The content paths of the running program are relative to its folder.
    std::error_code ignored;
    std::filesystem::current_path(context_.startFolder, ignored);
}

void InstallFlow::install() {
    const std::optional<std::string> typed =
        view_.askInstallFolder([this](const std::string& folder) { return installInto(folder); });
    if (!typed || typed->empty()) return;
    // The installation folder also keeps the user's own entries, as typed.
    context_.personalFolder = *typed;
    if (!context_.settingsPath.empty()) WriteSettings(context_.settingsPath, "", *typed);
}

bool InstallFlow::installInto(const std::string& typed) {
    view_.showBusy(true);
    changeToStartFolder();
    const InstallPlaces places{context_.startFolder, folders_.desktop, folders_.applications,
                               context_.settingsPath};
    const InstallOutcome outcome = InstallFiles(typed, places);
    view_.showBusy(false);
    view_.tellInstallation(outcome.result == InstallResult::Succeeded, outcome.problems);
    return outcome.ranToEnd();
}

bool InstallFlow::uninstall() {
    if (!view_.confirmUninstall()) return false;

    std::string unknown;
    const InstalledLayout layout = InstalledLayoutOf(context_.startFolder, unknown);
    if (!unknown.empty()) {
        // Without knowing what was installed, nothing is removed, not even the desktop entries.
        view_.tellUninstallProblem(UninstallProblem::UnknownInstallation, unknown);
        return false;
    }
    RemoveOwnDesktopEntry(folders_.desktop, layout.folder);
    RemoveOwnDesktopEntry(folders_.applications, layout.folder);

    const std::string script = UninstallScript(layout, folders_.desktop);
    if (script.empty()) {
        view_.tellUninstallProblem(UninstallProblem::UnsafeFolder, layout.folder);
        return false;
    }
    const std::string scriptPath = PathInFolder(folders_.desktop, kUninstallScriptName);
    if (const Result<void> written = WriteUninstallScript(folders_.desktop, script); !written) {
        // The file and the system's reason, as the system gave them.
        view_.tellUninstallProblem(UninstallProblem::ScriptNotWritten, written.error().message);
        return false;
    }
    // The script runs on once the program has ended.
    if (!view_.startScript(scriptPath, folders_.desktop)) {
        std::remove(scriptPath.c_str());
        view_.tellUninstallProblem(UninstallProblem::ScriptNotStarted, scriptPath);
        return false;
    }
    context_.quitRequested = true;
    return true;
}

}  // namespace orvan::setup
