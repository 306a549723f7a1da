// Reading orvan-cli's command line.
#pragma once

#include <map>
#include <optional>
#include <ostream>
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

    bool has(const std::string& flag) const;
    std::optional<std::string> value(const std::string& option) const;
    /// A non-negative number given with `option`, or `fallback` when the option is absent.
    int number(const std::string& option, int fallback) const;
    /// The one positional argument, or nothing; more than one is a usage error.
    std::optional<std::string> onlyPositional() const;
};

struct CommandLine {
    std::string programFolder = ".";
    std::optional<std::string> personalFolder;
    std::string command;
    CommandArguments arguments;
    bool help = false;       // --help or -h: the usage is asked for, nothing is run
    bool version = false;    // --version: the version and the lexicon's identity, nothing is run
    bool verbose = false;    // --verbose: says on the error stream which lexicon is read and why
    std::string lexiconWhy;  // which folder the lexicon is read from, and why
    std::string lexiconWarning;  // a folder the user named that was passed over; empty if none
};

/// \brief One command: what the parser, the usage text and the dispatch all know of it.
struct Command {
    std::string name;
    std::vector<std::string> valueOptions;  // options followed by a value
    std::vector<std::string> flagOptions;   // options that stand alone
    /// What follows the name in the usage text, a line each; further lines are set under the
    /// first.
    std::vector<std::string> usage;
    /// What the command does, in one line, for --help.
    std::string summary;
    /// The full text of `help COMMAND`, under its usage; lines of at most 79 characters.
    std::string details;
    void (*run)(const CommandLine& line, std::ostream& out);
    /// Another name the command answers to, empty for none.
    std::string alias = {};
};

/// \brief The command of `commands` named `name`, or nullptr.
const Command* FindCommand(const std::vector<Command>& commands, const std::string& name);

/// \brief Splits the command line for one of `commands`, taking only the options that command
/// takes ("--option VALUE" or "--option=VALUE"); --help or -h in place of an option asks for the
/// usage. Without -C the lexicon is looked for as LocateLexicon does, ORVAN_LEXICON naming the
/// first folder to try. Throws UsageError.
CommandLine ParseCommandLine(const std::vector<std::string>& args,
                             const std::vector<Command>& commands);

/// \brief The usage text: the options before the command, then each command and what it does in
/// one line, then the exit statuses.
std::string UsageText(const std::vector<Command>& commands);

/// \brief The full help of one command: its usage lines, then its details.
std::string CommandHelp(const Command& command);

}  // namespace orvan::cli
