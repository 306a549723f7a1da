// The question asked before the program removes itself from the disk.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace orvan::setup {

class UninstallQuestionDialog : public QDialog {
    Q_OBJECT
  public:
    explicit UninstallQuestionDialog(QWidget* parent = nullptr);

  private:
    QLabel* setupImage_;
    QPushButton* yesButton_;
    QPushButton* noButton_;
    QPlainTextEdit* questionText_;
};

}  // namespace orvan::setup
