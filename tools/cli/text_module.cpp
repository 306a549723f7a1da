// fulltext without saved texts: the full-text search of the window, which reads the descriptions'
// rich text with Qt Core.
#include "tools/cli/text_module.h"

#include <string>
#include <vector>

#include "lookup/full_text_search.h"
#include "richtext/greek_code_page.h"
#include "tools/cli/commands.h"
#include "tools/cli/json_lines.h"
#include "tools/cli/loaded_lexicon.h"
#include "tools/cli/search_cache.h"
#include "tools/cli/text_boundary.h"

namespace orvan::cli {

namespace {

// The full-text search of the window, confirmed: every entry whose description shows TEXT;
// then the descriptions' text is saved for the searches after it.
void FullText(const CommandLine& line, std::ostream& out) {
    const auto text = line.arguments.onlyPositional();
    if (!text) throw UsageError("fulltext needs a TEXT");
    const std::u16string typed = Utf8ToUtf16(Utf8Argument("TEXT", *text));
    const std::string personalFolder = PersonalFolderOf(line);
    const personal::DescriptionTextsCache cache = TextsCacheOf(line, personalFolder);
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
        if (line->command == "fulltext") {
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
