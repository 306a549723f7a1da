#include "tools/cli/arguments.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "lexicon/lexicon_files.h"

namespace orvan::cli {

namespace {

bool IsHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h";
}
bool Contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}
}  // namespace

bool CommandArguments::has(const std::string& flag) const {
    return Contains(flags, flag);
}

std::optional<std::string> CommandArguments::value(const std::string& option) const {
    const auto it = values.find(option);
    if (it == values.end()) return std::nullopt;
    return it->second;
}

int CommandArguments::number(const std::string& option, int fallback) const {
    const std::optional<std::string> given = value(option);
    if (!given) return fallback;
    if (given->empty() || given->size() > 9 ||
        !std::all_of(given->begin(), given->end(), [](char c) { return c >= '0' && c <= '9'; })) {
        throw UsageError(option + " needs a number, not '" + *given + "'");
    }
    return std::stoi(*given);
}

std::optional<std::string> CommandArguments::onlyPositional() const {
    if (positional.size() > 1) throw UsageError("too many arguments");
    if (positional.empty()) return std::nullopt;
    return positional.front();
}

const Command* FindCommand(const std::vector<Command>& commands, const std::string& name) {
    const auto found = std::find_if(commands.begin(), commands.end(), [&](const Command& command) {
        return command.name == name || (!command.alias.empty() && command.alias == name);
    });
    return found == commands.end() ? nullptr : &*found;
}

namespace {

// Without -C: the folder ORVAN_LEXICON names, the current folder, the program's, the installed.
void LocateLexiconOf(CommandLine& line) {
    const char* named = std::getenv("ORVAN_LEXICON");
    const LexiconLocation location = LocateLexicon({.named = named ? named : "",
                                                    .current = line.programFolder,
                                                    .program = RunningProgramFolder(),
                                                    .installed = kInstalledLexiconFolder});
    line.programFolder = location.folder;
    line.lexiconWhy = location.why;
    if (!location.namedSkipped.empty())
        line.lexiconWarning = "ORVAN_LEXICON is not used: " + location.namedSkipped;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args,
                             const std::vector<Command>& commands) {
    CommandLine line;
    bool folderGiven = false;
    size_t i = 0;
    const auto next = [&](const std::string& option) -> std::string {
        if (i + 1 >= args.size()) throw UsageError(option + " needs a value");
        return args[++i];
    };
    for (; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-C") {
            line.programFolder = next(arg);
            folderGiven = true;
        } else if (arg == "--personal") {
            line.personalFolder = next(arg);
        } else if (arg == "--verbose") {
            line.verbose = true;
        } else if (arg == "--version") {
            line.version = true;
        } else if (IsHelp(arg)) {
            line.help = true;
            return line;
        } else if (!arg.empty() && arg[0] == '-') {
            throw UsageError("unknown option " + arg);
        } else {
            break;
        }
    }
    if (folderGiven) {
        line.lexiconWhy = "lexicon in " + line.programFolder + " (given with -C)";
    } else {
        LocateLexiconOf(line);
    }
    if (line.version) return line;
    if (i == args.size()) throw UsageError("no command given");
    line.command = args[i++];
    const Command* command = FindCommand(commands, line.command);
    if (command == nullptr) throw UsageError("unknown command " + line.command);
    line.command = command->name;  // an alias runs as the command it names
    const auto& takesValue = command->valueOptions;
    const auto& takesFlag = command->flagOptions;
    bool onlyPositional = false;
    for (; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const size_t equals = arg.find('=');
        if (onlyPositional || arg.size() < 2 || arg[0] != '-') {
            line.arguments.positional.push_back(arg);
        } else if (arg == "--") {
            onlyPositional = true;
        } else if (IsHelp(arg)) {
            line.help = true;
        } else if (Contains(takesValue, arg)) {
            line.arguments.values[arg] = next(arg);
        } else if (Contains(takesFlag, arg)) {
            line.arguments.flags.push_back(arg);
        } else if (arg.starts_with("--") && equals != std::string::npos &&
                   Contains(takesValue, arg.substr(0, equals))) {
            line.arguments.values[arg.substr(0, equals)] = arg.substr(equals + 1);
        } else {
            throw UsageError("unknown option " + arg + " for " + line.command);
        }
    }
    return line;
}

std::string UsageText(const std::vector<Command>& commands) {
    std::string text =
        "usage: orvan-cli [-C DIR] [--personal FOLDER] [--verbose] COMMAND [OPTIONS] [ARGS]\n"
        "       orvan-cli --help | --version\n"
        "       orvan-cli help COMMAND\n"
        "commands:\n";
    size_t width = 0;
    for (const Command& command : commands)
        width = std::max(width, command.name.size());
    for (const Command& command : commands) {
        text += "  " + command.name + std::string(width + 2 - command.name.size(), ' ') +
                command.summary;
        if (!command.alias.empty()) text += " (also: " + command.alias + ")";
        text += '\n';
    }
    return text +
           "options before the command:\n"
           "  -C DIR             read the lexicon in DIR; without it: $ORVAN_LEXICON, the\n"
           "                     current folder, the program's folder, /usr/share/orvan\n"
           "  --personal FOLDER  your own entries' folder (default: from the settings file)\n"
           "  --verbose          say on stderr which lexicon is read and why\n"
           "exit status:\n"
           "  0  found, or done\n"
           "  1  nothing found (\"No entries found\" on stderr), or no such entry\n"
           "  2  usage: the command line is wrong\n"
           "  3  data problem: the lexicon is missing or damaged, a file cannot be read\n"
           "  4  change refused: nothing was changed\n";
}

std::string CommandHelp(const Command& command) {
    std::string text = "usage: orvan-cli " + command.name;
    const std::string indent(command.name.size() + 18, ' ');
    for (size_t i = 0; i < command.usage.size(); ++i)
        text += (i == 0 ? " " : "\n" + indent) + command.usage[i];
    std::string summary = command.summary;
    if (!summary.empty()) summary[0] = static_cast<char>(std::toupper(summary[0]));
    text += "\n" + summary + ".\n";
    if (!command.alias.empty()) text += "Also named " + command.alias + ".\n";
    if (!command.details.empty()) text += "\n" + command.details;
    return text;
}

}  // namespace orvan::cli
