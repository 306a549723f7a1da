#include "tools/cli/search_cache.h"

#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>

#include "lexicon/file_paths.h"
#include "lexicon/search_index.h"
#include "lexicon/text_file.h"
#include "personal/personal_store.h"
#include "personal/store_commit.h"
#include "personal/store_contents.h"
#include "tools/cli/loaded_lexicon.h"
#include "tools/cli/standard_folders.h"

namespace orvan::cli {

namespace {

// A file's time stamps may be as coarse as two seconds: an index is saved only from files last
// changed longer ago than that, so that a later change always gives them other stamps.
constexpr long long kStampGrainNs = 2'000'000'000;

std::string Absolute(const std::string& path) {
    if (path.empty()) return path;
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

// The saved index's name: a 64-bit FNV-1a hash of the two folders, in hexadecimal.
std::string IndexName(std::string_view folders) {
    uint64_t hash = 0xcbf29ce484222325ull;
    for (const char c : folders)
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ull;
    static const char kDigits[] = "0123456789abcdef";
    std::string name = "search-";
    for (int shift = 60; shift >= 0; shift -= 4)
        name += kDigits[(hash >> shift) & 15];
    return name + ".idx";
}

long long Nanoseconds(const timespec& time) {
    return static_cast<long long>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

// Whether no file of `paths` was changed within the stamps' grain of now.
bool Settled(const std::vector<std::string>& paths) {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    for (const std::string& path : paths) {
        struct stat status {};
        if (::stat(path.c_str(), &status) != 0) continue;
        const long long latest = std::max(Nanoseconds(status.st_mtim), Nanoseconds(status.st_ctim));
        if (latest > Nanoseconds(now) - kStampGrainNs) return false;
    }
    return true;
}

}  // namespace

SearchCache::SearchCache(const CommandLine& line) : personal_(PersonalFolderOf(line)) {
    const LexiconFiles files(line.programFolder);
    // The program itself is one of the inputs: another build may key the headwords otherwise.
    inputs_ = {"/proc/self/exe", Absolute(files.englishIndex), Absolute(files.greekIndex)};
    folders_ = Absolute(files.folder) + '\0';
    if (personal_.Known()) {
        inputs_.push_back(Absolute(personal_.englishIndex));
        inputs_.push_back(Absolute(personal_.greekIndex));
        folders_ += Absolute(personal::StoreFolder(personal_));
    }
    folder_ = CacheFolder();
    path_ = PathInFolder(folder_, IndexName(folders_));
    identity_ = IdentityNow();
}

std::string SearchCache::IdentityNow() const {
    return folders_ + '\0' + FilesIdentity(inputs_);
}

std::optional<std::vector<ListItem>> SearchCache::Answer(std::string_view text,
                                                         bool greekMode) const {
    // A change another program left unfinished is put back by the full load, which the answer
    // must then come from.
    if (personal_.Known() &&
        personal::NeedsRecovery(personal::DiskFiles(), personal::StoreFolder(personal_),
                                personal::Temporaries(personal_))) {
        return std::nullopt;
    }
    const FileView view = ViewRegularFile(path_);
    if (!view.read()) return std::nullopt;
    const auto index = SearchIndexView::Open(view.bytes(), identity_);
    if (!index) return std::nullopt;
    return index->StartSearch(text, greekMode);
}

void SearchCache::Save(const LoadedLexicon& lexicon) const {
    // Tables with a problem are not what the files hold; files changed during the load, or
    // another personal folder named meanwhile by the settings file, may not be what was read.
    const EntryTables& tables = lexicon.tables;
    if (!tables.personalProblem.empty() || !tables.lexiconProblem.empty() ||
        lexicon.personal.englishIndex != personal_.englishIndex ||
        lexicon.personal.greekIndex != personal_.greekIndex) {
        return;
    }
    try {
        if (IdentityNow() != identity_ || !Settled(inputs_)) return;
        std::error_code error;
        std::filesystem::create_directories(folder_, error);
        if (error || ::access(folder_.c_str(), W_OK) != 0) return;
        // Only a speed-up: when it cannot be written, the next search loads the tables again.
        WriteFileAtomically(path_, BuildSearchIndex(tables, identity_));
    } catch (const std::exception&) {
        // Not even memory for it: the search was answered all the same.
    }
}

}  // namespace orvan::cli
