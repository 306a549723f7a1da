// show and fulltext: the entry display and the full-text search of the window, which read the
// descriptions' rich text with Qt Core.
#include "tools/cli/text_module.h"

#include <QString>
#include <optional>
#include <string>

#include "lexicon/entry_display.h"
#include "lookup/full_text_search.h"
#include "richtext/greek_code_page.h"
#include "richtext/plain_text.h"
#include "tools/cli/commands.h"
#include "tools/cli/json_lines.h"
#include "tools/cli/loaded_lexicon.h"
#include "tools/cli/search_cache.h"
#include "tools/cli/text_boundary.h"

namespace orvan::cli {

namespace {

// The description pane's text for `document` as UTF-8, its paragraphs separated by line ends;
// nothing when the pane is emptied because the document is not taken as RTF.
std::optional<std::string> PaneText(const std::string& document) {
    const QString shown = richtext::ExtractPlainText(document);
    if (shown.startsWith(QStringLiteral("{\\rtf1"))) return std::nullopt;
    return shown.toStdString();
}

// The entry display of the window for one slot: the headword label, the rendering, the field,
// then the description pane's text, a line per paragraph. With --json, one line of JSON.
void Show(const CommandLine& line, std::ostream& out) {
    const LoadedLexicon lexicon = Load(line);
    const int slot = SlotArgument(line, lexicon);
    const FieldTable noFields;
    const EntryDisplay display = DescribeEntry(
        slot, lexicon.tables, lexicon.fields ? *lexicon.fields : noFields, lexicon.notes,
        line.arguments.has("--greek-mode"), lexicon.files, lexicon.reading);
    // The description could not be read: the pane is empty.
    const std::string document =
        display.body ? DescriptionDocument(lexicon.rtfHeader, *display.body) : std::string();
    const std::optional<std::string> text = display.body ? PaneText(document) : std::nullopt;
    if (line.arguments.has("--json")) {
        WriteShownEntryJson(out, lexicon.tables, lexicon.fieldTable(), slot, text.value_or(""),
                            document);
        return;
    }
    out << ToUtf8(display.headwordLabel) << '\n'
        << ToUtf8(display.rendering) << '\n'
        << ToUtf8(display.fieldText) << '\n';
    if (text) out << *text << '\n';
}

// The full-text search of the window, confirmed: every entry whose description shows TEXT;
// then the descriptions' text is saved for the searches after it.
void FullText(const CommandLine& line, std::ostream& out) {
    const auto text = line.arguments.onlyPositional();
    if (!text) throw UsageError("fulltext needs a TEXT");
    const std::u16string typed = Utf8ToUtf16(Utf8Argument("TEXT", *text));
    const std::string personalFolder = PersonalFolderOf(line);
    const DescriptionTextsCache cache(line, personalFolder);
    const LoadedLexicon lexicon = Load(line, personalFolder);
    const lookup::FullTextSources sources = lookup::FullTextSourcesOf(lexicon);
    PrintList(line, lexicon, lookup::SearchDescriptions(sources, typed), out);
    // The next search reads the descriptions' text saved now, without Qt.
    out.flush();
    cache.save(lexicon, [&] { return lookup::ShownDescriptionTexts(sources); });
}

}  // namespace

}  // namespace orvan::cli

extern "C" __attribute__((visibility("default"))) OrvanTextOutcome orvan_text_command(
    const orvan::cli::CommandLine* line, std::ostream* out, std::string* reason) {
    using namespace orvan::cli;
    try {
        if (line->command == "show") {
            Show(*line, *out);
        } else if (line->command == "fulltext") {
            FullText(*line, *out);
        } else {
            throw UsageError("unknown command " + line->command);
        }
        return OrvanTextOutcome::Done;
    } catch (const UsageError& error) {
        *reason = error.what();
        return OrvanTextOutcome::UsageError;
    } catch (const std::exception& error) {
        *reason = error.what();
        return OrvanTextOutcome::DataError;
    }
}
