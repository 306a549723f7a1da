// The folder choice dialog: the user names a folder on the local disks, for the personal entries
// (modes "NULL": none chosen yet, "INVALID": the saved one is gone) or for the installation
// ("INSTALL"). It only returns the folder, exactly as typed; its callers store it.
#pragma once

#include <QDialog>
#include <functional>

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

    TSelectCustomDirForm(const QString& dirMode, QWidget* parent = nullptr);

    /// The installation run by OK in the mode "INSTALL".
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
    void DriveComboBox1Change();
    void DirectoryListBox1Change();
    void BitBtn1Click();

    QString DirMode;
    Installer installer_;
    bool shown_ = false;

    QLabel* Image1;
    QPlainTextEdit* MsgMemo;
    QLineEdit* Dir_Edit;
    QLabel* Label1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QComboBox* DriveComboBox1;
    QTreeView* DirectoryListBox1;
    QLabel* Image2;
    QFileSystemModel* folders_;
};

}  // namespace orvan::setup
