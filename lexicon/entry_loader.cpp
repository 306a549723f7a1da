// Builds the English and Greek tables in one pass over each lexicon index, merging the user's
// personal index into it as it goes.
//
// A damaged personal line is passed over, so that the user still sees every entry that can be
// read; the first such line is named in the tables' personalProblem.
//
// Personal lines carry an anchor: the number of the lexicon line after which they belong. A
// personal line anchored to 0 belongs before the first lexicon line. Lines still waiting when
// the lexicon index ends (their anchor came out of order, or names an entry that is gone) are
// appended after the last record, so that no entry of the user's is ever left out.

#include <algorithm>
#include <cstring>
#include <future>
#include <optional>
#include <system_error>
#include <unordered_map>

#include "lexicon/codecs.h"
#include "lexicon/line_formats.h"
#include "lexicon/search_keys.h"
#include "lexicon/tables.h"
#include "lexicon/text_file.h"

namespace orvan {

namespace {

// The first thing that kept the personal files from being merged whole; later ones add nothing
// the user needs to find the file and line.
class ProblemNote {
  public:
    void note(const std::optional<Error>& problem) {
        if (!first_) first_ = problem;
    }
    // A line of the files that cannot be merged: the message names the file and the line.
    void noteDamaged(std::string message) {
        note(Error{ErrorCode::Damaged, {}, 0, std::move(message)});
    }
    std::optional<Error> take() { return std::move(first_); }

  private:
    std::optional<Error> first_;
};

// The lines of ci.tbo or cigr.tbo, one pending at a time, unscrambled. A line whose anchor is
// not a number is passed over and noted.
class PersonalLines {
  public:
    PersonalLines(const std::optional<std::string>& bytes, const char* name, ProblemNote& problems)
        : lines_(bytes ? std::string_view(*bytes) : std::string_view{}),
          name_(name),
          problems_(problems) {
        if (!bytes) return;
        const size_t mark = bytes->find(kEndOfFileMark);
        if (mark != std::string::npos && mark + 1 < bytes->size()) {
            problems_.noteDamaged(std::string(name_) +
                                  " holds data after an end-of-file mark (byte " +
                                  std::to_string(mark + 1) + ")");
        }
    }

    void advance() {
        for (std::string_view raw; lines_.next(raw);) {
            ++lineNumber_;
            pending_ = DecodePersonalText(raw);
            anchor_ = ParsePersonalAnchor(*pending_);
            if (anchor_) return;
            noteDamaged();
        }
        pending_.reset();
    }

    bool hasPending() const { return pending_.has_value(); }
    bool pendingAnchoredTo(uint16_t number) const { return pending_ && *anchor_ == number; }
    const std::string& pending() const { return *pending_; }

    void noteDamaged() {
        problems_.noteDamaged(std::string(name_) + " line " + std::to_string(lineNumber_) +
                              " is damaged");
    }
    // Lines still pending when their table is full or the lexicon's index ended early.
    void noteLeftOut(const char* why) {
        if (!pending_) return;
        problems_.noteDamaged(std::string(name_) + " from line " + std::to_string(lineNumber_) +
                              " on is not shown: " + why);
    }

  private:
    TextLines lines_;
    const char* name_;
    ProblemNote& problems_;
    int lineNumber_ = 0;
    std::optional<std::string> pending_;
    std::optional<uint16_t> anchor_;
};

// The number of lines `lines` still holds.
size_t CountLines(TextLines lines) {
    size_t count = 0;
    for (std::string_view line; lines.next(line);)
        ++count;
    return count;
}

// Names in `leftOut` the lines of a lexicon index of `count` lines from `firstLeftOut` on, when
// a full table kept them out: the user is told, as no search will find them.
void NoteLinesLeftOut(const std::string& path, size_t firstLeftOut, size_t count,
                      std::optional<Error>& leftOut) {
    if (count < firstLeftOut) return;
    const std::string message = path + " has " + std::to_string(count) + " lines; a table holds " +
                                std::to_string(kTableCapacity) + " entries: lines from " +
                                std::to_string(firstLeftOut) + " on are not shown";
    if (leftOut)
        leftOut->message += "; " + message;
    else
        leftOut = Error{ErrorCode::TooLarge, path, 0, message};
}

// Finds the slot of an entry number in the English table: the first slot at or after `from`
// whose record has that number, or 0; the same result as walking the table upward from `from`.
// Slots of one number are chained in ascending order, so a look-up costs one step for a
// lexicon whose numbers are unique.
class EntrySlotFinder {
  public:
    explicit EntrySlotFinder(const EntryTable& entries)
        : first_(65536, 0), next_(static_cast<size_t>(entries.count()) + 1, 0) {
        for (int slot = entries.count(); slot >= 1; --slot) {
            const uint16_t number = entries[slot].number;
            next_[slot] = first_[number];
            first_[number] = slot;
        }
    }

    int find(uint16_t number, int from) const {
        int slot = first_[number];
        while (slot != 0 && slot < from)
            slot = next_[slot];
        return slot;
    }

  private:
    std::vector<int> first_;
    std::vector<int> next_;
};

class EnglishPass {
  public:
    EnglishPass(EntryTable& entries, NoteList& notes) : entries_(entries), notes_(notes) {}

    // False when the lexicon's index could not be read whole: the Greek pass is then not made.
    bool run(const std::string& indexPath, const std::optional<std::string>& personalBytes,
             ProblemNote& problems, std::optional<Error>& lexiconProblem,
             std::optional<Error>& leftOut) {
        const Result<FileView> index = ViewRegularFile(indexPath);
        if (!index) {
            lexiconProblem = index.error();
            return false;
        }
        PersonalLines personal(personalBytes, "ci.tbo", problems);
        personal.advance();
        mergeAnchoredTo(personal, 0, 0);

        TextLines lines(index->bytes());
        std::string_view raw;
        std::string decoded;  // one buffer for every line
        int lineNumber = 1;
        for (; !entries_.full() && lines.next(raw); ++lineNumber) {
            DecodeIndexLineInto(lineNumber, raw, decoded);
            auto line = ParseIndexLine(decoded);
            if (!line) {
                personal.noteLeftOut("the lexicon's index ends early");
                return false;
            }
            const int slot = entries_.append(
                EntryRecord{line->number, std::move(line->headword), line->descPos, line->descLen,
                            EntryKind::Lexicon, std::move(line->fieldCode), line->keyStart, 0, 0});
            mergeAnchoredTo(personal, line->number, slot);
        }
        NoteLinesLeftOut(indexPath, static_cast<size_t>(lineNumber),
                         static_cast<size_t>(lineNumber - 1) + CountLines(lines), leftOut);
        mergeLeftovers(personal);
        personal.noteLeftOut("the table is full");
        return true;
    }

  private:
    // Merges the pending personal lines anchored to `number`, whose lexicon record (if any)
    // sits in `lexiconSlot`.
    void mergeAnchoredTo(PersonalLines& personal, uint16_t number, int lexiconSlot) {
        while (personal.pendingAnchoredTo(number) && !entries_.full()) {
            merge(personal, lexiconSlot);
            personal.advance();
        }
    }

    void mergeLeftovers(PersonalLines& personal) {
        std::unordered_map<uint16_t, int> lexiconSlots;
        if (personal.hasPending()) {
            for (int slot = entries_.count(); slot >= 1; --slot) {
                if (entries_[slot].kind != EntryKind::Personal)
                    lexiconSlots[entries_[slot].number] = slot;
            }
        }
        while (personal.hasPending() && !entries_.full()) {
            const auto anchor = ParsePersonalAnchor(personal.pending());
            const auto found = lexiconSlots.find(*anchor);
            merge(personal, found == lexiconSlots.end() ? 0 : found->second);
            personal.advance();
        }
    }

    void merge(PersonalLines& personal, int lexiconSlot) {
        const auto line = ParsePersonalIndexLine(personal.pending());
        if (!line) {
            personal.noteDamaged();
            return;
        }
        if (line->isSupplement()) {
            // A supplement whose lexicon entry does not exist has nothing to attach to.
            if (lexiconSlot == 0) return;
            EntryRecord& record = entries_.at(lexiconSlot);
            notes_.push_back(line->location);
            record.kind = EntryKind::Annotated;
            record.noteIndex = static_cast<int32_t>(notes_.size() - 1);
            return;
        }
        entries_.append(EntryRecord{line->own, line->headword, line->textPos, line->textLen,
                                    EntryKind::Personal, line->fieldCode, 1, 0, 0});
    }

    EntryTable& entries_;
    NoteList& notes_;
};

// The lexicon's Greek index, read whole before the merge: one English entry often has several
// Greek lines, and where a personal line goes depends on the lines of its anchor still to come.
struct GreekIndex {
    std::vector<GreekIndexLine> lines;
    bool endedEarly = false;  // a line could not be read; the lines before it are kept
    size_t linesInFile = 0;   // unless it ended early: every line, those past the capacity too
};

size_t CountLineFeeds(std::string_view bytes) {
    size_t count = 0;
    if (bytes.empty()) return count;
    for (const char *at = bytes.data(), *end = at + bytes.size();
         (at = static_cast<const char*>(std::memchr(at, '\n', static_cast<size_t>(end - at))));
         ++at) {
        ++count;
    }
    return count;
}

GreekIndex ReadGreekIndex(std::string_view bytes, int capacity) {
    GreekIndex index;
    // Room for every line at once: the line feeds count them (a lone CR ending a line is rare).
    index.lines.reserve(std::min(CountLineFeeds(bytes) + 1, static_cast<size_t>(capacity)));
    TextLines lines(bytes);
    std::string_view raw;
    std::string decoded;  // one buffer for every line
    for (int lineNumber = 1; static_cast<int>(index.lines.size()) < capacity && lines.next(raw);
         ++lineNumber) {
        DecodeIndexLineInto(lineNumber, raw, decoded);
        auto line = ParseGreekIndexLine(decoded);
        if (!line) {
            index.endedEarly = true;
            break;
        }
        index.lines.push_back(std::move(*line));
    }
    if (!index.endedEarly) index.linesInFile = index.lines.size() + CountLines(lines);
    return index;
}

// The Greek index file read and parsed; nothing when it cannot be read.
std::optional<GreekIndex> ReadGreekIndexFile(const std::string& path) {
    const Result<FileView> bytes = ViewRegularFile(path);
    if (!bytes) return std::nullopt;
    return ReadGreekIndex(bytes->bytes(), kTableCapacity);
}

// The Greek index read by another thread while the English pass runs, as it depends on nothing
// the English pass builds; read when asked for where no thread can be had.
std::future<std::optional<GreekIndex>> ReadGreekIndexAside(const std::string& path) {
    try {
        return std::async(std::launch::async, ReadGreekIndexFile, path);
    } catch (const std::system_error&) {
        return std::async(std::launch::deferred, ReadGreekIndexFile, path);
    }
}

// For each line of the Greek index, the lowest key among the later lines with the same number,
// if there are any.
std::vector<std::optional<std::string>> LowestLaterKeys(const std::vector<GreekIndexLine>& lines) {
    std::vector<std::optional<std::string>> later(lines.size());
    std::unordered_map<uint16_t, std::string> lowest;
    for (size_t i = lines.size(); i-- > 0;) {
        const auto found = lowest.find(lines[i].number);
        std::string key = GreekSearchKey(lines[i].headword, true);
        if (found == lowest.end()) {
            lowest.emplace(lines[i].number, std::move(key));
            continue;
        }
        later[i] = found->second;
        if (key < found->second) found->second = std::move(key);
    }
    return later;
}

class GreekPass {
  public:
    GreekPass(EntryTable& entries, GreekTable& greek)
        : entries_(entries), greek_(greek), finder_(entries) {}

    void run(const std::string& indexPath, std::optional<GreekIndex> read,
             const std::optional<std::string>& personalBytes, ProblemNote& problems,
             std::optional<Error>& leftOut) {
        if (!read) return;
        GreekIndex& index = *read;
        PersonalLines personal(personalBytes, "cigr.tbo", problems);
        personal.advance();
        mergeAnchoredTo(personal, 0, std::nullopt);

        const auto laterKeys = personal.hasPending() ? LowestLaterKeys(index.lines)
                                                     : std::vector<std::optional<std::string>>();
        size_t i = 0;
        for (; i < index.lines.size() && !greek_.full(); ++i) {
            GreekIndexLine& line = index.lines[i];
            // Lexicon numbers follow the line order: the entry lies at or after slot N - 5.
            add(line.number, std::move(line.headword), line.number - 5);
            mergeAnchoredTo(personal, line.number, laterKeys.empty() ? std::nullopt : laterKeys[i]);
        }
        if (index.endedEarly) {
            personal.noteLeftOut("the lexicon's Greek index ends early");
            return;
        }
        NoteLinesLeftOut(indexPath, i + 1, index.linesInFile, leftOut);
        while (personal.hasPending() && !greek_.full())
            mergeOne(personal);
        personal.noteLeftOut("the Greek table is full");
    }

  private:
    // Merges the pending personal lines anchored to `number`, after the index line just added.
    // A line whose anchor has a later index line that sorts at or before it waits for that
    // line: it belongs after the last of its anchor's lines that does not sort after it.
    void mergeAnchoredTo(PersonalLines& personal, uint16_t number,
                         const std::optional<std::string>& lowestLaterKey) {
        while (personal.pendingAnchoredTo(number) && !greek_.full()) {
            if (lowestLaterKey && *lowestLaterKey <= pendingKey(personal)) return;
            mergeOne(personal);
        }
    }

    static std::string pendingKey(const PersonalLines& personal) {
        const auto line = ParsePersonalGreekLine(personal.pending());
        return line ? GreekSearchKey(line->headword, true) : std::string();
    }

    void mergeOne(PersonalLines& personal) {
        if (const auto line = ParsePersonalGreekLine(personal.pending())) {
            add(line->own, line->headword, 1);
        } else {
            personal.noteDamaged();
        }
        personal.advance();
    }

    void add(uint16_t number, std::string headword, int searchFrom) {
        const int slot = greek_.append(GreekRecord{number, std::move(headword), 0});
        const int english = finder_.find(number, searchFrom);
        if (english == 0) return;
        greek_.at(slot).englishSlot = static_cast<uint16_t>(english);
        entries_.at(english).greekSlot = static_cast<uint16_t>(slot);
    }

    EntryTable& entries_;
    GreekTable& greek_;
    EntrySlotFinder finder_;
};

}  // namespace

PersonalIndexes ReadPersonalIndexes(const PersonalFiles& personal) {
    PersonalIndexes indexes;
    if (!personal.known()) return indexes;
    const auto read = [&indexes](const std::string& path, std::optional<std::string>& bytes) {
        Result<std::string> contents = ReadRegularFile(path, kPersonalIndexLimit);
        if (contents) {
            bytes = std::move(*contents);
        } else if (!indexes.problem && contents.error().code != ErrorCode::Missing) {
            indexes.problem = contents.error();
        }
    };
    read(personal.englishIndex, indexes.english);
    read(personal.greekIndex, indexes.greek);
    return indexes;
}

bool PersonalStamp::matches(const PersonalStamp& other) const {
    return readWhole && other.readWhole && hasEnglish == other.hasEnglish &&
           hasGreek == other.hasGreek && englishSize == other.englishSize &&
           greekSize == other.greekSize && englishHash == other.englishHash &&
           greekHash == other.greekHash;
}

PersonalStamp StampOf(const PersonalIndexes& indexes) {
    const std::hash<std::string_view> hash;
    PersonalStamp stamp;
    stamp.readWhole = !indexes.problem;
    stamp.hasEnglish = indexes.english.has_value();
    stamp.hasGreek = indexes.greek.has_value();
    stamp.englishSize = indexes.english ? indexes.english->size() : 0;
    stamp.greekSize = indexes.greek ? indexes.greek->size() : 0;
    stamp.englishHash = hash(indexes.english.value_or(""));
    stamp.greekHash = hash(indexes.greek.value_or(""));
    return stamp;
}

EntryTables LoadEntryTable(const LexiconFiles& files, const PersonalIndexes& personal,
                           NoteList& notes) {
    EntryTables tables;
    tables.personalStamp = StampOf(personal);
    tables.personalTexts = personal.texts;
    ProblemNote problems;
    problems.note(personal.problem);
    tables.entries.reserve(kTableCapacity);
    auto greekIndex = ReadGreekIndexAside(files.greekIndex);
    if (EnglishPass(tables.entries, notes)
            .run(files.englishIndex, personal.english, problems, tables.lexiconProblem,
                 tables.lexiconLeftOut)) {
        tables.greek.reserve(kTableCapacity);
        GreekPass(tables.entries, tables.greek)
            .run(files.greekIndex, greekIndex.get(), personal.greek, problems,
                 tables.lexiconLeftOut);
    }
    tables.personalProblem = problems.take();
    return tables;
}

}  // namespace orvan
