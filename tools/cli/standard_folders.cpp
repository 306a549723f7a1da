#include "tools/cli/standard_folders.h"

#include <cstdlib>
#include <filesystem>

#include "lexicon/text_file.h"

namespace orvan::cli {

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

std::string HomeFolder() {
    std::string home = Environment("HOME");
    if (home.empty()) return "/";
    home = std::filesystem::path(home).lexically_normal().string();
    if (home.size() > 1 && home.back() == '/') home.pop_back();
    return home;
}

std::string ConfigFolder() {
    const std::string config = Environment("XDG_CONFIG_HOME");
    return config.empty() ? HomeFolder() + "/.config" : config;
}

std::string CacheFolder() {
    // A relative $XDG_CACHE_HOME is not to be used (freedesktop's base folders rule).
    const std::string cache = Environment("XDG_CACHE_HOME");
    return (cache.starts_with('/') ? cache : HomeFolder() + "/.cache") + "/orvan";
}

std::string DocumentsFolder(std::string* problem) {
    const Result<std::string> list =
        ReadRegularFile(ConfigFolder() + "/user-dirs.dirs", kUserFolderListLimit);
    if (problem != nullptr) *problem = ProblemOf(list);
    std::string found;
    bool any = false;
    const std::string bytes = list.value_or("");
    TextLines lines(bytes);
    constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=";
    for (std::string_view line; lines.next(line);) {
        // The key is the text between the first "XDG_" and the last "_DIR=" of the line.
        const size_t equals = line.rfind("_DIR=");
        if (!line.starts_with("XDG_") || equals == std::string_view::npos ||
            line.substr(0, equals + 5) != kKey) {
            continue;
        }
        std::string_view value = line.substr(kKey.size());
        if (value.size() > 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        found = value.starts_with("$HOME") ? HomeFolder() + std::string(value.substr(5))
                                           : std::string(value);
        if (found.size() > 1 && found.back() == '/') found.pop_back();
        any = true;
    }
    return any ? found : HomeFolder() + "/Documents";
}

SettingsFolders StandardSettingsFolders(std::string* problem) {
    return {ConfigFolder(), DocumentsFolder(problem), HomeFolder()};
}

}  // namespace orvan::cli
