// The document the print button prints for the chosen entry: the RTF the description pane holds,
// with a centred title and the headword, rendering, science field and "Περιγραφή" labels put in
// front of its text in the pane's Greek font, and the name of the print job. Plain C++: text is
// code page 1253 bytes.
//
//     PrintJob job = PrintJobOf(slot, tables, &fields, false, paneRtf);
//     // job.document: "{\rtf1...\uc1  \qc {\b\ul\f0\fs24\cf0 \'4F...}...\r\n<text>\r\n}}}"
//     // job.name:     "Lexicon: engine"
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "lexicon/entry_display.h"
#include "lexicon/tables.h"

namespace orvan::richtext {

/// The longest print job name, in characters.
inline constexpr std::size_t kPrintJobNameLength = 89;
/// The most characters of the pane's text that go into a printed document.
inline constexpr std::size_t kPrintedBodyLength = 20000;

/// \brief The one-digit number of the font that the first "\fcharset161" of `rtf` belongs to: the
/// digit of the nearest "\fN\" before it; '0' when there is none.
char GreekFontNumber(std::string_view rtf);

/// \brief Where the prologue (font and colour tables) of `rtf` ends: the index of the last blank
/// or "}" at or before the first size word "\fs" that is a size (a "1" or "2" after it, or two
/// characters and then a delimiter). Words such as \fswiss are passed over. Nothing when there
/// is no such size word or no blank or "}" before it.
std::optional<std::size_t> PrologueEnd(std::string_view rtf);

/// \brief What is printed, code page 1253: the values and the labels in front of them.
struct PrintValues {
    std::string headword;
    std::string rendering;
    std::string fieldName;
    DocumentHeadings labels = {};
};

/// \brief The values for the entry in `slot`: its English headword and the Greek one, swapped in
/// Greek mode, and its science field's name (FieldText; empty for no field), under `labels`.
PrintValues PrintValuesOf(int slot, const EntryTables& tables, const FieldTable* fields,
                          bool greekMode, const DocumentHeadings& labels = {});

/// \brief The printed document: `paneRtf` up to its prologue's end, the title and the labelled
/// values in the Greek font, then the pane's text from the prologue's end (at most
/// kPrintedBodyLength characters) and "}}}", the three parts joined by CR LF. A pane RTF without
/// a prologue's end gives the title and values first and the whole pane RTF after them.
std::string PrintDocument(std::string_view paneRtf, const PrintValues& values);

/// \brief The print job's name: "Lexicon: " and the English headword, cut to 89 characters.
std::string PrintJobName(std::string_view englishHeadword);

struct PrintJob {
    std::string document;
    std::string name;
};

/// \brief The document and job name for printing the entry in `slot` while the description pane
/// holds `paneRtf` (as saved from the pane), under `labels`.
PrintJob PrintJobOf(int slot, const EntryTables& tables, const FieldTable* fields, bool greekMode,
                    std::string_view paneRtf, const DocumentHeadings& labels = {});

}  // namespace orvan::richtext
