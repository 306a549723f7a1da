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
    void TearDown() override { ::chmod(personal.Path().c_str(), 0700); }

    // Runs orvan-cli as "nobody" from here on (root reads and writes anything): every file of
    // the test's folders readable by all, and the folders writable by all when `writable`.
    void RunAsNobody(bool writable) {
        const auto folderMode = fs::perms(writable ? 0777 : 0755);
        for (const test::TempFolder* temp : {&program, &personal, &home}) {
            fs::permissions(temp->Path(), folderMode);
            for (const auto& entry : fs::recursive_directory_iterator(temp->Path()))
                fs::permissions(entry.path(), entry.is_directory() ? folderMode : fs::perms(0644));
        }
        asUser = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    }

    // Runs a change that must be refused with `status` and a message holding `message`, and
    // checks that the personal folder is as it was.
    void ExpectRefused(const Args& args, int status, const std::string& message) {
        const auto before = FolderState(folder);
        const CliRun run = Cli(args);
        EXPECT_EQ(run.status, status) << run.err;
        EXPECT_TRUE(Contains(run.err, message)) << "wanted: " << message << "\ngot: " << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(FolderState(folder), before);
    }

    // The slot `search` gives a headword of one entry.
    int SlotOf(const std::string& headword) {
        const CliRun run = Cli({"search", headword});
        return std::atoi(run.out.c_str());
    }
};

TEST_F(CliInputsTest, DescriptionFileMustBeAPlainFileOfBoundedLength) {
    const std::string fifo = home.File("fifo");
    MakeFifo(fifo);
    ExpectRefused({"insert", "--english", "gear", "--description-file", fifo}, 1,
                  fifo + " is not a plain file");
    ExpectRefused({"insert", "--english", "gear", "--description-file", "/dev/zero"}, 1,
                  "/dev/zero is not a plain file");
    ExpectRefused({"insert", "--english", "gear", "--description-file", home.Path()}, 1,
                  "is not a plain file");

    // A sparse file of 2 GB: refused after reading no more than what could fit.
    const std::string huge = home.File("huge.txt");
    home.Write("huge.txt", "");
    fs::resize_file(huge, 2LL << 30);
    const auto start = std::chrono::steady_clock::now();
    ExpectRefused({"insert", "--english", "gear", "--description-file", huge}, 1,
                  huge + " is longer than any description that fits");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));

    // The longest file that is read (a byte order mark and the longest stored text) goes on to
    // the store, which finds its stored form too long; one byte more is not read at all.
    home.Write("long.txt", std::string(99999 + 3, 'a'));
    ExpectRefused({"insert", "--english", "gear", "--description-file", home.File("long.txt")}, 1,
                  "bytes stored, more than 99999");
    home.Write("long.txt", std::string(99999 + 3 + 1, 'a'));
    ExpectRefused({"insert", "--english", "gear", "--description-file", home.File("long.txt")}, 1,
                  "longer than any description that fits");
}

TEST_F(CliInputsTest, DescriptionFileIsUtf8WithOrWithoutAByteOrderMark) {
    const std::string text = "από αρχείο\nδεύτερη γραμμή\n";
    home.Write("plain.txt", text);
    home.Write("marked.txt", "\xEF\xBB\xBF" + text);
    test::TempFolder other;
    lexicon.WritePersonal(other.Path());

    EXPECT_EQ(
        Cli({"insert", "--english", "gear", "--description-file", home.File("plain.txt")}).status,
        0);
    const std::string shownPlain = Cli({"show", std::to_string(SlotOf("gear"))}).out;
    folder = other.Path();
    const CliRun marked =
        Cli({"insert", "--english", "gear", "--description-file", home.File("marked.txt")});
    EXPECT_EQ(marked.status, 0) << marked.err;
    const std::string shownMarked = Cli({"show", std::to_string(SlotOf("gear"))}).out;

    EXPECT_TRUE(Contains(shownPlain, "από αρχείο")) << shownPlain;
    EXPECT_EQ(shownMarked, shownPlain);
    EXPECT_EQ(other.read("clex.tbo"), personal.read("clex.tbo"));
    EXPECT_EQ(other.read("ci.tbo"), personal.read("ci.tbo"));

    // A byte order mark alone leaves no description; UTF-16 is refused as a usage error.
    home.Write("mark-only.txt", "\xEF\xBB\xBF");
    ExpectRefused(
        {"insert", "--english", "rotor", "--description-file", home.File("mark-only.txt")}, 2,
        "the description must be filled in");
    home.Write("utf16.txt", std::string("\xFF\xFEg\0e\0a\0r\0", 10));
    ExpectRefused({"insert", "--english", "rotor", "--description-file", home.File("utf16.txt")}, 2,
                  "--description-file is not UTF-8 text");
}

TEST_F(CliInputsTest, DescriptionsKeepEveryCharacterAndHeadwordsNameWhatTheyCannotHold) {
    home.Write("signs.txt", "gear 中 ∑ ≤ ü ß 😀");
    const CliRun inserted =
        Cli({"insert", "--english", "rotor", "--description-file", home.File("signs.txt")});
    ASSERT_EQ(inserted.status, 0) << inserted.err;
    EXPECT_TRUE(Contains(Cli({"show", std::to_string(SlotOf("rotor"))}).out, "gear 中 ∑ ≤ ü ß 😀"));

    // A headword goes into a code page field: what the page lacks is named, nothing is stored.
    ExpectRefused({"insert", "--english", "café naïve", "--description", "x"}, 2,
                  "--english holds characters that code page 1253 cannot hold: é ï");
    ExpectRefused({"insert", "--english", "x", "--greek", "σ∑", "--description", "x"}, 2,
                  "--greek holds characters that code page 1253 cannot hold: ∑");
}

TEST_F(CliInputsTest, LongDescriptionIsShownWhole) {
    std::string description;
    for (int i = 0; i < 1000; ++i)
        description += "abcdefghij";
    const CliRun inserted = Cli({"insert", "--english", "rotor", "--description", description});
    ASSERT_EQ(inserted.status, 0) << inserted.err;

    const CliRun shown = Cli({"show", std::to_string(SlotOf("rotor"))});
    EXPECT_EQ(shown.status, 0) << shown.err;
    // "rotor" has none of the letters a to j: every one shown belongs to the description.
    const auto letters = std::count_if(shown.out.begin(), shown.out.end(),
                                       [](char c) { return c >= 'a' && c <= 'j'; });
    EXPECT_EQ(letters, 10000);
    EXPECT_TRUE(Contains(shown.out, description));
    EXPECT_FALSE(Contains(shown.out, "}")) << shown.out.substr(shown.out.size() - 40);
}

TEST_F(CliInputsTest, FifosInPlaceOfFilesAreNeverWaitedOn) {
    MakeFifo(personal.File("ci.tbo"));
    const CliRun dump = Cli({"dump"});
    EXPECT_EQ(dump.status, 0) << dump.err;
    EXPECT_EQ(Entries(dump.out), (std::vector<std::string>{"L gas", "L the engine"}));
    EXPECT_TRUE(Contains(dump.err, "your entries are not all shown")) << dump.err;
    EXPECT_TRUE(Contains(dump.err, personal.File("ci.tbo"))) << dump.err;
    ExpectRefused(kInsert, 1, personal.File("ci.tbo"));

    // Each of the lexicon's files in turn: any outcome but waiting.
    for (const char* name : {"data/i.tbo", "data/igr.tbo", "data/lex.tbo", "data/srt.tbo"}) {
        SCOPED_TRACE(name);
        lexicon.WriteLexicon(program.Path());
        MakeFifo(program.File(name));
        EXPECT_NE(Cli({"dump"}).status, 124);
        EXPECT_NE(Cli({"show", "1"}).status, 124);
        EXPECT_NE(Cli({"search", "gas"}).status, 124);
    }
}

TEST_F(CliInputsTest, ReadOnlyFolderIsReadButNeverChanged) {
    // A lock file left by a user who could write the folder, readable by everyone.
    const std::string lock = personal.File("orvan.lock");
    personal.Write("orvan.lock", "");
    const bool root = ::geteuid() == 0;
    if (root) {
        // Root writes into any folder: orvan-cli runs as "nobody", who may read everything here
        // and write nothing in the personal folder, which root owns.
        RunAsNobody(false);
    } else {
        fs::permissions(personal.Path(), fs::perms(0555));
    }
    const auto checkReadOnly = [&] {
        const auto before = FolderState(folder);
        const bool hadLock = fs::exists(lock);
        const CliRun dump = Cli({"dump"});
        EXPECT_EQ(dump.status, 0) << dump.err;
        EXPECT_EQ(Entries(dump.out), kAllEntries) << dump.err;
        const CliRun search = Cli({"search", "gas"});
        EXPECT_EQ(search.status, 0) << search.err;
        EXPECT_EQ(search.out, "1\tgas\n2\tgasket *\n");
        const CliRun show = Cli({"show", "3"});
        EXPECT_EQ(show.status, 0) << show.err;
        EXPECT_TRUE(Contains(show.out, "\ns \n")) << show.out;  // the supplement
        EXPECT_EQ(FolderState(folder), before);
        EXPECT_EQ(fs::exists(lock), hadLock);
        ExpectRefused(kInsert, 1, "the personal folder " + personal.Path() + " is read-only");
        ExpectRefused({"delete", "2"}, 1, "is read-only");
    };
    {
        SCOPED_TRACE("with a lock file");
        checkReadOnly();
    }
    if (!root) fs::permissions(personal.Path(), fs::perms(0755));
    fs::remove(lock);
    if (!root) fs::permissions(personal.Path(), fs::perms(0555));
    {
        SCOPED_TRACE("without a lock file");
        checkReadOnly();
    }
}

TEST_F(CliInputsTest, AScienceListThatCannotBeReadIsToldAndNoChangeIsMade) {
    const std::string fields = program.File("data/srt.tbo");
    if (::geteuid() == 0) {
        // Root reads any file: orvan-cli runs as "nobody", who may read everything but the list
        // and write the personal folder.
        RunAsNobody(true);
    }
    fs::permissions(fields, fs::perms::none);
    const CliRun search = Cli({"search", "gas"});
    fs::permissions(fields, fs::perms(0644));
    EXPECT_EQ(search.status, 0);
    EXPECT_TRUE(Contains(search.err, "the science list is not read: " + fields)) << search.err;
    fs::permissions(fields, fs::perms::none);
    // An update from this load would write the entry without its science.
    ExpectRefused({"update", "2", "--description", "seal"}, 1, "could not be read");
    fs::permissions(fields, fs::perms(0644));
}

TEST_F(CliInputsTest, ARelativeOrDamagedPersonalFolderInTheSettingsIsNotUsed) {
    for (const std::string& line : {std::string("Orvan"), std::string("/tmp/a\0b", 8)}) {
        home.Write("config/Orvan.ini", "NO\r\n" + line + "\r\n");
        const CliRun insert = Cli(kInsert, false);
        EXPECT_EQ(insert.status, 1);
        EXPECT_TRUE(Contains(insert.err, "no personal folder is used: line 2 of the settings"))
            << insert.err;
        EXPECT_FALSE(fs::exists(fs::current_path() / "Orvan"));
    }
}

TEST_F(CliInputsTest, AReadOnlyFolderWithAnInterruptedChangeShowsTheEntriesAsBeforeIt) {
    ASSERT_EQ(Cli({"insert", "--english", "cccc", "--description", "text of cccc"}).status, 0);
    ASSERT_EQ(Cli({"insert", "--english", "eeee", "--description", "text of eeee"}).status, 0);
    const std::string oldIndex = personal.read("ci.tbo"), oldTexts = personal.read("clex.tbo");
    ASSERT_EQ(Cli({"insert", "--english", "dddd", "--description", "text of dddd"}).status, 0);
    // The insert of "dddd" cut off after ci.tbo took its new contents, before clex.tbo did.
    personal.Write("ci.tbo.old", oldIndex);
    personal.Write("clex.tbo.old", oldTexts);
    personal.Write("templex.tbo", personal.read("clex.tbo"));
    personal.Write("clex.tbo", oldTexts);
    personal.Write("store.journal", "1 ci.tbo\n1 clex.tbo\n");
    if (::geteuid() == 0) {
        RunAsNobody(false);
    } else {
        fs::permissions(personal.Path(), fs::perms(0555));
    }
    const auto before = FolderState(folder);
    const CliRun search = Cli({"search", "--personal-only", ""});
    EXPECT_EQ(search.status, 0);
    EXPECT_TRUE(Contains(search.err, "shown as they were before it")) << search.err;
    std::istringstream rows(search.out);
    std::map<std::string, std::string> slots;
    for (std::string slot, text; std::getline(rows, slot, '\t') && std::getline(rows, text);)
        slots[text] = slot;
    EXPECT_FALSE(slots.contains("dddd *")) << search.out;
    for (const std::string& headword : {std::string("cccc"), std::string("eeee")}) {
        ASSERT_TRUE(slots.contains(headword + " *")) << search.out;
        const CliRun show = Cli({"show", slots[headword + " *"]});
        EXPECT_TRUE(Contains(show.out, "text of " + headword)) << show.out;
    }
    EXPECT_EQ(FolderState(folder), before);
}

TEST_F(CliInputsTest, FilesLeftByAnotherUserCanStillBeChanged) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to leave files of another user";
    // An edit made as root (under sudo) left root's files, lock file included, in a folder the
    // user may write: the user's next edits go on.
    ASSERT_EQ(Cli(kInsert).status, 0);
    for (const test::TempFolder* temp : {&program, &home}) {
        fs::permissions(temp->Path(), fs::perms(0755));
        for (const auto& entry : fs::recursive_directory_iterator(temp->Path()))
            fs::permissions(entry.path(), fs::perms(entry.is_directory() ? 0777 : 0644));
    }
    fs::permissions(personal.Path(), fs::perms(0777));
    asUser = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    const CliRun insert = Cli({"insert", "--english", "gearbox", "--description", "box"});
    EXPECT_EQ(insert.status, 0) << insert.err;
    const CliRun dump = Cli({"dump"});
    EXPECT_EQ(Entries(dump.out), (std::vector<std::string>{"L gas", "C gasket", "A the engine",
                                                           "C gear", "C gearbox"}))
        << dump.err;
    struct stat index {};
    ASSERT_EQ(::stat(personal.File("ci.tbo").c_str(), &index), 0);
    EXPECT_EQ(index.st_mode & 07777, 0644u);
}

TEST_F(CliInputsTest, JournalNamingOtherFilesIsLeftAlone) {
    personal.Write("notes.txt", "my own notes\n");
    personal.Write("store.journal", "0 notes.txt\n");
    const CliRun dump = Cli({"dump"});
    EXPECT_EQ(dump.status, 0) << dump.err;
    EXPECT_EQ(Entries(dump.out), kAllEntries);
    EXPECT_TRUE(Contains(dump.err, personal.File("store.journal"))) << dump.err;
    EXPECT_EQ(personal.read("notes.txt"), "my own notes\n");
    ExpectRefused(kInsert, 1, personal.File("store.journal"));

    // A journal that points out of the folder: the files beside the folder stay too.
    test::TempFolder outer;
    lexicon.WritePersonal(outer.File("personal"));
    outer.Write("ci.tbo", "beside the folder");
    outer.Write("ci.tbo.old", "kept beside the folder");
    folder = outer.File("personal");
    for (const char* journal : {"1 ../ci.tbo\n", "0 ../ci.tbo\n"}) {
        SCOPED_TRACE(journal);
        outer.Write("personal/store.journal", journal);
        const auto outside = FolderState(outer.Path());
        EXPECT_EQ(Cli({"dump"}).status, 0);
        ExpectRefused(kInsert, 1, "store.journal");
        EXPECT_EQ(FolderState(outer.Path()), outside);
    }
}

TEST_F(CliInputsTest, FolderInPlaceOfTheStoresOwnFileRefusesChanges) {
    for (const char* name : {"store.journal", "tempi.tbo", "ci.tbo.old"}) {
        SCOPED_TRACE(name);
        fs::create_directory(personal.File(name));
        const CliRun dump = Cli({"dump"});
        EXPECT_EQ(dump.status, 0) << dump.err;
        EXPECT_EQ(Entries(dump.out), kAllEntries);
        ExpectRefused(kInsert, 1, personal.File(name));
        fs::remove(personal.File(name));
    }
}

TEST_F(CliInputsTest, DamagedPersonalLinesAreSkippedAndRefuseChanges) {
    const std::string good = personal.read("ci.tbo");
    std::vector<std::string> lines = test::PlainPersonal(good);
    ASSERT_EQ(lines.size(), 2u);
    // An anchor past the largest entry number, between the two good lines.
    lines.insert(lines.begin() + 1, "70000" + std::string("00004") + "broken" +
                                        std::string(74, ' ') + "00000001" + "00003" + "MECH");
    personal.Write("ci.tbo", test::ScrambledPersonal(lines));
    CliRun dump = Cli({"dump"});
    EXPECT_EQ(dump.status, 0) << dump.err;
    EXPECT_EQ(Entries(dump.out), kAllEntries);
    EXPECT_TRUE(Contains(dump.err, "ci.tbo line 2 is damaged")) << dump.err;
    ExpectRefused(kInsert, 1, "ci.tbo line 2 is damaged");

    // An end-of-file mark with lines after it.
    const size_t firstLineEnd = good.find("\r\n") + 2;
    personal.Write("ci.tbo", good.substr(0, firstLineEnd) + "\x1A" + good.substr(firstLineEnd));
    dump = Cli({"dump"});
    EXPECT_EQ(dump.status, 0) << dump.err;
    EXPECT_TRUE(Contains(dump.err, "end-of-file mark")) << dump.err;
    ExpectRefused(kInsert, 1, "end-of-file mark");

    // One at the very end, as old editors wrote, closes the file and is no damage.
    personal.Write("ci.tbo", good + "\x1A");
    dump = Cli({"dump"});
    EXPECT_EQ(dump.err, "");
    EXPECT_EQ(Entries(dump.out), kAllEntries);
    EXPECT_EQ(Cli(kInsert).status, 0);
}

TEST_F(CliInputsTest, InsertKeepsPermissionsAndRefusesSymbolicLinks) {
    fs::permissions(personal.File("ci.tbo"), fs::perms(0600));
    fs::permissions(personal.File("cigr.tbo"), fs::perms(0640));
    fs::permissions(personal.File("clex.tbo"), fs::perms(0604));
    const std::string before = personal.read("ci.tbo");
    const CliRun run = Cli(kInsert);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(personal.read("ci.tbo"), before);
    EXPECT_EQ(fs::status(personal.File("ci.tbo")).permissions(), fs::perms(0600));
    EXPECT_EQ(fs::status(personal.File("cigr.tbo")).permissions(), fs::perms(0640));
    EXPECT_EQ(fs::status(personal.File("clex.tbo")).permissions(), fs::perms(0604));

    // ci.tbo kept in another folder, linked from the personal one.
    test::TempFolder outer;
    lexicon.WritePersonal(outer.File("personal"));
    folder = outer.File("personal");
    fs::create_directory(outer.File("elsewhere"));
    fs::rename(outer.File("personal/ci.tbo"), outer.File("elsewhere/ci.tbo"));
    fs::create_symlink("../elsewhere/ci.tbo", outer.File("personal/ci.tbo"));
    const CliRun dump = Cli({"dump"});
    EXPECT_EQ(dump.status, 0) << dump.err;
    EXPECT_EQ(Entries(dump.out), kAllEntries);
    const auto elsewhere = FolderState(outer.File("elsewhere"));
    ExpectRefused(kInsert, 1, outer.File("personal/ci.tbo") + " is a symbolic link");
    EXPECT_EQ(FolderState(outer.File("elsewhere")), elsewhere);
}

// A settings file or folder list far longer than any the program writes is not read (nor more
// than the limit of it): the look-up goes on as though it were not there, and says so once.
TEST_F(CliInputsTest, OverlongSettingsFileAndFolderListAreRefusedAndTheSearchStillAnswers) {
    const std::string settings = home.File("config/Orvan.ini");
    const std::string list = home.File("config/user-dirs.dirs");
    home.Write("config/Orvan.ini", "NO\r\n" + personal.Path() + "\r\n");
    home.Write("config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n");
    // 2 GiB each, sparse: nothing of it on the disk.
    fs::resize_file(settings, 2ull << 30);
    fs::resize_file(list, 2ull << 30);
    const CliRun refused = Cli({"search", "gas"}, false);
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
    const CliRun read = Cli({"search", "gas"}, false);
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
    program.Write("data/lex_.tbo", test::LexiconBuilder::Prologue() + "{y}");
    for (const auto& [english, greek] : {std::pair(tooMany, one), std::pair(one, tooMany)}) {
        program.Write("data/i_.tbo", english);
        program.Write("data/igr_.tbo", greek);
        const auto before = FolderState(program.File("data"));
        const CliRun run = Cli({"prepare"});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        const std::string source = program.File(english == one ? "data/igr_.tbo" : "data/i_.tbo");
        EXPECT_EQ(run.err, "orvan-cli: " + source +
                               " holds 40001 records, more than the 40000 a table holds\n");
        EXPECT_EQ(FolderState(program.File("data")), before);
    }

    test::LexiconBuilder big;
    for (int n = 1; n <= kTableCapacity + 1; ++n)
        big.AddEntry("w" + std::to_string(n));
    big.WriteLexicon(program.Path());
    const CliRun run = Cli({"search", "w4000"}, false);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "4000\tw4000\n40000\tw40000\n");  // not w40001, the line left out
    EXPECT_EQ(run.err, "orvan-cli: the lexicon is not all shown: " + program.File("data/i.tbo") +
                           " has 40001 lines; a table holds 40000 entries: lines from 40001 on "
                           "are not shown\n");
}

}  // namespace
}  // namespace orvan
