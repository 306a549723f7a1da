// The search-criteria dialog: up to three criteria (begins with, contains, ends with) for one
// search of the entry list.
#pragma once

#include <QDialog>

#include "lexicon/list_search.h"

class QLineEdit;

namespace orvan::lookup {

class CriteriaSearchDialog : public QDialog {
    Q_OBJECT
  public:
    explicit CriteriaSearchDialog(QWidget* parent = nullptr);

    /// The three fields as typed, in code page 1253.
    SearchCriteria criteria() const;
    /// The one criterion filled in, as typed; empty when none or several are.
    std::u16string typedCriterion() const;

  private:
    QLineEdit* startField_;
    QLineEdit* containsField_;
    QLineEdit* endField_;
};

}  // namespace orvan::lookup
