// The install flow's questions and messages as the start screen shows them: the folder choice
// dialog, the uninstall question and message boxes over the start screen.
#pragma once

#include <QCoreApplication>
#include <QWidget>
#include <memory>

#include "setup/install_flow.h"

namespace orvan::platform {
class BusyCursor;
}

namespace orvan::setup {

class InstallFlowDialogs : public InstallFlowView {
    Q_DECLARE_TR_FUNCTIONS(orvan::setup::InstallFlowDialogs)
  public:
    explicit InstallFlowDialogs(QWidget* owner);
    ~InstallFlowDialogs() override;

    /// The desktop's folders, as the desktop names them.
    static DesktopFolders desktopFolders();

    std::optional<std::string> askInstallFolder(
        const std::function<bool(const std::string& typed)>& install) override;
    void showBusy(bool busy) override;
    void tellInstallation(bool succeeded, const std::vector<std::string>& problems) override;
    bool confirmUninstall() override;
    void tellUninstallProblem(UninstallProblem problem, const std::string& detail) override;
    bool startScript(const std::string& script, const std::string& folder) override;

  private:
    QWidget* owner_;
    std::unique_ptr<platform::BusyCursor> busy_;
};

}  // namespace orvan::setup
