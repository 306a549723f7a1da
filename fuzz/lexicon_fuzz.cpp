// Feeds arbitrary bytes to everything that reads the lexicon's and the user's files: the line
// formats, the codecs, the search keys and a whole table load with a search over the result.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "lexicon/codecs.h"
#include "lexicon/line_formats.h"
#include "lexicon/list_search.h"
#include "lexicon/search_keys.h"
#include "lexicon/tables.h"
#include "lexicon/text_file.h"

namespace {

const std::string& Folder() {
    static const std::string folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "orvan-fuzz-XXXXXX").string();
        const char* made = ::mkdtemp(pattern.data());
        std::filesystem::create_directories(std::string(made) + "/data");
        return std::string(made);
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (const std::string& line : orvan::SplitLines(bytes)) {
        (void)orvan::ParseIndexLine(orvan::DecodeIndexLine(7, line));
        (void)orvan::ParsePersonalIndexLine(orvan::DecodePersonalText(line));
        (void)orvan::ParsePersonalGreekLine(line);
        (void)orvan::ParseFieldLine(line);
        (void)orvan::GreekSearchKey(line, true);
        (void)orvan::LatinSearchKey(line, true);
    }

    // The same bytes as each of the four index files, split into quarters.
    const size_t quarter = size / 4;
    const std::string& folder = Folder();
    orvan::WriteFileAtomically(folder + "/data/i.tbo", bytes.substr(0, quarter));
    orvan::WriteFileAtomically(folder + "/data/igr.tbo", bytes.substr(quarter, quarter));
    orvan::WriteFileAtomically(folder + "/ci.tbo", bytes.substr(2 * quarter, quarter));
    orvan::WriteFileAtomically(folder + "/cigr.tbo", bytes.substr(3 * quarter));
    orvan::NoteList notes;
    const orvan::EntryTables tables =
        orvan::LoadEntryTable(orvan::LexiconFiles(folder),
                              orvan::ReadPersonalIndexes(orvan::PersonalFiles(folder)), notes);
    orvan::FillRequest request;
    request.mode = orvan::SearchMode::Contain;
    (void)orvan::FillList(tables.entries, tables.greek, "e", false, request);
    request.personalOnly = true;
    (void)orvan::FillList(tables.entries, tables.greek, "", true, request);
    return 0;
}
