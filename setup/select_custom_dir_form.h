// The folder choice dialog: the user names a folder on the local disks, for the personal entries
// (none chosen yet, or the saved one is gone) or for the installation. It only returns the
// folder, exactly as typed; its callers store it.
#pragma once

#include <QDialog>
#include <functional>

#include "setup/folder_dialog_mode.h"

class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeView;

namespace orvan::setup {

class TSelectCustomDirForm : public QDialog {
    Q_OBJECT
  public:
    /// Runs the installation into a folder; true when it ran to its end.
    using Installer = std::function<bool(const QString& folder)>;

    explicit TSelectCustomDirForm(FolderDialogMode mode, QWidget* parent = nullptr);

    /// The installation run by OK in the mode Install.
    void setInstaller(Installer installer) { installer_ = std::move(installer); }

    /// The folder as typed in the field.
    QString folder() const;

    /// The folder offered when the dialog opens: the home folder + "/Orvan".
    static QString DefaultFolder();
    /// The roots offered in the drive list: "/", the home folder and the mounted volumes.
    static QStringList Roots();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    void Drive_ComboChange();
    void Folder_TreeChange();
    void Ok_ButtonClick();

    FolderDialogMode DirMode;
    Installer installer_;
    bool shown_ = false;

    QLabel* Personal_Image;
    QPlainTextEdit* MsgMemo;
    QLineEdit* Dir_Edit;
    QLabel* Folder_Label;
    QPushButton* Ok_Button;
    QPushButton* Cancel_Button;
    QComboBox* Drive_Combo;
    QTreeView* Folder_Tree;
    QLabel* Install_Image;
    QFileSystemModel* folders_;
};

}  // namespace orvan::setup
