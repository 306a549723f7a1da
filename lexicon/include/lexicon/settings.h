// The settings file "Orvan.ini": where it is, what it says, and how it is rewritten.
//
// Line 1 is "YES" or "NO" (whether the start screen opens); line 2, when present and not empty,
// is the personal folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "lexicon/result.h"

namespace orvan {

inline constexpr const char* kSettingsFileName = "Orvan.ini";
inline constexpr const char* kWriteProbeFileName = "Orvan.txt";

/// The longest settings file read: its two lines fit many times over. A longer one is not
/// read at all, as though it could not be.
inline constexpr long long kSettingsFileLimit = 64 * 1024;

struct SettingsContents {
    std::string firstLine;   // empty when missing
    std::string secondLine;  // empty when missing
};

/// \brief The two lines of a settings file; nothing when it does not exist, cannot be read or
/// is longer than kSettingsFileLimit. When `problem` is given, it is set to why a file that is
/// there was not read (naming the file), and emptied otherwise.
std::optional<SettingsContents> ReadSettings(const std::string& path,
                                             std::string* problem = nullptr);

/// \brief Whether the start screen opens: anything but exactly "NO" on line 1 says yes.
bool ShowsStartScreen(const SettingsContents& settings);

/// \brief Rewrites the settings file, keeping each line the caller leaves empty: line 1 is
/// `firstLine`, else the old line 1, else "YES"; line 2 is `folder`, else the old line 2, else
/// absent (an old file that ReadSettings does not read has no lines to keep). The file is
/// replaced in one atomic step; an error when it could not be written (naming the file and the
/// system's reason), or would be longer than ReadSettings reads (TooLarge; the old file then
/// stays as it was).
Result<void> WriteSettings(const std::string& path, const std::string& firstLine,
                           const std::string& folder);

/// \brief The three places searched for the settings file, in order: the user's configuration
/// folder, the documents folder, the home folder. An empty folder is not searched.
struct SettingsFolders {
    std::string config;
    std::string documents;
    std::string home;
};

/// \brief The file system as the settings search sees it; tests give their own.
class SettingsProbe {
  public:
    virtual ~SettingsProbe() = default;
    virtual bool fileExists(const std::string& path) const;
    virtual bool folderExists(const std::string& path) const;
    /// Creates an empty file (the write test); false when it cannot.
    virtual bool createEmptyFile(const std::string& path) const;
};

struct SettingsLocation {
    std::string path;
    bool exists = false;  // false: `path` is where a new settings file is to be created
};

/// \brief Finds the settings file: the first of config/, documents/, home/ + "Orvan.ini" that
/// exists. When none does, chooses where to create it: the configuration folder if an empty
/// "Orvan.txt" can be created there (the probe file is left in place), else the documents
/// folder when it exists, else the home folder.
SettingsLocation LocateSettingsFile(const SettingsFolders& folders, const SettingsProbe& probe);

/// \brief Only the search part of LocateSettingsFile: the existing settings file, or empty.
/// Touches nothing.
std::string FindSettingsFile(const SettingsFolders& folders, const SettingsProbe& probe);

/// What the window knows from the settings file once it has been found or created.
struct StartUpSettings {
    std::string path;  // the settings file
    bool showStartScreen = true;
    std::string personalFolder;  // line 2 as written, not tested; empty for none
    std::string problem = {};    // why the file found could not be read, naming it; else empty
};

/// \brief Finds the settings file (LocateSettingsFile) and reads it; when there is none, creates
/// it at the chosen place with the single line "YES". A file that cannot be created leaves the
/// defaults (start screen shown, no personal folder).
StartUpSettings PrepareSettings(const SettingsFolders& folders, const SettingsProbe& probe);

/// Whether line 2 of the settings file names a usable personal folder; when it does not, the
/// folder dialog is asked in the mode that fits (no folder yet, or a folder that does not exist).
enum class PersonalFolderState { Valid, Unset, Invalid };

struct PersonalFolderCheck {
    PersonalFolderState state = PersonalFolderState::Unset;
    std::string folder;  // the valid folder
};

/// \brief Why line 2 of the settings file cannot name the personal folder (in English): it holds
/// a NUL byte (a damaged line), or names a folder relative to wherever the program happens to
/// start. Empty for a line that can (an empty line included).
///
///     PersonalFolderLineProblem("/home/ann/Orvan") == ""
///     PersonalFolderLineProblem("Orvan") != ""
std::string PersonalFolderLineProblem(std::string_view line);

/// \brief Reads line 2 of the settings file at `settingsPath`: a missing file or an empty line is
/// Unset, a line naming an existing folder Valid, any other line (one that
/// PersonalFolderLineProblem refuses among them) Invalid.
PersonalFolderCheck CheckPersonalFolderSetting(const std::string& settingsPath,
                                               const SettingsProbe& probe);

}  // namespace orvan
