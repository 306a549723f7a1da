#include "lookup/search_form.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "lookup/window_face.h"
#include "richtext/code_pages.h"

namespace orvan::lookup {

TSearchForm::TSearchForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      Start_Edit(new QLineEdit(this)),
      Contain_edit(new QLineEdit(this)),
      End_Edit(new QLineEdit(this)) {
    setObjectName("TSearchForm");
    setWindowTitle(Caption("Κριτήρια Αναζήτησης Λημμάτων"));
    Start_Edit->setObjectName("Start_Edit");
    Contain_edit->setObjectName("Contain_edit");
    End_Edit->setObjectName("End_Edit");

    auto* heading = new QLabel(Caption("Αναζήτηση των Λημμάτων που:"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    auto* fields = new QFormLayout;
    fields->addRow(Caption("Αρχίζουν με:"), Start_Edit);
    fields->addRow(Caption("Περιέχουν:"), Contain_edit);
    fields->addRow(Caption("Καταλήγουν σε:"), End_Edit);
    for (QLineEdit* edit : {Start_Edit, Contain_edit, End_Edit})
        edit->setMinimumWidth(220);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("OK_Button");
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(Caption("Άκυρο"), QDialogButtonBox::RejectRole);
    cancel->setObjectName("Cancel_Button");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

SearchCriteria TSearchForm::criteria() const {
    return {richtext::ToGreekSearchText(Start_Edit->text()),
            richtext::ToGreekSearchText(Contain_edit->text()),
            richtext::ToGreekSearchText(End_Edit->text())};
}

std::u16string TSearchForm::typedCriterion() const {
    std::u16string typed;
    for (const QLineEdit* field : {Start_Edit, Contain_edit, End_Edit}) {
        if (field->text().isEmpty()) continue;
        if (!typed.empty()) return {};
        typed = richtext::Utf16Of(field->text());
    }
    return typed;
}

}  // namespace orvan::lookup
