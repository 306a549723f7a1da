#include "loaded_lexicon.h"

#include <QDir>
#include <QStandardPaths>

#include "commands.h"
#include "personal_store.h"
#include "settings.h"
#include "text_boundary.h"
#include "text_file.h"

namespace orvan::cli {

namespace {

std::string FromStandardPath(QStandardPaths::StandardLocation location) {
    return QStandardPaths::writableLocation(location).toStdString();
}

}  // namespace

std::string PersonalFolderOf(const CommandLine& line) {
    if (line.personalFolder) return *line.personalFolder;
    const SettingsFolders folders{FromStandardPath(QStandardPaths::GenericConfigLocation),
                                  FromStandardPath(QStandardPaths::DocumentsLocation),
                                  QDir::homePath().toStdString()};
    const auto settings = ReadSettings(FindSettingsFile(folders, SettingsProbe{}));
    return settings ? settings->secondLine : std::string{};
}

LoadedLexicon Load(const CommandLine& line) {
    LexiconFiles files(line.programFolder);
    if (!FileExists(files.englishIndex)) throw DataError("no lexicon at " + files.englishIndex);
    PersonalFiles personal(PersonalFolderOf(line));
    if (!personal::RecoverPersonalStore(personal)) {
        throw DataError("the personal files could not be put back after an interrupted change");
    }
    LoadedLexicon lexicon{files, personal, LoadFieldTable(files), {}, {}, {}};
    lexicon.tables = LoadEntryTable(files, personal, lexicon.notes);
    lexicon.rtfHeader = LoadRtfHeader(files);
    return lexicon;
}

std::string CodePageArgument(const std::string& name, const std::string& utf8) {
    auto bytes = ToCodePage(utf8);
    if (!bytes) throw UsageError(name + " holds a character that code page 1253 cannot hold");
    return *bytes;
}

}  // namespace orvan::cli
