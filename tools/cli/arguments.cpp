#include "tools/cli/arguments.h"

#include <algorithm>

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
    const auto found = std::find_if(commands.begin(), commands.end(),
                                    [&](const Command& command) { return command.name == name; });
    return found == commands.end() ? nullptr : &*found;
}

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
        } else if (IsHelp(arg)) {
            line.help = true;
            return line;
        } else if (!arg.empty() && arg[0] == '-') {
            throw UsageError("unknown option " + arg);
        } else {
            break;
        }
    }
    // Without -C, the lexicon in the current folder, else the one installed beside the program.
    if (!folderGiven)
        line.programFolder = LexiconFolderFor(line.programFolder, RunningProgramFolder());
    if (i == args.size()) throw UsageError("no command given");
    line.command = args[i++];
    const Command* command = FindCommand(commands, line.command);
    if (command == nullptr) throw UsageError("unknown command " + line.command);
    const auto& takesValue = command->valueOptions;
    const auto& takesFlag = command->flagOptions;
    bool onlyPositional = false;
    for (; i < args.size(); ++i) {
        const std::string& arg = args[i];
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
        } else {
            throw UsageError("unknown option " + arg + " for " + line.command);
        }
    }
    return line;
}

std::string UsageText(const std::vector<Command>& commands) {
    std::string text =
        "usage: orvan-cli [-C DIR] [--personal FOLDER] COMMAND [OPTIONS] [ARGS]\n"
        "       orvan-cli --help\n"
        "commands:\n";
    for (const Command& command : commands) {
        text += "  " + command.name;
        const std::string indent(command.name.size() + 3, ' ');
        for (size_t i = 0; i < command.usage.size(); ++i)
            text += (i == 0 ? " " : "\n" + indent) + command.usage[i];
        text += '\n';
    }
    return text +
           "SLOT is an entry's place in the table: it moves with every insert and delete.\n"
           "Scripts name entries by --entry NUMBER (search --numbers, insert, update print it).\n";
}

}  // namespace orvan::cli
