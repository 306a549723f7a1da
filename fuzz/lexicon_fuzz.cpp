// Feeds arbitrary bytes to everything that reads the lexicon's and the user's index files: the
// line formats, the codecs, the search keys, and a whole load of the four index files (i.tbo,
// igr.tbo, ci.tbo, cigr.tbo, cut from the input at the file separator) with the user's entries
// merged in, followed by searches over the result. Checks what the tables must always be:
// within their capacity, every filled slot numbered, and each Greek record's English slot the
// entry of its number.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "fuzz/fuzz_files.h"
#include "lexicon/codecs.h"
#include "lexicon/line_formats.h"
#include "lexicon/list_search.h"
#include "lexicon/search_keys.h"
#include "lexicon/tables.h"
#include "lexicon/text_file.h"

namespace {

void CheckTables(const orvan::EntryTables& tables) {
    const int entries = tables.entries.count();
    if (entries > orvan::kTableCapacity || tables.greek.count() > orvan::kTableCapacity)
        std::abort();
    for (int slot = 1; slot <= entries; ++slot) {
        const orvan::EntryRecord& entry = tables.entries[slot];
        if (entry.number == 0 || entry.greekSlot > tables.greek.count()) std::abort();
    }
    for (int slot = 1; slot <= tables.greek.count(); ++slot) {
        const orvan::GreekRecord& greek = tables.greek[slot];
        if (greek.englishSlot > entries) std::abort();
        if (greek.englishSlot != 0 && tables.entries[greek.englishSlot].number != greek.number)
            std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    int lineNumber = 0;
    for (const std::string& line : orvan::SplitLines(bytes)) {
        (void)orvan::ParseIndexLine(orvan::DecodeIndexLine(++lineNumber, line));
        (void)orvan::ParseGreekIndexLine(orvan::DecodeIndexLine(lineNumber, line));
        (void)orvan::ParsePersonalIndexLine(orvan::DecodePersonalText(line));
        (void)orvan::ParsePersonalGreekLine(line);
        (void)orvan::GreekSearchKey(line, true);
        (void)orvan::LatinSearchKey(line, true);
    }

    static const std::string folder = [] {
        const std::string made = orvan::fuzz::ScratchFolder();
        std::filesystem::create_directories(made + "/data");
        return made;
    }();
    const auto files = orvan::fuzz::SplitFiles(bytes, 4);
    const orvan::LexiconFiles lexicon(folder);
    const orvan::PersonalFiles personal(folder);
    orvan::fuzz::PlaceInputFile(lexicon.englishIndex, files[0]);
    orvan::fuzz::PlaceInputFile(lexicon.greekIndex, files[1]);
    orvan::fuzz::PlaceInputFile(personal.englishIndex, files[2]);
    orvan::fuzz::PlaceInputFile(personal.greekIndex, files[3]);

    orvan::NoteList notes;
    const orvan::EntryTables tables =
        orvan::LoadEntryTable(lexicon, orvan::ReadPersonalIndexes(personal), notes);
    CheckTables(tables);
    orvan::FillRequest request;
    request.mode = orvan::SearchMode::Contain;
    (void)orvan::FillList(tables.entries, tables.greek, "e", false, request);
    request.mode = orvan::SearchMode::Start;
    (void)orvan::FillList(tables.entries, tables.greek, "\xe1", true, request);
    request.personalOnly = true;
    (void)orvan::FillList(tables.entries, tables.greek, "", true, request);
    return 0;
}
