// orvan-cli given awkward inputs: description files that are not plain files, too long or not in
// UTF-8; personal folders that are read-only, hold what an interrupted change leaves behind,
// damaged lines, symbolic links or files with permissions of their own; settings files and
// folder lists far too long; lexicons of more records than a table holds. Look-ups go on with
// what can be read; a change is refused with a message and leaves every file as it was.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>

#include "lexicon/codecs.h"
#include "lexicon/line_formats.h"
#include "lexicon/settings.h"
#include "lexicon/tables.h"
#include "lexicon/text_file.h"
#include "tests/tools/cli_fixture.h"
#include "tools/cli/standard_folders.h"

namespace orvan {
namespace {

namespace fs = std::filesystem;
using test::Args;
using test::CliRun;
using test::Cp;
using test::Quoted;

// What a folder holds, by name: each plain file's permissions and bytes, each link's target, the
// kind of anything else. The lock file is left out, since taking the lock may create it.
std::map<std::string, std::string> FolderState(const std::string& folder) {
    std::map<std::string, std::string> state;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name == "orvan.lock") continue;
        const fs::file_status status = entry.symlink_status();
        std::string& what = state[name];
        if (fs::is_symlink(status)) {
            what = "link to " + fs::read_symlink(entry.path()).string();
        } else if (fs::is_regular_file(status)) {
            what = "file " + std::to_string(static_cast<int>(status.permissions())) + " " +
                   ReadWholeFile(entry.path().string()).value_or("<unreadable>");
        } else {
            what = fs::is_directory(status) ? "folder" : "other";
        }
    }
    return state;
}

// The kind and headword of each English record `dump` printed, as "L gas".
std::vector<std::string> Entries(const std::string& dump) {
    std::vector<std::string> entries;
    std::istringstream lines(dump);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> columns;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');)
            columns.push_back(cell);
        if (columns.size() == 11 && columns[0] == "E") {
            entries.push_back(columns[3] + " " + columns[10]);
        }
    }
    return entries;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

void MakeFifo(const std::string& path) {
    std::remove(path.c_str());
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0) << path;
}

// An insert that replaces all three personal files when it goes through.
const Args kInsert = {"insert",  "--english",     "gear",         "--greek",
                      "γρανάζι", "--description", "toothed wheel"};
// What `dump` lists of the small lexicon with the user's entry and supplement.
const std::vector<std::string> kAllEntries = {"L gas", "C gasket", "A the engine"};

class CliInputsTest : public test::CliFixture {
  protected:
    // A test may leave the personal folder read-only; the temporary folders must still go.
    void TearDown() override { ::chmod(personal.path().c_str(), 0700); }

    // Runs orvan-cli as "nobody" from here on (root reads and writes anything): every file of
    // the test's folders readable by all, and the folders writable by all when `writable`.
    void runAsNobody(bool writable) {
        const auto folderMode = fs::perms(writable ? 0777 : 0755);
        for (const test::TempFolder* temp : {&program, &personal, &home}) {
            fs::permissions(temp->path(), folderMode);
            for (const auto& entry : fs::recursive_directory_iterator(temp->path()))
                fs::permissions(entry.path(), entry.is_directory() ? folderMode : fs::perms(0644));
        }
        asUser = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    }

    // Runs a change that must be refused with `status` and a message holding `message`, and
    // checks that the personal folder is as it was.
    void expectRefused(const Args& args, int status, const std::string& message) {
        const auto before = FolderState(folder);
        const CliRun run = cli(args);
        EXPECT_EQ(run.status, status) << run.err;
        EXPECT_TRUE(Contains(run.err, message)) << "wanted: " << message << "\ngot: " << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(FolderState(folder), before);
    }

    // The slot `search` gives a headword of one entry.
    int slotOf(const std::string& headword) {
        const CliRun run = cli({"search", headword});
        return std::atoi(run.out.c_str());
    }
};

TEST_F(CliInputsTest, DescriptionFileMustBeAPlainFileOfBoundedLength) {
    const std::string fifo = home.file("fifo");
    MakeFifo(fifo);
    expectRefused({"insert", "--english", "gear", "--description-file", fifo}, 3,
                  fifo + " is not a plain file");
    expectRefused({"insert", "--english", "gear", "--description-file", "/dev/zero"}, 3,
                  "/dev/zero is not a plain file");
    expectRefused({"insert", "--english", "gear", "--description-file", home.path()}, 3,
                  "is not a plain file");

    // A sparse file of 2 GB: refused after reading no more than what could fit.
    const std::string huge = home.file("huge.txt");
    home.write("huge.txt", "");
    fs::resize_file(huge, 2LL << 30);
    const auto start = std::chrono::steady_clock::now();
    expectRefused({"insert", "--english", "gear", "--description-file", huge}, 3,
                  huge + " is longer than any description that fits");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));

    // The longest file that is read (a byte order mark and the longest stored text) goes on to
    // the store, which finds its stored form too long; one byte more is not read at all.
    home.write("long.txt", std::string(99999 + 3, 'a'));
    expectRefused({"insert", "--english", "gear", "--description-file", home.file("long.txt")}, 4,
                  "bytes stored, more than 99999");
    home.write("long.txt", std::string(99999 + 3 + 1, 'a'));
    expectRefused({"insert", "--english", "gear", "--description-file", home.file("long.txt")}, 3,
                  "longer than any description that fits");
}

TEST_F(CliInputsTest, DescriptionFileIsUtf8WithOrWithoutAByteOrderMark) {
    const std::string text = "από αρχείο\nδεύτερη γραμμή\n";
    home.write("plain.txt", text);
    home.write("marked.txt", "\xEF\xBB\xBF" + text);
    test::TempFolder other;
    lexicon.writePersonal(other.path());

    EXPECT_EQ(
        cli({"insert", "--english", "gear", "--description-file", home.file("plain.txt")}).status,
        0);
    const std::string shownPlain = cli({"show", std::to_string(slotOf("gear"))}).out;
    folder = other.path();
    const CliRun marked =
        cli({"insert", "--english", "gear", "--description-file", home.file("marked.txt")});
    EXPECT_EQ(marked.status, 0) << marked.err;
    const std::string shownMarked = cli({"show", std::to_string(slotOf("gear"))}).out;

    EXPECT_TRUE(Contains(shownPlain, "από αρχείο")) << shownPlain;
    EXPECT_EQ(shownMarked, shownPlain);
    EXPECT_EQ(other.read("clex.tbo"), personal.read("clex.tbo"));
    EXPECT_EQ(other.read("ci.tbo"), personal.read("ci.tbo"));

    // A byte order mark alone leaves no description; UTF-16 is refused as a usage error.
    home.write("mark-only.txt", "\xEF\xBB\xBF");
    expectRefused(
        {"insert", "--english", "rotor", "--description-file", home.file("mark-only.txt")}, 2,
        "the description must be filled in");
    home.write("utf16.txt", std::string("\xFF\xFEg\0e\0a\0r\0", 10));
    expectRefused({"insert", "--english", "rotor", "--description-file", home.file("utf16.txt")}, 2,
                  "--description-file is not UTF-8 text");
}

TEST_F(CliInputsTest, DescriptionsKeepEveryCharacterAndHeadwordsNameWhatTheyCannotHold) {
    home.write("signs.txt", "gear 中 ∑ ≤ ü ß 😀");
    const CliRun inserted =
        cli({"insert", "--english", "rotor", "--description-file", home.file("signs.txt")});
    ASSERT_EQ(inserted.status, 0) << inserted.err;
    EXPECT_TRUE(Contains(cli({"show", std::to_string(slotOf("rotor"))}).out, "gear 中 ∑ ≤ ü ß 😀"));

    // A headword goes into a code page field: what the page lacks is named, nothing is stored.
    expectRefused({"insert", "--english", "café naïve", "--description", "x"}, 2,
                  "--english holds characters that code page 1253 cannot hold: é ï");
    expectRefused({"insert", "--english", "x", "--greek", "σ∑", "--description", "x"}, 2,
                  "--greek holds characters that code page 1253 cannot hold: ∑");
}

TEST_F(CliInputsTest, LongDescriptionIsShownWhole) {
    std::string description;
    for (int i = 0; i < 1000; ++i)
        description += "abcdefghij";
    const CliRun inserted = cli({"insert", "--english", "rotor", "--description", description});
    ASSERT_EQ(inserted.status, 0) << inserted.err;

    const CliRun shown = cli({"show", std::to_string(slotOf("rotor"))});
    EXPECT_EQ(shown.status, 0) << shown.err;
    // "rotor" has none of the letters a to j: every one shown belongs to the description.
    const auto letters = std::count_if(shown.out.begin(), shown.out.end(),
                                       [](char c) { return c >= 'a' && c <= 'j'; });
    EXPECT_EQ(letters, 10000);
    EXPECT_TRUE(Contains(shown.out, description));
    EXPECT_FALSE(Contains(shown.out, "}")) << shown.out.substr(shown.out.size() - 40);
}

TEST_F(CliInputsTest, FifosInPlaceOfFilesAreNeverWaitedOn) {
    MakeFifo(personal.file("ci.tbo"));
    const CliRun dump = cli({"dump"});
    EXPECT_EQ(dump.status, 0) << dump.err;
    EXPECT_EQ(Entries(dump.out), (std::vector<std::string>{"L gas", "L the engine"}));
    EXPECT_TRUE(Contains(dump.err, "your entries are not all shown")) << dump.err;
    EXPECT_TRUE(Contains(dump.err, personal.file("ci.tbo"))) << dump.err;
    expectRefused(kInsert, 4, personal.file("ci.tbo"));

    // Each of the lexicon's files in turn: any outcome but waiting.
    for (const char* name : {"data/i.tbo", "data/igr.tbo", "data/lex.tbo", "data/srt.tbo"}) {
        SCOPED_TRACE(name);
        lexicon.writeLexicon(program.path());
        MakeFifo(program.file(name));
        EXPECT_NE(cli({"dump"}).status, 124);
        EXPECT_NE(cli({"show", "1"}).status, 124);
        EXPECT_NE(cli({"search", "gas"}).status, 124);
    }
}

TEST_F(CliInputsTest, ReadOnlyFolderIsReadButNeverChanged) {
    // A lock file left by a user who could write the folder, readable by everyone.
    const std::string lock = personal.file("orvan.lock");
    personal.write("orvan.lock", "");
    const bool root = ::geteuid() == 0;
    if (root) {
        // Root writes into any folder: orvan-cli runs as "nobody", who may read everything here
        // and write nothing in the personal folder, which root owns.
        runAsNobody(false);
    } else {
        fs::permissions(personal.path(), fs::perms(0555));
    }
    const auto checkReadOnly = [&] {
        const auto before = FolderState(folder);
        const bool hadLock = fs::exists(lock);
        const CliRun dump = cli({"dump"});
        EXPECT_EQ(dump.status, 0) << dump.err;
        EXPECT_EQ(Entries(dump.out), kAllEntries) << dump.err;
        const CliRun search = cli({"search", "gas"});
        EXPECT_EQ(search.status, 0) << search.err;
        EXPECT_EQ(search.out, "1\tgas\n2\tgasket *\n");
        const CliRun show = cli({"show", "3"});
        EXPECT_EQ(show.status, 0) << show.err;
        EXPECT_TRUE(Contains(show.out, "\ns \n")) << show.out;  // the supplement
        EXPECT_EQ(FolderState(folder), before);
        EXPECT_EQ(fs::exists(lock), hadLock);
        expectRefused(kInsert, 4, "the personal folder " + personal.path() + " is read-only");
        expectRefused({"delete", "2"}, 4, "is read-only");
    };
    {
        SCOPED_TRACE("with a lock file");
        checkReadOnly();
    }
    if (!root) fs::permissions(personal.path(), fs::perms(0755));
    fs::remove(lock);
    if (!root) fs::permissions(personal.path(), fs::perms(0555));
    {
        SCOPED_TRACE("without a lock file");
        checkReadOnly();
    }
}

TEST_F(CliInputsTest, AScienceListThatCannotBeReadIsToldAndNoChangeIsMade) {
    const std::string fields = program.file("data/srt.tbo");
    if (::geteuid() == 0) {
        // Root reads any file: orvan-cli runs as "nobody", who may read everything but the list
        // and write the personal folder.
        runAsNobody(true);
    }
    fs::permissions(fields, fs::perms::none);
    const CliRun search = cli({"search", "gas"});
    fs::permissions(fields, fs::perms(0644));
    EXPECT_EQ(search.status, 0);
    EXPECT_TRUE(Contains(search.err, "the science list is not read: " + fields)) << search.err;
    fs::permissions(fields, fs::perms::none);
    // An update from this load would write the entry without its science.
    expectRefused({"update", "2", "--description", "seal"}, 4, "could not be read");
    fs::permissions(fields, fs::perms(0644));
}

TEST_F(CliInputsTest, ARelativeOrDamagedPersonalFolderInTheSettingsIsNotUsed) {
    for (const std::string& line : {std::string("Orvan"), std::string("/tmp/a\0b", 8)}) {
        home.write("config/Orvan.ini", "NO\r\n" + line + "\r\n");
        const CliRun insert = cli(kInsert, false);
        EXPECT_EQ(insert.status, 4);
        EXPECT_TRUE(Contains(insert.err, "no personal folder is used: line 2 of the settings"))
            << insert.err;
        EXPECT_FALSE(fs::exists(fs::current_path() / "Orvan"));
    }
}

TEST_F(CliInputsTest, AReadOnlyFolderWithAnInterruptedChangeShowsTheEntriesAsBeforeIt) {
    ASSERT_EQ(cli({"insert", "--english", "cccc", "--description", "text of cccc"}).status, 0);
    ASSERT_EQ(cli({"insert", "--english", "eeee", "--description", "text of eeee"}).status, 0);
    const std::string oldIndex = personal.read("ci.tbo"), oldTexts = personal.read("clex.tbo");
    ASSERT_EQ(cli({"insert", "--english", "dddd", "--description", "text of dddd"}).status, 0);
    // The insert of "dddd" cut off after ci.tbo took its new contents, before clex.tbo did.
    personal.write("ci.tbo.old", oldIndex);
    personal.write("clex.tbo.old", oldTexts);
    personal.write("templex.tbo", personal.read("clex.tbo"));
    personal.write("clex.tbo", oldTexts);
    personal.write("store.journal", "1 ci.tbo\n1 clex.tbo\n");
    if (::geteuid() == 0) {
        runAsNobody(false);
    } else {
        fs::permissions(personal.path(), fs::perms(0555));
    }
    const auto before = FolderState(folder);
    const CliRun search = cli({"search", "--personal-only", ""});
    EXPECT_EQ(search.status, 0);
    EXPECT_TRUE(Contains(search.err, "shown as they were before it")) << search.err;
    std::istringstream rows(search.out);
    std::map<std::string, std::string> slots;
    for (std::string slot, text; std::getline(rows, slot, '\t') && std::getline(rows, text);)
        slots[text] = slot;
    EXPECT_FALSE(slots.contains("dddd *")) << search.out;
    for (const std::string& headword : {std::string("cccc"), std::string("eeee")}) {
        ASSERT_TRUE(slots.contains(headword + " *")) << search.out;
        const CliRun show = cli({"show", slots[headword + " *"]});
        EXPECT_TRUE(Contains(show.out, "text of " + headword)) << show.out;
    }
    EXPECT_EQ(FolderState(folder), before);
}

TEST_F(CliInputsTest, FilesLeftByAnotherUserCanStillBeChanged) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to leave files of another user";
    // An edit made as root (under sudo) left root's files, lock file included, in a folder the
    // user may write: the user's next edits go on.
    ASSERT_EQ(cli(kInsert).status, 0);
    for (const test::TempFolder* temp : {&program, &home}) {
        fs::permissions(temp->path(), fs::perms(0755));
        for (const auto& entry : fs::recursive_directory_iterator(temp->path()))
            fs::permissions(entry.path(), fs::perms(entry.is_directory() ? 0777 : 0644));
    }
    fs::permissions(personal.path(), fs::perms(0777));
    asUser = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    const CliRun insert = cli({"insert", "--english", "gearbox", "--description", "box"});
    EXPECT_EQ(insert.status, 0) << insert.err;
    const CliRun dump = cli({"dump"});
    EXPECT_EQ(Entries(dump.out), (std::vector<std::string>{"L gas", "C gasket", "A the engine",
                                                           "C gear", "C gearbox"}))
        << dump.err;
    struct stat index {};
    ASSERT_EQ(::stat(personal.file("ci.tbo").c_str(), &index), 0);
    EXPECT_EQ(index.st_mode & 07777, 0644u);
}

TEST_F(CliInputsTest, JournalNamingOtherFilesIsLeftAlone) {
    personal.write("notes.txt", "my own notes\n");
    personal.write("store.journal", "0 notes.txt\n");
    const CliRun dump = cli({"dump"});
    EXPECT_EQ(dump.status, 0) << dump.err;
    EXPECT_EQ(Entries(dump.out), kAllEntries);
    EXPECT_TRUE(Contains(dump.err, personal.file("store.journal"))) << dump.err;
    EXPECT_EQ(personal.read("notes.txt"), "my own notes\n");
    expectRefused(kInsert, 4, personal.file("store.journal"));

    // A journal that points out of the folder: the files beside the folder stay too.
    test::TempFolder outer;
    lexicon.writePersonal(outer.file("personal"));
    outer.write("ci.tbo", "beside the folder");
    outer.write("ci.tbo.old", "kept beside the folder");
    folder = outer.file("personal");
    for (const char* journal : {"1 ../ci.tbo\n", "0 ../ci.tbo\n"}) {
        SCOPED_TRACE(journal);
        outer.write("personal/store.journal", journal);
        const auto outside = FolderState(outer.path());
        EXPECT_EQ(cli({"dump"}).status, 0);
        expectRefused(kInsert, 4, "store.journal");
        EXPECT_EQ(FolderState(outer.path()), outside);
    }
}

TEST_F(CliInputsTest, FolderInPlaceOfTheStoresOwnFileRefusesChanges) {
    for (const char* name : {"store.journal", "tempi.tbo", "ci.tbo.old"}) {
        SCOPED_TRACE(name);
        fs::create_directory(personal.file(name));
        const CliRun dump = cli({"dump"});
        EXPECT_EQ(dump.status, 0) << dump.err;
        EXPECT_EQ(Entries(dump.out), kAllEntries);
        expectRefused(kInsert, 4, personal.file(name));
        fs::remove(personal.file(name));
    }
}

TEST_F(CliInputsTest, DamagedPersonalLinesAreSkippedAndRefuseChanges) {
    const std::string good = personal.read("ci.tbo");
    std::vector<std::string> lines = test::PlainPersonal(good);
    ASSERT_EQ(lines.size(), 2u);
    // An anchor past the largest entry number, between the two good lines.
    lines.insert(lines.begin() + 1, "70000" + std::string("00004") + "broken" +
                                        std::string(74, ' ') + "00000001" + "00003" + "MECH");
    personal.write("ci.tbo", test::ScrambledPersonal(lines));
    CliRun dump = cli({"dump"});
    EXPECT_EQ(dump.status, 0) << dump.err;
    EXPECT_EQ(Entries(dump.out), kAllEntries);
    EXPECT_TRUE(Contains(dump.err, "ci.tbo line 2 is damaged")) << dump.err;
    expectRefused(kInsert, 4, "ci.tbo line 2 is damaged");

    // An end-of-file mark with lines after it.
    const size_t firstLineEnd = good.find("\r\n") + 2;
    personal.write("ci.tbo", good.substr(0, firstLineEnd) + "\x1A" + good.substr(firstLineEnd));
    dump = cli({"dump"});
    EXPECT_EQ(dump.status, 0) << dump.err;
    EXPECT_TRUE(Contains(dump.err, "end-of-file mark")) << dump.err;
    expectRefused(kInsert, 4, "end-of-file mark");

    // One at the very end, as old editors wrote, closes the file and is no damage.
    personal.write("ci.tbo", good + "\x1A");
    dump = cli({"dump"});
    EXPECT_EQ(dump.err, "");
    EXPECT_EQ(Entries(dump.out), kAllEntries);
    EXPECT_EQ(cli(kInsert).status, 0);
}

TEST_F(CliInputsTest, InsertKeepsPermissionsAndRefusesSymbolicLinks) {
    fs::permissions(personal.file("ci.tbo"), fs::perms(0600));
    fs::permissions(personal.file("cigr.tbo"), fs::perms(0640));
    fs::permissions(personal.file("clex.tbo"), fs::perms(0604));
    const std::string before = personal.read("ci.tbo");
    const CliRun run = cli(kInsert);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(personal.read("ci.tbo"), before);
    EXPECT_EQ(fs::status(personal.file("ci.tbo")).permissions(), fs::perms(0600));
    EXPECT_EQ(fs::status(personal.file("cigr.tbo")).permissions(), fs::perms(0640));
    EXPECT_EQ(fs::status(personal.file("clex.tbo")).permissions(), fs::perms(0604));

    // ci.tbo kept in another folder, linked from the personal one.
    test::TempFolder outer;
    lexicon.writePersonal(outer.file("personal"));
    folder = outer.file("personal");
    fs::create_directory(outer.file("elsewhere"));
    fs::rename(outer.file("personal/ci.tbo"), outer.file("elsewhere/ci.tbo"));
    fs::create_symlink("../elsewhere/ci.tbo", outer.file("personal/ci.tbo"));
    const CliRun dump = cli({"dump"});
    EXPECT_EQ(dump.status, 0) << dump.err;
    EXPECT_EQ(Entries(dump.out), kAllEntries);
    const auto elsewhere = FolderState(outer.file("elsewhere"));
    expectRefused(kInsert, 4, outer.file("personal/ci.tbo") + " is a symbolic link");
    EXPECT_EQ(FolderState(outer.file("elsewhere")), elsewhere);
}

// A settings file or folder list far longer than any the program writes is not read (nor more
// than the limit of it): the look-up goes on as though it were not there, and says so once.
TEST_F(CliInputsTest, OverlongSettingsFileAndFolderListAreRefusedAndTheSearchStillAnswers) {
    const std::string settings = home.file("config/Orvan.ini");
    const std::string list = home.file("config/user-dirs.dirs");
    home.write("config/Orvan.ini", "NO\r\n" + personal.path() + "\r\n");
    home.write("config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n");
    // 2 GiB each, sparse: nothing of it on the disk.
    fs::resize_file(settings, 2ull << 30);
    fs::resize_file(list, 2ull << 30);
    const CliRun refused = cli({"search", "gas"}, false);
    EXPECT_EQ(refused.status, 0) << refused.err;
    EXPECT_EQ(refused.out, "1\tgas\n");  // no personal folder, so not the own gasket
    for (const std::string& path : {settings, list}) {
        const std::string said = path + " is longer than 65536 bytes";
        EXPECT_TRUE(Contains(refused.err, said)) << refused.err;
        EXPECT_FALSE(Contains(refused.err.substr(refused.err.find(said) + 1), said))
            << "said twice: " << refused.err;
    }

    // At the limit both are read.
    fs::resize_file(settings, kSettingsFileLimit);
    fs::resize_file(list, cli::kUserFolderListLimit);
    const CliRun read = cli({"search", "gas"}, false);
    EXPECT_EQ(read.out, "1\tgas\n2\tgasket *\n");
    EXPECT_EQ(read.err, "");
}

// A source with more records than a table holds is refused, every file left as it was: loaded,
// the records past the table's capacity would never be found. An index that holds them all the
// same is loaded as far as the table goes, and the rest is named.
TEST_F(CliInputsTest, MoreRecordsThanATableHoldsAreNeverPreparedAndNamedWhenLoaded) {
    std::string tooMany, one = FormatIndexLine({1, "plain", 57601, 3, 1, ""}) + "\r\n";
    for (int n = 1; n <= kTableCapacity + 1; ++n)
        tooMany += FormatIndexLine({static_cast<uint16_t>(n), "w", 57601, 3, 1, ""}) + "\r\n";
    program.write("data/lex_.tbo", test::LexiconBuilder::prologue() + "{y}");
    for (const auto& [english, greek] : {std::pair(tooMany, one), std::pair(one, tooMany)}) {
        program.write("data/i_.tbo", english);
        program.write("data/igr_.tbo", greek);
        const auto before = FolderState(program.file("data"));
        const CliRun run = cli({"prepare"});
        EXPECT_EQ(run.status, 3);
        EXPECT_EQ(run.out, "");
        const std::string source = program.file(english == one ? "data/igr_.tbo" : "data/i_.tbo");
        EXPECT_EQ(run.err, "orvan-cli: " + source +
                               " holds 40001 records, more than the 40000 a table holds\n");
        EXPECT_EQ(FolderState(program.file("data")), before);
    }

    test::LexiconBuilder big;
    for (int n = 1; n <= kTableCapacity + 1; ++n)
        big.addEntry("w" + std::to_string(n));
    big.writeLexicon(program.path());
    const CliRun run = cli({"search", "w4000"}, false);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "4000\tw4000\n40000\tw40000\n");  // not w40001, the line left out
    EXPECT_EQ(run.err, "orvan-cli: the lexicon is not all shown: " + program.file("data/i.tbo") +
                           " has 40001 lines; a table holds 40000 entries: lines from 40001 on "
                           "are not shown\n");
}

}  // namespace
}  // namespace orvan
