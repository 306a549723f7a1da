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

/// \brief Which options and flags each command takes.
const std::map<std::string, std::vector<std::string>>& CommandValueOptions();
const std::map<std::string, std::vector<std::string>>& CommandFlagOptions();

/// \brief Runs a parsed command line, writing its output to `out`. Throws UsageError or
/// DataError.
void RunCommand(const CommandLine& line, std::ostream& out);

}  // namespace orvan::cli
