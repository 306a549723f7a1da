// Feeds arbitrary bytes to what the personal store reads back from the user's folder: ci.tbo,
// cigr.tbo and clex.tbo, and what an interrupted change leaves (the journal, the kept old files,
// a temporary), cut from the input at the file separator. The folder is loaded as the window
// loads it (putting back an interrupted change first), then changed once through the store.
// Checks what the store promises: an interrupted change is put back (every file the journal
// names as it was before the change, nothing of the change left over), a change that is
// refused leaves the files exactly as they were, and a change that is made leaves files that
// read back whole, every line's text inside clex.tbo. Every entry read back for the editor gives
// a text that is stored again exactly as it was read.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz/fuzz_files.h"
#include "lexicon/codecs.h"
#include "lexicon/line_formats.h"
#include "lexicon/tables.h"
#include "lexicon/text_file.h"
#include "personal/merged_tables.h"
#include "personal/personal_store.h"
#include "personal/store_commit.h"
#include "personal/store_contents.h"
#include "personal/stored_entry.h"
#include "personal/user_text.h"

namespace {

namespace personal = orvan::personal;

// A few lexicon entries (the first headwords of the sample lexicon, so that the committed
// personal seeds hang from them), each with a Greek rendering.
void WriteLexicon(const std::string& programFolder) {
    const std::vector<std::string> headwords = {"?",      "a",        "Aalborg", "Aalen",
                                                "Aalten", "aardvark", "Aarhus",  "Aaron"};
    std::vector<std::string> english, greek;
    for (size_t i = 0; i < headwords.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        orvan::IndexLine line;
        line.number = static_cast<uint16_t>(number);
        line.headword = headwords[i];
        line.descLen = 3;
        line.keyStart = 1;
        english.push_back(orvan::EncodeIndexLine(number, orvan::FormatIndexLine(line)));
        const std::string greekWord = "\xe1\xe1" + std::string(1, static_cast<char>('\xe1' + i));
        greek.push_back(orvan::EncodeIndexLine(
            number, orvan::FormatGreekIndexLine({static_cast<uint16_t>(number), greekWord})));
    }
    const orvan::LexiconFiles files(programFolder);
    std::filesystem::create_directories(programFolder + "/data");
    orvan::fuzz::PlaceFile(files.englishIndex, orvan::JoinLinesCrLf(english));
    orvan::fuzz::PlaceFile(files.greekIndex, orvan::JoinLinesCrLf(greek));
}

struct Folders {
    orvan::LexiconFiles lexicon;
    orvan::PersonalFiles personal;
    std::vector<std::string> inputFiles;  // the files the input gives, in its order
};

const Folders& TheFolders() {
    static const Folders folders = [] {
        const std::string scratch = orvan::fuzz::ScratchFolder();
        WriteLexicon(scratch + "/program");
        const std::string folder = scratch + "/personal";
        std::filesystem::create_directories(folder);
        const orvan::PersonalFiles files(folder);
        const std::string journal = folder + "/" + personal::kJournalName;
        return Folders{
            orvan::LexiconFiles(scratch + "/program"),
            files,
            {files.englishIndex, files.greekIndex, files.texts, journal,
             files.englishIndex + personal::kOldSuffix, files.greekIndex + personal::kOldSuffix,
             files.texts + personal::kOldSuffix, files.tempEnglishIndex},
        };
    }();
    return folders;
}

using Files = std::vector<std::optional<std::string>>;

// The three files as putting back the interrupted change the input holds must leave them: each
// file the journal names as its kept old file says it was before the change, or gone when the
// journal says it did not exist. Nothing when the journal is not one the store reads (the
// store's own parser refuses it, or it is longer than any the store reads) or a folder stands
// where a file belongs: the store then leaves everything as it is, or refuses.
std::optional<Files> ExpectedAfterRecovery(const Files& given) {
    for (const auto& file : given)
        if (file == orvan::fuzz::kFolderMark) return std::nullopt;
    Files expected(given.begin(), given.begin() + 3);
    if (!given[3]) return expected;
    if (static_cast<long long>(given[3]->size()) > personal::kJournalLimit) return std::nullopt;
    const auto journal = personal::ParseJournal(*given[3], personal::kJournalName);
    if (!journal) return std::nullopt;
    const std::vector<std::string> names = {"ci.tbo", "cigr.tbo", "clex.tbo"};
    for (const personal::JournalLine& line : *journal) {
        const auto found = std::find(names.begin(), names.end(), line.name);
        if (found == names.end()) continue;  // the number mark, which the input does not give
        const size_t file = static_cast<size_t>(found - names.begin());
        if (!line.existed) {
            expected[file] = std::nullopt;
        } else if (given[4 + file]) {
            expected[file] = given[4 + file];
        }
    }
    return expected;
}

Files StoreFiles(const orvan::PersonalFiles& files) {
    return {orvan::fuzz::FileBytes(files.englishIndex), orvan::fuzz::FileBytes(files.greekIndex),
            orvan::fuzz::FileBytes(files.texts)};
}

// The first entry of `kind` in the tables; 0 for none.
long long FirstOfKind(const orvan::EntryTables& tables, orvan::EntryKind kind) {
    for (int slot = 1; slot <= tables.entries.count(); ++slot)
        if (tables.entries[slot].kind == kind) return tables.entries[slot].number;
    return 0;
}

personal::StoreResult Change(const personal::StoreContext& store, uint8_t choice) {
    const personal::PendingEntry entry{"aab fuzz", choice & 4 ? "\xe4\xe5" : "", 1, "text"};
    const long long own = FirstOfKind(store.tables, orvan::EntryKind::Personal);
    const long long annotated = FirstOfKind(store.tables, orvan::EntryKind::Annotated);
    switch (choice % 5) {
        case 0:
            return personal::InsertPersonalEntry(store, entry);
        case 1:
            return personal::UpdatePersonalEntry(store, {own, orvan::EntryKind::Personal}, entry);
        case 2:
            return personal::UpdatePersonalEntry(store, {2, orvan::EntryKind::Lexicon}, entry);
        case 3:
            return personal::DeletePersonalEntry(store, own);
        default:
            return personal::DeleteSupplement(store, annotated);
    }
}

// Files the store has written read back whole, and every text lies where its line says.
void CheckWritten(const Folders& folders) {
    orvan::NoteList notes;
    const orvan::EntryTables tables =
        personal::LoadMergedTables(folders.lexicon, folders.personal, notes);
    if (tables.personalProblem) std::abort();
    const personal::StoreContents contents =
        personal::ReadContents(personal::DiskFiles(), folders.personal);
    for (size_t i = 0; i < contents.english.size(); ++i) {
        try {
            (void)personal::TextOf(contents.texts,
                                   personal::ReadEnglishLine(contents.english[i], i + 1), i + 1);
        } catch (const personal::StoreFileError&) {
            std::abort();
        }
    }
}

// What the editor starts from, for every entry of the user's and every note: a text read as the
// editor writes them is the exact inverse of its stored form.
void CheckEditorTexts(const Folders& folders, const orvan::EntryTables& tables,
                      const orvan::NoteList& notes) {
    for (int slot = 1; slot <= tables.entries.count(); ++slot) {
        const auto stored = personal::StoredEntryOf(tables, notes, nullptr, folders.personal,
                                                    tables.entries[slot].number);
        if (!stored) std::abort();
        const std::string& text = stored->entry.description;
        if (!stored->otherRtf && personal::UnescapeUserText(personal::EscapeUserText(text)) != text)
            std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Folders& folders = TheFolders();
    const std::string input(reinterpret_cast<const char*>(data), size);
    const auto given = orvan::fuzz::SplitFiles(input, folders.inputFiles.size());
    for (size_t i = 0; i < given.size(); ++i)
        orvan::fuzz::PlaceInputFile(folders.inputFiles[i], given[i]);
    orvan::fuzz::PlaceFile(folders.personal.tempGreekIndex, std::nullopt);
    orvan::fuzz::PlaceFile(folders.personal.tempTexts, std::nullopt);

    orvan::NoteList notes;
    const orvan::EntryTables tables =
        personal::LoadMergedTables(folders.lexicon, folders.personal, notes);
    if (const auto expected = ExpectedAfterRecovery(given)) {
        if (StoreFiles(folders.personal) != *expected) std::abort();
        for (size_t i = 3; i < folders.inputFiles.size(); ++i)
            if (std::filesystem::exists(folders.inputFiles[i])) std::abort();
    }
    CheckEditorTexts(folders, tables, notes);
    orvan::FieldTable fields;
    fields.append({"MATH", "\xcc\xe1\xe8\xe7\xec\xe1\xf4\xe9\xea\xdc"});
    const personal::StoreContext store{folders.lexicon, tables, &fields, folders.personal};

    const auto before = StoreFiles(folders.personal);
    const personal::StoreResult result = Change(store, size == 0 ? 0 : data[size - 1]);
    if (result.done()) {
        CheckWritten(folders);
    } else if (before != StoreFiles(folders.personal)) {
        std::abort();  // refused, yet the files changed
    }
    return 0;
}
