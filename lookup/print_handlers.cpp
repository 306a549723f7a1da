// Printing the entry chosen in the list: the platform's print dialog, then the description pane's
// RTF with the title and the labelled headword, rendering and science field in front of it and
// the figures its links open after their paragraphs, printed through the hidden form's view.
#include <QPrintDialog>
#include <QPrinter>

#include "lookup/dummy_form.h"
#include "lookup/main_window.h"
#include "richtext/print_job.h"
#include "richtext/rich_text_view.h"

namespace orvan::lookup {

void TMainLex::Print_ButtonClick() {
    const int row = state_.selectedRow();
    if (row < 0) return;
    // An entry that has left the tables since it was listed has nothing to print.
    const int slot = state_.slotOfRow(row);
    if (slot <= 0) return;

    // The print dialog lets events through: another program's change waits until it is done.
    const ReloadHold hold(*this);
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;

    // The pane's entry may differ from the list's choice: the pane prints as it stands, under the
    // chosen entry's headword, with the figures of the pane's entry, as its links open them. A
    // failed print ends here without a word, as a cancelled one does.
    const richtext::PrintJob job = richtext::PrintJobOf(
        slot, state_.tables(), FieldList(), greekMode(), c_.Description_Text->saveRtf());
    richtext::PrintOn(*dummyForm().PrintText, printer, job, {startFolder_, state_.shownNumber()});
}

}  // namespace orvan::lookup
