// The question asked before the program removes itself from the disk.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace orvan::setup {

class TConfirmUninstallForm : public QDialog {
    Q_OBJECT
  public:
    explicit TConfirmUninstallForm(QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLabel* Setup_Image;
    QPushButton* Yes_Button;
    QPushButton* No_Button;
    QPlainTextEdit* Question_Text;
};

}  // namespace orvan::setup
