// orvan-cli: the lexicon's look-ups and data preparation from the command line.

#include <iostream>

#include "tools/cli/commands.h"

namespace {

constexpr const char* kUsage =
    "usage: orvan-cli [-C DIR] [--personal FOLDER] COMMAND [OPTIONS] [ARGS]\n"
    "commands:\n"
    "  dump\n"
    "  search [--mode START|CONTAIN|END] [--field N] [--personal-only] [--greek-mode] [TEXT]\n"
    "  multi [--field N] [--start S] [--contain C] [--end E]\n"
    "  show [--greek-mode] SLOT\n"
    "  insert --english TEXT [--greek TEXT] [--field N]\n"
    "         (--description TEXT | --description-file FILE)\n"
    "  update SLOT [--english TEXT] [--greek TEXT] [--field N]\n"
    "         (--description TEXT | --description-file FILE)\n"
    "  delete SLOT\n"
    "  prepare\n"
    "  byte-range\n";

}  // namespace

int main(int argc, char** argv) {
    using namespace orvan::cli;
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        const CommandLine line =
            ParseCommandLine(args, CommandValueOptions(), CommandFlagOptions());
        RunCommand(line, std::cout);
        std::cout.flush();
        return std::cout ? 0 : 1;
    } catch (const UsageError& error) {
        std::cerr << "orvan-cli: " << error.what() << '\n' << kUsage;
        return 2;
    } catch (const DataError& error) {
        std::cerr << "orvan-cli: " << error.what() << '\n';
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "orvan-cli: " << error.what() << '\n';
        return 1;
    }
}
