// Feeds arbitrary bytes to the saved search index's reader, which orvan-cli finds in the user's
// cache folder: once as the file is (a damaged or foreign file must be refused or searched
// safely), and once with its parts stamped again with checksums that fit, so that the fuzzer
// reaches the search's own checks of every count, offset and key behind them.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "lexicon/search_index.h"

namespace {

uint64_t Get64(std::string_view bytes, size_t at) {
    uint64_t value = 0;
    if (at + sizeof value <= bytes.size()) std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

// The bytes at [offset, offset + length) when the input holds them, else nothing.
std::string_view Within(std::string_view bytes, uint64_t offset, uint64_t length) {
    if (offset > bytes.size() || length > bytes.size() - offset) return {};
    return bytes.substr(offset, length);
}

void SearchAll(const orvan::SearchIndexView& index, std::string_view input) {
    // Typed texts of both languages, past an article, and one cut from the input itself.
    static const std::string kTexts[] = {"e", "en", "engine", "the e", "\xEC", "\xEC\xE7\xF7", " "};
    for (const std::string& text : kTexts) {
        (void)index.startSearch(text, false);
        (void)index.startSearch(text, true);
    }
    (void)index.startSearch(input.substr(input.size() - std::min<size_t>(input.size(), 6)), false);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // The stamp is taken from the file itself, as though the files it names were still as they
    // were: that is the one case in which the program reads an index.
    const std::string_view identity =
        Within(input, orvan::kSearchIndexHeaderLength, Get64(input, 16));
    (void)orvan::SearchIndexLength(input, identity);
    if (const auto index = orvan::SearchIndexView::open(input, identity)) SearchAll(*index, input);

    const std::string repaired =
        orvan::AssembleSearchIndex(identity, Within(input, Get64(input, 24), Get64(input, 40)),
                                   Within(input, Get64(input, 32), Get64(input, 48)));
    // The length an index's header gives is always that of the index as it was written.
    if (orvan::SearchIndexLength(repaired, identity) != repaired.size()) std::abort();
    if (const auto index = orvan::SearchIndexView::open(repaired, identity)) {
        SearchAll(*index, input);
    }
    return 0;
}
