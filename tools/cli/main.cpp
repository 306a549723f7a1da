// orvan-cli: the lexicon's look-ups and data preparation from the command line.

#include <iostream>

#include "tools/cli/commands.h"
#include "tools/cli/version.h"

int main(int argc, char** argv) {
    using namespace orvan::cli;
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        const CommandLine line = ParseCommandLine(args, Commands());
        if (!line.lexiconWarning.empty()) std::cerr << "orvan-cli: " << line.lexiconWarning << '\n';
        if (line.verbose && !line.help) std::cerr << "orvan-cli: " << line.lexiconWhy << '\n';
        if (line.help) {
            const Command* command = FindCommand(Commands(), line.command);
            std::cout << (command ? CommandHelp(*command) : UsageText(Commands()));
        } else if (line.version) {
            PrintVersion(line, std::cout);
        } else {
            RunCommand(line, std::cout);
        }
        std::cout.flush();
        if (!std::cout) {
            std::cerr << "orvan-cli: the output could not be written\n";
            return kExitDataProblem;
        }
        return kExitFound;
    } catch (const UsageError& error) {
        std::cerr << "orvan-cli: " << error.what() << '\n' << UsageText(Commands());
        return kExitUsage;
    } catch (const NothingFound& error) {
        std::cout.flush();
        const std::string reason = error.what();
        std::cerr << (reason.empty() ? "No entries found" : "orvan-cli: " + reason) << '\n';
        return kExitNothingFound;
    } catch (const ChangeRefused& error) {
        std::cerr << "orvan-cli: " << error.what() << '\n';
        return kExitRefused;
    } catch (const std::exception& error) {
        std::cerr << "orvan-cli: " << error.what() << '\n';
        return kExitDataProblem;
    }
}
