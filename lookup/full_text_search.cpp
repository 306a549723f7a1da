#include "lookup/full_text_search.h"

#include <algorithm>
#include <thread>

#include "lexicon/entry_display.h"
#include "richtext/code_pages.h"
#include "richtext/plain_text.h"

namespace orvan::lookup {

std::u16string FullTextTerm(std::u16string_view typed) {
    std::size_t start = 0;
    while (start < typed.size() && typed[start] <= u' ')
        ++start;
    return std::u16string(typed.substr(start));
}

std::string FullTextBody(const std::string& lexiconText, const std::string& personalText,
                         bool supplement) {
    std::string body = kDescriptionBodyStart;
    body.reserve(body.size() + lexiconText.size() + personalText.size() + 6);
    body += lexiconText;
    body += personalText;
    if (supplement) body += ' ';
    body += "}}}";
    return body;
}

namespace {

// Entries are searched by as many threads as there are processors, up to this many.
constexpr unsigned kMaxThreads = 4;

}  // namespace

FullTextSearch::FullTextSearch(const FullTextSources& sources, std::u16string term)
    : sources_(sources),
      term_(std::move(term)),
      prologue_(sources.rtfHeader + "\r\n"),
      probe_(term_, prologue_),
      total_(sources.tables.entries.Count()) {
    const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, kMaxThreads);
    for (unsigned i = 0; i < threads; ++i) {
        stores_.push_back({DescriptionReader(DescriptionStore::Lexicon, sources.files.descriptions),
                           DescriptionReader(DescriptionStore::Personal, sources.personal.texts)});
    }
    personalOpen_ = stores_.front().personal.open();
    // Nothing is found in an empty text, as a lexicon that cannot be read finds nothing.
    finished_ = term_.empty() || !stores_.front().lexicon.open();
}

std::string FullTextSearch::body(Stores& stores, const EntryRecord& entry) const {
    std::string lexiconText;
    if (entry.Kind != EntryKind::Personal)
        lexiconText = stores.lexicon.read(entry.DescPos, entry.DescLen).value_or(std::string());
    std::string personalText;
    const bool supplement = entry.Kind == EntryKind::Annotated && personalOpen_;
    if (supplement) {
        const NoteList& notes = sources_.notes;
        if (entry.NoteIndex >= 0 && static_cast<std::size_t>(entry.NoteIndex) < notes.size()) {
            personalText =
                stores.personal.readSupplement(notes[static_cast<std::size_t>(entry.NoteIndex)])
                    .value_or(std::string());
        }
    } else if (entry.Kind == EntryKind::Personal && personalOpen_) {
        personalText = stores.personal.read(entry.DescPos, entry.DescLen).value_or(std::string());
    }
    return FullTextBody(lexiconText, personalText, supplement);
}

bool FullTextSearch::matches(std::string_view body) const {
    if (!probe_.mayShowAll(body)) return false;
    const QString text = richtext::ExtractPlainText(prologue_, std::string(body) + "\r\n");
    return richtext::Utf16Of(text).find(term_) != std::u16string_view::npos;
}

std::vector<ListItem> FullTextSearch::search(Stores& stores, int first, int last) const {
    std::vector<ListItem> found;
    const EntryTable& entries = sources_.tables.entries;
    for (int slot = first; slot <= last; ++slot) {
        const EntryRecord& entry = entries[slot];
        if (matches(body(stores, entry)))
            found.push_back({ListItemText(entry.Headword, entry), slot});
    }
    return found;
}

bool FullTextSearch::step(int count) {
    if (finished_ || count <= 0) return !finished_;
    const int first = next_;
    const int last = std::min(total_, next_ + count - 1);
    // The slots are shared out in runs, one to each thread, and their finds joined in order.
    const int parts = std::min(static_cast<int>(stores_.size()), last - first + 1);
    std::vector<std::vector<ListItem>> found(static_cast<std::size_t>(parts));
    std::vector<std::thread> threads;
    const int share = (last - first + parts) / parts;
    for (int part = 0; part < parts; ++part) {
        const int from = first + part * share;
        const int to = std::min(last, from + share - 1);
        const auto run = [this, part, from, to, &found] {
            found[static_cast<std::size_t>(part)] =
                search(stores_[static_cast<std::size_t>(part)], from, to);
        };
        if (part + 1 < parts)
            threads.emplace_back(run);
        else
            run();
    }
    for (std::thread& thread : threads)
        thread.join();
    for (std::vector<ListItem>& items : found) {
        for (ListItem& item : items) {
            if (results_.size() >= kFullTextResultLimit) break;
            results_.push_back(std::move(item));
        }
    }
    next_ = last + 1;
    finished_ = next_ > total_ || results_.size() >= kFullTextResultLimit;
    return !finished_;
}

std::vector<ListItem> SearchDescriptions(const FullTextSources& sources,
                                         std::u16string_view typed) {
    FullTextSearch search(sources, FullTextTerm(typed));
    while (search.step(4096)) {
    }
    return search.results();
}

}  // namespace orvan::lookup
