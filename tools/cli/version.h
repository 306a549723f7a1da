// orvan-cli --version: the program's version and which lexicon it reads.
#pragma once

#include <ostream>

#include "tools/cli/arguments.h"

namespace orvan::cli {

/// \brief Prints the version, then the lexicon the command line names: its folder, its number
/// of entries and a hash of its English index, which changes with any edition of the lexicon
/// (the user's own entries are not counted). Without a lexicon, says where it was looked for.
void PrintVersion(const CommandLine& line, std::ostream& out);

}  // namespace orvan::cli
