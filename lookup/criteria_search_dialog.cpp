#include "lookup/criteria_search_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "richtext/screen_text.h"

namespace orvan::lookup {

CriteriaSearchDialog::CriteriaSearchDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      startField_(new QLineEdit(this)),
      containsField_(new QLineEdit(this)),
      endField_(new QLineEdit(this)) {
    setObjectName("CriteriaSearchDialog");
    setWindowTitle(tr("Κριτήρια Αναζήτησης Λημμάτων"));
    startField_->setObjectName("startField");
    containsField_->setObjectName("containsField");
    endField_->setObjectName("endField");

    auto* heading = new QLabel(tr("Αναζήτηση των Λημμάτων που:"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    auto* fields = new QFormLayout;
    fields->addRow(tr("Αρχίζουν με:"), startField_);
    fields->addRow(tr("Περιέχουν:"), containsField_);
    fields->addRow(tr("Καταλήγουν σε:"), endField_);
    for (QLineEdit* edit : {startField_, containsField_, endField_})
        edit->setMinimumWidth(220);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName("okButton");
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(tr("Άκυρο"), QDialogButtonBox::RejectRole);
    cancel->setObjectName("cancelButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

SearchCriteria CriteriaSearchDialog::criteria() const {
    return {richtext::ToGreekSearchText(startField_->text()),
            richtext::ToGreekSearchText(containsField_->text()),
            richtext::ToGreekSearchText(endField_->text())};
}

std::u16string CriteriaSearchDialog::typedCriterion() const {
    std::u16string typed;
    for (const QLineEdit* field : {startField_, containsField_, endField_}) {
        if (field->text().isEmpty()) continue;
        if (!typed.empty()) return {};
        typed = richtext::Utf16Of(field->text());
    }
    return typed;
}

}  // namespace orvan::lookup
