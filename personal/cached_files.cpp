#include "personal/cached_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <filesystem>

#include "lexicon/description_texts.h"
#include "lexicon/file_paths.h"
#include "lexicon/lexicon_files.h"
#include "lexicon/search_index.h"
#include "lexicon/text_file.h"
#include "personal/personal_store.h"
#include "personal/store_commit.h"
#include "personal/store_contents.h"

namespace orvan::personal {

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

// A saved file's name: its kind's prefix, a 64-bit FNV-1a hash of the two folders in
// hexadecimal, its kind's suffix.
struct KindName {
    CachedKind kind;
    std::string_view prefix, suffix;
};
constexpr KindName kKindNames[] = {
    {CachedKind::SearchIndex, "search-", ".idx"},
    {CachedKind::EntryRecords, "entries-", ".ent"},
    {CachedKind::DescriptionTexts, "texts-", ".txi"},
    {CachedKind::WindowDescriptionTexts, "window-texts-", ".txi"},
};

const KindName& NameOf(CachedKind kind) {
    for (const KindName& name : kKindNames)
        if (name.kind == kind) return name;
    return kKindNames[0];
}
constexpr std::string_view kHexDigits = "0123456789abcdef";
constexpr size_t kHashDigits = 16;

std::string CachedName(std::string_view prefix, std::string_view folders, std::string_view suffix) {
    uint64_t hash = 0xcbf29ce484222325ull;
    for (const char c : folders)
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ull;
    std::string name(prefix);
    for (int shift = 60; shift >= 0; shift -= 4)
        name += kHexDigits[(hash >> shift) & 15];
    return name + std::string(suffix);
}

// Whether `name` is one that CachedName gives with `prefix` and `suffix`.
bool IsCachedName(std::string_view name, std::string_view prefix, std::string_view suffix) {
    if (name.size() != prefix.size() + kHashDigits + suffix.size() || !name.starts_with(prefix) ||
        !name.ends_with(suffix)) {
        return false;
    }
    const std::string_view hash = name.substr(prefix.size(), kHashDigits);
    return hash.find_first_not_of(kHexDigits) == std::string_view::npos;
}

bool IsIndexName(std::string_view name) {
    for (const KindName& kind : kKindNames)
        if (IsCachedName(name, kind.prefix, kind.suffix)) return true;
    return false;
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

// The files the descriptions' text comes from besides the personal indexes: the lexicon's
// indexes and store, the user's texts, and the program files that made them (`makers`).
std::vector<std::string> TextSources(const CacheFolders& folders,
                                     const std::vector<std::string>& makers) {
    const LexiconFiles files(folders.lexicon);
    std::vector<std::string> sources = {files.englishIndex, files.greekIndex, files.descriptions};
    sources.insert(sources.end(), makers.begin(), makers.end());
    const PersonalFiles personal(folders.personal);
    if (personal.known()) sources.push_back(personal.texts);
    return sources;
}

}  // namespace

CachedFile::CachedFile(const CacheFolders& folders, CachedKind kind,
                       const std::vector<std::string>& files)
    : personal_(folders.personal) {
    const LexiconFiles lexicon(folders.lexicon);
    // The program itself is one of the inputs: another build may key the headwords otherwise.
    inputs_ = {"/proc/self/exe"};
    for (const std::string& file : files)
        inputs_.push_back(Absolute(file));
    folders_ = Absolute(lexicon.folder) + '\0';
    if (personal_.known()) {
        inputs_.push_back(Absolute(personal_.englishIndex));
        inputs_.push_back(Absolute(personal_.greekIndex));
        folders_ += Absolute(personal::StoreFolder(personal_));
    }
    folder_ = folders.cache;
    path_ = PathInFolder(folder_, CachedName(NameOf(kind).prefix, folders_, NameOf(kind).suffix));
    identity_ = identityNow();
}

std::string CachedFile::identityNow() const {
    return folders_ + '\0' + FilesIdentity(inputs_);
}

std::optional<FileView> CachedFile::view(size_t headLength, LengthRule length) const {
    // A change another program left unfinished is put back by the full load, which the answer
    // must then come from.
    if (personal_.known() &&
        personal::NeedsRecovery(personal::DiskFiles(), personal::StoreFolder(personal_),
                                personal::Temporaries(personal_))) {
        return std::nullopt;
    }
    // The file's length is checked against its header before it is read in: a damaged file
    // may be of any length.
    Result<FileView> view = ViewCheckedFile(
        path_, headLength + identity_.size(), [&](std::string_view head, long long size) {
            const auto expected = length(head, identity_);
            return expected && *expected == static_cast<uint64_t>(size);
        });
    if (!view) return std::nullopt;
    return std::move(*view);
}

bool CachedFile::mayBeSaved(const LoadedLexicon& lexicon) const {
    // Tables with a problem are not what the files hold, and their problem is to be told at
    // every search; files changed during the load, or tables of another personal folder, may
    // not be what was read.
    const EntryTables& tables = lexicon.tables;
    return !tables.personalProblem && !tables.lexiconProblem && !tables.lexiconLeftOut &&
           lexicon.personal.englishIndex == personal_.englishIndex &&
           lexicon.personal.greekIndex == personal_.greekIndex && identityNow() == identity_ &&
           Settled(inputs_);
}

void CachedFile::write(const std::string& bytes) const {
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (error || ::access(folder_.c_str(), W_OK) != 0) return;
    RemoveAbandonedTemporaries(folder_);
    // Only a speed-up: when it cannot be written, the next command reads the files again.
    WriteFileAtomically(path_, bytes);
}

DescriptionTextsCache::DescriptionTextsCache(const CacheFolders& folders, CachedKind kind,
                                             const std::vector<std::string>& makers)
    : CachedFile(folders, kind, TextSources(folders, makers)) {}

std::optional<std::vector<FullTextFind>> DescriptionTextsCache::answer(
    std::u16string_view term, size_t limit, const EntryTable* entries) const {
    const auto file = view(kDescriptionTextsHeaderLength, DescriptionTextsLength);
    if (!file) return std::nullopt;
    return SearchDescriptionTexts(file->bytes(), identity(), term, limit, entries);
}

void DescriptionTextsCache::save(
    const LoadedLexicon& lexicon,
    const std::function<std::optional<std::vector<DescriptionText>>()>& texts) const {
    CachedFile::save(lexicon, [&]() -> std::optional<std::string> {
        const auto made = texts();
        if (!made) return std::nullopt;
        return BuildDescriptionTexts(*made, identity());
    });
}

}  // namespace orvan::personal
