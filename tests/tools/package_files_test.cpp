// The package's files that restate what the programs say themselves: orvan-cli's manual page
// against `orvan-cli --help`, and the package's desktop entry against the rules an installation
// writes its own entry by.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
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

std::string HelpText() {
    std::string text;
    FILE* pipe = ::popen(ORVAN_CLI_PATH " --help", "r");
    if (pipe == nullptr) return text;
    char buffer[4096];
    for (size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, read);
    EXPECT_EQ(::pclose(pipe), 0);
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

TEST(ManPage, ShowsTheSynopsisAndEveryUsageLineAsHelpPrintsThem) {
    const std::string help = HelpText();
    ASSERT_NE(help.find("commands:"), std::string::npos) << help;
    const std::vector<std::string> page = ManPageText();
    const auto shown = [&](const std::string& line) {
        return std::find(page.begin(), page.end(), line) != page.end();
    };
    for (const std::string& line : Lines(help)) {
        if (line == "commands:") continue;
        // "usage: orvan-cli ..." and the line under it are the synopsis.
        const std::string text = line.rfind("usage: ", 0) == 0 ? line.substr(7) : Trimmed(line);
        EXPECT_TRUE(shown(text)) << "the manual page lacks the line: " << text;
    }
}

TEST(ManPage, NamesEveryOptionAndCommandOfHelpAndNoOtherCommand) {
    const std::string help = HelpText();
    std::string page;
    for (const std::string& line : ManPageText())
        page += line + "\n";
    const std::regex option(R"((^|[\s\[(|])(--?[A-Za-z][A-Za-z-]*))");
    std::set<std::string> options;
    for (std::sregex_iterator it(help.begin(), help.end(), option), end; it != end; ++it)
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
