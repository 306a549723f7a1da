// The commands of orvan-cli, each built on the same rules the lookup window uses.
#pragma once

#include <ostream>
#include <stdexcept>

#include "tools/cli/arguments.h"

namespace orvan::cli {

/// \brief A file or data error (exit status 1).
class DataError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// \brief Every command, in the order of the usage text: its name, its options, its usage and
/// what runs it. A command is added here and nowhere else.
const std::vector<Command>& Commands();

/// \brief Runs a command line parsed for Commands(), writing its output to `out`. Throws
/// UsageError or DataError.
void RunCommand(const CommandLine& line, std::ostream& out);

}  // namespace orvan::cli
