#include "lexicon/tables.h"

#include "lexicon/codecs.h"
#include "lexicon/line_formats.h"
#include "lexicon/text_file.h"

namespace orvan {

namespace {
constexpr long long kPrologueSize = 57601;
}

char KindLetter(EntryKind kind) {
    switch (kind) {
        case EntryKind::Personal:
            return 'C';
        case EntryKind::Annotated:
            return 'A';
        case EntryKind::Lexicon:
            break;
    }
    return 'L';
}

const FieldRecord& FieldTable::operator[](int slot) const {
    static const FieldRecord kEmpty{};
    return slot >= 1 && slot <= count() ? fields_[static_cast<size_t>(slot) - 1] : kEmpty;
}

std::vector<std::string> FieldTable::listItems() const {
    std::vector<std::string> items{" "};
    for (const FieldRecord& field : fields_)
        items.push_back(field.name);
    return items;
}

Result<FieldTable> LoadFieldTable(const LexiconFiles& files) {
    // 59 lines of a code and a name fit many times over; a larger file is not a science list.
    constexpr long long kFieldFileLimit = 64 * 1024;
    const Result<std::string> file = ReadRegularFile(files.fields, kFieldFileLimit);
    if (!file) return Failure(file.error());
    FieldTable table;
    TextLines lines(*file);
    for (std::string_view line; table.count() < kFieldCapacity && lines.next(line);) {
        FieldLine field = ParseFieldLine(line);
        table.append(FieldRecord{std::move(field.code), std::move(field.name)});
    }
    return table;
}

std::string FieldTableProblem(const LexiconFiles& files, const Result<FieldTable>& loaded) {
    if (loaded || loaded.error().code == ErrorCode::Missing) return {};
    return files.fields + " could not be read: " + loaded.error().reason();
}

std::string GreekHeadwordOf(const EntryTables& tables, int slot) {
    const int greek = tables.entries[slot].greekSlot;
    return greek > 0 && greek <= tables.greek.count() ? tables.greek[greek].headword : "";
}

PersonalFiles ReadingFiles(const PersonalFiles& personal, const EntryTables& tables) {
    PersonalFiles reading = personal;
    if (!tables.personalTexts.empty()) reading.texts = tables.personalTexts;
    return reading;
}

std::string LoadRtfHeader(const LexiconFiles& files) {
    const Result<std::string> block = ReadFileRange(files.descriptions, 0, kPrologueSize);
    if (!block) return {};
    return "{" + DecodeLexText(1, *block);
}

}  // namespace orvan
