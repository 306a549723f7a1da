#include "tools/cli/commands.h"

#include <algorithm>
#include <cctype>

#include "lexicon/blanks.h"
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
#include "tools/cli/exchange_commands.h"
#include "tools/cli/json_lines.h"
#include "tools/cli/loaded_lexicon.h"
#include "tools/cli/print_command.h"
#include "tools/cli/search_cache.h"
#include "tools/cli/show_commands.h"
#include "tools/cli/text_boundary.h"
#include "tools/cli/text_module.h"

namespace orvan::cli {

namespace {

std::string FieldCodeOption(const CommandArguments& arguments, const FieldTable* fields) {
    return FieldFilterCode(fields, FieldOption(arguments, fields, 0));
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
            if (items->empty()) throw NothingFound();
            return;
        }
    }
    const LoadedLexicon lexicon = Load(line, personalFolder);
    request.fieldCode = FieldCodeOption(arguments, lexicon);
    const std::vector<ListItem> items =
        FillList(lexicon.tables.entries, lexicon.tables.greek, text, greekMode, request).items;
    PrintList(line, lexicon, items, out);
    if (cache) cache->save(lexicon);
    if (items.empty()) throw NothingFound();
}

// The full-text search without saved texts reads every description with the window's own search,
// which needs Qt: it runs in the text module, so that the other commands start without loading Qt.
void InTextModule(const CommandLine& line, std::ostream& out) {
    const auto run =
        reinterpret_cast<OrvanTextCommand>(ModuleFunction(ORVAN_TEXT_MODULE, ORVAN_TEXT_FUNCTION));
    std::string reason;
    switch (run(&line, &out, &reason)) {
        case OrvanTextOutcome::Done:
            return;
        case OrvanTextOutcome::UsageError:
            throw UsageError(reason);
        case OrvanTextOutcome::NothingFound:
            if (reason.empty()) throw NothingFound();
            throw NothingFound(reason);
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
    const personal::DescriptionTextsCache cache = TextsCacheOf(found, *found.personalFolder);
    const auto finds =
        line.arguments.has("--json") ? std::nullopt : cache.answer(term, kFullTextResultLimit);
    if (finds) {
        const bool numbers = line.arguments.has("--numbers");
        for (const FullTextFind& find : *finds) {
            out << find.item.slot << '\t';
            if (numbers) out << find.number << '\t';
            out << ToUtf8(find.item.text) << '\n';
        }
        if (finds->empty()) throw NothingFound();
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
    if (!dispatch.fill) throw NothingFound();
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
            if (items->empty()) throw NothingFound();
            return;
        }
    }
    const LoadedLexicon lexicon = Load(line, personalFolder);
    request.fieldCode = FieldCodeOption(arguments, lexicon);
    if (!dispatch.fill) throw NothingFound();
    const std::vector<ListItem> items =
        FillList(lexicon.tables.entries, lexicon.tables.greek, dispatch.entryText, false, request)
            .items;
    PrintList(line, lexicon, items, out);
    if (cache) cache->save(lexicon);
    if (items.empty()) throw NothingFound();
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

// The science list, a line per field: its item number (as --field takes it), code and name. The
// list holds no English names, so none is printed.
void Fields(const CommandLine& line, std::ostream& out) {
    if (!line.arguments.positional.empty()) throw UsageError("fields takes no arguments");
    const LoadedLexicon lexicon = Load(line, {});
    if (!lexicon.fields || lexicon.fields->count() == 0) throw NothingFound();
    for (int item = 1; item <= lexicon.fields->count(); ++item) {
        const FieldRecord& field = (*lexicon.fields)[item];
        out << item << '\t' << ToUtf8(TrimBlanks(field.code)) << '\t'
            << ToUtf8(TrimBlanks(field.name)) << '\n';
    }
}

void Help(const CommandLine& line, std::ostream& out) {
    const auto name = line.arguments.onlyPositional();
    if (!name) {
        out << UsageText(Commands());
        return;
    }
    const Command* command = FindCommand(Commands(), *name);
    if (command == nullptr) throw UsageError("no command " + *name);
    out << CommandHelp(*command);
}

}  // namespace

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands{
        {"dump",
         {},
         {"--numbers", "--json"},
         {"[--numbers] [--json]"},
         "print every table of the lexicon, a line per record",
         "The science fields (lines F), the English entries (E), the Greek headwords (G)\n"
         "and the notes (N), fields separated by tabs. With --numbers a G line gives its\n"
         "English entry's number too, after the English slot.\n",
         Dump},
        {"search",
         {"--mode", "--field"},
         {"--personal-only", "--greek-mode", "--numbers", "--json"},
         {"[--mode START|CONTAIN|END] [--field F] [--personal-only] [--greek-mode]",
          "[--numbers] [--json] [TEXT]"},
         "list the headwords that begin with, contain or end with TEXT",
         "A line per headword: its slot, a tab, the headword (\" *\" marks your own).\n"
         "Capitals, accents and a final sigma make no difference.\n"
         "  --mode         START (the default), CONTAIN or END, in any letter case\n"
         "  --field F      only the entries of science field F: its number, code or name\n"
         "                 (orvan-cli fields lists them; 0 keeps all)\n"
         "  --personal-only  only your own entries\n"
         "  --greek-mode   search the Greek headwords\n"
         "  --numbers      each line gives the entry's number after its slot\n"
         "  --json         a JSON object per line instead (orvan-cli(1), JSON OUTPUT)\n",
         Search},
        {"multi",
         {"--field", "--start", "--contain", "--end"},
         {"--numbers", "--json"},
         {"[--field F] [--start S] [--contain C] [--end E] [--numbers] [--json]"},
         "list the English headwords that meet every criterion given",
         "The English headwords that begin with S, contain C and end with E, as the\n"
         "window's search by criteria finds them; --field, --numbers and --json as for\n"
         "search.\n",
         Multi},
        {"fulltext",
         {},
         {"--numbers", "--json"},
         {"[--numbers] [--json] TEXT"},
         "list the entries whose description holds TEXT",
         "The descriptions' text, exactly: case and accents count. Your notes and own\n"
         "entries are searched too; --numbers and --json as for search.\n",
         FullText},
        {"show",
         {"--entry"},
         {"--greek-mode", "--json"},
         {"[--greek-mode] [--json] (SLOT | --entry NUMBER)"},
         "print one entry as the window shows it",
         "The headword, its rendering, its science field, then the description, a line\n"
         "per paragraph. SLOT is an entry's place in the table: it moves with every insert\n"
         "and delete; scripts name entries by --entry NUMBER (search --numbers, insert and\n"
         "update print it).\n",
         Show},
        {"look",
         {"--max", "--color"},
         {"--no-pager", "--json"},
         {"[--max N] [--color WHEN] [--no-pager] [--json] WORD"},
         "print the best matches for WORD whole, as a dictionary does",
         "The entries whose headword begins with WORD, as the window's list finds them (in\n"
         "Greek when WORD begins with a Greek letter), each whole: the headword, its\n"
         "rendering, its science field and its description wrapped to the terminal's width\n"
         "($COLUMNS, else the terminal's, else 80).\n"
         "  --max N       at most N entries (default 5)\n"
         "  --color WHEN  headword bold and field dim: never, always, or auto (the default:\n"
         "                on a terminal only, and not when NO_COLOR is set); also\n"
         "                --color=WHEN\n"
         "  --no-pager    on a terminal, longer text goes through $PAGER (else less -R)\n"
         "                unless this is given; output to a pipe is never paged\n"
         "  --json        a JSON object per entry, as show --json gives it\n",
         Look,
         "define"},
        {"print",
         {"--pdf", "--entry"},
         {"--greek-mode"},
         {"[--greek-mode] (SLOT | --entry NUMBER) --pdf FILE"},
         "write one entry to a PDF file as the window prints it",
         "What the window's print button prints for the entry; no display is needed.\n",
         Print},
        {"insert",
         {"--english", "--greek", "--field", "--description", "--description-file"},
         {},
         {"--english TEXT [--greek TEXT] [--field F]",
          "(--description TEXT | --description-file FILE)"},
         "add an entry of your own",
         "Prints \"slot S entry N\": the new entry's slot in the tables read again, and its\n"
         "number, which stays with it while other entries come and go. --field as for\n"
         "search.\n",
         Insert},
        {"update",
         {"--entry", "--expect", "--english", "--greek", "--field", "--description",
          "--description-file"},
         {},
         {"(SLOT | --entry NUMBER) [--expect HEADWORD] [--english TEXT] [--greek TEXT]",
          "[--field F] (--description TEXT | --description-file FILE)"},
         "change an entry of your own, or your note on a lexicon entry",
         "Of a lexicon entry only the description (your note) is written. Prints\n"
         "\"ok entry N\": the entry's number after the change (your own entry gets a new\n"
         "one). --expect refuses the change unless the entry's English headword is\n"
         "HEADWORD.\n",
         Update},
        {"delete",
         {"--entry", "--expect"},
         {"--note"},
         {"[--note] (SLOT | --entry NUMBER) [--expect HEADWORD]"},
         "delete an entry of your own, or with --note your note on an entry",
         "Prints \"ok\". --expect as for update.\n",
         Delete},
        {"export",
         {"--format"},
         {"--notes"},
         {"[--format tbx|tbx2|csv] [--notes] FILE"},
         "write your own entries to a term base (TBX) or spreadsheet (CSV) file",
         "Every entry of your own, in the order of their numbers, and with --notes every\n"
         "note of yours on a lexicon entry, with the headword it is on. FILE is replaced\n"
         "whole, or never: - writes to the standard output. Prints \"exported N entries\n"
         "to FILE\".\n"
         "  --format tbx   TBX-Basic (<tbx>), as translators' term bases exchange terms;\n"
         "                 the default, unless FILE ends in .csv\n"
         "  --format tbx2  TBX in the older <martif> shape, for tools that read TBX v2\n"
         "  --format csv   UTF-8 with a header row: english, greek, field_code,\n"
         "                 field_name, description, kind (entry or note),\n"
         "                 lexicon_headword\n"
         "Descriptions are written as plain text; the entry number is the TBX concept's id\n"
         "(entry-N, or note-N for a note on lexicon entry N).\n",
         Export},
        {"import",
         {"--format"},
         {"--dry-run"},
         {"[--format tbx|tbx2|csv] [--dry-run] FILE"},
         "bring entries from a term base (TBX) or spreadsheet (CSV) file",
         "Each entry of FILE becomes an entry of your own: its English and Greek terms,\n"
         "its science field (by code or name; a field the list lacks is left out) and its\n"
         "definitions and notes as the description (without any, the Greek term). An\n"
         "entry whose English and Greek headwords are those of one of your own entries\n"
         "changes that entry instead of adding another; a note (kind note, or a TBX\n"
         "concept note-N) goes on the lexicon entry of its headword, replacing your note\n"
         "there. TBX is read as TBX-Basic or the older <martif> shape, with terms in\n"
         "English (en, en-GB, ...) and Greek (el, el-GR); without --format the content\n"
         "tells TBX from CSV. FILE may be at most 64 MiB.\n"
         "The import is one change: all of it, or nothing when any entry is refused (a\n"
         "headword the Greek code page cannot hold, a description too long, a row of the\n"
         "wrong number of columns, no room left); each refusal is named with its line.\n"
         "Prints what was imported, as \"N added, N updated, N notes written\".\n"
         "  --dry-run  print what each entry would do (add, update, add note, update\n"
         "             note, refuse) and write nothing; exits 4 when the import would\n"
         "             be refused\n",
         Import},
        {"prepare",
         {},
         {},
         {},
         "make the lexicon's files from its plain sources",
         "Scrambles data/i_.tbo, data/igr_.tbo and data/lex_.tbo into the lexicon's\n"
         "distribution files, and prints \"ok\".\n",
         Prepare},
        {"byte-range",
         {},
         {},
         {},
         "print the smallest and largest byte of the plain Greek headwords",
         "Of the headwords of data/igr_.tbo.\n",
         ByteRangeCommand},
        {"fields",
         {},
         {},
         {},
         "list the science fields: number, code and name",
         "A line per field of the science list: the number, code and name --field takes.\n"
         "The list holds the fields' Greek names only: no English name is printed.\n",
         Fields},
        {"help", {}, {}, {"[COMMAND]"}, "print the full help of a command", "", Help},
    };
    return commands;
}

void RunCommand(const CommandLine& line, std::ostream& out) {
    const Command* command = FindCommand(Commands(), line.command);
    if (command == nullptr) throw UsageError("unknown command " + line.command);
    command->run(line, out);
}

}  // namespace orvan::cli
