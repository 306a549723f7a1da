#include "lexicon/settings.h"

#include <fcntl.h>

#include "lexicon/file_descriptor.h"
#include "lexicon/file_paths.h"
#include "lexicon/text_file.h"

namespace orvan {

namespace {
// A file in one of the places searched; an empty folder is a place not known, with no file.
std::string InFolder(const std::string& folder, const char* name) {
    return folder.empty() ? std::string() : PathInFolder(folder, name);
}
}  // namespace

std::optional<SettingsContents> ReadSettings(const std::string& path, std::string* problem) {
    const Result<std::string> file = ReadRegularFile(path, kSettingsFileLimit);
    if (problem != nullptr) *problem = ProblemOf(file);
    if (!file) return std::nullopt;
    SettingsContents contents;
    TextLines lines(*file);
    std::string_view line;
    if (lines.next(line)) contents.firstLine = line;
    if (lines.next(line)) contents.secondLine = line;
    return contents;
}

std::string PersonalFolderLineProblem(std::string_view line) {
    if (line.find('\0') != std::string_view::npos) {
        return "line 2 of the settings file is damaged: it holds a NUL byte";
    }
    if (!line.empty() && line.front() != '/') {
        return "line 2 of the settings file names the folder \"" + std::string(line) +
               "\", which does not start from the root folder";
    }
    return {};
}

bool ShowsStartScreen(const SettingsContents& settings) {
    return settings.firstLine != "NO";
}

Result<void> WriteSettings(const std::string& path, const std::string& firstLine,
                           const std::string& folder) {
    if (path.empty())
        return Failure(Error{ErrorCode::Refused, path, 0, "no settings file is known"});
    const SettingsContents old = ReadSettings(path).value_or(SettingsContents{});
    std::string first = !firstLine.empty() ? firstLine : old.firstLine;
    if (first.empty()) first = "YES";
    const std::string second = !folder.empty() ? folder : old.secondLine;
    std::vector<std::string> lines{first};
    if (!second.empty()) lines.push_back(second);
    const std::string bytes = JoinLinesCrLf(lines);
    // A file that ReadSettings refuses would lose what it says: the old one stays instead.
    if (static_cast<long long>(bytes.size()) > kSettingsFileLimit) {
        return Failure(Error{
            ErrorCode::TooLarge, path, 0,
            "the settings would be longer than " + std::to_string(kSettingsFileLimit) + " bytes"});
    }
    return WriteFileAtomically(path, bytes);
}

bool SettingsProbe::fileExists(const std::string& path) const {
    return orvan::FileExists(path);
}

bool SettingsProbe::folderExists(const std::string& path) const {
    return orvan::FolderExists(path);
}

bool SettingsProbe::createEmptyFile(const std::string& path) const {
    FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    return file.valid() && file.close();
}

std::string FindSettingsFile(const SettingsFolders& folders, const SettingsProbe& probe) {
    for (const std::string* folder : {&folders.config, &folders.documents, &folders.home}) {
        const std::string path = InFolder(*folder, kSettingsFileName);
        if (!path.empty() && probe.fileExists(path)) return path;
    }
    return {};
}

SettingsLocation LocateSettingsFile(const SettingsFolders& folders, const SettingsProbe& probe) {
    if (std::string found = FindSettingsFile(folders, probe); !found.empty()) {
        return {found, true};
    }
    if (!folders.config.empty() &&
        probe.createEmptyFile(InFolder(folders.config, kWriteProbeFileName))) {
        return {InFolder(folders.config, kSettingsFileName), false};
    }
    if (!folders.documents.empty() && probe.folderExists(folders.documents)) {
        return {InFolder(folders.documents, kSettingsFileName), false};
    }
    return {InFolder(folders.home, kSettingsFileName), false};
}

StartUpSettings PrepareSettings(const SettingsFolders& folders, const SettingsProbe& probe) {
    const SettingsLocation location = LocateSettingsFile(folders, probe);
    StartUpSettings settings;
    settings.path = location.path;
    if (location.exists) {
        if (const auto contents = ReadSettings(location.path, &settings.problem)) {
            settings.showStartScreen = ShowsStartScreen(*contents);
            settings.personalFolder = contents->secondLine;
        }
    } else {
        WriteSettings(location.path, "YES", "");
    }
    return settings;
}

PersonalFolderCheck CheckPersonalFolderSetting(const std::string& settingsPath,
                                               const SettingsProbe& probe) {
    const auto contents =
        probe.fileExists(settingsPath) ? ReadSettings(settingsPath) : std::nullopt;
    if (!contents || contents->secondLine.empty()) return {PersonalFolderState::Unset, {}};
    if (!PersonalFolderLineProblem(contents->secondLine).empty() ||
        !probe.folderExists(contents->secondLine)) {
        return {PersonalFolderState::Invalid, {}};
    }
    return {PersonalFolderState::Valid, contents->secondLine};
}

}  // namespace orvan
