// A small lexicon and an empty personal folder for the personal store's tests, with helpers to
// run the store's operations, reload the tables and check the files' invariants.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "lexicon/tables.h"
#include "personal/personal_store.h"
#include "tests/support/lexicon_fixture.h"

namespace orvan::test {

/// The real file system without flushing to the disk: the same files, faster, for tests that
/// run thousands of operations.
class UnflushedFiles : public personal::StoreFileSystem {
  public:
    void writeDurably(const std::string& path, std::string_view bytes,
                      const std::string& likeFile) override;
    void syncFolder(const std::string&) override {}
};

/// The three personal files as bytes; nothing for a file that does not exist.
struct StoreSnapshot {
    std::optional<std::string> english, greek, texts;
    bool operator==(const StoreSnapshot&) const = default;
};

class StoreTest : public ::testing::Test {
  protected:
    /// Writes the lexicon (entries "alpha", "delta", "kappa", "omega" with Greek headwords) and
    /// loads the tables.
    void SetUp() override;

    void reload();
    personal::StoreContext context();
    personal::StoreResult insert(const std::string& english, const std::string& greek = "",
                                 const std::string& description = "text", int field = -1);
    personal::StoreResult update(const std::string& headword, const personal::PendingEntry& entry);
    personal::StoreResult remove(const std::string& headword);
    personal::StoreResult deleteSupplement(const std::string& headword);

    int slot(const std::string& headword) const;
    std::vector<std::string> englishLines() const;  // ci.tbo unscrambled
    std::vector<std::string> greekLines() const;    // cigr.tbo unscrambled
    StoreSnapshot snapshot() const;
    /// Checks what every write keeps: positions, lengths, order, unique numbers, no leftovers.
    void expectInvariants() const;

    TempFolder program, folder;
    LexiconBuilder lexicon;
    LexiconFiles files{program.path()};
    PersonalFiles personal{folder.path()};
    EntryTables tables;
    FieldTable fields;
    NoteList notes;
    personal::StoreFileSystem* fileSystem = &personal::DiskFiles();
};

}  // namespace orvan::test
