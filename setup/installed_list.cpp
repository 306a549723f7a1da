#include "setup/installed_list.h"

#include <algorithm>
#include <charconv>

namespace orvan::setup {

namespace {

constexpr std::string_view kFirstLine =
    "# Orvan installed these files and folders here; uninstalling removes them.";
constexpr std::string_view kFolderTag = "folder ";
constexpr std::string_view kFileTag = "file ";

bool IsDigest(std::string_view text) {
    return text.size() == 64 && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

// "SIZE SHA256 PATH" of a file line, or nothing.
std::optional<InstalledFile> FileOfLine(std::string_view rest) {
    InstalledFile file;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), file.size);
    if (error != std::errc() || end == rest.data()) return std::nullopt;
    rest.remove_prefix(static_cast<size_t>(end - rest.data()));
    if (rest.size() < 66 || rest[0] != ' ' || rest[65] != ' ') return std::nullopt;
    if (!IsDigest(rest.substr(1, 64))) return std::nullopt;
    file.sha256 = std::string(rest.substr(1, 64));
    file.path = std::string(rest.substr(66));
    if (file.path.empty()) return std::nullopt;
    return file;
}

}  // namespace

void InstalledList::addFile(InstalledFile file) {
    std::erase_if(files, [&](const InstalledFile& earlier) { return earlier.path == file.path; });
    files.push_back(std::move(file));
}

void InstalledList::addFolder(const std::string& path) {
    std::erase(folders, path);
    folders.push_back(path);
}

std::string InstalledListText(const InstalledList& list) {
    const auto fitsOnALine = [](const std::string& path) {
        return path.find('\n') == std::string::npos;
    };
    std::string text = std::string(kFirstLine) + "\n";
    for (const std::string& folder : list.folders) {
        if (fitsOnALine(folder)) text += std::string(kFolderTag) + folder + "\n";
    }
    for (const InstalledFile& file : list.files) {
        if (fitsOnALine(file.path)) {
            text += std::string(kFileTag) + std::to_string(file.size) + " " + file.sha256 + " " +
                    file.path + "\n";
        }
    }
    return text;
}

std::optional<InstalledList> ReadInstalledList(std::string_view bytes) {
    if (bytes.substr(0, kFirstLine.size() + 1) != std::string(kFirstLine) + "\n") {
        return std::nullopt;
    }
    bytes.remove_prefix(kFirstLine.size() + 1);
    InstalledList list;
    while (!bytes.empty()) {
        const size_t end = bytes.find('\n');
        const std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (line.starts_with(kFolderTag) && line.size() > kFolderTag.size()) {
            list.addFolder(std::string(line.substr(kFolderTag.size())));
        } else if (line.starts_with(kFileTag)) {
            if (auto file = FileOfLine(line.substr(kFileTag.size()))) list.addFile(*file);
        }
    }
    return list;
}

}  // namespace orvan::setup
