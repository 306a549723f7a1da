// The three tables the lookup window works on, and their loaders.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "lexicon/lexicon_files.h"
#include "lexicon/result.h"

namespace orvan {

/// Records per table (slots 1..40000) and science fields (slots 1..59).
inline constexpr int kTableCapacity = 40000;
inline constexpr int kFieldCapacity = 59;

/// What an English record is. The index files and orvan-cli write it as one letter.
enum class EntryKind : uint8_t {
    Lexicon,    // 'L': the publisher's entry
    Personal,   // 'C': the user's own entry
    Annotated,  // 'A': the publisher's entry with the user's supplement
};

/// The letter of a kind: 'L', 'C' or 'A'.
char KindLetter(EntryKind kind);

struct EntryRecord {
    uint16_t number = 0;
    std::string headword;
    int32_t descPos = 0;  // lexicon text: 0-based offset in data/lex.tbo; own: 1-based in clex.tbo
    int32_t descLen = 0;
    EntryKind kind = EntryKind::Lexicon;
    std::string fieldCode;
    uint8_t keyStart = 0;
    int32_t noteIndex = 0;  // Annotated only: index into the NoteList
    uint16_t greekSlot = 0;
    bool operator==(const EntryRecord&) const = default;
};

struct GreekRecord {
    uint16_t number = 0;
    std::string headword;
    uint16_t englishSlot = 0;
};

struct FieldRecord {
    std::string code;
    std::string name;
};

/// \brief Records addressed by slot from 1; slot 0 and every slot past the filled part read as
/// an empty record (number 0), which is where a table ends.
template <typename Record>
class SlotTable {
  public:
    SlotTable() : records_(1) {}

    const Record& operator[](long long slot) const {
        static const Record kEmpty{};
        return slot >= 1 && slot < static_cast<long long>(records_.size()) ? records_[slot]
                                                                           : kEmpty;
    }
    Record& at(int slot) { return records_.at(static_cast<size_t>(slot)); }

    /// Number of filled slots; the filled slots are 1..count().
    int count() const { return static_cast<int>(records_.size()) - 1; }
    bool full() const { return count() >= kTableCapacity; }

    /// Fills the next slot and returns its number.
    int append(Record record) {
        records_.push_back(std::move(record));
        return count();
    }

    void reserve(int records) { records_.reserve(static_cast<size_t>(records) + 1); }

  private:
    std::vector<Record> records_;
};

using EntryTable = SlotTable<EntryRecord>;
using GreekTable = SlotTable<GreekRecord>;

/// \brief Science fields, slot i matching item i of the science list (item 0 is the blank).
class FieldTable {
  public:
    const FieldRecord& operator[](int slot) const;
    int count() const { return static_cast<int>(fields_.size()); }
    void append(FieldRecord field) { fields_.push_back(std::move(field)); }

    /// The items of the science list: " " and then every field name.
    std::vector<std::string> listItems() const;

  private:
    std::vector<FieldRecord> fields_;  // slot 1 is fields_[0]
};

/// \brief Locations of the personal supplements in clex.tbo, 13 characters each: an 8-digit
/// 1-based position and a 5-digit length. Every load appends to it.
using NoteList = std::vector<std::string>;

/// \brief The user's two index files, ci.tbo and cigr.tbo, as read at one moment.
struct PersonalIndexes {
    std::optional<std::string> english;  // ci.tbo as stored; nothing when it is not there
    std::optional<std::string> greek;    // cigr.tbo
    std::optional<Error> problem;  // why a file that is there could not be read; none if both were
    /// Where the texts of these lines are, when not in clex.tbo (the kept old clex.tbo of an
    /// interrupted change that could not be put back); empty for clex.tbo.
    std::string texts = {};
};

/// The longest ci.tbo or cigr.tbo read: 40000 lines of the longest kind fit well within it.
inline constexpr long long kPersonalIndexLimit = 8 * 1024 * 1024;

/// \brief Reads ci.tbo and cigr.tbo (nothing for either when no personal folder is known). The
/// folder's lock is the caller's: the program reads them through the personal store's loader.
PersonalIndexes ReadPersonalIndexes(const PersonalFiles& personal);

/// \brief What the personal part of the tables was built from: the contents of the two index
/// files, told apart by presence, length and hash. The tables depend on nothing else of the
/// user's, so equal stamps mean equal tables.
struct PersonalStamp {
    bool readWhole = false;  // both files were read (or are absent); otherwise matches nothing
    bool hasEnglish = false, hasGreek = false;
    size_t englishSize = 0, greekSize = 0;
    size_t englishHash = 0, greekHash = 0;

    /// Both stamps were taken of the same, wholly read contents.
    bool matches(const PersonalStamp& other) const;
};

PersonalStamp StampOf(const PersonalIndexes& indexes);

struct EntryTables {
    EntryTable entries;
    GreekTable greek;
    PersonalStamp personalStamp;  // the personal index files the tables were built from
    /// Why the personal files were not merged whole (a file that could not be read, a damaged
    /// line, bytes after an end-of-file mark, a full table), naming the file and line; nothing
    /// when they were. Tables with a problem must not be the ground of a change of the files.
    std::optional<Error> personalProblem;
    /// Why the lexicon's English index (data/i.tbo) could not be read, naming the file; nothing
    /// when it was.
    std::optional<Error> lexiconProblem;
    /// Which lines of the lexicon's indexes (data/i.tbo, data/igr.tbo) are not in the tables
    /// because their table was full: the file, its number of lines, the table's capacity and the
    /// first line left out (TooLarge, the first such file's path); nothing when every line
    /// found room. The lines before it are loaded.
    std::optional<Error> lexiconLeftOut;
    /// Where the user's texts of these tables are read from when not clex.tbo (PersonalIndexes's
    /// `texts`); empty for clex.tbo. ReadingFiles puts it in the personal paths.
    std::string personalTexts;
};

/// \brief The Greek headword the English entry in `slot` links to; empty for none.
std::string GreekHeadwordOf(const EntryTables& tables, int slot);

/// \brief `personal` with the texts file the tables' user's texts are read from.
PersonalFiles ReadingFiles(const PersonalFiles& personal, const EntryTables& tables);

/// \brief Reads data/srt.tbo; an error when it does not exist (Missing: the science list then
/// has no items at all), and when it cannot be read or is longer than 64 KiB (FieldTableProblem
/// says so). Fills at most 59 fields.
Result<FieldTable> LoadFieldTable(const LexiconFiles& files);

/// \brief Why the science list is not `loaded` although its file is there (in English, naming
/// the file and the reason): a load problem like the others. Empty when it was loaded, or there
/// is none.
///
///     FieldTableProblem(files, loaded) == "/cd/data/srt.tbo could not be read: Permission denied"
std::string FieldTableProblem(const LexiconFiles& files, const Result<FieldTable>& loaded);

/// \brief Builds the English and Greek tables from the lexicon's indexes, merging the user's
/// personal indexes into them, and appends the supplements' locations to `notes`. Never fails:
/// a missing lexicon file or a malformed lexicon line ends the load silently, keeping what was
/// built; lexicon lines past a full table are named in `lexiconLeftOut`; a damaged personal line
/// is passed over and named in `personalProblem`.
EntryTables LoadEntryTable(const LexiconFiles& files, const PersonalIndexes& personal,
                           NoteList& notes);

/// \brief "{" followed by the unscrambled prologue block of data/lex.tbo; empty when the store
/// does not exist.
std::string LoadRtfHeader(const LexiconFiles& files);

}  // namespace orvan
