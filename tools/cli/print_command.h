// orvan-cli's print command: the document the lookup window's print button prints for an entry,
// written to a PDF file instead of going through the print dialog.
#pragma once

#include <ostream>

#include "tools/cli/arguments.h"

namespace orvan::cli {

/// \brief print [--greek-mode] SLOT --pdf FILE
void Print(const CommandLine& line, std::ostream& out);

}  // namespace orvan::cli
