#include "lexicon/search_index.h"

#include <sys/stat.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <limits>
#include <unordered_map>

#include "lexicon/blanks.h"
#include "lexicon/search_keys.h"

namespace orvan {

namespace {

// The file begins with this header, then the identity it was built from, then the English and
// the Greek part. Numbers are in the writing machine's byte order, which the byte order mark
// tells; a change of the layout or of what a part holds takes a new version.
constexpr char kMagic[8] = {'O', 'R', 'V', 'N', 'S', 'I', 'D', 'X'};
constexpr uint32_t kVersion = 2;
constexpr uint32_t kByteOrderMark = 0x01020304;
constexpr size_t kIdentityLengthAt = 16;
constexpr size_t kPartOffsetAt = 24, kPartLengthAt = 40, kPartChecksumAt = 56;
constexpr size_t kHeaderLength = kSearchIndexHeaderLength;

// A part begins with its counts: items (one per table slot), places (sorted), the lengths of
// the text pool (the list texts) and the key pool (the headwords' search keys), the science
// field codes (each once) and the length of their pool. Then come the items' English slots, the
// end of each item's text and of its key in their pools, each item's traits (its English
// entry's key start, and whether that entry is the user's own or annotated) and field code, the
// places (item index << 8 | offset in the item's key), the end of each field code in its pool,
// and the text, key and code pools.
constexpr size_t kPartHeaderLength = 24;
constexpr size_t kItemArrays = 5;
constexpr int kPlaceOffsetBits = 8;
constexpr uint32_t kKeyStartMask = 0xFF, kOwnEntryTrait = 0x100;

void Put32(std::string& out, uint32_t value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}
void Put64(std::string& out, uint64_t value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}
void Set64(std::string& out, size_t at, uint64_t value) {
    std::memcpy(out.data() + at, &value, sizeof value);
}
uint32_t Get32(std::string_view bytes, size_t at) {
    uint32_t value = 0;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}
uint64_t Get64(std::string_view bytes, size_t at) {
    uint64_t value = 0;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

// One headword of a part as the builder collects it.
struct PartItem {
    std::string text, key;
    uint32_t englishSlot = 0;
    uint32_t traits = 0;         // key start, kOwnEntryTrait
    std::string_view fieldCode;  // the English entry's
};

uint32_t TraitsOf(const EntryRecord& english) {
    const bool own = english.kind == EntryKind::Personal || english.kind == EntryKind::Annotated;
    return (static_cast<uint32_t>(english.keyStart) & kKeyStartMask) | (own ? kOwnEntryTrait : 0);
}

std::string_view KeyTail(const std::vector<PartItem>& items, uint32_t place) {
    return std::string_view(items[place >> kPlaceOffsetBits].key)
        .substr(place & ((1u << kPlaceOffsetBits) - 1));
}

// The part of one language: the places are every item's first letter and, where the START
// search also compares from there, its second start place, sorted by the key text from there.
std::string BuildPart(const std::vector<PartItem>& items, bool greek) {
    std::vector<uint32_t> places;
    for (uint32_t index = 0; index < items.size(); ++index) {
        places.push_back(index << kPlaceOffsetBits);
        const auto from = SecondStartPlace(greek, items[index].key.size(),
                                           static_cast<int>(items[index].traits & kKeyStartMask));
        if (from && *from > 0) places.push_back(index << kPlaceOffsetBits | *from);
    }
    std::sort(places.begin(), places.end(), [&](uint32_t a, uint32_t b) {
        const int order = KeyTail(items, a).compare(KeyTail(items, b));
        return order != 0 ? order < 0 : a < b;
    });
    std::string texts, keys, codes;
    std::vector<uint32_t> textEnds, keyEnds, codeEnds, codeOf;
    std::unordered_map<std::string_view, uint32_t> distinctCodes;
    for (const PartItem& item : items) {
        texts += item.text;
        keys += item.key;
        textEnds.push_back(static_cast<uint32_t>(texts.size()));
        keyEnds.push_back(static_cast<uint32_t>(keys.size()));
        // The field codes are few: each is kept once.
        const auto [code, added] =
            distinctCodes.try_emplace(item.fieldCode, static_cast<uint32_t>(distinctCodes.size()));
        if (added) {
            codes += item.fieldCode;
            codeEnds.push_back(static_cast<uint32_t>(codes.size()));
        }
        codeOf.push_back(code->second);
    }
    std::string part;
    for (const size_t count : {items.size(), places.size(), texts.size(), keys.size(),
                               distinctCodes.size(), codes.size()})
        Put32(part, static_cast<uint32_t>(count));
    for (const PartItem& item : items)
        Put32(part, item.englishSlot);
    for (const std::vector<uint32_t>* array : {&textEnds, &keyEnds})
        for (const uint32_t end : *array)
            Put32(part, end);
    for (const PartItem& item : items)
        Put32(part, item.traits);
    for (const std::vector<uint32_t>* array : {&codeOf, &places, &codeEnds})
        for (const uint32_t value : *array)
            Put32(part, value);
    return part + texts + keys + codes;
}

// Reads one part of a view, every offset checked against the part's own bounds: anything out of
// place reads as empty and marks the part damaged.
class PartReader {
  public:
    PartReader(std::string_view part, uint32_t items, uint32_t places)
        : part_(part), items_(items) {
        codes_ = Get32(part, 16);
        codeEndsAt_ = kPartHeaderLength + 4ull * kItemArrays * items + 4ull * places;
        textsAt_ = codeEndsAt_ + 4ull * codes_;
        textsLength_ = Get32(part, 8);
        keysAt_ = textsAt_ + textsLength_;
        keysLength_ = Get32(part, 12);
        codesAt_ = keysAt_ + keysLength_;
        codesLength_ = Get32(part, 20);
    }

    bool damaged() const { return damaged_; }
    uint32_t items() const { return items_; }
    uint32_t englishSlot(uint32_t item) { return itemValue(0, item); }
    uint32_t traits(uint32_t item) { return itemValue(3, item); }
    uint32_t code(uint32_t item) { return itemValue(4, item); }
    std::string_view text(uint32_t item) {
        if (item >= items_) return markDamaged();
        return pooled(arrayAt(1), item, textsAt_, textsLength_);
    }
    std::string_view key(uint32_t item) {
        if (item >= items_) return markDamaged();
        return pooled(arrayAt(2), item, keysAt_, keysLength_);
    }
    std::string_view codeText(uint32_t code) {
        if (code >= codes_) return markDamaged();
        return pooled(codeEndsAt_, code, codesAt_, codesLength_);
    }
    uint32_t codes() const { return codes_; }
    std::string_view tail(uint32_t placeIndex) {
        const uint32_t place = Get32(part_, arrayAt(kItemArrays) + 4ull * placeIndex);
        const uint32_t item = place >> kPlaceOffsetBits;
        const uint32_t from = place & ((1u << kPlaceOffsetBits) - 1);
        if (item >= items_) return markDamaged();
        const std::string_view whole = key(item);
        return from <= whole.size() ? whole.substr(from) : markDamaged();
    }
    uint32_t item(uint32_t placeIndex) const {
        return Get32(part_, arrayAt(kItemArrays) + 4ull * placeIndex) >> kPlaceOffsetBits;
    }

  private:
    // Where the items' array `array` begins (0 English slots, 1 text ends, 2 key ends, 3 traits,
    // 4 field codes; kItemArrays: the places).
    size_t arrayAt(size_t array) const { return kPartHeaderLength + 4ull * array * items_; }
    uint32_t itemValue(size_t array, uint32_t item) {
        if (item >= items_) {
            markDamaged();
            return 0;
        }
        return Get32(part_, arrayAt(array) + 4ull * item);
    }
    std::string_view markDamaged() {
        damaged_ = true;
        return {};
    }
    // Item `item`'s bytes in a pool, from the end of the item before to its own end.
    std::string_view pooled(size_t endsAt, uint32_t item, size_t poolAt, size_t poolLength) {
        const uint32_t begin = item == 0 ? 0 : Get32(part_, endsAt + 4ull * (item - 1));
        const uint32_t end = Get32(part_, endsAt + 4ull * item);
        if (begin > end || end > poolLength) return markDamaged();
        return part_.substr(poolAt + begin, end - begin);
    }

    std::string_view part_;
    uint32_t items_, codes_ = 0;
    size_t codeEndsAt_ = 0, textsAt_ = 0, keysAt_ = 0, codesAt_ = 0;
    size_t textsLength_ = 0, keysLength_ = 0, codesLength_ = 0;
    bool damaged_ = false;
};

// The items whose key, from one of its START places, begins with `key`.
std::vector<uint32_t> StartCandidates(PartReader& reader, uint32_t places, std::string_view key) {
    // The places whose key text begins with `key` are one run of the sorted places.
    uint32_t low = 0, high = places;
    while (low < high) {
        const uint32_t middle = low + (high - low) / 2;
        if (reader.tail(middle) < key) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    std::vector<uint32_t> found;
    for (uint32_t place = low; place < places && reader.tail(place).starts_with(key); ++place)
        found.push_back(reader.item(place));
    // In table order, each headword once (an English headword may be found from two places).
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

}  // namespace

uint64_t ContentChecksum(std::string_view bytes) {
    constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
    uint64_t lanes[4] = {1, 2, 3, 4};
    size_t at = 0;
    for (; at + 32 <= bytes.size(); at += 32) {
        for (int lane = 0; lane < 4; ++lane) {
            lanes[lane] = std::rotl((lanes[lane] ^ Get64(bytes, at + 8 * lane)) * kMultiplier, 31);
        }
    }
    uint64_t sum = bytes.size();
    for (const uint64_t lane : lanes)
        sum = std::rotl((sum ^ lane) * kMultiplier, 27);
    for (; at < bytes.size(); ++at)
        sum = (sum ^ static_cast<unsigned char>(bytes[at])) * kMultiplier;
    return sum ^ (sum >> 29);
}

std::string FilesIdentity(const std::vector<std::string>& paths) {
    std::string identity;
    for (const std::string& path : paths) {
        Put32(identity, static_cast<uint32_t>(path.size()));
        identity += path;
        struct stat status {};
        if (::stat(path.c_str(), &status) != 0) {
            // Absent, or not to be looked at (the error tells which): either way no file to match.
            identity += '\0';
            Put32(identity, static_cast<uint32_t>(errno));
            continue;
        }
        identity += '\1';
        for (const uint64_t value :
             {static_cast<uint64_t>(status.st_dev), static_cast<uint64_t>(status.st_ino),
              static_cast<uint64_t>(status.st_size), static_cast<uint64_t>(status.st_mtim.tv_sec),
              static_cast<uint64_t>(status.st_mtim.tv_nsec),
              static_cast<uint64_t>(status.st_ctim.tv_sec),
              static_cast<uint64_t>(status.st_ctim.tv_nsec)}) {
            Put64(identity, value);
        }
    }
    return identity;
}

std::string BuildSearchIndex(const EntryTables& tables, std::string_view identity) {
    std::vector<PartItem> english, greek;
    for (int slot = 1; slot <= tables.entries.count(); ++slot) {
        const EntryRecord& record = tables.entries[slot];
        english.push_back({ListItemText(record.headword, record), ListKeyIn(false, record.headword),
                           static_cast<uint32_t>(slot), TraitsOf(record), record.fieldCode});
    }
    for (int slot = 1; slot <= tables.greek.count(); ++slot) {
        const GreekRecord& record = tables.greek[slot];
        const EntryRecord& entry = tables.entries[record.englishSlot];
        // A Greek headword is compared from its first letter only: no key start.
        greek.push_back({ListItemText(record.headword, entry), ListKeyIn(true, record.headword),
                         static_cast<uint32_t>(record.englishSlot),
                         TraitsOf(entry) & ~kKeyStartMask, entry.fieldCode});
    }
    return AssembleSearchIndex(identity, BuildPart(english, false), BuildPart(greek, true));
}

std::string AssembleSearchIndex(std::string_view identity, std::string_view englishPart,
                                std::string_view greekPart) {
    const std::string_view parts[2] = {englishPart, greekPart};
    std::string index(kMagic, sizeof kMagic);
    Put32(index, kVersion);
    Put32(index, kByteOrderMark);
    index.resize(kHeaderLength, '\0');
    Set64(index, kIdentityLengthAt, identity.size());
    index += identity;
    for (int language = 0; language < 2; ++language) {
        Set64(index, kPartOffsetAt + 8 * language, index.size());
        Set64(index, kPartLengthAt + 8 * language, parts[language].size());
        Set64(index, kPartChecksumAt + 8 * language, ContentChecksum(parts[language]));
        index += parts[language];
    }
    return index;
}

namespace {

// Whether `bytes` begin with the header of an index of this format and the stamp `identity`.
bool StartsAsIndexOf(std::string_view bytes, std::string_view identity) {
    return bytes.size() >= kHeaderLength && std::memcmp(bytes.data(), kMagic, sizeof kMagic) == 0 &&
           Get32(bytes, 8) == kVersion && Get32(bytes, 12) == kByteOrderMark &&
           Get64(bytes, kIdentityLengthAt) == identity.size() &&
           bytes.size() - kHeaderLength >= identity.size() &&
           bytes.substr(kHeaderLength, identity.size()) == identity;
}

}  // namespace

std::optional<uint64_t> SearchIndexLength(std::string_view head, std::string_view identity) {
    if (!StartsAsIndexOf(head, identity)) return std::nullopt;
    // The parts follow the stamp, English then Greek, as AssembleSearchIndex writes them; each
    // length is checked before it is added, so that no sum can wrap.
    uint64_t length = kHeaderLength + identity.size();
    for (int language = 0; language < 2; ++language) {
        const uint64_t partLength = Get64(head, kPartLengthAt + 8 * language);
        if (Get64(head, kPartOffsetAt + 8 * language) != length ||
            partLength > std::numeric_limits<uint64_t>::max() - length) {
            return std::nullopt;
        }
        length += partLength;
    }
    return length;
}

std::optional<SearchIndexView> SearchIndexView::open(std::string_view bytes,
                                                     std::string_view identity) {
    if (!StartsAsIndexOf(bytes, identity)) return std::nullopt;
    SearchIndexView view;
    for (int language = 0; language < 2; ++language) {
        const uint64_t offset = Get64(bytes, kPartOffsetAt + 8 * language);
        const uint64_t length = Get64(bytes, kPartLengthAt + 8 * language);
        if (offset > bytes.size() || length > bytes.size() - offset || length < kPartHeaderLength) {
            return std::nullopt;
        }
        const std::string_view part = bytes.substr(offset, length);
        // The counts must account for the part exactly (64-bit sums: no count can wrap them).
        const uint64_t items = Get32(part, 0), places = Get32(part, 4);
        if (length != kPartHeaderLength + 4 * kItemArrays * items + 4 * places +
                          4ull * Get32(part, 16) + Get32(part, 8) + Get32(part, 12) +
                          Get32(part, 20))
            return std::nullopt;
        // The checksum costs a pass over the part: it is the search that checks it, for the one
        // language it searches.
        view.parts_[language] = {part, static_cast<uint32_t>(items), static_cast<uint32_t>(places),
                                 Get64(bytes, kPartChecksumAt + 8 * language)};
    }
    return view;
}

std::optional<std::vector<ListItem>> SearchIndexView::startSearch(std::string_view entryText,
                                                                  bool greekMode) const {
    return search(entryText, greekMode, {});
}

std::optional<std::vector<ListItem>> SearchIndexView::search(std::string_view entryText,
                                                             bool greekMode,
                                                             const FillRequest& request) const {
    // One given entry is listed from the tables themselves.
    if (request.mode == SearchMode::Specific && !TrimLeadingBlanks(entryText).empty())
        return std::nullopt;
    const auto match = MatchOfFill(entryText, greekMode, request);
    if (!match) return std::vector<ListItem>{};
    const Part& part = parts_[match->greek ? 1 : 0];
    if (ContentChecksum(part.bytes) != part.checksum) return std::nullopt;
    return searchPart(part, *match);
}

std::optional<std::vector<ListItem>> SearchIndexView::searchPart(const Part& part,
                                                                 const HeadwordMatch& match) const {
    PartReader reader(part.bytes, part.items, part.places);
    // The science filter compares the field codes' numbers in the part.
    std::optional<uint32_t> fieldCode;
    if (!match.fieldCode.empty()) {
        for (uint32_t code = 0; code < reader.codes() && !fieldCode; ++code) {
            if (reader.codeText(code) == match.fieldCode) fieldCode = code;
        }
        if (!fieldCode)
            return reader.damaged() ? std::nullopt : std::optional(std::vector<ListItem>{});
    }
    std::vector<ListItem> items;
    const auto consider = [&](uint32_t item) {
        const uint32_t traits = reader.traits(item);
        if (match.personalOnly && (traits & kOwnEntryTrait) == 0) return;
        if (fieldCode && reader.code(item) != *fieldCode) return;
        if (!MeetsCriteria(match, reader.key(item), static_cast<int>(traits & kKeyStartMask)))
            return;
        items.push_back(
            {std::string(reader.text(item)), static_cast<int>(reader.englishSlot(item))});
    };
    // A START criterion finds its few candidates by binary search; other criteria look at every
    // headword. Either way in table order, up to the list limit.
    const auto start = std::find_if(match.criteria.begin(), match.criteria.end(),
                                    [](const KeyCriterion& c) { return c.test == KeyTest::Start; });
    if (start != match.criteria.end()) {
        for (const uint32_t item : StartCandidates(reader, part.places, start->key)) {
            if (items.size() >= static_cast<size_t>(kListLimit) || reader.damaged()) break;
            consider(item);
        }
    } else {
        for (uint32_t item = 0; item < part.items; ++item) {
            if (items.size() >= static_cast<size_t>(kListLimit) || reader.damaged()) break;
            consider(item);
        }
    }
    if (reader.damaged()) return std::nullopt;
    return items;
}

}  // namespace orvan
