// The start screen's install picture as a flow: on the medium it asks for a folder, installs the
// program there and keeps the folder; in an installed copy it asks first, then removes the copy's
// desktop entries and hands the removal of its files to a script that runs once the program has
// ended. The questions, messages and the start of the script are the view's; the decisions and
// the files are the flow's.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "setup/presentation_state.h"

namespace orvan::setup {

/// What stopped an uninstallation; nothing of the installation was removed by the program.
enum class UninstallProblem {
    UnknownInstallation,  // the list of installed files cannot be read (the detail says why)
    UnsafeFolder,         // the installation folder cannot be removed safely (the detail: it)
    ScriptNotWritten,     // the script cannot be written (the detail: its path and the reason)
    ScriptNotStarted,     // the script cannot be started (the detail: its path)
};

/// The questions and messages of the flow, and what it needs of the desktop.
class InstallFlowView {
  public:
    virtual ~InstallFlowView() = default;
    /// Asks for the installation folder; `install` runs the installation into the folder as
    /// typed and says whether it ran to its end. The folder as typed, once the installation ran
    /// to its end; none when the user cancelled or the installation was abandoned.
    virtual std::optional<std::string> askInstallFolder(
        const std::function<bool(const std::string& typed)>& install) = 0;
    /// Shows that long work runs (true) or has ended (false).
    virtual void showBusy(bool busy) = 0;
    /// Says how the installation went, with the reasons of the steps that failed.
    virtual void tellInstallation(bool succeeded, const std::vector<std::string>& problems) = 0;
    /// Asks whether to uninstall.
    virtual bool confirmUninstall() = 0;
    virtual void tellUninstallProblem(UninstallProblem problem, const std::string& detail) = 0;
    /// Starts `script` in a session of its own, in `folder`; false when it could not start.
    virtual bool startScript(const std::string& script, const std::string& folder) = 0;
};

/// The desktop's folders the flow writes to.
struct DesktopFolders {
    std::string desktop;       // the desktop entry and the uninstall script
    std::string applications;  // the desktop's menus; empty for none
};

class InstallFlow {
  public:
    InstallFlow(StartScreenContext& context, DesktopFolders folders, InstallFlowView& view);

    /// Installs from the medium, or uninstalls an installed copy, as the program's file tells.
    /// True when the uninstallation has started and the program is to end now.
    bool run();

    /// Whether the program runs from its medium (it installs) rather than from a copy (it
    /// uninstalls).
    bool installMode() const;

  private:
    void install();
    bool installInto(const std::string& typed);
    bool uninstall();
    void changeToStartFolder() const;

    StartScreenContext& context_;
    DesktopFolders folders_;
    InstallFlowView& view_;
};

}  // namespace orvan::setup
