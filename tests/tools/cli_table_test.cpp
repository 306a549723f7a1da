// orvan-cli's table of commands and the parsing of the command line it drives (the usage text
// it makes is checked whole in cli_test.cpp).
#include <gtest/gtest.h>

#include <set>

#include "tools/cli/commands.h"

namespace orvan::cli {
namespace {

// The options a usage line names, as "--english" in "[--english TEXT]".
std::set<std::string> OptionsNamed(const std::vector<std::string>& usage) {
    std::set<std::string> options;
    for (const std::string& line : usage) {
        for (size_t at = line.find("--"); at != std::string::npos; at = line.find("--", at)) {
            const size_t end = line.find_first_of(" ]|)", at);
            options.insert(line.substr(at, end - at));
            at = end == std::string::npos ? line.size() : end;
        }
    }
    return options;
}

TEST(CommandTable, UsageNamesExactlyTheOptionsEachCommandTakes) {
    std::set<std::string> names;
    for (const Command& command : Commands()) {
        EXPECT_TRUE(names.insert(command.name).second) << "declared twice: " << command.name;
        EXPECT_NE(command.run, nullptr) << command.name;
        std::set<std::string> takes(command.valueOptions.begin(), command.valueOptions.end());
        takes.insert(command.flagOptions.begin(), command.flagOptions.end());
        EXPECT_EQ(OptionsNamed(command.usage), takes) << command.name;
        EXPECT_FALSE(command.summary.empty()) << command.name;
    }
}

void Nothing(const CommandLine&, std::ostream&) {}

const std::vector<Command> kCommands = {
    {"one", {"--value"}, {"--flag"}, {"[--value V] [--flag]", "ARG"}, "does one", "", Nothing},
    {"two", {}, {}, {}, "does two", "", Nothing, "second"},
};

TEST(ParseCommandLine, TakesTheOptionsOfTheCommandGivenAndPositionalArguments) {
    const CommandLine line = ParseCommandLine({"-C", "dir", "--personal", "mine", "one", "x",
                                               "--value", "-v", "--flag", "-", "--", "--flag"},
                                              kCommands);
    EXPECT_EQ(line.programFolder, "dir");
    EXPECT_EQ(line.personalFolder, "mine");
    EXPECT_EQ(line.command, "one");
    EXPECT_EQ(line.arguments.value("--value"), "-v");
    EXPECT_TRUE(line.arguments.has("--flag"));
    // A lone "-" is an argument; after "--" everything is.
    EXPECT_EQ(line.arguments.positional, (std::vector<std::string>{"x", "-", "--flag"}));
    // "--option=value" is the same as "--option value"; an alias runs as its command.
    EXPECT_EQ(
        ParseCommandLine({"-C", "d", "one", "--value=a=b"}, kCommands).arguments.value("--value"),
        "a=b");
    EXPECT_EQ(ParseCommandLine({"-C", "d", "second"}, kCommands).command, "two");
}

TEST(ParseCommandLine, RefusesWhatTheCommandDoesNotTake) {
    const auto refusal = [](const std::vector<std::string>& args) -> std::string {
        try {
            ParseCommandLine(args, kCommands);
        } catch (const UsageError& error) {
            return error.what();
        }
        return "accepted";
    };
    EXPECT_EQ(refusal({"two", "--flag"}), "unknown option --flag for two");
    EXPECT_EQ(refusal({"one", "--value"}), "--value needs a value");
    EXPECT_EQ(refusal({"three"}), "unknown command three");
    EXPECT_EQ(refusal({"--flag", "one"}), "unknown option --flag");
    EXPECT_EQ(refusal({"-C", "dir"}), "no command given");
    EXPECT_EQ(refusal({"one", "--flag=x"}), "unknown option --flag=x for one");
}

}  // namespace
}  // namespace orvan::cli
