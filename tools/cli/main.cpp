// orvan-cli: the lexicon's look-ups and data preparation from the command line.

#include <iostream>

#include "tools/cli/commands.h"

int main(int argc, char** argv) {
    using namespace orvan::cli;
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        const CommandLine line = ParseCommandLine(args, Commands());
        if (line.help) {
            std::cout << UsageText(Commands());
        } else {
            RunCommand(line, std::cout);
        }
        std::cout.flush();
        return std::cout ? 0 : 1;
    } catch (const UsageError& error) {
        std::cerr << "orvan-cli: " << error.what() << '\n' << UsageText(Commands());
        return 2;
    } catch (const DataError& error) {
        std::cerr << "orvan-cli: " << error.what() << '\n';
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "orvan-cli: " << error.what() << '\n';
        return 1;
    }
}
