#include "tools/cli/loaded_lexicon.h"

#include <iostream>

#include "lexicon/line_formats.h"
#include "lexicon/settings.h"
#include "lexicon/text_file.h"
#include "personal/entry_placement.h"
#include "personal/merged_tables.h"
#include "tools/cli/commands.h"
#include "tools/cli/standard_folders.h"
#include "tools/cli/text_boundary.h"

namespace orvan::cli {

std::string PersonalFolderOf(const CommandLine& line) {
    if (line.personalFolder) return *line.personalFolder;
    // Either file refused leaves the search as though it were not there.
    std::string listProblem, settingsProblem;
    const SettingsFolders folders = StandardSettingsFolders(&listProblem);
    const auto settings =
        ReadSettings(FindSettingsFile(folders, SettingsProbe{}), &settingsProblem);
    if (!listProblem.empty()) {
        std::cerr << "orvan-cli: the list of your folders is not read: " << listProblem << '\n';
    }
    if (!settingsProblem.empty()) {
        std::cerr << "orvan-cli: the settings file is not read, so no personal folder is used: "
                  << settingsProblem << '\n';
    }
    if (!settings) return {};
    if (const std::string problem = PersonalFolderLineProblem(settings->secondLine);
        !problem.empty()) {
        std::cerr << "orvan-cli: no personal folder is used: " << problem << '\n';
        return {};
    }
    return settings->secondLine;
}

LoadedLexicon Load(const CommandLine& line) {
    return Load(line, PersonalFolderOf(line));
}

LoadedLexicon Load(const CommandLine& line, const std::string& personalFolder) {
    LexiconFiles files(line.programFolder);
    if (!FileExists(files.englishIndex)) {
        // Looked for in every place without -C: say where, and how to name one.
        if (line.lexiconWhy.starts_with("no lexicon"))
            throw DataError(line.lexiconWhy + " (give -C DIR or set ORVAN_LEXICON)");
        throw DataError("no lexicon at " + files.englishIndex);
    }
    // Texts kept from before an interrupted change are read from there (no change is made then).
    LoadedLexicon lexicon = personal::LoadLexicon(files, PersonalFiles(personalFolder));
    // The look-ups go on with what could be read; a change would be refused.
    const EntryTables& tables = lexicon.tables;
    if (tables.lexiconProblem) {
        std::cerr << "orvan-cli: the lexicon is not read: " << tables.lexiconProblem->message
                  << '\n';
    }
    if (tables.lexiconLeftOut) {
        std::cerr << "orvan-cli: the lexicon is not all shown: " << tables.lexiconLeftOut->message
                  << '\n';
    }
    if (const std::string problem = FieldTableProblem(files, lexicon.fields); !problem.empty()) {
        std::cerr << "orvan-cli: the science list is not read: " << problem << '\n';
    }
    if (tables.personalProblem) {
        std::cerr << "orvan-cli: your entries are not all shown: "
                  << tables.personalProblem->message << '\n';
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

void PrintItems(const std::vector<ListItem>& items, std::ostream& out, const EntryTable* numbers) {
    for (const ListItem& item : items) {
        out << item.slot << '\t';
        if (numbers != nullptr) out << (*numbers)[item.slot].number << '\t';
        out << ToUtf8(item.text) << '\n';
    }
}

const EntryTable* NumbersOption(const CommandLine& line, const LoadedLexicon& lexicon) {
    return line.arguments.has("--numbers") ? &lexicon.tables.entries : nullptr;
}

int FieldOption(const CommandArguments& arguments, const LoadedLexicon& lexicon, int fallback) {
    return FieldOption(arguments, lexicon.fieldTable(), fallback);
}

int FieldOption(const CommandArguments& arguments, const FieldTable* fields, int fallback) {
    const auto given = arguments.value("--field");
    if (!given) return fallback;
    const int items = fields ? fields->count() : 0;
    const std::optional<int> item = FieldItemNamed(fields, CodePageArgument("--field", *given));
    if (!item || *item > items) {
        throw UsageError("--field " + *given + ": the science list has items 0 to " +
                         std::to_string(items) + " (orvan-cli fields lists them)");
    }
    return *item;
}

namespace {

// The slot of the entry numbered by --entry; a data error naming the number when no entry has it.
int SlotOfEntryOption(const CommandArguments& arguments, const EntrySlots& entries) {
    const int number = arguments.number("--entry", 0);
    const int slot = entries.slotOfNumber(number);
    if (slot == 0) throw NothingFound("no entry has the number " + std::to_string(number));
    return slot;
}

int SlotOfPositional(const CommandLine& line, const EntrySlots& entries) {
    const auto text = line.arguments.onlyPositional();
    if (!text) throw UsageError(line.command + " needs a SLOT or --entry NUMBER");
    const auto slot = ParseDecimal(*text);
    if (!slot || text->empty()) throw UsageError("SLOT must be a number, not '" + *text + "'");
    if (*slot < 1 || *slot > entries.count) throw NothingFound("no entry in slot " + *text);
    return static_cast<int>(*slot);
}

}  // namespace

EntrySlots SlotsOf(const LoadedLexicon& lexicon) {
    const EntryTable& table = lexicon.tables.entries;
    return {table.count(),
            [&table](long long number) { return personal::SlotOfNumber(table, number); },
            [&table](int slot) { return table[slot].headword; }};
}

int SlotArgument(const CommandLine& line, const EntrySlots& entries) {
    const CommandArguments& arguments = line.arguments;
    const bool byNumber = arguments.value("--entry").has_value();
    if (byNumber && !arguments.positional.empty()) {
        throw UsageError("give a SLOT or --entry NUMBER, not both");
    }
    const int slot =
        byNumber ? SlotOfEntryOption(arguments, entries) : SlotOfPositional(line, entries);
    // The headword the caller last saw there: a script that kept a slot across another
    // program's insert or delete would otherwise change a neighbour.
    if (const auto expected = arguments.value("--expect")) {
        const std::string found = entries.headword(slot);
        if (found != CodePageArgument("--expect", *expected)) {
            throw ChangeRefused(EntryNamed(line, slot) + " is '" + ToUtf8(found) + "', not '" +
                                *expected + "'");
        }
    }
    return slot;
}

int SlotArgument(const CommandLine& line, const LoadedLexicon& lexicon) {
    return SlotArgument(line, SlotsOf(lexicon));
}

std::string EntryNamed(const CommandLine& line, int slot) {
    if (line.arguments.value("--entry"))
        return "entry " + std::to_string(line.arguments.number("--entry", 0));
    return "the entry in slot " + std::to_string(slot);
}

}  // namespace orvan::cli
