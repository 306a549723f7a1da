// Where the lexicon's and the user's files live.
#pragma once

#include <string>

namespace orvan {

/// \brief The files of the program folder, the one that holds data/ and content/.
struct LexiconFiles {
    explicit LexiconFiles(std::string programFolder);

    std::string folder;                                                 // with a trailing "/"
    std::string englishIndex, greekIndex, descriptions, fields;         // i, igr, lex, srt
    std::string plainEnglishIndex, plainGreekIndex, plainDescriptions;  // i_, igr_, lex_
    std::string contentList;                                            // content/fil.tbo
};

/// \brief The folder of the running program, links resolved, with a trailing "/"; empty when
/// the system cannot tell it.
std::string RunningProgramFolder();

/// \brief The folder whose lexicon a program started in `current` reads: `current` when it holds
/// data/i.tbo, else `programFolder` (the program's own, where the lexicon is installed beside
/// it) when that does, else `current`, whose missing lexicon is then told. LocateLexicon without
/// the named and the installed folder.
std::string LexiconFolderFor(const std::string& current, const std::string& programFolder);

/// The folder the package installs the lexicon in.
inline constexpr const char* kInstalledLexiconFolder = "/usr/share/orvan/";

/// \brief The folders a lexicon is looked for in, in this order; an empty one is passed over.
struct LexiconPlaces {
    std::string named;      // the folder the user names for the program (ORVAN_LEXICON)
    std::string current;    // the folder the program was started in
    std::string program;    // the running program's own folder (RunningProgramFolder)
    std::string installed;  // the package's folder (kInstalledLexiconFolder)
};

/// \brief Which of the places a lexicon was found in.
enum class LexiconPlace { Named, Current, Program, Installed, Nowhere };

struct LexiconLocation {
    std::string folder;  // the folder to read; `current` when no place holds a lexicon
    LexiconPlace place = LexiconPlace::Nowhere;
    std::string why;           // one line: the folder and why it was chosen
    std::string namedSkipped;  // why a named folder was passed over; empty when it was not
};

/// \brief The first of `places` that holds data/i.tbo. A named folder without a lexicon does not
/// stop the search: it is passed over, and `namedSkipped` says so, so that the caller can tell
/// the user their setting was not used.
LexiconLocation LocateLexicon(const LexiconPlaces& places);

/// \brief The six files of the personal folder; all empty when no personal folder is known.
struct PersonalFiles {
    PersonalFiles() = default;
    explicit PersonalFiles(const std::string& personalFolder);

    bool known() const { return !englishIndex.empty(); }

    std::string texts, englishIndex, greekIndex;              // clex, ci, cigr
    std::string tempTexts, tempEnglishIndex, tempGreekIndex;  // templex, tempi, tempigr
};

}  // namespace orvan
