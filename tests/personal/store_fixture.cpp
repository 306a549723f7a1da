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
        const int number = lexicon.addEntry(english, std::string("{") + english + "}", 1, "PHYS");
        lexicon.addGreek(number, Cp(greek));
    }
    lexicon.addField("MATH", Cp("Μαθηματικά"));
    lexicon.addField("PHYS", Cp("Φυσική"));
    lexicon.writeLexicon(program.path());
    fields = *LoadFieldTable(files);
    reload();
}

void StoreTest::reload() {
    notes.clear();
    tables = personal::LoadMergedTables(files, personal, notes, *fileSystem);
}

personal::StoreContext StoreTest::context() {
    return {files, tables, &fields, personal, *fileSystem};
}

personal::StoreResult StoreTest::insert(const std::string& english, const std::string& greek,
                                        const std::string& description, int field) {
    const auto result =
        personal::InsertPersonalEntry(context(), {english, greek, field, description});
    reload();
    return result;
}

personal::StoreResult StoreTest::update(const std::string& headword,
                                        const personal::PendingEntry& entry) {
    const EntryRecord& record = tables.entries[slot(headword)];
    const auto result =
        personal::UpdatePersonalEntry(context(), {record.number, record.kind}, entry);
    reload();
    return result;
}

personal::StoreResult StoreTest::remove(const std::string& headword) {
    const auto result =
        personal::DeletePersonalEntry(context(), tables.entries[slot(headword)].number);
    reload();
    return result;
}

personal::StoreResult StoreTest::deleteSupplement(const std::string& headword) {
    const auto result =
        personal::DeleteSupplement(context(), tables.entries[slot(headword)].number);
    reload();
    return result;
}

int StoreTest::slot(const std::string& headword) const {
    for (int slot = 1; slot <= tables.entries.count(); ++slot)
        if (tables.entries[slot].headword == headword) return slot;
    return 0;
}

std::vector<std::string> StoreTest::englishLines() const {
    return PlainPersonal(ReadWholeFile(personal.englishIndex).value_or(""));
}
std::vector<std::string> StoreTest::greekLines() const {
    return PlainPersonal(ReadWholeFile(personal.greekIndex).value_or(""));
}

StoreSnapshot StoreTest::snapshot() const {
    return {FileBytes(personal.englishIndex), FileBytes(personal.greekIndex),
            FileBytes(personal.texts)};
}

void StoreTest::expectInvariants() const {
    long long position = 1;
    long long previousAnchor = -1;
    std::set<long long> owners;
    std::set<long long> lexiconNumbers;
    for (int slot = 1; slot <= tables.entries.count(); ++slot) {
        if (tables.entries[slot].kind != EntryKind::Personal)
            lexiconNumbers.insert(tables.entries[slot].number);
    }
    for (const std::string& line : englishLines()) {
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
    for (const std::string& line : greekLines()) {
        const std::string key = GreekSearchKey(line.size() > 10 ? line.substr(10) : "", true);
        EXPECT_LE(previousKey, key) << Utf8(line);
        previousKey = key;
    }
    for (const char* leftover :
         {"tempi.tbo", "tempigr.tbo", "templex.tbo", "store.journal", "store.journal.tmp",
          "ci.tbo.old", "cigr.tbo.old", "clex.tbo.old"}) {
        EXPECT_FALSE(std::filesystem::exists(folder.file(leftover))) << leftover;
    }
}

}  // namespace orvan::test
