#include "lexicon/description_texts.h"

#include <cstring>
#include <limits>

#include "lexicon/stamped_file.h"

namespace orvan {

namespace {

// The file is a stamped file whose header counts the entries, the length of their list texts and
// the UTF-16 units of their shown texts. Its body holds the entries' numbers, the ends of their
// list texts and of their shown texts, the list text pool, a byte when needed so that the shown
// text pool begins at an even offset, and that pool (UTF-16).
constexpr StampedFormat kFormat{{'O', 'R', 'V', 'N', 'D', 'T', 'X', 'T'}, 1, 3};
static_assert(StampedHeaderLength(kFormat) == kDescriptionTextsHeaderLength);

// Where the parts after the stamp lie, from the header's counts; nothing when they do not add
// up within 64 bits.
struct Layout {
    StampedHead head;
    uint64_t count = 0, itemsLength = 0, shownUnits = 0;
    uint64_t numbersAt = 0, itemEndsAt = 0, shownEndsAt = 0, itemsAt = 0, shownAt = 0, length = 0;
};

std::optional<Layout> LayoutOf(std::string_view bytes, std::string_view identity) {
    auto head = ReadStampedHead(kFormat, bytes, identity);
    if (!head) return std::nullopt;
    Layout layout;
    layout.count = head->counts[0];
    layout.itemsLength = head->counts[1];
    layout.shownUnits = head->counts[2];
    // No real lexicon comes near these bounds: past them the counts are damage, and the sums
    // below cannot wrap.
    constexpr uint64_t kMost = uint64_t{1} << 40;
    if (layout.count > kMost || layout.itemsLength > kMost || layout.shownUnits > kMost)
        return std::nullopt;
    layout.numbersAt = head->bodyAt;
    layout.itemEndsAt = layout.numbersAt + 4 * layout.count;
    layout.shownEndsAt = layout.itemEndsAt + 8 * layout.count;
    layout.itemsAt = layout.shownEndsAt + 8 * layout.count;
    layout.shownAt = layout.itemsAt + layout.itemsLength;
    layout.shownAt += layout.shownAt % 2;
    layout.length = layout.shownAt + 2 * layout.shownUnits;
    layout.head = std::move(*head);
    return layout;
}

}  // namespace

std::u16string FullTextTerm(std::u16string_view typed) {
    std::size_t start = 0;
    while (start < typed.size() && typed[start] <= u' ')
        ++start;
    return std::u16string(typed.substr(start));
}

std::string BuildDescriptionTexts(const std::vector<DescriptionText>& entries,
                                  std::string_view identity) {
    std::string numbers, itemEnds, shownEnds, items;
    std::u16string shown;
    for (const DescriptionText& entry : entries) {
        AppendNumber(numbers, static_cast<int32_t>(entry.number));
        items += entry.itemText;
        shown += entry.shown;
        AppendNumber(itemEnds, static_cast<uint64_t>(items.size()));
        AppendNumber(shownEnds, static_cast<uint64_t>(shown.size()));
    }
    std::string body = numbers + itemEnds + shownEnds + items;
    if ((kDescriptionTextsHeaderLength + identity.size() + body.size()) % 2 != 0) body += '\0';
    body.append(reinterpret_cast<const char*>(shown.data()), 2 * shown.size());
    return BuildStampedFile(kFormat, identity, {entries.size(), items.size(), shown.size()}, body);
}

std::optional<uint64_t> DescriptionTextsLength(std::string_view head, std::string_view identity) {
    const auto layout = LayoutOf(head, identity);
    if (!layout) return std::nullopt;
    return layout->length;
}

std::optional<std::vector<FullTextFind>> SearchDescriptionTexts(std::string_view bytes,
                                                                std::string_view identity,
                                                                std::u16string_view term,
                                                                size_t limit,
                                                                const EntryTable* entries) {
    const auto layout = LayoutOf(bytes, identity);
    if (!layout || layout->length != bytes.size() ||
        reinterpret_cast<uintptr_t>(bytes.data()) % alignof(char16_t) != 0 ||
        !BodyIsWhole(layout->head, bytes.substr(layout->numbersAt))) {
        return std::nullopt;
    }
    if (entries != nullptr) {
        if (layout->count != static_cast<uint64_t>(entries->count())) return std::nullopt;
        for (uint64_t index = 0; index < layout->count; ++index) {
            if (NumberAt<int32_t>(bytes, layout->numbersAt + 4 * index) !=
                (*entries)[static_cast<long long>(index + 1)].number) {
                return std::nullopt;
            }
        }
    }
    const std::u16string_view shown(
        reinterpret_cast<const char16_t*>(bytes.data() + layout->shownAt), layout->shownUnits);
    std::vector<FullTextFind> finds;
    if (term.empty()) return finds;
    uint64_t itemBegin = 0, shownBegin = 0;
    for (uint64_t index = 0; index < layout->count && finds.size() < limit; ++index) {
        const auto itemEnd = NumberAt<uint64_t>(bytes, layout->itemEndsAt + 8 * index);
        const auto shownEnd = NumberAt<uint64_t>(bytes, layout->shownEndsAt + 8 * index);
        if (itemEnd < itemBegin || itemEnd > layout->itemsLength || shownEnd < shownBegin ||
            shownEnd > layout->shownUnits) {
            return std::nullopt;
        }
        if (shown.substr(shownBegin, shownEnd - shownBegin).find(term) !=
            std::u16string_view::npos) {
            finds.push_back(
                {{std::string(bytes.substr(layout->itemsAt + itemBegin, itemEnd - itemBegin)),
                  static_cast<int>(index + 1)},
                 NumberAt<int32_t>(bytes, layout->numbersAt + 4 * index)});
        }
        itemBegin = itemEnd;
        shownBegin = shownEnd;
    }
    return finds;
}

}  // namespace orvan
