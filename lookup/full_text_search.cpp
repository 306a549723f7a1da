#include "lookup/full_text_search.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>

#include "lexicon/entry_display.h"
#include "richtext/plain_text.h"

namespace orvan::lookup {

FullTextSources FullTextSourcesOf(const LoadedLexicon& lexicon) {
    return {lexicon.tables, lexicon.notes, lexicon.files, lexicon.reading, lexicon.rtfHeader};
}

namespace {

// Entries are searched by as many threads as there are processors, up to this many.
constexpr unsigned kMaxThreads = 4;
// Slots are handed to the threads this many at a time.
constexpr int kSlotsPerRun = 256;

}  // namespace

FullTextSearch::FullTextSearch(const FullTextSources& sources, std::u16string term)
    : sources_(sources),
      term_(std::move(term)),
      prologue_(sources.rtfHeader + "\r\n"),
      probe_(term_, prologue_),
      total_(sources.tables.entries.count()) {
    const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, kMaxThreads);
    for (unsigned i = 0; i < threads; ++i) {
        readings_.push_back(
            {DescriptionReader(DescriptionStore::Lexicon, sources.files.descriptions),
             DescriptionReader(DescriptionStore::Personal, sources.personal.texts),
             {},
             {}});
    }
    personalOpen_ = readings_.front().personal.open();
    // Nothing is found in an empty text, as a lexicon that cannot be read finds nothing.
    finished_ = term_.empty() || !readings_.front().lexicon.open();
}

void FullTextSearch::readBody(Reading& reading, const EntryRecord& entry) const {
    std::string& body = reading.body;
    body.assign(kDescriptionBodyStart);
    if (entry.kind != EntryKind::Personal)
        reading.lexicon.readInto(entry.descPos, entry.descLen, body);
    if (personalOpen_ && entry.kind == EntryKind::Annotated) {
        const NoteList& notes = sources_.notes;
        if (entry.noteIndex >= 0 && static_cast<std::size_t>(entry.noteIndex) < notes.size()) {
            body +=
                reading.personal.readSupplement(notes[static_cast<std::size_t>(entry.noteIndex)])
                    .value_or(std::string());
        }
        body += ' ';
    } else if (personalOpen_ && entry.kind == EntryKind::Personal) {
        reading.personal.readInto(entry.descPos, entry.descLen, body);
    }
    body += "}}}\r\n";
}

bool FullTextSearch::matches(Reading& reading) const {
    if (!probe_.mayShowAll(reading.body)) return false;
    richtext::ExtractPlainText(prologue_, reading.body, reading.shown);
    return reading.shown.find(term_) != std::u16string::npos;
}

std::vector<ListItem> FullTextSearch::search(Reading& reading, int first, int last) const {
    std::vector<ListItem> found;
    const EntryTable& entries = sources_.tables.entries;
    for (int slot = first; slot <= last; ++slot) {
        const EntryRecord& entry = entries[slot];
        readBody(reading, entry);
        if (matches(reading)) found.push_back({ListItemText(entry.headword, entry), slot});
    }
    return found;
}

bool FullTextSearch::step(int count) {
    if (finished_ || count <= 0) return !finished_;
    const int first = next_;
    const int last = std::min(total_, next_ + count - 1);
    // The slots are cut into runs that the threads take in turn as each finishes one, so that
    // none waits long for another; the runs' finds are joined in table order.
    const int runs = (last - first + kSlotsPerRun) / kSlotsPerRun;
    std::vector<std::vector<ListItem>> found(static_cast<std::size_t>(runs));
    std::atomic<int> nextRun{0};
    std::vector<std::exception_ptr> failures(readings_.size());
    const auto work = [&](std::size_t thread) {
        // A thread that fails stops taking runs; its failure is raised once all have joined.
        try {
            for (int run = nextRun++; run < runs; run = nextRun++) {
                const int from = first + run * kSlotsPerRun;
                found[static_cast<std::size_t>(run)] =
                    search(readings_[thread], from, std::min(last, from + kSlotsPerRun - 1));
            }
        } catch (...) {
            failures[thread] = std::current_exception();
        }
    };
    std::vector<std::thread> threads;
    const std::size_t helpers = std::min(readings_.size(), static_cast<std::size_t>(runs)) - 1;
    for (std::size_t thread = 1; thread <= helpers; ++thread)
        threads.emplace_back(work, thread);
    work(0);
    for (std::thread& thread : threads)
        thread.join();
    for (const std::exception_ptr& failure : failures)
        if (failure) std::rethrow_exception(failure);
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

void FullTextSearch::shownText(int slot, std::u16string& out) {
    Reading& reading = readings_.front();
    readBody(reading, sources_.tables.entries[slot]);
    richtext::ExtractPlainText(prologue_, reading.body, out);
}

std::optional<std::vector<DescriptionText>> ShownDescriptionTexts(const FullTextSources& sources) {
    // The term is never compared: any that does not end the search at once.
    FullTextSearch search(sources, u"\uFFFF");
    if (!DescriptionReader(DescriptionStore::Lexicon, sources.files.descriptions).open())
        return std::nullopt;
    const EntryTable& entries = sources.tables.entries;
    std::vector<DescriptionText> texts(static_cast<std::size_t>(entries.count()));
    for (int slot = 1; slot <= entries.count(); ++slot) {
        DescriptionText& text = texts[static_cast<std::size_t>(slot) - 1];
        text.number = entries[slot].number;
        text.itemText = ListItemText(entries[slot].headword, entries[slot]);
        search.shownText(slot, text.shown);
    }
    return texts;
}

std::vector<ListItem> SearchDescriptions(const FullTextSources& sources,
                                         std::u16string_view typed) {
    FullTextSearch search(sources, FullTextTerm(typed));
    while (search.step(search.total())) {
    }
    return search.results();
}

}  // namespace orvan::lookup
