#include "setup/content_list.h"

#include "lexicon/text_file.h"
#include "richtext/greek_code_page.h"

namespace orvan::setup {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// The line's path with "/" between its parts, or empty when a part is empty, "." or "..", or
// the path is absolute: such a line would reach outside the content folder.
std::string ContainedPath(const std::string& utf8) {
    std::string path;
    std::string part;
    const auto takePart = [&]() {
        if (part.empty() || part == "." || part == "..") return false;
        if (!path.empty()) path += '/';
        path += part;
        part.clear();
        return true;
    };
    for (const char c : utf8) {
        if (c == '\0') return {};
        if (!IsSeparator(c)) {
            part += c;
        } else if (!takePart()) {
            return {};
        }
    }
    if (!takePart()) return {};
    return path;
}

}  // namespace

std::vector<ContentStep> ReadContentList(std::string_view bytes) {
    std::vector<ContentStep> steps;
    std::string prefix;  // the current subfolder's whole path, its separator kept
    TextLines lines(bytes);
    for (std::string_view line; lines.next(line);) {
        if (line.empty()) continue;
        const std::string utf8 = GreekToUtf8(line);
        ContentStep step;
        step.line = std::string(line);
        if (IsSeparator(line.back())) {
            prefix = utf8;
            step.kind = ContentStep::Kind::Folder;
            step.path = ContainedPath(utf8.substr(0, utf8.size() - 1));
        } else {
            step.kind = ContentStep::Kind::File;
            step.path = ContainedPath(prefix + utf8);
        }
        steps.push_back(std::move(step));
    }
    return steps;
}

}  // namespace orvan::setup
