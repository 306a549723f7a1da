#include "tools/cli/commands.h"

#include <QStringList>
#include <algorithm>
#include <cctype>

#include "lexicon/conversions.h"
#include "lexicon/entry_display.h"
#include "lexicon/line_formats.h"
#include "lexicon/list_search.h"
#include "lexicon/settings.h"
#include "lexicon/tables.h"
#include "lexicon/text_file.h"
#include "lookup/full_text_search.h"
#include "richtext/greek_code_page.h"
#include "richtext/plain_text.h"
#include "tools/cli/edit_commands.h"
#include "tools/cli/loaded_lexicon.h"
#include "tools/cli/print_command.h"
#include "tools/cli/text_boundary.h"

namespace orvan::cli {

namespace {

std::string FieldCodeOption(const CommandArguments& arguments, const LoadedLexicon& lexicon) {
    const int item = arguments.Number("--field", 0);
    const int items = lexicon.fields ? lexicon.fields->Count() : 0;
    if (item > items) {
        throw UsageError("--field " + std::to_string(item) + ": the science list has items 0 to " +
                         std::to_string(items));
    }
    return FieldFilterCode(lexicon.fields ? &*lexicon.fields : nullptr, item);
}

void PrintItems(const std::vector<ListItem>& items, std::ostream& out) {
    for (const ListItem& item : items)
        out << item.slot << '\t' << ToUtf8(item.text) << '\n';
}

void Dump(const CommandLine& line, std::ostream& out) {
    if (!line.arguments.positional.empty()) throw UsageError("dump takes no arguments");
    const LoadedLexicon lexicon = Load(line);
    if (lexicon.fields) {
        for (int slot = 1; slot <= lexicon.fields->Count(); ++slot) {
            const FieldRecord& field = (*lexicon.fields)[slot];
            out << "F\t" << slot << '\t' << ToUtf8(field.Code) << '\t' << ToUtf8(field.Name)
                << '\n';
        }
    }
    const EntryTable& entries = lexicon.tables.entries;
    for (int slot = 1; slot <= entries.Count(); ++slot) {
        const EntryRecord& e = entries[slot];
        out << "E\t" << slot << '\t' << e.Number << '\t' << KindLetter(e.Kind) << '\t' << e.DescPos
            << '\t' << e.DescLen << '\t' << int{e.KeyStart} << '\t' << e.NoteIndex << '\t'
            << e.GreekSlot << '\t' << ToUtf8(e.FieldCode) << '\t' << ToUtf8(e.Headword) << '\n';
    }
    const GreekTable& greek = lexicon.tables.greek;
    for (int slot = 1; slot <= greek.Count(); ++slot) {
        const GreekRecord& g = greek[slot];
        out << "G\t" << slot << '\t' << g.Number << '\t' << g.EnglishSlot << '\t'
            << ToUtf8(g.Headword) << '\n';
    }
    for (size_t index = 0; index < lexicon.notes.size(); ++index) {
        out << "N\t" << index << '\t' << ToUtf8(lexicon.notes[index]) << '\n';
    }
}

void Search(const CommandLine& line, std::ostream& out) {
    const CommandArguments& arguments = line.arguments;
    // Mode names are taken in any letter case.
    std::string modeName = arguments.Value("--mode").value_or("START");
    std::transform(modeName.begin(), modeName.end(), modeName.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const auto mode = SearchModeOfName(modeName);
    if (mode != SearchMode::Start && mode != SearchMode::Contain && mode != SearchMode::End) {
        throw UsageError("--mode must be START, CONTAIN or END");
    }
    const std::string text = SearchArgument("TEXT", arguments.OnlyPositional().value_or(""));
    const LoadedLexicon lexicon = Load(line);
    FillRequest request;
    request.mode = *mode;
    request.personalOnly = arguments.Has("--personal-only");
    request.fieldCode = FieldCodeOption(arguments, lexicon);
    PrintItems(FillList(lexicon.tables.entries, lexicon.tables.greek, text,
                        arguments.Has("--greek-mode"), request)
                   .items,
               out);
}

// The entry display of the window for one slot: the headword label, the rendering, the field,
// then the description pane's text, a line per paragraph.
void Show(const CommandLine& line, std::ostream& out) {
    const LoadedLexicon lexicon = Load(line);
    const int slot = SlotArgument(line, lexicon);
    const FieldTable noFields;
    const EntryDisplay display = DescribeEntry(
        slot, lexicon.tables, lexicon.fields ? *lexicon.fields : noFields, lexicon.notes,
        line.arguments.Has("--greek-mode"), lexicon.files, lexicon.personal);
    out << ToUtf8(display.headwordLabel) << '\n'
        << ToUtf8(display.rendering) << '\n'
        << ToUtf8(display.fieldText) << '\n';
    if (!display.body) return;  // the description could not be read: the pane is empty
    const QString shown =
        richtext::ExtractPlainText(DescriptionDocument(lexicon.rtfHeader, *display.body));
    if (shown.startsWith(QStringLiteral("{\\rtf1"))) return;  // not taken as RTF: emptied
    for (const QString& paragraph : shown.split(u'\n'))
        out << paragraph.toStdString() << '\n';
}

void Multi(const CommandLine& line, std::ostream& out) {
    const CommandArguments& arguments = line.arguments;
    if (!arguments.positional.empty()) throw UsageError("multi takes no TEXT");
    SearchCriteria criteria;
    criteria.start = SearchArgument("--start", arguments.Value("--start").value_or(""));
    criteria.contain = SearchArgument("--contain", arguments.Value("--contain").value_or(""));
    criteria.end = SearchArgument("--end", arguments.Value("--end").value_or(""));
    const LoadedLexicon lexicon = Load(line);
    const std::string fieldCode = FieldCodeOption(arguments, lexicon);
    const CriteriaDispatch dispatch = DispatchSearchCriteria(criteria);
    if (!dispatch.fill) return;
    FillRequest request;
    request.mode = dispatch.mode;
    request.fieldCode = fieldCode;
    request.criteria = criteria;
    PrintItems(
        FillList(lexicon.tables.entries, lexicon.tables.greek, dispatch.entryText, false, request)
            .items,
        out);
}

// The full-text search of the window, confirmed: every entry whose description shows TEXT.
void FullText(const CommandLine& line, std::ostream& out) {
    const auto text = line.arguments.OnlyPositional();
    if (!text) throw UsageError("fulltext needs a TEXT");
    const std::u16string typed = Utf8ToUtf16(Utf8Argument("TEXT", *text));
    const LoadedLexicon lexicon = Load(line);
    const lookup::FullTextSources sources{lexicon.tables, lexicon.notes, lexicon.files,
                                          lexicon.personal, lexicon.rtfHeader};
    PrintItems(lookup::SearchDescriptions(sources, typed), out);
}

void Prepare(const CommandLine& line, std::ostream& out) {
    if (!line.arguments.positional.empty()) throw UsageError("prepare takes no arguments");
    const LexiconFiles files(line.programFolder);
    try {
        ConvertIndexFile(files.plainEnglishIndex, files.englishIndex);
        ConvertIndexFile(files.plainGreekIndex, files.greekIndex);
        ConvertLexiconFile(files.plainDescriptions, files.descriptions);
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
        {"dump", {}, {}, {}, Dump},
        {"search",
         {"--mode", "--field"},
         {"--personal-only", "--greek-mode"},
         {"[--mode START|CONTAIN|END] [--field N] [--personal-only] [--greek-mode] [TEXT]",
          "(mode names in any letter case)"},
         Search},
        {"multi",
         {"--field", "--start", "--contain", "--end"},
         {},
         {"[--field N] [--start S] [--contain C] [--end E]"},
         Multi},
        {"fulltext",
         {},
         {},
         {"TEXT", "(the descriptions' text, exactly: case and accents count)"},
         FullText},
        {"show", {}, {"--greek-mode"}, {"[--greek-mode] SLOT"}, Show},
        {"print", {"--pdf"}, {"--greek-mode"}, {"[--greek-mode] SLOT --pdf FILE"}, Print},
        {"insert",
         {"--english", "--greek", "--field", "--description", "--description-file"},
         {},
         {"--english TEXT [--greek TEXT] [--field N]",
          "(--description TEXT | --description-file FILE)",
          "prints \"slot N\": the new entry's slot in the tables read again"},
         Insert},
        {"update",
         {"--english", "--greek", "--field", "--description", "--description-file"},
         {},
         {"SLOT [--english TEXT] [--greek TEXT] [--field N]",
          "(--description TEXT | --description-file FILE)",
          "of a lexicon entry only the description (your note) is written"},
         Update},
        {"delete", {}, {"--note"}, {"[--note] SLOT"}, Delete},
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
