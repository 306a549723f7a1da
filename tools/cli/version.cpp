#include "tools/cli/version.h"

#include <cstdint>
#include <cstdio>

#include "lexicon/lexicon_files.h"
#include "lexicon/text_file.h"
#include "tools/cli/loaded_lexicon.h"

namespace orvan::cli {

namespace {

// FNV-1a, 64 bits: enough to tell two editions of an index apart at a glance.
std::string HashOf(std::string_view bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

}  // namespace

void PrintVersion(const CommandLine& line, std::ostream& out) {
    out << "orvan-cli " << ORVAN_VERSION << '\n';
    const LexiconFiles files(line.programFolder);
    const Result<std::string> index = ReadWholeFile(files.englishIndex);
    if (!index) {
        out << "lexicon: none (" << line.lexiconWhy << ")\n";
        return;
    }
    const LoadedLexicon lexicon = Load(line, {});
    out << "lexicon: " << files.folder << '\n'
        << "entries: " << lexicon.tables.entries.count() << '\n'
        << "index: data/i.tbo, " << index->size() << " bytes, hash " << HashOf(*index) << '\n';
}

}  // namespace orvan::cli
