// Feeds arbitrary bytes to the reader of the settings file (Orvan.ini) and rewrites it as the
// program does. Checks that rewriting keeps what the file said: the first line (or "YES" for an
// empty one) and the personal folder read back exactly as they were read.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_files.h"
#include "lexicon/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string folder = orvan::fuzz::ScratchFolder();
    const std::string path = folder + "/" + orvan::kSettingsFileName;
    orvan::fuzz::PlaceFile(path, std::string(reinterpret_cast<const char*>(data), size));

    const auto read = orvan::ReadSettings(path);
    // The file is there and readable: it is read unless it is longer than the limit.
    if (read.has_value() != (static_cast<long long>(size) <= orvan::kSettingsFileLimit)) {
        std::abort();
    }
    if (!read) return 0;
    (void)orvan::ShowsStartScreen(*read);
    (void)orvan::CheckPersonalFolderSetting(path, orvan::SettingsProbe());
    const orvan::StartUpSettings startUp =
        orvan::PrepareSettings({folder, {}, {}}, orvan::SettingsProbe());
    if (startUp.personalFolder != read->secondLine) std::abort();

    if (!orvan::WriteSettings(path, "", "")) {
        // Refused only when its lines, each ending in CR LF, would be too long to read back.
        const size_t rewritten = (read->firstLine.empty() ? 3 : read->firstLine.size()) + 2 +
                                 (read->secondLine.empty() ? 0 : read->secondLine.size() + 2);
        if (static_cast<long long>(rewritten) <= orvan::kSettingsFileLimit) std::abort();
        return 0;
    }
    const auto again = orvan::ReadSettings(path);
    if (!again || again->secondLine != read->secondLine) std::abort();
    if (again->firstLine != (read->firstLine.empty() ? "YES" : read->firstLine)) std::abort();
    return 0;
}
