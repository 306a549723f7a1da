#include "lookup/entry_printing.h"

#include <QPrintDialog>
#include <QPrinter>

#include "lexicon/entry_display.h"
#include "richtext/print_document.h"

namespace orvan::lookup {

std::optional<EntryPrint> PrintOfChosenEntry(const LookupState& state, const QFont& paneFont,
                                             const std::string& folder) {
    const int row = state.selectedRow();
    if (row < 0) return std::nullopt;
    const int slot = state.slotOfRow(row);
    if (slot <= 0) return std::nullopt;
    // The pane's entry may differ from the list's choice: the pane prints as it stands, under
    // the chosen entry's headword, with the figures of the pane's entry, as its links open them.
    const LoadedLexicon& lexicon = state.lexicon();
    std::string paneDocument;
    if (state.shownSlot() != 0) {
        const EntryDisplay shown = state.describeShown();
        if (shown.body) paneDocument = DescriptionDocument(lexicon.rtfHeader, *shown.body);
    }
    const FieldTable* fields = lexicon.fieldTable();
    return EntryPrint{richtext::PrintJobOf(slot, lexicon.tables, fields, state.greekMode(),
                                           richtext::SavedPaneRtf(paneDocument, paneFont),
                                           state.documentHeadings()),
                      {folder, state.shownNumber()}};
}

bool PrintWithDialog(const EntryPrint& print, QWidget* parent, richtext::RichTextView& surface) {
    QPrinter printer;
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    return richtext::PrintOn(surface, printer, print.job, print.figures);
}

}  // namespace orvan::lookup
