// The saved entry records: what they give against the tables, and show and look answered from
// them (kept up with the files, never trusted when damaged, never needed).
#include <unistd.h>

#include <filesystem>

#include "lexicon/saved_entries.h"
#include "lexicon/tables.h"
#include "lexicon/text_file.h"
#include "tests/tools/cli_fixture.h"

namespace orvan::test {
namespace {

constexpr std::string_view kRecordsIdentity = "the files as they were";

class SavedEntriesTest : public CliFixture {
  protected:
    EntryTables loadTables(NoteList& notes) {
        PersonalIndexes personalIndexes{test::FileBytes(personal.file("ci.tbo")),
                                        test::FileBytes(personal.file("cigr.tbo")), std::nullopt};
        return LoadEntryTable(LexiconFiles(program.path()), personalIndexes, notes);
    }

    // The saved records' file in the runs' cache folder; empty when there is none.
    std::string recordsFile() const {
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(cacheHome + "/orvan", error))
            if (entry.path().extension() == ".ent") return entry.path().string();
        return {};
    }

    // The same command with no cache folder to read or save in (one under a plain file).
    CliRun uncached(const Args& args) {
        home.write("plain", "x");
        const std::string kept = cacheHome;
        cacheHome = home.file("plain") + "/cache";
        const CliRun run = cli(args);
        cacheHome = kept;
        return run;
    }

    void expectAsUncached(const Args& args) {
        const CliRun cached = cli(args), plain = uncached(args);
        EXPECT_EQ(cached.status, plain.status) << args.back() << cached.err;
        EXPECT_EQ(cached.out, plain.out) << args.back();
        EXPECT_EQ(cached.err, plain.err) << args.back();
    }

    // Records are saved only from files settled for two seconds.
    static void waitForSettledFiles() { ::usleep(2'100'000); }
};

TEST_F(SavedEntriesTest, GiveWhatTheTablesShowForEverySlotAndFindEntriesByNumber) {
    NoteList notes;
    const EntryTables tables = loadTables(notes);
    const std::string bytes = BuildSavedEntries(tables, notes, kRecordsIdentity);
    const auto view = SavedEntriesView::open(bytes, kRecordsIdentity);
    ASSERT_TRUE(view);
    ASSERT_EQ(view->count(), tables.entries.count());
    bool sawSupplement = false;
    for (int slot = 1; slot <= tables.entries.count(); ++slot) {
        const EntryToShow expected = EntryToShowOf(tables, notes, slot);
        EXPECT_EQ(view->entry(slot), expected) << slot;
        EXPECT_EQ(view->slotOfNumber(tables.entries[slot].number), slot);
        sawSupplement = sawSupplement || expected.supplementPlace.has_value();
    }
    EXPECT_TRUE(sawSupplement);
    EXPECT_FALSE(view->entry(0));
    EXPECT_FALSE(view->entry(tables.entries.count() + 1));
    EXPECT_FALSE(view->slotOfNumber(0));
    EXPECT_FALSE(view->slotOfNumber(9999));
}

TEST_F(SavedEntriesTest, RefuseEveryDamageOrGiveTheRightRecord) {
    NoteList notes;
    const EntryTables tables = loadTables(notes);
    const std::string good = BuildSavedEntries(tables, notes, kRecordsIdentity);
    EXPECT_FALSE(SavedEntriesView::open(good, "the files as they are"));
    EXPECT_FALSE(SavedEntriesView::open(good, "the files"));
    EXPECT_FALSE(SavedEntriesView::open("not saved entries", kRecordsIdentity));
    EXPECT_FALSE(SavedEntriesView::open("", kRecordsIdentity));
    const std::string_view head(good.data(), kSavedEntriesHeaderLength + kRecordsIdentity.size());
    EXPECT_EQ(SavedEntriesLength(head, kRecordsIdentity), good.size());
    EXPECT_FALSE(SavedEntriesLength(head, "the files as they are"));
    EXPECT_FALSE(SavedEntriesLength(head.substr(0, head.size() - 1), kRecordsIdentity));

    std::vector<std::string> damaged;
    for (size_t length = 0; length < good.size(); length += 5)
        damaged.push_back(good.substr(0, length));
    damaged.push_back(good + "x");
    for (size_t at = 0; at < good.size(); ++at) {
        std::string flipped = good;
        flipped[at] = static_cast<char>(flipped[at] ^ 0x21);
        damaged.push_back(flipped);
    }
    for (size_t at = 24; at + 8 <= kSavedEntriesHeaderLength; at += 8) {  // huge counts
        std::string wrong = good;
        wrong.replace(at, 8, "\xff\xff\xff\x7f\xff\xff\xff\xff", 8);
        damaged.push_back(wrong);
    }
    for (const std::string& bytes : damaged) {
        const auto view = SavedEntriesView::open(bytes, kRecordsIdentity);
        if (!view) continue;
        // Only a damage the checksum cannot tell gets this far: what it gives is still right.
        for (int slot = 0; slot <= tables.entries.count() + 1; ++slot) {
            if (const auto entry = view->entry(slot)) {
                EXPECT_EQ(*entry, EntryToShowOf(tables, notes, slot));
            }
        }
    }
}

TEST_F(SavedEntriesTest, ShowAndLookAnswerAsWithoutThemAndFollowEveryChange) {
    waitForSettledFiles();
    ASSERT_EQ(cli({"show", "1"}).status, 0);
    const std::string path = recordsFile();
    ASSERT_NE(path, "");
    const std::vector<Args> commands = {
        {"show", "1"},
        {"show", "2"},
        {"show", "3"},
        {"show", "--greek-mode", "3"},
        {"show", "--json", "3"},
        {"show", "--entry", "3"},
        {"show", "--entry", "77"},
        {"show", "4"},
        {"show", "--expect", "gas", "1"},
        {"show", "--expect", "gasket", "1"},
        {"look", "--no-pager", "gas"},
        {"look", "--no-pager", "--json", "ΜΗΧΑΝΉ"},
        {"look", "--no-pager", "--max", "1", "g"},
        {"look", "--no-pager", "zz"},
    };
    for (const Args& args : commands)
        expectAsUncached(args);
    EXPECT_EQ(cli({"show", "3"}).out,
              "the engine\nμηχανή\nΜηχανολογία\n  x \nΣυμπλήρωση δική σας: \ns \n");

    // The user's text changed: shown at once, as the records give only where it is.
    ASSERT_EQ(cli({"update", "--entry", "3", "--description", "quartz"}).status, 0);
    EXPECT_EQ(cli({"look", "--no-pager", "gasket"}).out,
              "1 entry found\n\ngasket\nΜηχανολογία\n    quartz\n");
    // An own entry inserted before it: the records follow once the files settle.
    ASSERT_EQ(cli({"insert", "--english", "air", "--description", "thin"}).status, 0);
    EXPECT_EQ(cli({"look", "--no-pager", "air"}).out, "1 entry found\n\nair\n    thin\n");
    waitForSettledFiles();
    for (const Args& args : commands)
        expectAsUncached(args);

    // Damaged records are never believed: the entry is shown from the tables, which save the
    // records again whole.
    const std::string good = ReadWholeFile(recordsFile()).value();
    std::string flipped = good;
    flipped[good.size() - 3] ^= 1;
    for (const std::string& bytes : {flipped, good.substr(0, good.size() - 2), std::string()}) {
        ASSERT_TRUE(WriteFileAtomically(recordsFile(), bytes));
        for (const std::string slot : {"4", "3", "2", "1"}) {
            expectAsUncached({"show", "--expect", "air", slot});
            expectAsUncached({"show", slot});
        }
        EXPECT_TRUE(ReadWholeFile(recordsFile()) == good);
    }
}

}  // namespace
}  // namespace orvan::test
