// The print button's work: what it prints, taken from one load of the lexicon when the button is
// pressed, and the platform's print dialog that sends it to a printer.
#pragma once

#include <QFont>
#include <optional>
#include <string>

#include "lookup/lookup_state.h"
#include "richtext/print_job.h"

class QWidget;

namespace orvan::richtext {
class RichTextView;
}

namespace orvan::lookup {

/// What one press of the print button prints.
struct EntryPrint {
    richtext::PrintJob job;
    richtext::FigureSource figures;
};

/// \brief The print of the entry chosen in the list: under its headword, rendering and science
/// field, the description the entry pane shows (in `paneFont`), with the figures of the pane's
/// entry from the program folder `folder`. Nothing when no listed entry is chosen, or it has
/// left the tables. Everything comes from the state's current load and entry numbers, never from
/// what the widgets show.
std::optional<EntryPrint> PrintOfChosenEntry(const LookupState& state, const QFont& paneFont,
                                             const std::string& folder);

/// \brief Opens the print dialog over `parent` and prints `print` through `surface` when the
/// user confirms. False when cancelled or when the printing failed (said by no message, as a
/// cancelled print).
bool PrintWithDialog(const EntryPrint& print, QWidget* parent, richtext::RichTextView& surface);

}  // namespace orvan::lookup
