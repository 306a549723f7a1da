#include "lexicon/lexicon_files.h"

#include <filesystem>

#include "lexicon/file_paths.h"
#include "lexicon/text_file.h"

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

std::string RunningProgramFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || program.empty()) return {};
    return WithTrailingSlash(program.parent_path().string());
}

std::string LexiconFolderFor(const std::string& current, const std::string& programFolder) {
    if (FileExists(LexiconFiles(current).englishIndex)) return current;
    if (!programFolder.empty() && FileExists(LexiconFiles(programFolder).englishIndex))
        return programFolder;
    return current;
}

PersonalFiles::PersonalFiles(const std::string& personalFolder) {
    if (personalFolder.empty()) return;
    texts = PathInFolder(personalFolder, "clex.tbo");
    englishIndex = PathInFolder(personalFolder, "ci.tbo");
    greekIndex = PathInFolder(personalFolder, "cigr.tbo");
    tempTexts = PathInFolder(personalFolder, "templex.tbo");
    tempEnglishIndex = PathInFolder(personalFolder, "tempi.tbo");
    tempGreekIndex = PathInFolder(personalFolder, "tempigr.tbo");
}

}  // namespace orvan
