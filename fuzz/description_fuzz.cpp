// Feeds arbitrary bytes to the readers of the descriptions: the input is cut at the file
// separator into data/lex.tbo, the user's clex.tbo, and a list of reads, one a line: either
// "POSITION LENGTH" or a supplement's location as a NoteList item holds it. Checks that every
// read gives at most what was asked, and that a reader reading ahead through one open file gives
// exactly what a read of its own gives, whatever the order of the reads.
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "fuzz/fuzz_files.h"
#include "lexicon/description.h"
#include "lexicon/tables.h"
#include "lexicon/text_file.h"

namespace {

struct Read {
    long long position = 0;
    long long length = 0;
};

// "POSITION LENGTH", both decimal, as written; nothing for any other line.
std::optional<Read> ParseRead(std::string_view line) {
    Read read;
    const char* end = line.data() + line.size();
    auto [afterPosition, error] = std::from_chars(line.data(), end, read.position);
    if (error != std::errc() || afterPosition == end || *afterPosition != ' ') return std::nullopt;
    auto [afterLength, error2] = std::from_chars(afterPosition + 1, end, read.length);
    if (error2 != std::errc() || afterLength != end) return std::nullopt;
    return read;
}

void CheckRead(orvan::DescriptionStore store, const std::string& path,
               orvan::DescriptionReader& ahead, orvan::DescriptionReader& small, Read read) {
    const auto alone = orvan::TryReadDescription(store, path, read.position, read.length);
    if (alone && static_cast<long long>(alone->size()) >
                     std::min(std::max(read.length, 0LL), orvan::kDescriptionReadLimit))
        std::abort();
    if (ahead.read(read.position, read.length) != alone) std::abort();
    if (small.read(read.position, read.length) != alone) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string folder = [] {
        const std::string made = orvan::fuzz::ScratchFolder();
        std::filesystem::create_directories(made + "/data");
        return made;
    }();
    const orvan::LexiconFiles lexicon(folder);
    const orvan::PersonalFiles personal(folder);
    const std::string input(reinterpret_cast<const char*>(data), size);
    const auto files = orvan::fuzz::SplitFiles(input, 3);
    orvan::fuzz::PlaceInputFile(lexicon.descriptions, files[0]);
    orvan::fuzz::PlaceInputFile(personal.texts, files[1]);

    (void)orvan::LoadRtfHeader(lexicon);
    using orvan::DescriptionStore;
    orvan::DescriptionReader lexiconAhead(DescriptionStore::Lexicon, lexicon.descriptions);
    orvan::DescriptionReader lexiconSmall(DescriptionStore::Lexicon, lexicon.descriptions, 7);
    orvan::DescriptionReader personalAhead(DescriptionStore::Personal, personal.texts);
    orvan::DescriptionReader personalSmall(DescriptionStore::Personal, personal.texts, 7);
    const std::string reads = files[2].value_or("");
    orvan::TextLines lines(reads);
    for (std::string_view line; lines.next(line);) {
        if (const auto read = ParseRead(line)) {
            CheckRead(DescriptionStore::Lexicon, lexicon.descriptions, lexiconAhead, lexiconSmall,
                      *read);
            CheckRead(DescriptionStore::Personal, personal.texts, personalAhead, personalSmall,
                      *read);
            orvan::EntryRecord entry;
            entry.descPos = static_cast<int32_t>(read->position);
            entry.descLen = static_cast<int32_t>(read->length);
            entry.kind =
                read->position % 2 ? orvan::EntryKind::Personal : orvan::EntryKind::Lexicon;
            (void)orvan::ReadEntryDescription(entry, lexicon, personal);
        }
        const std::string item(line);
        if (orvan::TryReadSupplement(item, personal) != personalAhead.readSupplement(item))
            std::abort();
    }
    return 0;
}
