#include "tools/cli/commands.h"

#include <algorithm>
#include <cctype>

#include "lexicon/conversions.h"
#include "lexicon/entry_display.h"
#include "lexicon/line_formats.h"
#include "lexicon/list_search.h"
#include "lexicon/settings.h"
#include "lexicon/tables.h"
#include "lexicon/text_file.h"
#include "richtext/greek_code_page.h"
#include "tools/cli/cli_module.h"
#include "tools/cli/edit_commands.h"
#include "tools/cli/json_lines.h"
#include "tools/cli/loaded_lexicon.h"
#include "tools/cli/print_command.h"
#include "tools/cli/search_cache.h"
#include "tools/cli/text_boundary.h"
#include "tools/cli/text_module.h"

namespace orvan::cli {

namespace {

std::string FieldCodeOption(const CommandArguments& arguments, const FieldTable* fields) {
    const int item = arguments.number("--field", 0);
    const int items = fields ? fields->count() : 0;
    if (item > items) {
        throw UsageError("--field " + std::to_string(item) + ": the science list has items 0 to " +
                         std::to_string(items));
    }
    return FieldFilterCode(fields, item);
}

std::string FieldCodeOption(const CommandArguments& arguments, const LoadedLexicon& lexicon) {
    return FieldCodeOption(arguments, lexicon.fieldTable());
}

// The list search's items from the saved search index, the science filter read from the science
// list alone; nothing when the index cannot answer, or --field names no item of the list (the
// full load then says so, as without the index).
std::optional<std::vector<ListItem>> FromIndex(const SearchCache& cache, const CommandLine& line,
                                               std::string_view text, bool greekMode,
                                               FillRequest request) {
    if (line.arguments.value("--field")) {
        const Result<FieldTable> fields = LoadFieldTable(LexiconFiles(line.programFolder));
        try {
            request.fieldCode = FieldCodeOption(line.arguments, fields ? &*fields : nullptr);
        } catch (const UsageError&) {
            return std::nullopt;
        }
    }
    return cache.answer(text, greekMode, request);
}

void Dump(const CommandLine& line, std::ostream& out) {
    if (!line.arguments.positional.empty()) throw UsageError("dump takes no arguments");
    const LoadedLexicon lexicon = Load(line);
    if (line.arguments.has("--json")) {
        WriteDumpJson(out, lexicon.tables, lexicon.fieldTable(), lexicon.notes);
        return;
    }
    if (lexicon.fields) {
        for (int slot = 1; slot <= lexicon.fields->count(); ++slot) {
            const FieldRecord& field = (*lexicon.fields)[slot];
            out << "F\t" << slot << '\t' << ToUtf8(field.code) << '\t' << ToUtf8(field.name)
                << '\n';
        }
    }
    const EntryTable& entries = lexicon.tables.entries;
    for (int slot = 1; slot <= entries.count(); ++slot) {
        const EntryRecord& e = entries[slot];
        out << "E\t" << slot << '\t' << e.number << '\t' << KindLetter(e.kind) << '\t' << e.descPos
            << '\t' << e.descLen << '\t' << int{e.keyStart} << '\t' << e.noteIndex << '\t'
            << e.greekSlot << '\t' << ToUtf8(e.fieldCode) << '\t' << ToUtf8(e.headword) << '\n';
    }
    // With --numbers a Greek line also gives its English entry's number (0 for none), after the
    // English slot, so that a script can follow the link past a reload.
    const bool numbers = line.arguments.has("--numbers");
    const GreekTable& greek = lexicon.tables.greek;
    for (int slot = 1; slot <= greek.count(); ++slot) {
        const GreekRecord& g = greek[slot];
        out << "G\t" << slot << '\t' << g.number << '\t' << g.englishSlot << '\t';
        if (numbers) out << entries[g.englishSlot].number << '\t';
        out << ToUtf8(g.headword) << '\n';
    }
    for (size_t index = 0; index < lexicon.notes.size(); ++index) {
        out << "N\t" << index << '\t' << ToUtf8(lexicon.notes[index]) << '\n';
    }
}

void Search(const CommandLine& line, std::ostream& out) {
    const CommandArguments& arguments = line.arguments;
    // Mode names are taken in any letter case.
    std::string modeName = arguments.value("--mode").value_or("START");
    std::transform(modeName.begin(), modeName.end(), modeName.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const auto mode = SearchModeOfName(modeName);
    if (mode != SearchMode::Start && mode != SearchMode::Contain && mode != SearchMode::End) {
        throw UsageError("--mode must be START, CONTAIN or END");
    }
    const std::string text = SearchArgument("TEXT", arguments.onlyPositional().value_or(""));
    const bool greekMode = arguments.has("--greek-mode");
    FillRequest request;
    request.mode = *mode;
    request.personalOnly = arguments.has("--personal-only");
    // Every search is answered from the saved search index when there is one for the files as
    // they are; otherwise the full load saves one. The index holds no entry numbers: a search
    // with --numbers loads the tables and leaves the index alone.
    const std::string personalFolder = PersonalFolderOf(line);
    std::optional<SearchCache> cache;
    if (!arguments.has("--numbers") && !arguments.has("--json")) {
        cache.emplace(line, personalFolder);
        if (const auto items = FromIndex(*cache, line, text, greekMode, request)) {
            PrintItems(*items, out);
            return;
        }
    }
    const LoadedLexicon lexicon = Load(line, personalFolder);
    request.fieldCode = FieldCodeOption(arguments, lexicon);
    PrintList(
        line, lexicon,
        FillList(lexicon.tables.entries, lexicon.tables.greek, text, greekMode, request).items,
        out);
    if (cache) cache->save(lexicon);
}

// show and fulltext read the descriptions' rich text, which needs Qt: they run in the text
// module, so that the other commands start without loading Qt.
void InTextModule(const CommandLine& line, std::ostream& out) {
    const auto run =
        reinterpret_cast<OrvanTextCommand>(ModuleFunction(ORVAN_TEXT_MODULE, ORVAN_TEXT_FUNCTION));
    std::string reason;
    switch (run(&line, &out, &reason)) {
        case OrvanTextOutcome::Done:
            return;
        case OrvanTextOutcome::UsageError:
            throw UsageError(reason);
        case OrvanTextOutcome::DataError:
            break;
    }
    throw DataError(reason);
}

// The full-text search, from the descriptions' text saved by an earlier one while the files it
// was made from are as they were; else in the text module, which saves it.
void FullText(const CommandLine& line, std::ostream& out) {
    const auto text = line.arguments.onlyPositional();
    if (!text) throw UsageError("fulltext needs a TEXT");
    const std::u16string term = FullTextTerm(Utf8ToUtf16(Utf8Argument("TEXT", *text)));
    // The personal folder is found once: the module is handed it.
    CommandLine found = line;
    found.personalFolder = PersonalFolderOf(line);
    // JSON names each entry's kind and field, which the saved texts do not hold.
    const DescriptionTextsCache cache(found, *found.personalFolder);
    const auto finds = line.arguments.has("--json")
                           ? std::nullopt
                           : cache.answer(term, kFullTextResultLimit);
    if (finds) {
        const bool numbers = line.arguments.has("--numbers");
        for (const FullTextFind& find : *finds) {
            out << find.item.slot << '\t';
            if (numbers) out << find.number << '\t';
            out << ToUtf8(find.item.text) << '\n';
        }
        return;
    }
    InTextModule(found, out);
}

void Multi(const CommandLine& line, std::ostream& out) {
    const CommandArguments& arguments = line.arguments;
    if (!arguments.positional.empty()) throw UsageError("multi takes no TEXT");
    SearchCriteria criteria;
    criteria.start = SearchArgument("--start", arguments.value("--start").value_or(""));
    criteria.contain = SearchArgument("--contain", arguments.value("--contain").value_or(""));
    criteria.end = SearchArgument("--end", arguments.value("--end").value_or(""));
    const CriteriaDispatch dispatch = DispatchSearchCriteria(criteria);
    FillRequest request;
    request.mode = dispatch.mode;
    request.criteria = criteria;
    // Answered from the saved search index as the search is.
    const std::string personalFolder = PersonalFolderOf(line);
    std::optional<SearchCache> cache;
    if (dispatch.fill && !arguments.has("--numbers") && !arguments.has("--json")) {
        cache.emplace(line, personalFolder);
        if (const auto items = FromIndex(*cache, line, dispatch.entryText, false, request)) {
            PrintItems(*items, out);
            return;
        }
    }
    const LoadedLexicon lexicon = Load(line, personalFolder);
    request.fieldCode = FieldCodeOption(arguments, lexicon);
    if (!dispatch.fill) return;
    PrintList(
        line, lexicon,
        FillList(lexicon.tables.entries, lexicon.tables.greek, dispatch.entryText, false, request)
            .items,
        out);
    if (cache) cache->save(lexicon);
}

void Prepare(const CommandLine& line, std::ostream& out) {
    if (!line.arguments.positional.empty()) throw UsageError("prepare takes no arguments");
    const LexiconFiles files(line.programFolder);
    try {
        PrepareLexicon(files);
    } catch (const PreparationError& error) {
        throw DataError(error.what());
    }
    out << "ok\n";
}

void ByteRangeCommand(const CommandLine& line, std::ostream& out) {
    if (!line.arguments.positional.empty()) throw UsageError("byte-range takes no arguments");
    try {
        out << FormatByteRange(ByteRangeCheck(LexiconFiles(line.programFolder).plainGreekIndex))
            << '\n';
    } catch (const PreparationError& error) {
        throw DataError(error.what());
    }
}

}  // namespace

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands{
        {"dump",
         {},
         {"--numbers", "--json"},
         {"[--numbers] [--json]", "(with --numbers a G line gives its English entry's number too)"},
         Dump},
        {"search",
         {"--mode", "--field"},
         {"--personal-only", "--greek-mode", "--numbers", "--json"},
         {"[--mode START|CONTAIN|END] [--field N] [--personal-only] [--greek-mode]",
          "[--numbers] [--json] [TEXT]", "(mode names in any letter case)",
          "(with --numbers each line gives the entry's number after its slot)"},
         Search},
        {"multi",
         {"--field", "--start", "--contain", "--end"},
         {"--numbers", "--json"},
         {"[--field N] [--start S] [--contain C] [--end E] [--numbers] [--json]"},
         Multi},
        {"fulltext",
         {},
         {"--numbers", "--json"},
         {"[--numbers] [--json] TEXT", "(the descriptions' text, exactly: case and accents count)"},
         FullText},
        {"show",
         {"--entry"},
         {"--greek-mode", "--json"},
         {"[--greek-mode] [--json] (SLOT | --entry NUMBER)"},
         InTextModule},
        {"print",
         {"--pdf", "--entry"},
         {"--greek-mode"},
         {"[--greek-mode] (SLOT | --entry NUMBER) --pdf FILE"},
         Print},
        {"insert",
         {"--english", "--greek", "--field", "--description", "--description-file"},
         {},
         {"--english TEXT [--greek TEXT] [--field N]",
          "(--description TEXT | --description-file FILE)",
          "prints \"slot S entry N\": the new entry's slot in the tables read again, its number"},
         Insert},
        {"update",
         {"--entry", "--expect", "--english", "--greek", "--field", "--description",
          "--description-file"},
         {},
         {"(SLOT | --entry NUMBER) [--expect HEADWORD] [--english TEXT] [--greek TEXT]",
          "[--field N] (--description TEXT | --description-file FILE)",
          "of a lexicon entry only the description (your note) is written;",
          "prints \"ok entry N\": the entry's number after the change"},
         Update},
        {"delete",
         {"--entry", "--expect"},
         {"--note"},
         {"[--note] (SLOT | --entry NUMBER) [--expect HEADWORD]"},
         Delete},
        {"prepare", {}, {}, {}, Prepare},
        {"byte-range", {}, {}, {}, ByteRangeCommand},
    };
    return commands;
}

void RunCommand(const CommandLine& line, std::ostream& out) {
    const Command* command = FindCommand(Commands(), line.command);
    if (command == nullptr) throw UsageError("unknown command " + line.command);
    command->run(line, out);
}

}  // namespace orvan::cli
