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
    return LocateLexicon(
               {.named = "", .current = current, .program = programFolder, .installed = ""})
        .folder;
}

LexiconLocation LocateLexicon(const LexiconPlaces& places) {
    const auto holdsLexicon = [](const std::string& folder) {
        return !folder.empty() && FileExists(LexiconFiles(folder).englishIndex);
    };
    LexiconLocation location;
    if (!places.named.empty() && !holdsLexicon(places.named)) {
        location.namedSkipped = places.named + " holds no lexicon (no data/i.tbo)";
    }
    const struct {
        const std::string& folder;
        LexiconPlace place;
        const char* why;
    } candidates[] = {
        {places.named, LexiconPlace::Named, "named by ORVAN_LEXICON"},
        {places.current, LexiconPlace::Current, "the current folder holds data/i.tbo"},
        {places.program, LexiconPlace::Program, "installed beside the program"},
        {places.installed, LexiconPlace::Installed, "the installed lexicon"},
    };
    for (const auto& candidate : candidates) {
        if (!holdsLexicon(candidate.folder)) continue;
        location.folder = candidate.folder;
        location.place = candidate.place;
        location.why = "lexicon in " + candidate.folder + " (" + candidate.why + ")";
        return location;
    }
    location.folder = places.current;
    std::string looked;
    for (const auto& candidate : candidates) {
        if (candidate.folder.empty()) continue;
        looked += (looked.empty() ? "" : ", ") + candidate.folder;
    }
    location.why = "no lexicon in " + looked;
    return location;
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
