// Reading orvan-cli's command line.
#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvan::cli {

/// \brief A command line that does not follow the usage (exit status 2).
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// \brief What a command was given: options with values, flags, and positional arguments, all
/// still UTF-8.
struct CommandArguments {
    std::map<std::string, std::string> values;
    std::vector<std::string> flags;
    std::vector<std::string> positional;

    bool Has(const std::string& flag) const;
    std::optional<std::string> Value(const std::string& option) const;
    /// A non-negative number given with `option`, or `fallback` when the option is absent.
    int Number(const std::string& option, int fallback) const;
    /// The one positional argument, or nothing; more than one is a usage error.
    std::optional<std::string> OnlyPositional() const;
};

struct CommandLine {
    std::string programFolder = ".";
    std::optional<std::string> personalFolder;
    std::string command;
    CommandArguments arguments;
};

/// \brief Splits the command line; `valueOptions` and `flagOptions` name, per command, what it
/// takes. Throws UsageError.
CommandLine ParseCommandLine(const std::vector<std::string>& args,
                             const std::map<std::string, std::vector<std::string>>& valueOptions,
                             const std::map<std::string, std::vector<std::string>>& flagOptions);

}  // namespace orvan::cli
