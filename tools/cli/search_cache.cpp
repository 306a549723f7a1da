#include "tools/cli/search_cache.h"

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
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

// The saved index's name: "search-", a 64-bit FNV-1a hash of the two folders in hexadecimal,
// ".idx".
constexpr std::string_view kIndexPrefix = "search-", kIndexSuffix = ".idx";
constexpr std::string_view kHexDigits = "0123456789abcdef";
constexpr size_t kHashDigits = 16;

std::string IndexName(std::string_view folders) {
    uint64_t hash = 0xcbf29ce484222325ull;
    for (const char c : folders)
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ull;
    std::string name(kIndexPrefix);
    for (int shift = 60; shift >= 0; shift -= 4)
        name += kHexDigits[(hash >> shift) & 15];
    return name + std::string(kIndexSuffix);
}

// Whether `name` is one that IndexName gives.
bool IsIndexName(std::string_view name) {
    if (name.size() != kIndexPrefix.size() + kHashDigits + kIndexSuffix.size() ||
        !name.starts_with(kIndexPrefix) || !name.ends_with(kIndexSuffix)) {
        return false;
    }
    const std::string_view hash = name.substr(kIndexPrefix.size(), kHashDigits);
    return hash.find_first_not_of(kHexDigits) == std::string_view::npos;
}

// A saver still at work has written its temporary within this time; one older was left by a
// saver stopped before its rename (killed, or the disk full), and nothing will rename it.
constexpr auto kAbandonedAfter = std::chrono::minutes(1);

// Removes the abandoned temporaries of saved indexes from the cache folder: plain files whose
// name is a temporary's of an index name, last written over a minute ago. Nothing else there is
// touched.
void RemoveAbandonedTemporaries(const std::string& folder) {
    namespace fs = std::filesystem;
    const auto now = fs::file_time_type::clock::now();
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const auto target = AtomicTemporaryTarget(entry->path().filename().string());
        if (!target || !IsIndexName(*target)) continue;
        std::error_code fileError;
        if (entry->symlink_status(fileError).type() != fs::file_type::regular) continue;
        const auto written = entry->last_write_time(fileError);
        if (fileError || now - written < kAbandonedAfter) continue;
        fs::remove(entry->path(), fileError);
    }
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

SearchCache::SearchCache(const CommandLine& line, const std::string& personalFolder)
    : personal_(personalFolder) {
    const LexiconFiles files(line.programFolder);
    // The program itself is one of the inputs: another build may key the headwords otherwise.
    inputs_ = {"/proc/self/exe", Absolute(files.englishIndex), Absolute(files.greekIndex)};
    folders_ = Absolute(files.folder) + '\0';
    if (personal_.known()) {
        inputs_.push_back(Absolute(personal_.englishIndex));
        inputs_.push_back(Absolute(personal_.greekIndex));
        folders_ += Absolute(personal::StoreFolder(personal_));
    }
    folder_ = CacheFolder();
    path_ = PathInFolder(folder_, IndexName(folders_));
    identity_ = identityNow();
}

std::string SearchCache::identityNow() const {
    return folders_ + '\0' + FilesIdentity(inputs_);
}

std::optional<std::vector<ListItem>> SearchCache::answer(std::string_view text, bool greekMode,
                                                         const FillRequest& request) const {
    // A change another program left unfinished is put back by the full load, which the answer
    // must then come from.
    if (personal_.known() &&
        personal::NeedsRecovery(personal::DiskFiles(), personal::StoreFolder(personal_),
                                personal::Temporaries(personal_))) {
        return std::nullopt;
    }
    // The file's length is checked against its header before it is read in: a damaged file
    // may be of any length.
    const Result<FileView> view =
        ViewCheckedFile(path_, kSearchIndexHeaderLength + identity_.size(),
                        [this](std::string_view head, long long length) {
                            const auto expected = SearchIndexLength(head, identity_);
                            return expected && *expected == static_cast<uint64_t>(length);
                        });
    if (!view) return std::nullopt;
    const auto index = SearchIndexView::open(view->bytes(), identity_);
    if (!index) return std::nullopt;
    return index->search(text, greekMode, request);
}

void SearchCache::save(const LoadedLexicon& lexicon) const {
    // Tables with a problem are not what the files hold, and their problem is to be told at
    // every search; files changed during the load, or tables of another personal folder, may
    // not be what was read.
    const EntryTables& tables = lexicon.tables;
    if (tables.personalProblem || tables.lexiconProblem || tables.lexiconLeftOut ||
        lexicon.personal.englishIndex != personal_.englishIndex ||
        lexicon.personal.greekIndex != personal_.greekIndex) {
        return;
    }
    try {
        if (identityNow() != identity_ || !Settled(inputs_)) return;
        std::error_code error;
        std::filesystem::create_directories(folder_, error);
        if (error || ::access(folder_.c_str(), W_OK) != 0) return;
        RemoveAbandonedTemporaries(folder_);
        // Only a speed-up: when it cannot be written, the next search loads the tables again.
        WriteFileAtomically(path_, BuildSearchIndex(tables, identity_));
    } catch (const std::exception&) {
        // Not even memory for it: the search was answered all the same.
    }
}

}  // namespace orvan::cli
