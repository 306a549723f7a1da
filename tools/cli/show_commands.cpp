#include "tools/cli/show_commands.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "lexicon/entry_display.h"
#include "lexicon/saved_entries.h"
#include "richtext/greek_code_page.h"
#include "richtext/plain_text.h"
#include "tools/cli/commands.h"
#include "tools/cli/json_lines.h"
#include "tools/cli/loaded_lexicon.h"
#include "tools/cli/look_output.h"
#include "tools/cli/search_cache.h"
#include "tools/cli/text_boundary.h"

namespace orvan::cli {

namespace {

// A saved record found damaged while the command line is read: the tables are loaded instead.
struct DamagedRecord {};

// The entries show and look display, and what displaying them takes besides: the saved entry
// records while they are those of the files as they are, else the tables loaded whole.
class EntriesToShow {
  public:
    // From the saved records, or nothing when there are none usable, or the science list cannot
    // be read (the full load then says why).
    static std::optional<EntriesToShow> saved(const CommandLine& line,
                                              const std::string& personalFolder,
                                              SavedEntriesCache& cache) {
        const auto records = cache.open();
        if (!records) return std::nullopt;
        EntriesToShow entries(LexiconFiles(line.programFolder), PersonalFiles(personalFolder));
        Result<FieldTable> fields = LoadFieldTable(entries.files_);
        if (!FieldTableProblem(entries.files_, fields).empty()) return std::nullopt;
        if (fields) entries.fields_ = std::move(*fields);
        entries.rtfHeader_ = LoadRtfHeader(entries.files_);
        entries.records_ = records;
        return entries;
    }

    // From `lexicon`, loaded whole.
    explicit EntriesToShow(const LoadedLexicon& lexicon)
        : files_(lexicon.files),
          reading_(lexicon.reading),
          rtfHeader_(lexicon.rtfHeader),
          lexicon_(&lexicon) {
        if (lexicon.fields) fields_ = *lexicon.fields;
    }

    EntrySlots named() const {
        if (lexicon_ != nullptr) return SlotsOf(*lexicon_);
        const SavedEntriesView records = *records_;
        return {records.count(),
                [records](long long number) -> int {
                    if (number < 1 || number > 0xFFFF) return 0;
                    return records.slotOfNumber(static_cast<int>(number)).value_or(0);
                },
                [this](int slot) {
                    auto shown = entry(slot);
                    if (!shown) throw DamagedRecord();
                    return std::move(shown->record.headword);
                }};
    }

    // The entry of a filled slot; nothing when its saved record is damaged.
    std::optional<EntryToShow> entry(int slot) const {
        if (lexicon_ != nullptr) return EntryToShowOf(lexicon_->tables, lexicon_->notes, slot);
        return records_->entry(slot);
    }

    // Whether the entries of `shownSlots` can all be shown: a damaged saved record is not.
    bool hasAll(const std::vector<int>& shownSlots) const {
        return std::all_of(shownSlots.begin(), shownSlots.end(),
                           [this](int slot) { return entry(slot).has_value(); });
    }

    EntryDisplay display(const EntryToShow& shown, bool greekMode) const {
        return DescribeEntry(shown, fields_, greekMode, files_, reading_);
    }

    // The whole document the pane loads for `display`; empty when its description cannot be
    // read.
    std::string document(const EntryDisplay& display) const {
        return display.body ? DescriptionDocument(rtfHeader_, *display.body) : std::string();
    }

    // The description pane's text for `display`, a line per paragraph; nothing when its
    // description cannot be read or its document was not taken as RTF (the pane is then empty).
    // show and look read every description through here. The prologue, the same for every
    // description, is read once.
    std::optional<std::vector<std::string>> descriptionLines(const EntryDisplay& display) const {
        if (!display.body) return std::nullopt;
        if (!prologue_) prologue_.emplace(rtfHeader_ + "\r\n");
        const std::u16string shown = richtext::PlainTextOf(*prologue_, *display.body + "\r\n");
        if (std::u16string_view(shown).starts_with(u"{\\rtf1")) return std::nullopt;
        std::vector<std::string> lines;
        size_t begin = 0;
        while (true) {
            const size_t end = shown.find(u'\n', begin);
            lines.push_back(Utf16ToUtf8(std::u16string_view(shown).substr(begin, end - begin)));
            if (end == std::u16string::npos) break;
            begin = end + 1;
        }
        return lines;
    }

    const FieldTable* fields() const { return fields_.count() > 0 ? &fields_ : nullptr; }

  private:
    EntriesToShow(LexiconFiles files, PersonalFiles reading)
        : files_(std::move(files)), reading_(std::move(reading)) {}

    LexiconFiles files_;
    PersonalFiles reading_;  // where the user's texts are read from
    FieldTable fields_;
    std::string rtfHeader_;
    mutable std::optional<richtext::RtfPrologue> prologue_;  // read at the first description
    std::optional<SavedEntriesView> records_;
    const LoadedLexicon* lexicon_ = nullptr;
};

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

// Writes one entry as show prints it.
void WriteShown(const CommandLine& line, const EntriesToShow& entries, int slot,
                std::ostream& out) {
    const EntryToShow shown = entries.entry(slot).value();
    const EntryDisplay display = entries.display(shown, line.arguments.has("--greek-mode"));
    const std::optional<std::vector<std::string>> lines = entries.descriptionLines(display);
    if (line.arguments.has("--json")) {
        WriteShownEntryJson(out, shown, entries.fields(), slot, Joined(lines),
                            entries.document(display));
        return;
    }
    out << ToUtf8(display.headwordLabel) << '\n'
        << ToUtf8(display.rendering) << '\n'
        << ToUtf8(display.fieldText) << '\n';
    for (const std::string& paragraph : lines.value_or(std::vector<std::string>{}))
        out << paragraph << '\n';
}

// The slots of the first `most` entries a list shows: the Greek headwords of one entry list it
// more than once, and each entry is shown once.
std::vector<int> FirstEntries(const std::vector<ListItem>& items, int most) {
    std::vector<int> first;
    for (const ListItem& item : items) {
        if (static_cast<int>(first.size()) == most) break;
        if (std::find(first.begin(), first.end(), item.slot) == first.end())
            first.push_back(item.slot);
    }
    return first;
}

// Writes the entries of `slots` as look prints them.
void WriteArticles(const CommandLine& line, const EntriesToShow& entries,
                   const std::vector<int>& shownSlots, bool greekMode, std::ostream& out) {
    const CommandArguments& arguments = line.arguments;
    const Screen screen = StandardOutput();
    const bool colour =
        WantColour(arguments.value("--color"), screen.terminal, std::getenv("NO_COLOR"));
    std::vector<Article> articles;
    for (const int slot : shownSlots) {
        const EntryToShow shown = entries.entry(slot).value();
        const EntryDisplay display = entries.display(shown, greekMode);
        const std::optional<std::vector<std::string>> lines = entries.descriptionLines(display);
        if (arguments.has("--json")) {
            WriteShownEntryJson(out, shown, entries.fields(), slot, Joined(lines),
                                entries.document(display));
            continue;
        }
        articles.push_back({ToUtf8(display.headwordLabel), ToUtf8(display.rendering),
                            ToUtf8(display.fieldText), lines.value_or(std::vector<std::string>{})});
    }
    if (arguments.has("--json")) return;
    WritePaged(ArticlesText(articles, screen.columns, colour), out, screen,
               !arguments.has("--no-pager"));
}

}  // namespace

void Show(const CommandLine& line, std::ostream& out) {
    const std::string personalFolder = PersonalFolderOf(line);
    SavedEntriesCache cache(line, personalFolder);
    if (const auto saved = EntriesToShow::saved(line, personalFolder, cache)) {
        try {
            const int slot = SlotArgument(line, saved->named());
            if (saved->hasAll({slot})) {
                WriteShown(line, *saved, slot, out);
                return;
            }
        } catch (const DamagedRecord&) {
            // Loaded below.
        }
    }
    const LoadedLexicon lexicon = Load(line, personalFolder);
    const EntriesToShow loaded(lexicon);
    WriteShown(line, loaded, SlotArgument(line, loaded.named()), out);
    out.flush();
    cache.save(lexicon);
}

void Look(const CommandLine& line, std::ostream& out) {
    const CommandArguments& arguments = line.arguments;
    const std::string word = arguments.onlyPositional().value_or("");
    if (word.empty()) throw UsageError("look needs a WORD");
    const std::string text = SearchArgument("WORD", word);
    const int most = arguments.number("--max", 5);
    if (most < 1) throw UsageError("--max needs a number from 1");
    FillRequest request;
    request.mode = SearchMode::Start;
    const bool greekMode = LanguageOfFill(text, request).value_or(false);

    const std::string personalFolder = PersonalFolderOf(line);
    const SearchCache index(line, personalFolder);
    SavedEntriesCache records(line, personalFolder);
    if (const auto items = index.answer(text, greekMode, request)) {
        const std::vector<int> shown = FirstEntries(*items, most);
        if (shown.empty()) throw NothingFound();
        const auto saved = EntriesToShow::saved(line, personalFolder, records);
        if (saved && saved->hasAll(shown)) {
            WriteArticles(line, *saved, shown, greekMode, out);
            return;
        }
    }
    const LoadedLexicon lexicon = Load(line, personalFolder);
    const FillResult found =
        FillList(lexicon.tables.entries, lexicon.tables.greek, text, greekMode, request);
    const std::vector<int> shown = FirstEntries(found.items, most);
    if (!shown.empty()) {
        WriteArticles(line, EntriesToShow(lexicon), shown, greekMode, out);
        out.flush();
    }
    index.save(lexicon);
    records.save(lexicon);
    if (shown.empty()) throw NothingFound();
}

}  // namespace orvan::cli
