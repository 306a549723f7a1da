// The full-text search's confirmation: the search reads every description, so the user is
// asked first. "Όχι" is the default and the cancel button: Enter and Escape both answer no.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace orvan::lookup {

class FullTextQuestionDialog : public QDialog {
    Q_OBJECT
  public:
    /// What the dialog closes with.
    static constexpr int kYes = 1;
    static constexpr int kNo = 2;

    explicit FullTextQuestionDialog(QWidget* parent = nullptr);

    /// Escape and the window manager's close answer no.
    void reject() override;

  private:
    QLabel* messageText_;  // read-only, borderless, centred
    QPushButton* yesButton_;
    QPushButton* noButton_;
};

}  // namespace orvan::lookup
