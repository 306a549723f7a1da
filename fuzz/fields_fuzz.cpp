// Feeds arbitrary bytes to the science list's reader, as data/srt.tbo of a program folder.
// Checks what the list must always be: at most 59 fields, the blank item first, every code and
// name trimmed and within its columns, and each field written back as a line reading the same.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "fuzz/fuzz_files.h"
#include "lexicon/blanks.h"
#include "lexicon/line_formats.h"
#include "lexicon/tables.h"

namespace {

bool Trimmed(const std::string& text) {
    return orvan::TrimBlanks(text).size() == text.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const orvan::LexiconFiles files = [] {
        const std::string folder = orvan::fuzz::ScratchFolder();
        std::filesystem::create_directories(folder + "/data");
        return orvan::LexiconFiles(folder);
    }();
    orvan::fuzz::PlaceFile(files.fields, std::string(reinterpret_cast<const char*>(data), size));

    const auto table = orvan::LoadFieldTable(files);
    if (!table || table->count() > orvan::kFieldCapacity) std::abort();
    const auto items = table->listItems();
    if (items.size() != static_cast<size_t>(table->count()) + 1 || items[0] != " ") std::abort();
    for (int slot = 1; slot <= table->count(); ++slot) {
        const orvan::FieldRecord& field = (*table)[slot];
        if (field.code.size() > 13 || field.name.size() > 120) std::abort();
        if (!Trimmed(field.code) || !Trimmed(field.name)) std::abort();
        const orvan::FieldLine again =
            orvan::ParseFieldLine(orvan::FormatFieldLine({field.code, field.name}));
        if (again.code != field.code || again.name != field.name) std::abort();
    }
    return 0;
}
