#include "personal/csv_entries.h"

#include <optional>

#include "lexicon/blanks.h"
#include "lexicon/text_file.h"
#include "personal/csv_rows.h"
#include "personal/exchange_formats.h"

namespace orvan::personal {

namespace {

// Where each known column is in the file's rows; nothing for a column the file lacks.
using ColumnPlaces = std::array<std::optional<std::size_t>, kCsvColumns.size()>;

enum Column : std::size_t {
    kEnglish,
    kGreek,
    kFieldCode,
    kFieldName,
    kDescription,
    kKind,
    kLexiconHeadword
};

// The names of the columns an exported file has, as its header row gives them.
std::string ColumnNames() {
    std::string names;
    for (const std::string_view name : kCsvColumns)
        names += (names.empty() ? "" : ",") + std::string(name);
    return names;
}

ColumnPlaces PlacesOf(const CsvRow& header) {
    ColumnPlaces places;
    for (std::size_t at = 0; at < header.size(); ++at) {
        const std::string name = LowercaseAscii(TrimBlanks(header[at]));
        for (std::size_t column = 0; column < kCsvColumns.size(); ++column) {
            if (name == kCsvColumns[column] && !places[column]) places[column] = at;
        }
    }
    return places;
}

ExchangeEntry EntryOf(const CsvRecord& record, const ColumnPlaces& places, std::size_t width) {
    ExchangeEntry entry;
    entry.origin = "line " + std::to_string(record.line);
    if (record.fields.size() != width) {
        const std::size_t count = record.fields.size();
        entry.problem = std::to_string(count) + (count == 1 ? " column" : " columns") +
                        " where the first line names " + std::to_string(width);
        return entry;
    }
    const auto field = [&](Column column) -> std::string {
        return places[column] ? record.fields[*places[column]] : std::string();
    };
    entry.english = field(kEnglish);
    entry.greek = field(kGreek);
    entry.fieldCode = field(kFieldCode);
    entry.fieldName = field(kFieldName);
    entry.description = WithCrLfLineEnds(field(kDescription));
    const std::string kind = LowercaseAscii(TrimBlanks(field(kKind)));
    if (kind == kNoteKindText) {
        entry.kind = ExchangeKind::Note;
        entry.lexiconHeadword = field(kLexiconHeadword);
        if (entry.lexiconHeadword.empty()) entry.lexiconHeadword = entry.english;
    } else if (!kind.empty() && kind != kOwnEntryKindText) {
        entry.problem = "the kind \"" + field(kKind) + "\" is neither \"" + kOwnEntryKindText +
                        "\" nor \"" + kNoteKindText + "\"";
    }
    return entry;
}

}  // namespace

std::string WriteEntriesCsv(const std::vector<ExchangeEntry>& entries) {
    std::vector<CsvRow> rows;
    rows.reserve(entries.size() + 1);
    rows.emplace_back(kCsvColumns.begin(), kCsvColumns.end());
    for (const ExchangeEntry& entry : entries) {
        const bool note = entry.kind == ExchangeKind::Note;
        rows.push_back({entry.english, entry.greek, entry.fieldCode, entry.fieldName,
                        entry.description, note ? kNoteKindText : kOwnEntryKindText,
                        note ? entry.lexiconHeadword : std::string()});
    }
    return WriteCsv(rows);
}

Result<std::vector<ExchangeEntry>> ReadEntriesCsv(std::string_view text, const std::string& path) {
    Result<std::vector<CsvRecord>> records = ReadCsv(text, path);
    if (!records) return Failure(records.error());
    if (records->empty()) return std::vector<ExchangeEntry>{};
    const CsvRecord& header = records->front();
    const ColumnPlaces places = PlacesOf(header.fields);
    if (!places[kEnglish]) {
        return Failure(Error{ErrorCode::Damaged, path, 0,
                             path + ", line " + std::to_string(header.line) +
                                 ": the first line must name the columns, \"english\" among "
                                 "them (" +
                                 ColumnNames() + ")"});
    }
    std::vector<ExchangeEntry> entries;
    entries.reserve(records->size() - 1);
    for (std::size_t at = 1; at < records->size(); ++at)
        entries.push_back(EntryOf((*records)[at], places, header.fields.size()));
    return entries;
}

}  // namespace orvan::personal
