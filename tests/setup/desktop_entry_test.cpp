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

// The keys of the one [Desktop Entry] group with their values unescaped; blanks around "=" and
// at the end of a line are dropped, as readers may. Nothing when the text breaks the format.
std::optional<std::map<std::string, std::string>> ParsedEntry(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    if (!std::getline(lines, line) || line != "[Desktop Entry]") return std::nullopt;
    std::map<std::string, std::string> keys;
    while (std::getline(lines, line)) {
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
        if (!plain || !keys.emplace(key, *plain).second) return std::nullopt;
    }
    return keys;
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
        const std::optional<std::map<std::string, std::string>> entry = ParsedEntry(text);
        ASSERT_TRUE(entry.has_value()) << text;
        const std::optional<std::vector<std::string>> arguments = ExecArguments(entry->at("Exec"));
        ASSERT_TRUE(arguments.has_value()) << entry->at("Exec");
        EXPECT_EQ(*arguments, std::vector<std::string>{folder + "/orvan"});
        EXPECT_EQ(entry->at("Path"), folder);
        EXPECT_EQ(entry->at("Icon"), folder + "/content/orvan.png");
        EXPECT_EQ(entry->at("Type"), "Application");
        EXPECT_EQ(entry->at("Comment[el]"),
                  "Αγγλοελληνικό – ελληνοαγγλικό λεξικό τεχνικών και επιστημονικών όρων");
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
