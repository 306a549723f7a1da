// The commands of orvan-cli, each built on the same rules the lookup window uses.
#pragma once

#include <ostream>
#include <stdexcept>
#include <string>

#include "tools/cli/arguments.h"

namespace orvan::cli {

/// The exit statuses of orvan-cli, the same for every command.
enum ExitStatus : int {
    kExitFound = 0,         // found, or done
    kExitNothingFound = 1,  // a look-up found nothing, or no entry has the slot or number given
    kExitUsage = 2,         // the command line does not follow the usage
    kExitDataProblem = 3,   // the lexicon is missing or damaged, a file cannot be read or written
    kExitRefused = 4,       // a change was refused, and nothing was changed
};

/// \brief A file or data error (exit status 3).
class DataError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// \brief A look-up that found nothing (exit status 1); without a reason, "No entries found".
class NothingFound : public std::runtime_error {
  public:
    NothingFound() : std::runtime_error("") {}
    using std::runtime_error::runtime_error;
};

/// \brief A change the store or the command refused, nothing changed (exit status 4).
class ChangeRefused : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// \brief Every command, in the order of the usage text: its name, its options, its usage and
/// what runs it. A command is added here and nowhere else.
const std::vector<Command>& Commands();

/// \brief Runs a command line parsed for Commands(), writing its output to `out`. Throws
/// UsageError, DataError, NothingFound or ChangeRefused.
void RunCommand(const CommandLine& line, std::ostream& out);

}  // namespace orvan::cli
