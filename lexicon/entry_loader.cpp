// Builds the English and Greek tables in one pass over each lexicon index, merging the user's
// personal index into it as it goes.
//
// Personal lines carry an anchor: the number of the lexicon line after which they belong. A
// personal line anchored to 0 belongs before the first lexicon line. Lines still waiting when
// the lexicon index ends (their anchor came out of order, or names an entry that is gone) are
// appended after the last record, so that no entry of the user's is ever left out.

#include <optional>
#include <unordered_map>

#include "codecs.h"
#include "line_formats.h"
#include "tables.h"
#include "text_file.h"

namespace orvan {

namespace {

// The lines of ci.tbo or cigr.tbo, one pending at a time, unscrambled.
class PersonalLines {
  public:
    explicit PersonalLines(const std::string& path)
        : bytes_(path.empty() ? std::nullopt : ReadWholeFile(path)),
          lines_(bytes_ ? std::string_view(*bytes_) : std::string_view{}) {}

    // Moves to the next line; false when that line's anchor is not a number, which ends the load.
    bool Advance() {
        std::string_view raw;
        if (!lines_.Next(raw)) {
            pending_.reset();
            return true;
        }
        pending_ = DecodePersonalText(raw);
        anchor_ = ParsePersonalAnchor(*pending_);
        return anchor_.has_value();
    }

    bool HasPending() const { return pending_.has_value(); }
    bool PendingAnchoredTo(uint16_t number) const { return pending_ && *anchor_ == number; }
    const std::string& Pending() const { return *pending_; }

  private:
    std::optional<std::string> bytes_;
    TextLines lines_;
    std::optional<std::string> pending_;
    std::optional<uint16_t> anchor_;
};

// Finds the slot of an entry number in the English table: the first slot at or after `from`
// whose record has that number, or 0; the same result as walking the table upward from `from`.
// Slots of one number are chained in ascending order, so a look-up costs one step for a
// lexicon whose numbers are unique.
class EntrySlotFinder {
  public:
    explicit EntrySlotFinder(const EntryTable& entries)
        : first_(65536, 0), next_(static_cast<size_t>(entries.Count()) + 1, 0) {
        for (int slot = entries.Count(); slot >= 1; --slot) {
            const uint16_t number = entries[slot].Number;
            next_[slot] = first_[number];
            first_[number] = slot;
        }
    }

    int Find(uint16_t number, int from) const {
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

    bool Run(const std::string& indexPath, const std::string& personalPath) {
        const auto index = ReadWholeFile(indexPath);
        if (!index) return false;
        PersonalLines personal(personalPath);
        if (!personal.Advance()) return false;
        if (!MergeAnchoredTo(personal, 0, 0)) return false;

        TextLines lines(*index);
        std::string_view raw;
        for (int lineNumber = 1; !entries_.Full() && lines.Next(raw); ++lineNumber) {
            auto line = ParseIndexLine(DecodeIndexLine(lineNumber, raw));
            if (!line) return false;
            const int slot = entries_.Append(
                EntryRecord{line->number, std::move(line->headword), line->descPos, line->descLen,
                            'L', std::move(line->fieldCode), line->keyStart, 0, 0});
            if (!MergeAnchoredTo(personal, line->number, slot)) return false;
        }
        return MergeLeftovers(personal);
    }

  private:
    // Merges the pending personal lines anchored to `number`, whose lexicon record (if any)
    // sits in `lexiconSlot`.
    bool MergeAnchoredTo(PersonalLines& personal, uint16_t number, int lexiconSlot) {
        while (personal.PendingAnchoredTo(number)) {
            if (!Merge(personal.Pending(), lexiconSlot) || !personal.Advance()) return false;
        }
        return true;
    }

    bool MergeLeftovers(PersonalLines& personal) {
        std::unordered_map<uint16_t, int> lexiconSlots;
        if (personal.HasPending()) {
            for (int slot = entries_.Count(); slot >= 1; --slot) {
                if (entries_[slot].Kind != 'C') lexiconSlots[entries_[slot].Number] = slot;
            }
        }
        while (personal.HasPending()) {
            const auto anchor = ParsePersonalAnchor(personal.Pending());
            const auto found = lexiconSlots.find(*anchor);
            const int lexiconSlot = found == lexiconSlots.end() ? 0 : found->second;
            if (!Merge(personal.Pending(), lexiconSlot) || !personal.Advance()) return false;
        }
        return true;
    }

    bool Merge(const std::string& text, int lexiconSlot) {
        const auto line = ParsePersonalIndexLine(text);
        if (!line) return false;
        if (line->IsSupplement()) {
            // A supplement whose lexicon entry does not exist has nothing to attach to.
            if (lexiconSlot == 0) return true;
            EntryRecord& record = entries_.at(lexiconSlot);
            notes_.push_back(line->location);
            record.Kind = 'A';
            record.NoteIndex = static_cast<int32_t>(notes_.size() - 1);
            return true;
        }
        if (!entries_.Full()) {
            entries_.Append(EntryRecord{line->own, line->headword, line->textPos, line->textLen,
                                        'C', line->fieldCode, 1, 0, 0});
        }
        return true;
    }

    EntryTable& entries_;
    NoteList& notes_;
};

class GreekPass {
  public:
    GreekPass(EntryTable& entries, GreekTable& greek)
        : entries_(entries), greek_(greek), finder_(entries) {}

    void Run(const std::string& indexPath, const std::string& personalPath) {
        const auto index = ReadWholeFile(indexPath);
        if (!index) return;
        PersonalLines personal(personalPath);
        if (!personal.Advance() || !MergeAnchoredTo(personal, 0)) return;

        TextLines lines(*index);
        std::string_view raw;
        for (int lineNumber = 1; !greek_.Full() && lines.Next(raw); ++lineNumber) {
            auto line = ParseGreekIndexLine(DecodeIndexLine(lineNumber, raw));
            if (!line) return;
            // Lexicon numbers follow the line order: the entry lies at or after slot N - 5.
            Add(line->number, std::move(line->headword), line->number - 5);
            if (!MergeAnchoredTo(personal, line->number)) return;
        }
        while (personal.HasPending() && !greek_.Full()) {
            if (!MergeOne(personal)) return;
        }
    }

  private:
    bool MergeAnchoredTo(PersonalLines& personal, uint16_t number) {
        while (personal.PendingAnchoredTo(number)) {
            if (!MergeOne(personal)) return false;
        }
        return true;
    }

    bool MergeOne(PersonalLines& personal) {
        const auto line = ParsePersonalGreekLine(personal.Pending());
        if (!line) return false;
        if (!greek_.Full()) Add(line->own, line->headword, 1);
        return personal.Advance();
    }

    void Add(uint16_t number, std::string headword, int searchFrom) {
        const int slot = greek_.Append(GreekRecord{number, std::move(headword), 0});
        const int english = finder_.Find(number, searchFrom);
        if (english == 0) return;
        greek_.at(slot).EnglishSlot = static_cast<uint16_t>(english);
        entries_.at(english).GreekSlot = static_cast<uint16_t>(slot);
    }

    EntryTable& entries_;
    GreekTable& greek_;
    EntrySlotFinder finder_;
};

}  // namespace

EntryTables LoadEntryTable(const LexiconFiles& files, const PersonalFiles& personal,
                           NoteList& notes) {
    EntryTables tables;
    tables.entries.Reserve(kTableCapacity);
    if (!EnglishPass(tables.entries, notes).Run(files.englishIndex, personal.englishIndex)) {
        return tables;
    }
    tables.greek.Reserve(kTableCapacity);
    GreekPass(tables.entries, tables.greek).Run(files.greekIndex, personal.greekIndex);
    return tables;
}

}  // namespace orvan
