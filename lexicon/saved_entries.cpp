#include "lexicon/saved_entries.h"

#include <bit>
#include <cstring>

#include "lexicon/search_index.h"

#include "lexicon/stamped_file.h"

namespace orvan {

namespace {

// A stamped file whose header counts the slots and the length of the text pool. Its body holds a
// record a slot, then the pool: each record gives the entry's number, description place and
// length, kind, key start, supplement index and Greek slot, whether it has a supplement place,
// the ends in the pool of its English headword, Greek headword, field code and supplement
// place, which follow one another there, and a checksum of all that and its texts. A command
// reads a few records of thousands: each is checked when read, and the rest is never touched
// (the header's checksum of the whole body is not read).
constexpr StampedFormat kFormat{{'O', 'R', 'V', 'N', 'E', 'N', 'T', 'S'}, 1, 2};
static_assert(StampedHeaderLength(kFormat) == kSavedEntriesHeaderLength);

constexpr size_t kFields = 12;
constexpr size_t kRecordLength = 4 * kFields + 8;  // the fields, then the checksum
enum Field : size_t {
    kNumber,
    kDescPos,
    kDescLen,
    kKind,
    kKeyStart,
    kNoteIndex,
    kGreekSlot,
    kHasSupplement,
    kHeadwordEnd,
    kGreekEnd,
    kFieldCodeEnd,
    kSupplementEnd,
};
static_assert(kSupplementEnd + 1 == kFields);

// No real lexicon comes near these bounds: past them the counts are damage.
constexpr uint64_t kMostSlots = uint64_t{1} << 24, kMostPool = uint64_t{1} << 32;

uint32_t Get32(std::string_view bytes, size_t at) {
    return NumberAt<uint32_t>(bytes, at);
}

// The checksum of a record's fields and of its texts in the pool.
uint64_t RecordChecksum(std::string_view fields, std::string_view texts) {
    return ContentChecksum(fields) ^ std::rotl(ContentChecksum(texts), 17);
}

// The length the body of a file with these counts has; nothing past the bounds.
std::optional<uint64_t> BodyLength(uint64_t slots, uint64_t poolLength) {
    if (slots > kMostSlots || poolLength > kMostPool) return std::nullopt;
    return slots * kRecordLength + poolLength;
}

}  // namespace

EntryToShow EntryToShowOf(const EntryTables& tables, const NoteList& notes, int slot) {
    EntryToShow shown;
    shown.record = tables.entries[slot];
    shown.greekHeadword = GreekHeadwordOf(tables, slot);
    const int32_t note = shown.record.noteIndex;
    if (shown.record.kind == EntryKind::Annotated && note >= 0 &&
        static_cast<size_t>(note) < notes.size()) {
        shown.supplementPlace = notes[static_cast<size_t>(note)];
    }
    return shown;
}

std::string BuildSavedEntries(const EntryTables& tables, const NoteList& notes,
                              std::string_view identity) {
    const int slots = tables.entries.count();
    std::string records, pool;
    records.reserve(static_cast<size_t>(slots) * kRecordLength);
    for (int slot = 1; slot <= slots; ++slot) {
        const EntryToShow entry = EntryToShowOf(tables, notes, slot);
        const EntryRecord& record = entry.record;
        uint32_t fields[kFields] = {};
        fields[kNumber] = record.number;
        fields[kDescPos] = static_cast<uint32_t>(record.descPos);
        fields[kDescLen] = static_cast<uint32_t>(record.descLen);
        fields[kKind] = static_cast<uint32_t>(record.kind);
        fields[kKeyStart] = record.keyStart;
        fields[kNoteIndex] = static_cast<uint32_t>(record.noteIndex);
        fields[kGreekSlot] = record.greekSlot;
        fields[kHasSupplement] = entry.supplementPlace ? 1 : 0;
        pool += record.headword;
        fields[kHeadwordEnd] = static_cast<uint32_t>(pool.size());
        pool += entry.greekHeadword;
        fields[kGreekEnd] = static_cast<uint32_t>(pool.size());
        pool += record.fieldCode;
        fields[kFieldCodeEnd] = static_cast<uint32_t>(pool.size());
        const size_t textsBegin = pool.size() - record.headword.size() -
                                  entry.greekHeadword.size() - record.fieldCode.size();
        pool += entry.supplementPlace.value_or("");
        fields[kSupplementEnd] = static_cast<uint32_t>(pool.size());
        const std::string_view fieldBytes(reinterpret_cast<const char*>(fields), sizeof fields);
        records += fieldBytes;
        const uint64_t checksum =
            RecordChecksum(fieldBytes, std::string_view(pool).substr(textsBegin));
        records.append(reinterpret_cast<const char*>(&checksum), sizeof checksum);
    }
    return BuildStampedFile(kFormat, identity, {static_cast<uint64_t>(slots), pool.size()},
                            records + pool);
}

std::optional<uint64_t> SavedEntriesLength(std::string_view head, std::string_view identity) {
    const auto read = ReadStampedHead(kFormat, head, identity);
    if (!read) return std::nullopt;
    const auto body = BodyLength(read->counts[0], read->counts[1]);
    if (!body) return std::nullopt;
    return read->bodyAt + *body;
}

std::optional<SavedEntriesView> SavedEntriesView::open(std::string_view bytes,
                                                       std::string_view identity) {
    const auto head = ReadStampedHead(kFormat, bytes, identity);
    if (!head) return std::nullopt;
    const auto body = BodyLength(head->counts[0], head->counts[1]);
    if (!body || bytes.size() - head->bodyAt != *body) return std::nullopt;
    SavedEntriesView view;
    view.count_ = head->counts[0];
    view.records_ = bytes.substr(head->bodyAt, view.count_ * kRecordLength);
    view.pool_ = bytes.substr(head->bodyAt + view.records_.size());
    return view;
}

std::optional<EntryToShow> SavedEntriesView::entry(int slot) const {
    if (slot < 1 || static_cast<uint64_t>(slot) > count_) return std::nullopt;
    const size_t at = static_cast<size_t>(slot - 1) * kRecordLength;
    const auto field = [&](Field which) { return Get32(records_, at + 4 * which); };
    // The texts follow one another in the pool: each begins where the one before it ended.
    const uint32_t begin = slot == 1 ? 0 : Get32(records_, at - kRecordLength + 4 * kSupplementEnd);
    const uint32_t ends[] = {field(kHeadwordEnd), field(kGreekEnd), field(kFieldCodeEnd),
                             field(kSupplementEnd)};
    std::string_view texts[4];
    uint32_t from = begin;
    for (size_t index = 0; index < 4; ++index) {
        if (ends[index] < from || ends[index] > pool_.size()) return std::nullopt;
        texts[index] = pool_.substr(from, ends[index] - from);
        from = ends[index];
    }
    uint64_t checksum = 0;
    std::memcpy(&checksum, records_.data() + at + 4 * kFields, sizeof checksum);
    if (checksum !=
        RecordChecksum(records_.substr(at, 4 * kFields), pool_.substr(begin, from - begin)))
        return std::nullopt;
    if (field(kKind) > static_cast<uint32_t>(EntryKind::Annotated) || field(kNumber) > 0xFFFF ||
        field(kKeyStart) > 0xFF || field(kGreekSlot) > 0xFFFF || field(kHasSupplement) > 1) {
        return std::nullopt;
    }
    EntryToShow shown;
    EntryRecord& record = shown.record;
    record.number = static_cast<uint16_t>(field(kNumber));
    record.headword = texts[0];
    record.descPos = static_cast<int32_t>(field(kDescPos));
    record.descLen = static_cast<int32_t>(field(kDescLen));
    record.kind = static_cast<EntryKind>(field(kKind));
    record.fieldCode = texts[2];
    record.keyStart = static_cast<uint8_t>(field(kKeyStart));
    record.noteIndex = static_cast<int32_t>(field(kNoteIndex));
    record.greekSlot = static_cast<uint16_t>(field(kGreekSlot));
    shown.greekHeadword = texts[1];
    if (field(kHasSupplement) != 0) shown.supplementPlace = std::string(texts[3]);
    return shown;
}

std::optional<int> SavedEntriesView::slotOfNumber(int number) const {
    if (number < 1) return std::nullopt;
    for (uint64_t index = 0; index < count_; ++index) {
        if (Get32(records_, index * kRecordLength + 4 * kNumber) != static_cast<uint32_t>(number))
            continue;
        // A number damaged into this one is told by its record's checksum.
        const int slot = static_cast<int>(index + 1);
        const auto found = entry(slot);
        if (found && found->record.number == number) return slot;
    }
    return std::nullopt;
}

}  // namespace orvan
