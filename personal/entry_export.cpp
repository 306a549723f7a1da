#include "personal/entry_export.h"

#include <algorithm>
#include <optional>

#include "lexicon/codecs.h"
#include "lexicon/line_formats.h"
#include "lexicon/text_file.h"
#include "personal/personal_store.h"
#include "personal/store_commit.h"
#include "personal/store_contents.h"
#include "personal/user_text.h"
#include "richtext/greek_code_page.h"
#include "richtext/plain_text.h"

namespace orvan::personal {

namespace {

// The texts of one read of the personal files, and how to show them as plain text.
class ExportTexts {
  public:
    ExportTexts(const std::string& texts, const std::string& rtfHeader, std::string path)
        : texts_(texts), rtfHeader_(rtfHeader), path_(std::move(path)) {}

    // The plain text stored at `position` (from 1), `length` bytes long.
    Result<std::string> plainAt(long long position, long long length) {
        if (length <= 0) return std::string();
        if (position < 1 || static_cast<std::size_t>(position - 1) > texts_.size() ||
            static_cast<std::size_t>(length) >
                texts_.size() - static_cast<std::size_t>(position - 1)) {
            return Failure(Error{ErrorCode::Damaged, path_, 0,
                                 path_ + " is shorter than the personal index says"});
        }
        const std::string stored = DecodePersonalText(std::string_view(texts_).substr(
            static_cast<std::size_t>(position - 1), static_cast<std::size_t>(length)));
        if (std::optional<std::string> plain = UnescapeUserText(stored)) return std::move(*plain);
        // Another program's RTF: the text it shows, a line per paragraph.
        if (!prologue_) prologue_.emplace(rtfHeader_ + "\r\n");
        return WithCrLfLineEnds(Utf16ToUtf8(richtext::PlainTextOf(*prologue_, stored)));
    }

  private:
    const std::string& texts_;
    const std::string& rtfHeader_;
    std::string path_;
    std::optional<richtext::RtfPrologue> prologue_;
};

std::string FieldNameOf(const FieldTable* fields, const std::string& code) {
    const int row = FieldRowOf(fields, code);
    return row < 1 ? std::string() : GreekToUtf8((*fields)[row].name);
}

Result<std::vector<ExchangeEntry>> EntriesOf(const EntryTables& tables, const NoteList& notes,
                                             const FieldTable* fields, ExportTexts& texts,
                                             bool withNotes) {
    std::vector<std::pair<int, int>> own, noted;  // (number, slot)
    for (int slot = 1; slot <= tables.entries.count(); ++slot) {
        const EntryRecord& record = tables.entries[slot];
        if (record.kind == EntryKind::Personal) own.emplace_back(record.number, slot);
        if (record.kind == EntryKind::Annotated && withNotes)
            noted.emplace_back(record.number, slot);
    }
    std::sort(own.begin(), own.end());
    std::sort(noted.begin(), noted.end());
    std::vector<ExchangeEntry> entries;
    entries.reserve(own.size() + noted.size());
    const auto common = [&](int slot) {
        const EntryRecord& record = tables.entries[slot];
        ExchangeEntry entry;
        entry.number = record.number;
        entry.english = GreekToUtf8(record.headword);
        entry.greek = GreekToUtf8(GreekHeadwordOf(tables, slot));
        entry.fieldCode = GreekToUtf8(record.fieldCode);
        entry.fieldName = FieldNameOf(fields, record.fieldCode);
        return entry;
    };
    for (const auto& [number, slot] : own) {
        const EntryRecord& record = tables.entries[slot];
        Result<std::string> text = texts.plainAt(record.descPos, record.descLen);
        if (!text) return Failure(text.error());
        ExchangeEntry entry = common(slot);
        entry.description = std::move(*text);
        entries.push_back(std::move(entry));
    }
    for (const auto& [number, slot] : noted) {
        const EntryRecord& record = tables.entries[slot];
        const std::string item =
            record.noteIndex >= 0 && static_cast<std::size_t>(record.noteIndex) < notes.size()
                ? notes[static_cast<std::size_t>(record.noteIndex)]
                : std::string();
        const auto position = ParseDecimal(Columns(item, 1, 8));
        const auto length = ParseDecimal(Columns(item, 9, 5));
        if (!position || !length) continue;  // the loader kept no text for it either
        Result<std::string> text = texts.plainAt(*position, *length);
        if (!text) return Failure(text.error());
        ExchangeEntry entry = common(slot);
        entry.kind = ExchangeKind::Note;
        entry.lexiconHeadword = entry.english;
        entry.description = std::move(*text);
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace

Result<std::vector<ExchangeEntry>> ExportEntries(const LoadedLexicon& lexicon, bool withNotes,
                                                 StoreFileSystem& files) {
    if (!lexicon.personal.known()) return std::vector<ExchangeEntry>{};
    const StoreResult recovered = RecoverPersonalStore(lexicon.personal, files);
    if (!recovered.done()) {
        return Failure(
            Error{ErrorCode::Damaged, StoreFolder(lexicon.personal), 0, recovered.reason});
    }
    try {
        const auto lock = files.lockFolder(StoreFolder(lexicon.personal), LockMode::Shared);
        const StoreContents contents = ReadContents(files, lexicon.personal);
        // Another program may have changed the files since the tables were read.
        NoteList notes;
        std::optional<EntryTables> current;
        if (!StampOf(contents.indexes).matches(lexicon.tables.personalStamp))
            current = LoadEntryTable(lexicon.files, contents.indexes, notes);
        const EntryTables& tables = current ? *current : lexicon.tables;
        if (const std::optional<Error> problem = LoadProblemOf(tables)) return Failure(*problem);
        ExportTexts texts(contents.texts, lexicon.rtfHeader, lexicon.personal.texts);
        return EntriesOf(tables, current ? notes : lexicon.notes, lexicon.fieldTable(), texts,
                         withNotes);
    } catch (const StoreFileError& error) {
        return Failure(error.error());
    }
}

}  // namespace orvan::personal
