// The desktop entry read back the way a desktop reads it, for ordinary folders and for folders
// whose names hold every character the entry's format treats specially; and its file on disk.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <sstream>

#include "lexicon/text_file.h"
#include "setup/desktop_entry.h"
#include "tests/support/lexicon_fixture.h"

namespace orvan::test {
namespace {

using setup::DesktopEntryText;
using setup::WriteDesktopEntry;

// A string value's escapes undone: \s \n \t \r \\ ; any other escape is a fault of the writer.
std::optional<std::string> Unescaped(const std::string& value) {
    std::string out;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            out += value[i];
            continue;
        }
        if (++i == value.size()) return std::nullopt;
        switch (value[i]) {
            case 's':
                out += ' ';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 'r':
                out += '\r';
                break;
            case '\\':
                out += '\\';
                break;
            default:
                return std::nullopt;
        }
    }
    return out;
}

// The arguments of an (unescaped) Exec value: blanks between arguments; reserved characters only
// inside double quotes, where ", `, $ and \ follow a backslash; "%%" for a percent sign and no
// field codes (the entry takes no files).
std::optional<std::vector<std::string>> ExecArguments(const std::string& exec) {
    const std::string reserved = " \t\n\"'\\><~|&;$*?#()`";
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false, quoted = false;
    for (size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '`' || c == '$') {
                return std::nullopt;
            } else if (c == '\\') {
                if (++i == exec.size() || std::string("\"`$\\").find(exec[i]) == std::string::npos)
                    return std::nullopt;
                current += exec[i];
            } else {
                current += c;
            }
        } else if (c == ' ') {
            if (inArgument) arguments.push_back(current);
            current.clear();
            inArgument = false;
        } else if (c == '"') {
            quoted = inArgument = true;
        } else if (reserved.find(c) != std::string::npos) {
            return std::nullopt;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (quoted) return std::nullopt;
    if (inArgument) arguments.push_back(current);
    for (std::string& argument : arguments) {
        std::string plain;
        for (size_t i = 0; i < argument.size(); ++i) {
            if (argument[i] == '%' && (++i == argument.size() || argument[i] != '%'))
                return std::nullopt;
            plain += argument[i];
        }
        argument = plain;
    }
    return arguments;
}

// The keys of each group with their values unescaped, by group ("Desktop Entry" first, then
// its actions); blanks around "=" and at the end of a line are dropped, as readers may, and blank
// lines between groups are allowed. Nothing when the text breaks the format.
using Group = std::map<std::string, std::string>;
std::optional<std::map<std::string, Group>> ParsedGroups(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    if (!std::getline(lines, line) || line != "[Desktop Entry]") return std::nullopt;
    std::map<std::string, Group> groups;
    Group* group = &groups["Desktop Entry"];
    while (std::getline(lines, line)) {
        if (line.empty()) continue;
        if (line.front() == '[' && line.back() == ']') {
            const std::string name = line.substr(1, line.size() - 2);
            if (groups.count(name) != 0) return std::nullopt;
            group = &groups[name];
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string::npos) return std::nullopt;
        std::string key = line.substr(0, equals);
        while (!key.empty() && key.back() == ' ')
            key.pop_back();
        std::string value = line.substr(equals + 1);
        value.erase(0, value.find_first_not_of(' '));
        while (!value.empty() && (value.back() == ' ' || value.back() == '\t'))
            value.pop_back();
        const std::optional<std::string> plain = Unescaped(value);
        if (!plain || !group->emplace(key, *plain).second) return std::nullopt;
    }
    return groups;
}

// The action that looks up the selected text: named in Actions, with its group, its Greek name,
// and the entry's own command with --selection.
void ExpectSelectionAction(const std::map<std::string, Group>& groups) {
    const Group& entry = groups.at("Desktop Entry");
    ASSERT_EQ(entry.count("Actions"), 1u);
    EXPECT_EQ(entry.at("Actions"), "lookup-selection;");
    ASSERT_EQ(groups.count("Desktop Action lookup-selection"), 1u);
    const Group& action = groups.at("Desktop Action lookup-selection");
    EXPECT_EQ(action.at("Name"), "Look up the selected word");
    EXPECT_EQ(action.at("Name[el]"), "Αναζήτηση επιλεγμένης λέξης");
    const std::optional<std::vector<std::string>> program = ExecArguments(entry.at("Exec"));
    const std::optional<std::vector<std::string>> selection = ExecArguments(action.at("Exec"));
    ASSERT_TRUE(program && selection) << action.at("Exec");
    std::vector<std::string> expected = *program;
    expected.push_back("--selection");
    EXPECT_EQ(*selection, expected);
    EXPECT_EQ(groups.size(), 2u);
}

const std::vector<std::string> kHostileFolders = {
    "/opt/Or van \"dq\" it's $HOME $(id) `id` ; # & | < > ~ * ? ( ) = [el]",
    "/opt/back\\slash \\\\double \\\" \\$",
    "/opt/line\nbreak\ttab\rreturn",
    "/opt/100% %f %% %U",
    "/opt/ends in a blank ",
    "/opt/  two blanks  ",
    "/home/Άννα/Ορβαν λεξικό",
    "/opt/plain-folder_1.2+x,y:z@w=v",
};

TEST(DesktopEntryText, EveryFolderReachesTheProgramAsWritten) {
    std::vector<std::string> folders = kHostileFolders;
    folders.push_back("/opt/orvan");
    for (const std::string& folder : folders) {
        SCOPED_TRACE(folder);
        const std::string text = DesktopEntryText(folder);
        const std::optional<std::map<std::string, Group>> groups = ParsedGroups(text);
        ASSERT_TRUE(groups.has_value()) << text;
        const Group* entry = &groups->at("Desktop Entry");
        const std::optional<std::vector<std::string>> arguments = ExecArguments(entry->at("Exec"));
        ASSERT_TRUE(arguments.has_value()) << entry->at("Exec");
        EXPECT_EQ(*arguments, std::vector<std::string>{folder + "/orvan"});
        EXPECT_EQ(entry->at("Path"), folder);
        EXPECT_EQ(entry->at("Icon"), folder + "/content/orvan.png");
        EXPECT_EQ(entry->at("Type"), "Application");
        EXPECT_EQ(entry->at("Comment[el]"),
                  "Αγγλοελληνικό – ελληνοαγγλικό λεξικό τεχνικών και επιστημονικών όρων");
        ExpectSelectionAction(*groups);
    }
    // A backslash in a quoted argument is escaped twice: once for the quotes, once for the file.
    EXPECT_NE(DesktopEntryText("/a\\b").find("Exec=\"/a\\\\\\\\b/orvan\"\n"), std::string::npos);
}

// The messages of desktop-file-validate about `path` that are errors or warnings.
std::vector<std::string> ValidatorComplaints(const std::string& path) {
    const std::string command = "/usr/bin/desktop-file-validate '" + path + "' 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    std::string out;
    char buffer[512];
    for (size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0;)
        out.append(buffer, n);
    std::vector<std::string> complaints;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("error:") == std::string::npos && line.find("warning:") == std::string::npos)
            continue;
        complaints.push_back(line);
    }
    return complaints;
}

TEST(WriteDesktopEntry, TheValidatorFindsNoFault) {
    if (::access("/usr/bin/desktop-file-validate", X_OK) != 0)
        GTEST_SKIP() << "desktop-file-validate is not installed";
    TempFolder temp;
    std::vector<std::string> folders = kHostileFolders;
    folders.push_back(temp.file("Orvan"));
    for (const std::string& folder : folders) {
        SCOPED_TRACE(folder);
        ASSERT_TRUE(WriteDesktopEntry(temp.path(), folder));
        EXPECT_EQ(ValidatorComplaints(temp.file(setup::kDesktopEntryName)),
                  std::vector<std::string>{});
    }
}

// The package's entry is the written one for /usr/share/orvan (package_files_tests); the
// validator reads the file as it ships.
TEST(PackagedDesktopEntry, TheValidatorFindsNoFault) {
    if (::access("/usr/bin/desktop-file-validate", X_OK) != 0)
        GTEST_SKIP() << "desktop-file-validate is not installed";
    EXPECT_EQ(ValidatorComplaints(ORVAN_PACKAGING_DIR "/invalid.orvan.Orvan.desktop"),
              std::vector<std::string>{});
}

TEST(WriteDesktopEntry, CreatesTheFolderAndReplacesAnOldEntryWithAnExecutableOne) {
    TempFolder temp;
    const std::string into = temp.file("share/applications");
    const std::string path = into + "/" + setup::kDesktopEntryName;
    ASSERT_TRUE(WriteDesktopEntry(into, "/opt/orvan"));
    EXPECT_EQ(ReadWholeFile(path), DesktopEntryText("/opt/orvan"));

    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    const mode_t previousMask = ::umask(077);
    const Result<void> written = WriteDesktopEntry(into, "/opt/Orvan 2");
    ::umask(previousMask);
    ASSERT_TRUE(written);
    EXPECT_EQ(ReadWholeFile(path), DesktopEntryText("/opt/Orvan 2"));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0755u);
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(into), {}), 1);
}

TEST(WriteDesktopEntry, FailsAndLeavesNothingWhenItCannotWrite) {
    TempFolder temp;
    temp.write("file", "mine");
    EXPECT_FALSE(WriteDesktopEntry(temp.file("file/applications"), "/opt/orvan"));
    EXPECT_FALSE(WriteDesktopEntry(temp.file("entries"), "opt/orvan"));
    EXPECT_FALSE(WriteDesktopEntry(temp.file("entries"), std::string("/opt/or\0van", 11)));
    EXPECT_EQ(temp.read("file"), "mine");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path()), {}), 1);
}

}  // namespace
}  // namespace orvan::test
