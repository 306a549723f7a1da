#include "tools/cli/look_output.h"

#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "tools/cli/arguments.h"

namespace orvan::cli {

namespace {

constexpr std::string_view kBold = "\x1b[1m";
constexpr std::string_view kDim = "\x1b[2m";
constexpr std::string_view kPlain = "\x1b[0m";

// A positive number from the environment variable `name`, or nothing.
std::optional<int> EnvironmentNumber(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return std::nullopt;
    char* end = nullptr;
    const long number = std::strtol(value, &end, 10);
    if (*end != '\0' || number < 1 || number > 10000) return std::nullopt;
    return static_cast<int>(number);
}

// The characters of UTF-8 text: every byte but a continuation byte starts one.
size_t Characters(std::string_view text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

size_t LineCount(const std::string& text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

Screen StandardOutput() {
    Screen screen;
    screen.terminal = ::isatty(STDOUT_FILENO) == 1;
    winsize size{};
    const bool sized = screen.terminal && ::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0;
    if (sized && size.ws_col > 0) screen.columns = size.ws_col;
    if (const auto columns = EnvironmentNumber("COLUMNS")) screen.columns = *columns;
    if (sized && size.ws_row > 0) {
        screen.rows = size.ws_row;
    } else if (const auto lines = EnvironmentNumber("LINES")) {
        screen.rows = *lines;
    }
    return screen;
}

bool WantColour(const std::optional<std::string>& option, bool terminal, const char* noColor) {
    const std::string choice = option.value_or("auto");
    if (choice == "always") return true;
    if (choice == "never") return false;
    if (choice != "auto") throw UsageError("--color must be never, always or auto");
    return terminal && (noColor == nullptr || *noColor == '\0');
}

std::vector<std::string> Wrapped(std::string_view paragraph, int width, int indent) {
    const size_t blanks = std::min(paragraph.find_first_not_of(' '), paragraph.size());
    const std::string lead(blanks + static_cast<size_t>(std::max(indent, 0)), ' ');
    const size_t room = std::max<size_t>(static_cast<size_t>(std::max(width, 1)), lead.size() + 1);
    std::vector<std::string> lines;
    std::string line = lead;
    size_t used = lead.size();
    for (size_t at = blanks; at < paragraph.size();) {
        const size_t end = std::min(paragraph.find(' ', at), paragraph.size());
        const std::string_view word = paragraph.substr(at, end - at);
        at = end + 1;
        if (word.empty()) continue;
        const size_t length = Characters(word);
        if (used > lead.size() && used + 1 + length > room) {
            lines.push_back(line);
            line = lead;
            used = lead.size();
        }
        if (used > lead.size()) {
            line += ' ';
            ++used;
        }
        line += word;
        used += length;
    }
    if (used > lead.size() || lines.empty()) {
        // A paragraph of blanks alone is an empty line.
        lines.push_back(used > lead.size() ? line : std::string());
    }
    return lines;
}

std::string ArticlesText(const std::vector<Article>& articles, int width, bool colour) {
    const auto styled = [&](std::string_view style, const std::string& text) {
        return colour ? std::string(style) + text + std::string(kPlain) : text;
    };
    std::string text = std::to_string(articles.size()) +
                       (articles.size() == 1 ? " entry found\n" : " entries found\n");
    for (const Article& article : articles) {
        text += '\n' + styled(kBold, article.headword) + '\n';
        if (!article.rendering.empty()) text += article.rendering + '\n';
        if (!article.field.empty()) text += styled(kDim, article.field) + '\n';
        // The pane's text often ends in empty paragraphs: one empty line parts the articles.
        size_t paragraphs = article.description.size();
        while (paragraphs > 0 &&
               article.description[paragraphs - 1].find_first_not_of(' ') == std::string::npos)
            --paragraphs;
        for (size_t i = 0; i < paragraphs; ++i) {
            const std::string& paragraph = article.description[i];
            for (const std::string& line : Wrapped(paragraph, width, 2))
                text += line + '\n';
        }
    }
    return text;
}

void WritePaged(const std::string& text, std::ostream& out, const Screen& screen,
                bool pagingAllowed) {
    if (!screen.terminal || !pagingAllowed || LineCount(text) < static_cast<size_t>(screen.rows)) {
        out << text;
        return;
    }
    const char* chosen = std::getenv("PAGER");
    const std::string pager = chosen != nullptr && *chosen != '\0' ? chosen : "less -R";
    out.flush();
    // A pager the reader quits early closes its input: that ends the writing, not the program.
    struct sigaction ignore {
    }, before{};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGPIPE, &ignore, &before);
    FILE* pipe = ::popen(pager.c_str(), "w");
    bool shown = false;
    if (pipe != nullptr) {
        std::fwrite(text.data(), 1, text.size(), pipe);
        const int status = ::pclose(pipe);
        // The shell's 127 and 126: the pager could not be found or run.
        shown = status != -1 &&
                !(WIFEXITED(status) && (WEXITSTATUS(status) == 127 || WEXITSTATUS(status) == 126));
    }
    ::sigaction(SIGPIPE, &before, nullptr);
    if (!shown) out << text;
}

}  // namespace orvan::cli
