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

class FolderChoiceDialog : public QDialog {
    Q_OBJECT
  public:
    /// Runs the installation into a folder; true when it ran to its end.
    using Installer = std::function<bool(const QString& folder)>;

    explicit FolderChoiceDialog(FolderDialogMode mode, QWidget* parent = nullptr);

    /// The installation run by OK in the mode Install.
    void setInstaller(Installer installer) { installer_ = std::move(installer); }

    /// The folder as typed in the field.
    QString folder() const;

    /// The folder offered when the dialog opens: the home folder + "/Orvan".
    static QString defaultFolder();
    /// The roots offered in the drive list: "/", the home folder and the mounted volumes.
    static QStringList roots();

  private:
    void onFirstShow();
    void onRootChanged();
    void onFolderChosen();
    void onOkClicked();

    FolderDialogMode mode_;
    Installer installer_;

    QLabel* personalImage_;
    QPlainTextEdit* messageText_;
    QLineEdit* folderEdit_;
    QLabel* folderLabel_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    QComboBox* rootCombo_;
    QTreeView* folderTree_;
    QLabel* installImage_;
    QFileSystemModel* folders_;
};

}  // namespace orvan::setup
