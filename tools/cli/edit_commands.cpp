#include "tools/cli/edit_commands.h"

#include <filesystem>
#include <iostream>

#include "lexicon/line_formats.h"
#include "lexicon/text_file.h"
#include "personal/entry_placement.h"
#include "personal/personal_store.h"
#include "tools/cli/commands.h"
#include "tools/cli/loaded_lexicon.h"
#include "tools/cli/text_boundary.h"

namespace orvan::cli {

namespace {

// A UTF-8 byte order mark, as some editors write at the start of a file.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The UTF-8 text of a description file, without its byte order mark. No description longer
// than the store's limit can fit, so no more than that is ever read.
std::string DescriptionFile(const std::string& path) {
    const long long limit =
        personal::kMaxTextLength + static_cast<long long>(kByteOrderMark.size());
    Result<std::string> contents = ReadRegularFile(path, limit);
    if (!contents && contents.error().code == ErrorCode::TooLarge) {
        throw DataError(path + " is longer than any description that fits (" +
                        std::to_string(personal::kMaxTextLength) + " bytes stored)");
    }
    if (!contents) throw DataError("cannot read the description: " + contents.error().message);
    if (contents->starts_with(kByteOrderMark)) contents->erase(0, kByteOrderMark.size());
    return std::move(*contents);
}

// The description of --description or --description-file; nothing when neither is given.
std::optional<std::string> DescriptionOption(const CommandArguments& arguments) {
    const auto text = arguments.value("--description");
    const auto file = arguments.value("--description-file");
    if (text && file) throw UsageError("give --description or --description-file, not both");
    if (text) return WithCrLfLineEnds(Utf8Argument("--description", *text));
    if (!file) return std::nullopt;
    return WithCrLfLineEnds(Utf8Argument("--description-file", DescriptionFile(*file)));
}

// The editor refuses an entry without its English headword or its description.
void CheckEditorFields(const personal::PendingEntry& entry) {
    if (!personal::EntryComplete(entry)) {
        throw UsageError("the English headword and the description must be filled in");
    }
}

const personal::StoreResult& Check(const personal::StoreResult& result) {
    if (!result.done()) throw ChangeRefused("nothing changed: " + result.reason);
    return result;
}

}  // namespace

void NeedPersonalFolder(const LoadedLexicon& lexicon) {
    if (!lexicon.personal.known()) {
        throw ChangeRefused("no personal folder: give --personal or set one in the program");
    }
    std::error_code error;
    std::filesystem::create_directories(personal::StoreFolder(lexicon.personal), error);
    if (!std::filesystem::is_directory(personal::StoreFolder(lexicon.personal))) {
        throw ChangeRefused("cannot create the personal folder " +
                            personal::StoreFolder(lexicon.personal));
    }
}

void NeedWholeLoad(const LoadedLexicon& lexicon) {
    const std::optional<Error> loadProblem = personal::LoadProblemOf(lexicon.tables);
    const std::string problem =
        loadProblem ? loadProblem->message : FieldTableProblem(lexicon.files, lexicon.fields);
    if (!problem.empty()) {
        throw ChangeRefused("nothing changed: the entries were not read whole (" + problem +
                            "); no change is made from them");
    }
}

personal::StoreContext StoreContextOf(const LoadedLexicon& lexicon) {
    return {lexicon.files, lexicon.tables, lexicon.fields ? &*lexicon.fields : nullptr,
            lexicon.personal};
}

void Insert(const CommandLine& line, std::ostream& out) {
    const CommandArguments& arguments = line.arguments;
    if (!arguments.positional.empty()) throw UsageError("insert takes no positional arguments");
    personal::PendingEntry entry;
    entry.english = CodePageArgument("--english", arguments.value("--english").value_or(""));
    entry.greek = CodePageArgument("--greek", arguments.value("--greek").value_or(""));
    entry.description = DescriptionOption(arguments).value_or("");
    CheckEditorFields(entry);
    const LoadedLexicon lexicon = Load(line);
    NeedWholeLoad(lexicon);
    entry.fieldIndex = FieldOption(arguments, lexicon, -1);
    NeedPersonalFolder(lexicon);
    const personal::StoreResult result =
        Check(personal::InsertPersonalEntry(StoreContextOf(lexicon), entry));
    // Where the new entry stands once the tables are read again, and its number, which stays
    // with it while other entries come and go.
    const LoadedLexicon reloaded = Load(line);
    out << "slot " << personal::SlotOfNumber(reloaded.tables.entries, result.entryNumber)
        << " entry " << result.entryNumber << '\n';
}

void Update(const CommandLine& line, std::ostream& out) {
    const CommandArguments& arguments = line.arguments;
    const LoadedLexicon lexicon = Load(line);
    NeedWholeLoad(lexicon);
    const int slot = SlotArgument(line, lexicon);
    const EntryRecord& record = lexicon.tables.entries[slot];
    // Only what the options give changes; the store keeps the rest as the files hold it.
    personal::EntryChange change;
    if (record.kind != EntryKind::Personal) {
        for (const char* option : {"--english", "--greek", "--field"}) {
            if (arguments.value(option)) {
                std::cerr << "orvan-cli: " << option
                          << " is not used: of a lexicon entry only the description (your note) "
                             "is written\n";
            }
        }
    } else {
        if (const auto english = arguments.value("--english"))
            change.english = CodePageArgument("--english", *english);
        if (const auto greek = arguments.value("--greek"))
            change.greek = CodePageArgument("--greek", *greek);
        if (arguments.value("--field")) change.fieldIndex = FieldOption(arguments, lexicon, -1);
    }
    const auto description = DescriptionOption(arguments);
    if (!description) throw UsageError("update needs --description or --description-file");
    change.description = *description;
    CheckEditorFields({change.english.value_or(record.headword), "", -1, change.description});
    NeedPersonalFolder(lexicon);
    // The store finds the entry by the number resolved here, in the files as they are under its
    // lock. An own entry changed gets a new number; a lexicon entry keeps its own.
    const personal::StoreResult result =
        Check(personal::ChangeEntry(StoreContextOf(lexicon), {record.number, record.kind}, change));
    out << "ok entry " << result.entryNumber << '\n';
}

void Delete(const CommandLine& line, std::ostream& out) {
    const LoadedLexicon lexicon = Load(line);
    NeedWholeLoad(lexicon);
    const int slot = SlotArgument(line, lexicon);
    const EntryRecord& record = lexicon.tables.entries[slot];
    // With --note, the user's supplement of a lexicon entry; else one of the user's own entries.
    const bool note = line.arguments.has("--note");
    if (note && record.kind != EntryKind::Annotated) {
        throw ChangeRefused(EntryNamed(line, slot) + " has no note of yours");
    }
    if (!note && record.kind != EntryKind::Personal) {
        throw ChangeRefused(EntryNamed(line, slot) + " is not one of your own entries");
    }
    NeedPersonalFolder(lexicon);
    Check(note ? personal::DeleteSupplement(StoreContextOf(lexicon), record.number)
               : personal::DeletePersonalEntry(StoreContextOf(lexicon), record.number));
    out << "ok\n";
}

}  // namespace orvan::cli
