#include "tests/personal/store_fixture.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <set>

#include "lexicon/codecs.h"
#include "lexicon/line_formats.h"
#include "lexicon/search_keys.h"
#include "lexicon/text_file.h"
#include "personal/merged_tables.h"

namespace orvan::test {

void UnflushedFiles::writeDurably(const std::string& path, std::string_view bytes,
                                  const std::string&) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) throw personal::StoreFileError("cannot create " + path);
    const bool written =
        ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    ::close(fd);
    if (!written) throw personal::StoreFileError("cannot write " + path);
}

void StoreTest::SetUp() {
    const char* words[][2] = {
        {"alpha", "άλφα"}, {"delta", "δέλτα"}, {"kappa", "κάππα"}, {"omega", "ωμέγα"}};
    for (const auto& [english, greek] : words) {
        const int number = lexicon.AddEntry(english, std::string("{") + english + "}", 1, "PHYS");
        lexicon.AddGreek(number, Cp(greek));
    }
    lexicon.AddField("MATH", Cp("Μαθηματικά"));
    lexicon.AddField("PHYS", Cp("Φυσική"));
    lexicon.WriteLexicon(program.Path());
    fields = *LoadFieldTable(files);
    Reload();
}

void StoreTest::Reload() {
    notes.clear();
    tables = personal::LoadMergedTables(files, personal, notes, *fileSystem);
}

personal::StoreContext StoreTest::Context() {
    return {files, tables, &fields, personal, *fileSystem};
}

personal::StoreResult StoreTest::Insert(const std::string& english, const std::string& greek,
                                        const std::string& description, int field) {
    const auto result =
        personal::InsertPersonalEntry(Context(), {english, greek, field, description});
    Reload();
    return result;
}

personal::StoreResult StoreTest::Update(const std::string& headword,
                                        const personal::PendingEntry& entry) {
    const int slot = Slot(headword);
    const EntryRecord& record = tables.entries[slot];
    const auto result =
        personal::UpdatePersonalEntry(Context(), {record.number, record.kind}, entry);
    Reload();
    return result;
}

personal::StoreResult StoreTest::Delete(const std::string& headword) {
    const auto result =
        personal::DeletePersonalEntry(Context(), tables.entries[Slot(headword)].number);
    Reload();
    return result;
}

personal::StoreResult StoreTest::DeleteSupplement(const std::string& headword) {
    const auto result =
        personal::DeleteSupplement(Context(), tables.entries[Slot(headword)].number);
    Reload();
    return result;
}

int StoreTest::Slot(const std::string& headword) const {
    for (int slot = 1; slot <= tables.entries.count(); ++slot)
        if (tables.entries[slot].headword == headword) return slot;
    return 0;
}

std::vector<std::string> StoreTest::EnglishLines() const {
    return PlainPersonal(ReadWholeFile(personal.englishIndex).value_or(""));
}
std::vector<std::string> StoreTest::GreekLines() const {
    return PlainPersonal(ReadWholeFile(personal.greekIndex).value_or(""));
}

StoreSnapshot StoreTest::Snapshot() const {
    return {FileBytes(personal.englishIndex), FileBytes(personal.greekIndex),
            FileBytes(personal.texts)};
}

void StoreTest::ExpectInvariants() const {
    long long position = 1;
    long long previousAnchor = -1;
    std::set<long long> owners;
    std::set<long long> lexiconNumbers;
    for (int slot = 1; slot <= tables.entries.count(); ++slot) {
        if (tables.entries[slot].kind != EntryKind::Personal)
            lexiconNumbers.insert(tables.entries[slot].number);
    }
    for (const std::string& line : EnglishLines()) {
        const auto anchor = ParseDecimal(Columns(line, 1, 5));
        const auto own = ParseDecimal(Columns(line, 6, 5));
        const auto textPos = ParseDecimal(Columns(line, 91, 8));
        const auto textLen = ParseDecimal(Columns(line, 99, 5));
        ASSERT_TRUE(anchor && own && textPos && textLen) << line;
        EXPECT_EQ(*textPos, position) << line;
        position += *textLen;
        // Groups follow the lexicon's order (its numbers ascend with its lines here).
        EXPECT_GE(*anchor, previousAnchor) << line;
        previousAnchor = *anchor;
        if (*anchor != *own) {
            EXPECT_TRUE(owners.insert(*own).second) << "number used twice: " << *own;
            EXPECT_FALSE(lexiconNumbers.count(*own)) << "a lexicon number: " << *own;
        }
    }
    EXPECT_EQ(static_cast<long long>(ReadWholeFile(personal.texts).value_or("").size()),
              position - 1);
    std::string previousKey;
    for (const std::string& line : GreekLines()) {
        const std::string key = GreekSearchKey(line.size() > 10 ? line.substr(10) : "", true);
        EXPECT_LE(previousKey, key) << Utf8(line);
        previousKey = key;
    }
    for (const char* leftover :
         {"tempi.tbo", "tempigr.tbo", "templex.tbo", "store.journal", "store.journal.tmp",
          "ci.tbo.old", "cigr.tbo.old", "clex.tbo.old"}) {
        EXPECT_FALSE(std::filesystem::exists(folder.File(leftover))) << leftover;
    }
}

}  // namespace orvan::test
