#include "lexicon/lexicon_files.h"

namespace orvan {

namespace {
std::string WithTrailingSlash(std::string folder) {
    if (folder.empty()) return "./";
    if (folder.back() != '/') folder += '/';
    return folder;
}
}  // namespace

LexiconFiles::LexiconFiles(std::string programFolder)
    : folder(WithTrailingSlash(std::move(programFolder))),
      englishIndex(folder + "data/i.tbo"),
      greekIndex(folder + "data/igr.tbo"),
      descriptions(folder + "data/lex.tbo"),
      fields(folder + "data/srt.tbo"),
      plainEnglishIndex(folder + "data/i_.tbo"),
      plainGreekIndex(folder + "data/igr_.tbo"),
      plainDescriptions(folder + "data/lex_.tbo"),
      contentList(folder + "content/fil.tbo") {}

PersonalFiles::PersonalFiles(const std::string& personalFolder) {
    if (personalFolder.empty()) return;
    std::string folder = personalFolder;
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    const std::string base = folder == "/" ? folder : folder + "/";
    texts = base + "clex.tbo";
    englishIndex = base + "ci.tbo";
    greekIndex = base + "cigr.tbo";
    tempTexts = base + "templex.tbo";
    tempEnglishIndex = base + "tempi.tbo";
    tempGreekIndex = base + "tempigr.tbo";
}

}  // namespace orvan
