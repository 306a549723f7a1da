#include "lexicon/search_index.h"

#include <sys/stat.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <limits>

#include "lexicon/blanks.h"
#include "lexicon/search_keys.h"

namespace orvan {

namespace {

// The file begins with this header, then the identity it was built from, then the English and
// the Greek part. Numbers are in the writing machine's byte order, which the byte order mark
// tells; a change of the layout or of what a part holds takes a new version.
constexpr char kMagic[8] = {'O', 'R', 'V', 'N', 'S', 'I', 'D', 'X'};
constexpr uint32_t kVersion = 1;
constexpr uint32_t kByteOrderMark = 0x01020304;
constexpr size_t kIdentityLengthAt = 16;
constexpr size_t kPartOffsetAt = 24, kPartLengthAt = 40, kPartChecksumAt = 56;
constexpr size_t kHeaderLength = kSearchIndexHeaderLength;

// A part begins with its counts: items (one per table slot), places (sorted), and the lengths of
// the text pool (the list texts) and the key pool (the headwords' search keys). Then come the
// items' English slots, the end of each item's text and of its key in their pools, the places
// (item index << 8 | offset in the item's key), the text pool and the key pool.
constexpr size_t kPartHeaderLength = 16;
constexpr int kPlaceOffsetBits = 8;

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

// A fast checksum of a part, eight bytes a step in four lanes: it tells a damaged file (a
// flipped bit, bytes overwritten or lost), not a forged one; the search's own checks keep a
// forged file from doing harm.
uint64_t Checksum(std::string_view bytes) {
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

// One headword of a part as the builder collects it.
struct PartItem {
    std::string text, key;
    uint32_t englishSlot = 0;
};

std::string_view KeyTail(const std::vector<PartItem>& items, uint32_t place) {
    return std::string_view(items[place >> kPlaceOffsetBits].key)
        .substr(place & ((1u << kPlaceOffsetBits) - 1));
}

// The part of one language: the places are every item's first letter and, where the START
// search also compares from there, its second start place, sorted by the key text from there.
std::string BuildPart(const std::vector<PartItem>& items, const std::vector<int>& keyStarts,
                      bool greek) {
    std::vector<uint32_t> places;
    for (uint32_t index = 0; index < items.size(); ++index) {
        places.push_back(index << kPlaceOffsetBits);
        const auto from = SecondStartPlace(greek, items[index].key.size(), keyStarts[index]);
        if (from && *from > 0) places.push_back(index << kPlaceOffsetBits | *from);
    }
    std::sort(places.begin(), places.end(), [&](uint32_t a, uint32_t b) {
        const int order = KeyTail(items, a).compare(KeyTail(items, b));
        return order != 0 ? order < 0 : a < b;
    });
    std::string texts, keys;
    std::vector<uint32_t> textEnds, keyEnds;
    for (const PartItem& item : items) {
        texts += item.text;
        keys += item.key;
        textEnds.push_back(static_cast<uint32_t>(texts.size()));
        keyEnds.push_back(static_cast<uint32_t>(keys.size()));
    }
    std::string part;
    Put32(part, static_cast<uint32_t>(items.size()));
    Put32(part, static_cast<uint32_t>(places.size()));
    Put32(part, static_cast<uint32_t>(texts.size()));
    Put32(part, static_cast<uint32_t>(keys.size()));
    for (const PartItem& item : items)
        Put32(part, item.englishSlot);
    for (const uint32_t end : textEnds)
        Put32(part, end);
    for (const uint32_t end : keyEnds)
        Put32(part, end);
    for (const uint32_t place : places)
        Put32(part, place);
    return part + texts + keys;
}

// Reads one part of a view, every offset checked against the part's own bounds: anything out of
// place reads as empty and marks the part damaged.
class PartReader {
  public:
    PartReader(std::string_view part, uint32_t items, uint32_t places)
        : part_(part), items_(items) {
        textsAt_ = kPartHeaderLength + 12ull * items + 4ull * places;
        textsLength_ = Get32(part, 8);
        keysAt_ = textsAt_ + textsLength_;
        keysLength_ = Get32(part, 12);
    }

    bool damaged() const { return damaged_; }
    uint32_t englishSlot(uint32_t item) {
        if (item >= items_) {
            markDamaged();
            return 0;
        }
        return Get32(part_, kPartHeaderLength + 4ull * item);
    }
    std::string_view text(uint32_t item) {
        if (item >= items_) return markDamaged();
        return pooled(kPartHeaderLength + 4ull * items_, item, textsAt_, textsLength_);
    }
    std::string_view tail(uint32_t placeIndex) {
        const uint32_t place = Get32(part_, kPartHeaderLength + 12ull * items_ + 4ull * placeIndex);
        const uint32_t item = place >> kPlaceOffsetBits;
        const uint32_t from = place & ((1u << kPlaceOffsetBits) - 1);
        if (item >= items_) return markDamaged();
        const std::string_view key =
            pooled(kPartHeaderLength + 8ull * items_, item, keysAt_, keysLength_);
        return from <= key.size() ? key.substr(from) : markDamaged();
    }
    uint32_t item(uint32_t placeIndex) const {
        return Get32(part_, kPartHeaderLength + 12ull * items_ + 4ull * placeIndex) >>
               kPlaceOffsetBits;
    }

  private:
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
    uint32_t items_;
    size_t textsAt_ = 0, keysAt_ = 0, textsLength_ = 0, keysLength_ = 0;
    bool damaged_ = false;
};

}  // namespace

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
    std::vector<int> englishKeyStarts, greekKeyStarts;
    for (int slot = 1; slot <= tables.entries.count(); ++slot) {
        const EntryRecord& record = tables.entries[slot];
        english.push_back({ListItemText(record.headword, record), ListKeyIn(false, record.headword),
                           static_cast<uint32_t>(slot)});
        englishKeyStarts.push_back(record.keyStart);
    }
    for (int slot = 1; slot <= tables.greek.count(); ++slot) {
        const GreekRecord& record = tables.greek[slot];
        greek.push_back({ListItemText(record.headword, tables.entries[record.englishSlot]),
                         ListKeyIn(true, record.headword), record.englishSlot});
        greekKeyStarts.push_back(0);
    }
    return AssembleSearchIndex(identity, BuildPart(english, englishKeyStarts, false),
                               BuildPart(greek, greekKeyStarts, true));
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
        Set64(index, kPartChecksumAt + 8 * language, Checksum(parts[language]));
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
        if (length !=
            kPartHeaderLength + 12 * items + 4 * places + Get32(part, 8) + Get32(part, 12))
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
    // As FillList: a text without its leading blanks chooses the language by its first letter;
    // no text lists nothing in this mode.
    const std::string_view text = TrimLeadingBlanks(entryText);
    if (text.empty()) return std::vector<ListItem>{};
    greekMode = StartsWithGreekLetter(text);
    const Part& part = parts_[greekMode ? 1 : 0];
    if (Checksum(part.bytes) != part.checksum) return std::nullopt;
    return searchPart(part, ListKeyIn(greekMode, text));
}

std::optional<std::vector<ListItem>> SearchIndexView::searchPart(const Part& part,
                                                                 std::string_view key) const {
    PartReader reader(part.bytes, part.items, part.places);
    // The places whose key text begins with `key` are one run of the sorted places.
    uint32_t low = 0, high = part.places;
    while (low < high) {
        const uint32_t middle = low + (high - low) / 2;
        if (reader.tail(middle) < key) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    std::vector<uint32_t> found;
    for (uint32_t place = low; place < part.places && reader.tail(place).starts_with(key); ++place)
        found.push_back(reader.item(place));
    // The list is in table order, each headword once (an English headword may be found from two
    // places), and stops at the list limit.
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    if (found.size() > static_cast<size_t>(kListLimit)) found.resize(kListLimit);
    std::vector<ListItem> items;
    items.reserve(found.size());
    for (const uint32_t item : found)
        items.push_back(
            {std::string(reader.text(item)), static_cast<int>(reader.englishSlot(item))});
    if (reader.damaged()) return std::nullopt;
    return items;
}

}  // namespace orvan
