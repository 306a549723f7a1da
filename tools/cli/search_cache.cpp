#include "tools/cli/search_cache.h"

#include "lexicon/lexicon_files.h"
#include "lexicon/search_index.h"
#include "tools/cli/loaded_lexicon.h"
#include "tools/cli/standard_folders.h"
#include "tools/cli/text_module.h"

namespace orvan::cli {

personal::CacheFolders CacheFoldersOf(const CommandLine& line, const std::string& personalFolder) {
    return {line.programFolder, personalFolder, CacheFolder()};
}

personal::DescriptionTextsCache TextsCacheOf(const CommandLine& line,
                                             const std::string& personalFolder) {
    return personal::DescriptionTextsCache(CacheFoldersOf(line, personalFolder),
                                           personal::CachedKind::DescriptionTexts,
                                           {RunningProgramFolder() + ORVAN_TEXT_MODULE});
}

SearchCache::SearchCache(const CommandLine& line, const std::string& personalFolder)
    : CachedFile(CacheFoldersOf(line, personalFolder), personal::CachedKind::SearchIndex,
                 {LexiconFiles(line.programFolder).englishIndex,
                  LexiconFiles(line.programFolder).greekIndex}) {}

std::optional<std::vector<ListItem>> SearchCache::answer(std::string_view text, bool greekMode,
                                                         const FillRequest& request) const {
    const auto file = view(kSearchIndexHeaderLength, SearchIndexLength);
    if (!file) return std::nullopt;
    const auto index = SearchIndexView::open(file->bytes(), identity());
    if (!index) return std::nullopt;
    return index->search(text, greekMode, request);
}

void SearchCache::save(const LoadedLexicon& lexicon) const {
    CachedFile::save(lexicon, [&] {
        return std::optional<std::string>(BuildSearchIndex(lexicon.tables, identity()));
    });
}

SavedEntriesCache::SavedEntriesCache(const CommandLine& line, const std::string& personalFolder)
    : CachedFile(CacheFoldersOf(line, personalFolder), personal::CachedKind::EntryRecords,
                 {LexiconFiles(line.programFolder).englishIndex,
                  LexiconFiles(line.programFolder).greekIndex}) {}

std::optional<SavedEntriesView> SavedEntriesCache::open() {
    file_ = view(kSavedEntriesHeaderLength, SavedEntriesLength);
    if (!file_) return std::nullopt;
    return SavedEntriesView::open(file_->bytes(), identity());
}

void SavedEntriesCache::save(const LoadedLexicon& lexicon) const {
    // Texts kept from before an interrupted change are not where the records say.
    if (!lexicon.tables.personalTexts.empty()) return;
    CachedFile::save(lexicon, [&] {
        return std::optional<std::string>(
            BuildSavedEntries(lexicon.tables, lexicon.notes, identity()));
    });
}

}  // namespace orvan::cli
