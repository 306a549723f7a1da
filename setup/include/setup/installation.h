// Installing the program from its distribution medium into a folder of the user's choice, and
// knowing which of the two a running copy is.
#pragma once

#include <string>
#include <vector>

#include "setup/uninstall_script.h"

namespace orvan::setup {

/// The program's file, in the medium's folder and in the installation folder.
inline constexpr const char* kProgramFile = "orvan";

/// The lexicon files an installation copies, in the order it copies them.
inline constexpr const char* kLexiconFiles[] = {"data/i.tbo", "data/igr.tbo", "data/srt.tbo",
                                                "data/lex.tbo"};

/// \brief Where an installation takes its files from and what else it writes.
struct InstallPlaces {
    std::string startFolder;         // the medium's folder, the program's own, ending in "/"
    std::string desktopFolder;       // where the desktop entry goes
    std::string applicationsFolder;  // the desktop's menus; empty for none
    std::string settingsPath;        // the settings file; empty for none
};

enum class InstallResult {
    Succeeded,    // every step succeeded
    HadProblems,  // it ran to its end, but some steps failed
    Abandoned,    // an error stopped it (the content list could not be read)
};

/// \brief What an installation came to, with the reason for each step that failed.
struct InstallOutcome {
    InstallResult result = InstallResult::Succeeded;
    std::vector<std::string> problems;
    bool ranToEnd() const { return result != InstallResult::Abandoned; }
};

/// \brief The installation folder for the folder as the user typed it: one trailing "/" is
/// dropped (only one), so that "/home/ann/Orvan/" installs into "/home/ann/Orvan".
std::string InstallationFolder(const std::string& typed);

/// \brief Installs from `places.startFolder` into InstallationFolder(`typed`), which exists:
/// copies the program (then writable by its owner), creates content/ and data/, copies the
/// four lexicon files and every file the content list names, adds what it made to the folder's
/// list of installed files (installed_list.h; also when abandoned), writes the desktop entry on
/// the desktop and in the applications folder, and writes "YES" and the folder into the
/// settings. A copy never replaces a file already there; each copy or folder that fails is a
/// problem and the installation goes on. Only a content list that exists but cannot be read
/// abandons it.
InstallOutcome InstallFiles(const std::string& typed, const InstallPlaces& places);

/// \brief Whether the program in `startFolder` runs from its medium, where it offers to install
/// itself: its file has no write permission for anyone, or is not there. An installed copy's
/// file is writable by its owner, and offers to uninstall.
bool RunsFromMedium(const std::string& startFolder);

/// \brief What the installations into `folder` put there, as its list of installed files
/// (installed_list.h) tells: the files, to be removed only while they hold what was installed,
/// the folders they created, and the list itself. A folder installed before the program kept
/// that list gives the names an installation makes there (the program, the lexicon files, the
/// installed content list's files and folders). A list that cannot be read, or a file of another
/// kind at its name, gives nothing to remove and the reason in `problem`.
InstalledLayout InstalledLayoutOf(const std::string& folder, std::string& problem);

}  // namespace orvan::setup
