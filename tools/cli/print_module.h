// The part of orvan-cli's print command that needs the widgets and the printer. It lives in a
// module of its own, loaded only when an entry is printed, so that the other commands start
// without loading the graphical libraries.
#pragma once

#include <cstddef>

/// The module's file name, found beside orvan-cli or in ../lib/orvan/ from its folder.
#define ORVAN_PRINT_MODULE "orvan-cli-print.so"
/// The name of the function the module offers.
#define ORVAN_PRINT_FUNCTION "orvan_print_pdf"

extern "C" {

/// \brief Writes to the PDF file `pdfPath` what the print button prints while the description
/// pane shows `paneDocument` (its two lines; empty for an empty pane) of the entry numbered
/// `entryNumber`: the labels carry `headword`, `rendering` and `fieldName`, the job is named
/// `jobName`, and the figures its links open are read from `figureFolder` (the program folder,
/// with its trailing "/"). Texts are code page 1253, the paths are as the system spells them.
/// Returns 0 when the file was written.
using OrvanPrintPdf = int (*)(const char* paneDocument, std::size_t paneDocumentSize,
                              const char* headword, const char* rendering, const char* fieldName,
                              const char* jobName, const char* figureFolder, long long entryNumber,
                              const char* pdfPath);
}
