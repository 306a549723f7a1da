#include "tools/cli/print_command.h"

#include "lexicon/entry_display.h"
#include "richtext/print_document.h"
#include "tools/cli/cli_module.h"
#include "tools/cli/commands.h"
#include "tools/cli/loaded_lexicon.h"
#include "tools/cli/print_module.h"

namespace orvan::cli {

namespace {

// The printing module, found beside this program or in ../lib/orvan/ from its folder.
OrvanPrintPdf PrintModule() {
    return reinterpret_cast<OrvanPrintPdf>(
        ModuleFunction(ORVAN_PRINT_MODULE, ORVAN_PRINT_FUNCTION));
}

}  // namespace

void Print(const CommandLine& line, std::ostream&) {
    const auto pdf = line.arguments.value("--pdf");
    if (!pdf || pdf->empty()) throw UsageError("print needs --pdf FILE");
    const LoadedLexicon lexicon = Load(line);
    const int slot = SlotArgument(line, lexicon);
    const bool greekMode = line.arguments.has("--greek-mode");
    const FieldTable* fields = lexicon.fields ? &*lexicon.fields : nullptr;
    const FieldTable noFields;
    const EntryDisplay display =
        DescribeEntry(slot, lexicon.tables, fields ? *fields : noFields, lexicon.notes, greekMode,
                      lexicon.files, lexicon.reading);
    // The pane as the window shows this entry: emptied when its description cannot be read.
    const std::string paneDocument =
        display.body ? DescriptionDocument(lexicon.rtfHeader, *display.body) : std::string{};
    const richtext::PrintValues values =
        richtext::PrintValuesOf(slot, lexicon.tables, fields, greekMode);
    const std::string jobName = richtext::PrintJobName(lexicon.tables.entries[slot].headword);
    // The figures come from the program folder, as the window opens them.
    const int status = PrintModule()(
        paneDocument.data(), paneDocument.size(), values.headword.c_str(), values.rendering.c_str(),
        values.fieldName.c_str(), jobName.c_str(), lexicon.files.folder.c_str(),
        lexicon.tables.entries[slot].number, pdf->c_str());
    if (status != 0) throw DataError("cannot write " + *pdf);
}

}  // namespace orvan::cli
