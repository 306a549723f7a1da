// The exchange commands of orvan-cli: the user's own entries and notes written to a term base
// (TBX) or a spreadsheet (CSV) file, and brought back from one.
#pragma once

#include <ostream>

#include "tools/cli/arguments.h"

namespace orvan::cli {

void Export(const CommandLine& line, std::ostream& out);
void Import(const CommandLine& line, std::ostream& out);

}  // namespace orvan::cli
