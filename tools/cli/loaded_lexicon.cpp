#include "tools/cli/loaded_lexicon.h"

#include <iostream>

#include "lexicon/line_formats.h"
#include "lexicon/settings.h"
#include "lexicon/text_file.h"
#include "personal/merged_tables.h"
#include "tools/cli/commands.h"
#include "tools/cli/standard_folders.h"
#include "tools/cli/text_boundary.h"

namespace orvan::cli {

std::string PersonalFolderOf(const CommandLine& line) {
    if (line.personalFolder) return *line.personalFolder;
    const auto settings =
        ReadSettings(FindSettingsFile(StandardSettingsFolders(), SettingsProbe{}));
    return settings ? settings->secondLine : std::string{};
}

LoadedLexicon Load(const CommandLine& line) {
    LexiconFiles files(line.programFolder);
    if (!FileExists(files.englishIndex)) throw DataError("no lexicon at " + files.englishIndex);
    PersonalFiles personal(PersonalFolderOf(line));
    LoadedLexicon lexicon{files, personal, LoadFieldTable(files), {}, {}, {}};
    lexicon.tables = personal::LoadMergedTables(files, personal, lexicon.notes);
    lexicon.rtfHeader = LoadRtfHeader(files);
    // The look-ups go on with what could be read; a change would be refused.
    if (!lexicon.tables.personalProblem.empty()) {
        std::cerr << "orvan-cli: your entries are not all shown: " << lexicon.tables.personalProblem
                  << '\n';
    }
    return lexicon;
}

namespace {

// A UTF-8 argument turned into code page bytes by `convert`; a usage error naming `name` when it
// is not UTF-8 or a character is left without a byte.
template <typename Convert>
std::string GreekArgument(const std::string& name, const std::string& utf8, Convert convert) {
    if (!IsUtf8(utf8)) throw UsageError(name + " is not UTF-8 text");
    const std::u16string text = Utf8ToUtf16(utf8);
    GreekBytes bytes = convert(text);
    if (!bytes.complete) {
        throw UsageError(name + " holds characters that code page 1253 cannot hold: " +
                         CharactersWithoutByte(text));
    }
    return std::move(bytes.bytes);
}

}  // namespace

std::string CodePageArgument(const std::string& name, const std::string& utf8) {
    return GreekArgument(name, utf8, Utf16ToGreek);
}

std::string SearchArgument(const std::string& name, const std::string& utf8) {
    return GreekArgument(name, utf8, Utf16ToGreekSearchText);
}

std::string Utf8Argument(const std::string& name, std::string utf8) {
    if (!IsUtf8(utf8)) throw UsageError(name + " is not UTF-8 text");
    return utf8;
}

void PrintItems(const std::vector<ListItem>& items, std::ostream& out) {
    for (const ListItem& item : items)
        out << item.slot << '\t' << ToUtf8(item.text) << '\n';
}

int SlotArgument(const CommandLine& line, const LoadedLexicon& lexicon) {
    const auto text = line.arguments.OnlyPositional();
    if (!text) throw UsageError(line.command + " needs a SLOT");
    const auto slot = ParseDecimal(*text);
    if (!slot || text->empty()) throw UsageError("SLOT must be a number, not '" + *text + "'");
    if (*slot < 1 || *slot > lexicon.tables.entries.Count()) {
        throw DataError("no entry in slot " + *text);
    }
    return static_cast<int>(*slot);
}

}  // namespace orvan::cli
