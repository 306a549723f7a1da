// show, look and fulltext: the entry display and the full-text search of the window, which read the
// descriptions' rich text with Qt Core.
#include "tools/cli/text_module.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "lexicon/entry_display.h"
#include "lookup/full_text_search.h"
#include "richtext/greek_code_page.h"
#include "richtext/screen_text.h"
#include "tools/cli/commands.h"
#include "tools/cli/json_lines.h"
#include "tools/cli/loaded_lexicon.h"
#include "tools/cli/look_output.h"
#include "tools/cli/search_cache.h"
#include "tools/cli/text_boundary.h"

namespace orvan::cli {

namespace {

// The description pane's text of an entry the window displays, a line per paragraph; nothing
// when the description could not be read or was not taken as RTF (the pane is then empty). show
// and look read every description through here.
std::optional<std::vector<std::string>> DescriptionLines(const LoadedLexicon& lexicon,
                                                         const EntryDisplay& display) {
    if (!display.body) return std::nullopt;
    const QString shown =
        richtext::ExtractPlainText(DescriptionDocument(lexicon.rtfHeader, *display.body));
    if (shown.startsWith(QStringLiteral("{\\rtf1"))) return std::nullopt;
    std::vector<std::string> lines;
    for (const QString& paragraph : shown.split(u'\n'))
        lines.push_back(paragraph.toStdString());
    return lines;
}

EntryDisplay DisplayOf(const LoadedLexicon& lexicon, int slot, bool greekMode) {
    const FieldTable noFields;
    return DescribeEntry(slot, lexicon.tables, lexicon.fields ? *lexicon.fields : noFields,
                         lexicon.notes, greekMode, lexicon.files, lexicon.reading);
}

// The description's lines as one text, the pane's paragraphs separated by line ends.
std::string Joined(const std::optional<std::vector<std::string>>& lines) {
    std::string text;
    if (!lines) return text;
    for (std::size_t i = 0; i < lines->size(); ++i) {
        if (i > 0) text += '\n';
        text += (*lines)[i];
    }
    return text;
}

// The entry display of the window for one slot: the headword label, the rendering, the field,
// then the description pane's text, a line per paragraph. With --json, one line of JSON.
void Show(const CommandLine& line, std::ostream& out) {
    const LoadedLexicon lexicon = Load(line);
    const int slot = SlotArgument(line, lexicon);
    const EntryDisplay display = DisplayOf(lexicon, slot, line.arguments.has("--greek-mode"));
    const std::optional<std::vector<std::string>> lines = DescriptionLines(lexicon, display);
    if (line.arguments.has("--json")) {
        // The description could not be read: the pane is empty, and so is the document.
        const std::string document =
            display.body ? DescriptionDocument(lexicon.rtfHeader, *display.body) : std::string();
        WriteShownEntryJson(out, lexicon.tables, lexicon.fieldTable(), slot, Joined(lines),
                            document);
        return;
    }
    out << ToUtf8(display.headwordLabel) << '\n'
        << ToUtf8(display.rendering) << '\n'
        << ToUtf8(display.fieldText) << '\n';
    for (const std::string& paragraph : lines.value_or(std::vector<std::string>{}))
        out << paragraph << '\n';
}

// The list search's best matches for a word, each entry whole: the window's START search, in the
// language of the word's first letter, then each listed entry as the window displays it.
void Look(const CommandLine& line, std::ostream& out) {
    const CommandArguments& arguments = line.arguments;
    const std::string word = arguments.onlyPositional().value_or("");
    if (word.empty()) throw UsageError("look needs a WORD");
    const std::string text = SearchArgument("WORD", word);
    const int most = arguments.number("--max", 5);
    if (most < 1) throw UsageError("--max needs a number from 1");
    const Screen screen = StandardOutput();
    const bool colour =
        WantColour(arguments.value("--color"), screen.terminal, std::getenv("NO_COLOR"));
    const LoadedLexicon lexicon = Load(line);
    FillRequest request;
    request.mode = SearchMode::Start;
    const FillResult found =
        FillList(lexicon.tables.entries, lexicon.tables.greek, text, false, request);
    const bool greekMode = found.language.value_or(false);
    // Greek headwords of one entry list it more than once: each entry is shown once.
    std::vector<int> shownSlots;
    for (const ListItem& item : found.items) {
        if (static_cast<int>(shownSlots.size()) == most) break;
        if (std::find(shownSlots.begin(), shownSlots.end(), item.slot) == shownSlots.end())
            shownSlots.push_back(item.slot);
    }
    if (shownSlots.empty()) throw NothingFound();
    std::vector<Article> articles;
    for (const int slot : shownSlots) {
        const EntryDisplay display = DisplayOf(lexicon, slot, greekMode);
        const std::optional<std::vector<std::string>> lines = DescriptionLines(lexicon, display);
        if (arguments.has("--json")) {
            const std::string document = display.body
                                             ? DescriptionDocument(lexicon.rtfHeader, *display.body)
                                             : std::string();
            WriteShownEntryJson(out, lexicon.tables, lexicon.fieldTable(), slot, Joined(lines),
                                document);
            continue;
        }
        articles.push_back({ToUtf8(display.headwordLabel), ToUtf8(display.rendering),
                            ToUtf8(display.fieldText), lines.value_or(std::vector<std::string>{})});
    }
    if (arguments.has("--json")) return;
    WritePaged(ArticlesText(articles, screen.columns, colour), out, screen,
               !arguments.has("--no-pager"));
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
    const std::vector<ListItem> items = lookup::SearchDescriptions(sources, typed);
    PrintList(line, lexicon, items, out);
    // The next search reads the descriptions' text saved now, without Qt.
    out.flush();
    cache.save(lexicon, [&] { return lookup::ShownDescriptionTexts(sources); });
    if (items.empty()) throw NothingFound();
}

}  // namespace

}  // namespace orvan::cli

extern "C" __attribute__((visibility("default"))) OrvanTextOutcome orvan_text_command(
    const orvan::cli::CommandLine* line, std::ostream* out, std::string* reason) {
    using namespace orvan::cli;
    try {
        if (line->command == "show") {
            Show(*line, *out);
        } else if (line->command == "look") {
            Look(*line, *out);
        } else if (line->command == "fulltext") {
            FullText(*line, *out);
        } else {
            throw UsageError("unknown command " + line->command);
        }
        return OrvanTextOutcome::Done;
    } catch (const UsageError& error) {
        *reason = error.what();
        return OrvanTextOutcome::UsageError;
    } catch (const NothingFound& error) {
        *reason = error.what();
        return OrvanTextOutcome::NothingFound;
    } catch (const std::exception& error) {
        *reason = error.what();
        return OrvanTextOutcome::DataError;
    }
}
