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
/// it) when that does, else `current`, whose missing lexicon is then told.
std::string LexiconFolderFor(const std::string& current, const std::string& programFolder);

/// \brief The six files of the personal folder; all empty when no personal folder is known.
struct PersonalFiles {
    PersonalFiles() = default;
    explicit PersonalFiles(const std::string& personalFolder);

    bool known() const { return !englishIndex.empty(); }

    std::string texts, englishIndex, greekIndex;              // clex, ci, cigr
    std::string tempTexts, tempEnglishIndex, tempGreekIndex;  // templex, tempi, tempigr
};

}  // namespace orvan
