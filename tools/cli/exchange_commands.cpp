#include "tools/cli/exchange_commands.h"

#include <iostream>

#include "lexicon/text_file.h"
#include "personal/csv_entries.h"
#include "personal/entry_export.h"
#include "personal/entry_import.h"
#include "personal/exchange_formats.h"
#include "tools/cli/cli_module.h"
#include "tools/cli/commands.h"
#include "tools/cli/edit_commands.h"
#include "tools/cli/exchange_module.h"
#include "tools/cli/loaded_lexicon.h"

namespace orvan::cli {

namespace {

using personal::ExchangeEntry;
using personal::ExchangeFormat;
using personal::ImportAction;

// The file a command names, its one positional argument.
std::string FileArgument(const CommandLine& line) {
    const auto file = line.arguments.onlyPositional();
    if (!file || file->empty()) throw UsageError(line.command + " needs a FILE");
    return *file;
}

// The format --format names; nothing when it is not given.
std::optional<ExchangeFormat> FormatOption(const CommandArguments& arguments) {
    const auto name = arguments.value("--format");
    if (!name) return std::nullopt;
    const auto format = personal::ExchangeFormatNamed(*name);
    if (!format) throw UsageError("--format takes tbx, tbx2 or csv, not " + *name);
    return format;
}

// The entries of a file to import, in the format given or else the one its content shows.
std::vector<ExchangeEntry> EntriesOfFile(const std::string& path,
                                         std::optional<ExchangeFormat> format) {
    Result<std::string> bytes = personal::ReadExchangeFile(path);
    if (!bytes) throw DataError(bytes.error().message);
    if (format.value_or(personal::ExchangeFormatOfText(*bytes)) == ExchangeFormat::Csv) {
        auto entries = personal::ReadEntriesCsv(*bytes, path);
        if (!entries) throw DataError(entries.error().message);
        return std::move(*entries);
    }
    // XML is read in the exchange module, so that no other command loads Qt.
    const auto read = reinterpret_cast<OrvanReadTbx>(
        ModuleFunction(ORVAN_EXCHANGE_MODULE, ORVAN_EXCHANGE_FUNCTION));
    std::vector<ExchangeEntry> entries;
    std::string reason;
    if (!read(&*bytes, &path, &entries, &reason)) throw DataError(reason);
    return entries;
}

const char* ActionText(ImportAction action) {
    switch (action) {
        case ImportAction::Add:
            return "add";
        case ImportAction::Update:
            return "update";
        case ImportAction::AddNote:
            return "add note";
        case ImportAction::UpdateNote:
            return "update note";
        case ImportAction::Refuse:
            break;
    }
    return "refuse";
}

// A line of the report: what the entry does, where the file has it, its headwords, the entry it
// changes or is written on, and the remark.
std::string StepLine(const personal::ImportStep& step) {
    std::string text = std::string(ActionText(step.action)) + " " + step.origin;
    const bool note =
        step.action == ImportAction::AddNote || step.action == ImportAction::UpdateNote;
    if (!step.english.empty()) text += ": " + std::string(note ? "on " : "") + step.english;
    if (!step.greek.empty() && !note) text += " \u2014 " + step.greek;
    if (step.action == ImportAction::Update || note)
        text += " (entry " + std::to_string(step.entryNumber) + ")";
    if (!step.remark.empty()) text += ": " + step.remark;
    return text;
}

// "2 added, 1 updated, 1 note written, 1 refused", or as a dry run would: "2 to add, ...".
std::string Counts(const personal::ImportPlan& plan, bool dryRun) {
    const int notes = plan.count(ImportAction::AddNote) + plan.count(ImportAction::UpdateNote);
    return std::to_string(plan.count(ImportAction::Add)) + (dryRun ? " to add, " : " added, ") +
           std::to_string(plan.count(ImportAction::Update)) +
           (dryRun ? " to update, " : " updated, ") + std::to_string(notes) +
           (dryRun ? (notes == 1 ? " note to write, " : " notes to write, ")
                   : (notes == 1 ? " note written, " : " notes written, ")) +
           std::to_string(plan.count(ImportAction::Refuse)) + " refused";
}

}  // namespace

void Export(const CommandLine& line, std::ostream& out) {
    const std::string file = FileArgument(line);
    const ExchangeFormat format =
        FormatOption(line.arguments).value_or(personal::ExchangeFormatOfPath(file));
    const LoadedLexicon lexicon = Load(line);
    if (!lexicon.personal.known())
        throw DataError("no personal folder: give --personal or set one in the program");
    if (personal::IsStoreFile(lexicon.personal, file))
        throw ChangeRefused(file + " is one of the personal folder's own files; export elsewhere");
    auto entries = personal::ExportEntries(lexicon, line.arguments.has("--notes"));
    if (!entries) throw DataError("nothing exported: " + entries.error().message);
    const std::string text = personal::WriteExchangeText(*entries, format);
    if (file == "-") {
        out << text;
        return;
    }
    if (auto written = WriteFileAtomically(file, text); !written)
        throw DataError("nothing exported: " + written.error().message);
    const auto notes = std::count_if(entries->begin(), entries->end(), [](const auto& entry) {
        return entry.kind == personal::ExchangeKind::Note;
    });
    const auto own = entries->size() - static_cast<std::size_t>(notes);
    out << "exported " << own << (own == 1 ? " entry" : " entries");
    if (line.arguments.has("--notes")) out << " and " << notes << (notes == 1 ? " note" : " notes");
    out << " to " << file << '\n';
}

void Import(const CommandLine& line, std::ostream& out) {
    const std::string file = FileArgument(line);
    const std::vector<ExchangeEntry> entries = EntriesOfFile(file, FormatOption(line.arguments));
    const LoadedLexicon lexicon = Load(line);
    NeedWholeLoad(lexicon);
    if (line.arguments.has("--dry-run")) {
        const personal::ImportPlan plan =
            personal::PlanImport(lexicon.tables, lexicon.fieldTable(), entries);
        for (const personal::ImportStep& step : plan.steps)
            out << StepLine(step) << '\n';
        out << "dry run: " << Counts(plan, true) << "; nothing was written\n";
        if (!plan.refusal.empty())
            throw ChangeRefused("the import would be refused: " + plan.refusal);
        const int refused = plan.count(ImportAction::Refuse);
        if (refused > 0) {
            throw ChangeRefused("the import would be refused: " + std::to_string(refused) +
                                (refused == 1 ? " entry is" : " entries are") + " refused");
        }
        return;
    }
    NeedPersonalFolder(lexicon);
    const personal::ImportResult result = personal::ImportEntries(StoreContextOf(lexicon), entries);
    // What was done with part of an entry, or why an entry was refused.
    for (const personal::ImportStep& step : result.plan.steps) {
        if (!step.remark.empty()) std::cerr << "orvan-cli: " << StepLine(step) << '\n';
    }
    if (!result.result.done()) throw ChangeRefused("nothing imported: " + result.result.reason);
    out << "imported from " << file << ": " << Counts(result.plan, false) << '\n';
}

}  // namespace orvan::cli
