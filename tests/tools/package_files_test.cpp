// The package's files that restate what the programs say themselves: orvan-cli's manual page
// against `orvan-cli --help`, and the package's desktop entry against the rules an installation
// writes its own entry by.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "lexicon/text_file.h"
#include "setup/desktop_entry.h"

namespace orvan::test {
namespace {

const std::string kPackaging = ORVAN_PACKAGING_DIR;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string Trimmed(const std::string& line) {
    const size_t first = line.find_first_not_of(' ');
    return first == std::string::npos ? "" : line.substr(first);
}

// What orvan-cli prints for `arguments`.
std::string HelpText(const std::string& arguments = "--help") {
    std::string text;
    FILE* pipe = ::popen((ORVAN_CLI_PATH " " + arguments).c_str(), "r");
    if (pipe == nullptr) return text;
    char buffer[4096];
    for (size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, read);
    EXPECT_EQ(::pclose(pipe), 0) << arguments;
    return text;
}

// The manual page as a reader sees its text: the words of ".B" and ".I" lines, no other control
// lines, font changes dropped and "\-" read as the hyphen it prints.
std::vector<std::string> ManPageText() {
    const auto source = ReadWholeFile(kPackaging + "/orvan-cli.1");
    EXPECT_TRUE(source) << "cannot read the manual page";
    std::vector<std::string> text;
    for (const std::string& line : Lines(source.value_or(""))) {
        const bool shownWords = line.rfind(".B ", 0) == 0 || line.rfind(".I ", 0) == 0;
        if (line.empty() || (line[0] == '.' && !shownWords)) continue;
        const std::string words = shownWords ? line.substr(3) : line;
        text.push_back(std::regex_replace(std::regex_replace(words, std::regex(R"(\\f[BIRP])"), ""),
                                          std::regex(R"(\\-)"), "-"));
    }
    return text;
}

// The commands the manual page describes: the first word of each tag under COMMANDS.
std::set<std::string> ManPageCommands() {
    std::set<std::string> commands;
    const auto source = ReadWholeFile(kPackaging + "/orvan-cli.1");
    bool inCommands = false, tag = false;
    for (const std::string& line : Lines(source.value_or(""))) {
        if (line.rfind(".SH", 0) == 0) inCommands = line == ".SH COMMANDS";
        if (!inCommands) continue;
        if (line == ".TP") {
            tag = true;
            continue;
        }
        if (!tag) continue;
        tag = false;
        std::smatch word;
        const std::regex tagWord(R"(^(?:\.B |\\fB)([a-z]+(?:\\-[a-z]+)*))");
        if (std::regex_search(line, word, tagWord))
            commands.insert(std::regex_replace(word[1].str(), std::regex(R"(\\-)"), "-"));
    }
    return commands;
}

// The commands --help lists: the lines under "commands:" that begin with two blanks and a word.
std::set<std::string> HelpCommands(const std::string& help) {
    std::set<std::string> commands;
    const std::regex commandLine(R"(^  ([a-z][a-z-]*)( |$))");
    for (const std::string& line : Lines(help)) {
        std::smatch match;
        if (std::regex_search(line, match, commandLine)) commands.insert(match[1].str());
    }
    return commands;
}

TEST(ManPage, ShowsTheSynopsisAndEachCommandsUsageAndSummaryAsHelpPrintsThem) {
    const std::string help = HelpText();
    ASSERT_NE(help.find("commands:"), std::string::npos) << help;
    const std::vector<std::string> page = ManPageText();
    const auto shown = [&](const std::string& line) {
        return std::find(page.begin(), page.end(), line) != page.end();
    };
    // The synopsis: the lines down to "commands:", "usage: " left out.
    for (const std::string& line : Lines(help)) {
        if (line == "commands:") break;
        const std::string text = line.rfind("usage: ", 0) == 0 ? line.substr(7) : Trimmed(line);
        EXPECT_TRUE(shown(text)) << "the manual page lacks the synopsis line: " << text;
    }
    // Each command's usage lines ("orvan-cli " left out) and its summary, down to the first empty
    // line of its help.
    for (const std::string& command : HelpCommands(help)) {
        for (const std::string& line : Lines(HelpText("help " + command))) {
            if (line.empty()) break;
            if (line.rfind("Also named ", 0) == 0) continue;
            const std::string text =
                line.rfind("usage: orvan-cli ", 0) == 0 ? line.substr(17) : Trimmed(line);
            EXPECT_TRUE(shown(text))
                << "the manual page lacks the line of " << command << ": " << text;
        }
    }
}

TEST(ManPage, GivesEveryExitStatusOfHelp) {
    const std::string help = HelpText();
    const std::string page = ReadWholeFile(kPackaging + "/orvan-cli.1").value_or("");
    const size_t table = help.find("exit status:\n");
    ASSERT_NE(table, std::string::npos) << help;
    int statuses = 0;
    for (const std::string& line : Lines(help.substr(table))) {
        std::smatch row;
        if (!std::regex_match(line, row, std::regex(R"(  ([0-9])  (\S+).*)"))) continue;
        ++statuses;
        // The row of the page's table: the status, a tab, and the same first word.
        EXPECT_NE(page.find("\n" + row[1].str() + "\t" + row[2].str()), std::string::npos)
            << "the manual page lacks the exit status " << row[1];
    }
    EXPECT_EQ(statuses, 5);
}

TEST(ManPage, NamesEveryOptionAndCommandOfHelpAndNoOtherCommand) {
    const std::string help = HelpText();
    std::string page;
    for (const std::string& line : ManPageText())
        page += line + "\n";
    // The options of --help and of every command's own help.
    std::string helps = help;
    for (const std::string& command : HelpCommands(help))
        helps += HelpText("help " + command);
    const std::regex option(R"((^|[\s\[(|])(--?[A-Za-z][A-Za-z-]*))");
    std::set<std::string> options;
    for (std::sregex_iterator it(helps.begin(), helps.end(), option), end; it != end; ++it)
        options.insert((*it)[2].str());
    EXPECT_TRUE(options.count("-C") && options.count("--pdf") && options.count("--help"));
    for (const std::string& name : options) {
        EXPECT_TRUE(std::regex_search(page, std::regex("(^|[^A-Za-z-])" + name + "([^A-Za-z-]|$)")))
            << "the manual page does not name " << name;
    }
    const std::set<std::string> helpCommands = HelpCommands(help);
    EXPECT_GE(helpCommands.size(), 10u);
    EXPECT_EQ(ManPageCommands(), helpCommands);
}

TEST(Completions, ParseAndOfferEveryCommandAndEveryOptionOfHelp) {
    const std::string bash = kPackaging + "/orvan-cli.bash", zsh = kPackaging + "/_orvan-cli";
    EXPECT_EQ(std::system(("bash -n " + bash).c_str()), 0);
    if (std::system("command -v zsh >/dev/null 2>&1") == 0) {
        EXPECT_EQ(std::system(("zsh -n " + zsh).c_str()), 0);
    }
    const std::string help = HelpText();
    for (const std::string& file : {bash, zsh}) {
        const std::string text = ReadWholeFile(file).value_or("");
        const auto named = [&](const std::string& word) {
            return std::regex_search(text, std::regex("(^|[^A-Za-z-])" + word + "([^A-Za-z-]|$)"));
        };
        for (const std::string& command : HelpCommands(help)) {
            EXPECT_TRUE(named(command)) << file << " lacks " << command;
            const std::string own = HelpText("help " + command);
            const std::string usage = own.substr(0, own.find("\n\n"));
            const std::regex option(R"(--[a-z][a-z-]*)");
            for (std::sregex_iterator it(usage.begin(), usage.end(), option), end; it != end; ++it)
                EXPECT_TRUE(named(it->str())) << file << " lacks " << command << " " << it->str();
        }
    }
}

TEST(PackageDesktopEntry, IsTheInstallationsEntryForTheMediumWithTheThemesIcon) {
    const auto entry = ReadWholeFile(kPackaging + "/invalid.orvan.Orvan.desktop");
    ASSERT_TRUE(entry);
    const std::string expected =
        std::regex_replace(setup::DesktopEntryText("/usr/share/orvan"),
                           std::regex("\nIcon=[^\n]*\n"), "\nIcon=orvan\n");
    EXPECT_EQ(*entry, expected);
}

}  // namespace
}  // namespace orvan::test
