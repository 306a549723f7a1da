// The store when other programs use the same personal folder, when the tables are older than
// the files, and when the folder holds what the store did not put there.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "lexicon/codecs.h"
#include "lexicon/description.h"
#include "lexicon/text_file.h"
#include "personal/merged_tables.h"
#include "personal/store_commit.h"
#include "personal/user_text.h"
#include "tests/personal/store_fixture.h"

namespace orvan::test {
namespace {

using personal::StoreStatus;

class StoreSafetyTest : public StoreTest {
  protected:
    uint16_t numberOf(const std::string& headword) const {
        return tables.entries[slot(headword)].number;
    }
    std::vector<std::string> ownHeadwords() const { return test::OwnHeadwords(tables); }
};

TEST_F(StoreSafetyTest, ChangesFromOldTablesActOnTheEntryMeant) {
    ASSERT_TRUE(insert("beta", "", "b").done());
    ASSERT_TRUE(insert("gamma", "", "g").done());
    const EntryTables old = tables;
    const uint16_t gamma = numberOf("gamma");
    // Meanwhile another program adds an entry that moves gamma a slot down, and takes the
    // number one above the largest.
    ASSERT_TRUE(insert("alphabet", "", "a").done());
    tables = old;
    ASSERT_TRUE(personal::DeletePersonalEntry(context(), gamma).done());
    tables = old;
    ASSERT_TRUE(insert("epsilon", "", "e").done());
    EXPECT_EQ(ownHeadwords(), (std::vector<std::string>{"beta", "alphabet", "epsilon"}));
    expectInvariants();  // numbers unique
}

TEST_F(StoreSafetyTest, AnEntryChangedOrDeletedElsewhereIsRefused) {
    ASSERT_TRUE(insert("beta", "", "b").done());
    const EntryTables old = tables;
    const uint16_t beta = numberOf("beta");
    const uint16_t kappa = numberOf("kappa");
    ASSERT_TRUE(remove("beta").done());
    ASSERT_TRUE(update("kappa", {"kappa", "", -1, "their note"}).done());
    const StoreSnapshot before = snapshot();
    tables = old;
    // The user's window still shows beta as theirs and kappa without a supplement.
    EXPECT_EQ(
        personal::UpdatePersonalEntry(context(), {beta, EntryKind::Personal}, {"beta", "", -1, "x"})
            .status,
        StoreStatus::EntryChanged);
    EXPECT_EQ(personal::DeletePersonalEntry(context(), beta).status, StoreStatus::EntryChanged);
    EXPECT_EQ(personal::UpdatePersonalEntry(context(), {kappa, EntryKind::Lexicon},
                                            {"kappa", "", -1, "mine"})
                  .status,
              StoreStatus::EntryChanged);
    EXPECT_EQ(snapshot(), before);
}

// Reads fail for ci.tbo while `failing` is set, as a disk's passing error does.
class FlakyFiles : public UnflushedFiles {
  public:
    bool failing = true;
    std::optional<std::string> read(const std::string& path, long long limit) override {
        if (failing && path.ends_with("/ci.tbo")) {
            throw personal::StoreFileError(
                SystemError(ErrorCode::ReadFailed, "cannot read", path, EIO));
        }
        return UnflushedFiles::read(path, limit);
    }
};

TEST_F(StoreSafetyTest, ALoadThatCouldNotReadTheFilesIsNoGroundForAChange) {
    ASSERT_TRUE(insert("beta", "", "b").done());
    FlakyFiles flaky;
    fileSystem = &flaky;
    reload();
    // The reason reaches the tables whole: the file and the system's error.
    ASSERT_TRUE(tables.personalProblem);
    EXPECT_EQ(tables.personalProblem->message,
              "cannot read " + personal.englishIndex + ": Input/output error");
    EXPECT_EQ(tables.personalProblem->path, personal.englishIndex);
    EXPECT_EQ(tables.personalProblem->errorNumber, EIO);
    EXPECT_TRUE(ownHeadwords().empty());
    // The error has passed by the time of the change, yet what the user saw left "beta" out:
    // no change is made from it. Once the files are read whole, it is.
    flaky.failing = false;
    const StoreSnapshot before = snapshot();
    const auto refused = personal::InsertPersonalEntry(context(), {"gamma", "", -1, "g"});
    EXPECT_EQ(refused.status, StoreStatus::FileError);
    EXPECT_NE(refused.reason.find("Input/output error"), std::string::npos) << refused.reason;
    EXPECT_EQ(snapshot(), before);
    reload();
    ASSERT_TRUE(personal::InsertPersonalEntry(context(), {"gamma", "", -1, "g"}).done());
    reload();
    EXPECT_EQ(ownHeadwords(), (std::vector<std::string>{"beta", "gamma"}));
    expectInvariants();
}

TEST_F(StoreSafetyTest, DamagedFilesAreShownAsFarAsTheyGoAndLeftAsTheyAre) {
    ASSERT_TRUE(insert("beta", "", "b").done());
    ASSERT_TRUE(insert("omega2", "", "o").done());
    std::string index = ReadWholeFile(personal.englishIndex).value();
    for (const auto& [damage, problem] :
         {std::pair{EncodePersonalText(std::string("70000") + "00009" + std::string(80, ' ') +
                                       "0000000100000") +
                        "\r\n",
                    std::string("ci.tbo line 2 is damaged")},
          std::pair{std::string("\x1A"), std::string("ci.tbo holds data after an end-of-file "
                                                     "mark")}}) {
        const size_t secondLine = index.find("\r\n") + 2;
        WriteFileAtomically(personal.englishIndex,
                            index.substr(0, secondLine) + damage + index.substr(secondLine));
        reload();
        ASSERT_TRUE(tables.personalProblem);
        EXPECT_TRUE(tables.personalProblem->message.starts_with(problem))
            << tables.personalProblem->message;
        const StoreSnapshot before = snapshot();
        const auto result = personal::InsertPersonalEntry(context(), {"gamma", "", -1, "g"});
        EXPECT_EQ(result.status, StoreStatus::FileError);
        EXPECT_NE(result.reason.find(problem), std::string::npos) << result.reason;
        EXPECT_EQ(snapshot(), before);
    }
    // Past the damaged line the load goes on; past an end mark there is nothing to read.
    WriteFileAtomically(personal.englishIndex, index);
}

TEST_F(StoreSafetyTest, ASecondWriterWaitsThenIsRefused) {
    ASSERT_TRUE(insert("beta").done());
    const auto held = personal::DiskFiles().lockFolder(folder.path(), personal::LockMode::Shared);
    UnflushedFiles impatient;
    impatient.lockPatience = std::chrono::milliseconds(50);
    fileSystem = &impatient;
    const StoreSnapshot before = snapshot();
    EXPECT_EQ(personal::InsertPersonalEntry(context(), {"gamma", "", -1, "g"}).status,
              StoreStatus::FolderBusy);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(StoreSafetyTest, AReaderNeverPutsBackAChangeInFlight) {
    ASSERT_TRUE(insert("beta").done());
    // A writer holds the lock with its journal and kept copies made, before the renames.
    const auto writer =
        personal::DiskFiles().lockFolder(folder.path(), personal::LockMode::Exclusive);
    std::filesystem::create_hard_link(personal.englishIndex, personal.englishIndex + ".old");
    WriteFileAtomically(folder.file("store.journal"), "1 ci.tbo\n");
    WriteFileAtomically(personal.tempEnglishIndex, "new");
    UnflushedFiles impatient;
    impatient.lockPatience = std::chrono::milliseconds(50);
    NoteList readerNotes;
    const EntryTables read = personal::LoadMergedTables(files, personal, readerNotes, impatient);
    EXPECT_TRUE(read.personalProblem);
    EXPECT_TRUE(FileExists(folder.file("store.journal")));
    EXPECT_TRUE(FileExists(personal.tempEnglishIndex));
    EXPECT_TRUE(FileExists(personal.englishIndex + ".old"));
}

TEST_F(StoreSafetyTest, OnlyTheStoresOwnFilesAreEverPutBackOrRemoved) {
    ASSERT_TRUE(insert("beta").done());
    folder.write("notes.txt", "mine");
    const StoreSnapshot before = snapshot();
    for (const char* journal : {"0 notes.txt\n", "1 ../ci.tbo\n", "0 ci.tbo\n1 notes.txt\n"}) {
        folder.write("store.journal", journal);
        const auto recovered = personal::RecoverPersonalStore(personal);
        EXPECT_EQ(recovered.status, StoreStatus::FileError) << journal;
        EXPECT_NE(recovered.reason.find("store.journal"), std::string::npos) << recovered.reason;
        EXPECT_EQ(folder.read("notes.txt"), "mine");
        EXPECT_EQ(snapshot(), before) << journal;
        // Reading goes on, a change does not.
        reload();
        EXPECT_EQ(ownHeadwords(), std::vector<std::string>{"beta"});
        EXPECT_EQ(insert("gamma").status, StoreStatus::FileError);
        EXPECT_EQ(snapshot(), before) << journal;
    }
    std::filesystem::remove(folder.file("store.journal"));
    for (const char* inTheWay : {"store.journal", "tempi.tbo", "ci.tbo.old"}) {
        std::filesystem::create_directory(folder.file(inTheWay));
        reload();
        const auto result = insert("gamma");
        EXPECT_EQ(result.status, StoreStatus::FileError) << inTheWay;
        EXPECT_NE(result.reason.find(inTheWay), std::string::npos) << result.reason;
        EXPECT_EQ(snapshot(), before) << inTheWay;
        std::filesystem::remove(folder.file(inTheWay));
    }
    reload();
    EXPECT_TRUE(insert("gamma").done());
}

// A file system whose folder cannot be written, as a read-only disk.
class ReadOnlyFiles : public UnflushedFiles {
  public:
    std::unique_ptr<personal::FolderLock> lockFolder(const std::string& folder,
                                                     personal::LockMode mode) override {
        if (mode == personal::LockMode::Exclusive)
            throw personal::FolderReadOnly(folder + " is read-only");
        return nullptr;
    }
    void writeDurably(const std::string& path, std::string_view, const std::string&) override {
        ADD_FAILURE() << "wrote " << path;
    }
    void remove(const std::string& path) override { ADD_FAILURE() << "removed " << path; }
};

TEST_F(StoreSafetyTest, AReadOnlyFolderIsReadButNotChanged) {
    ASSERT_TRUE(insert("beta").done());
    ReadOnlyFiles readOnly;
    fileSystem = &readOnly;
    reload();
    EXPECT_EQ(ownHeadwords(), std::vector<std::string>{"beta"});
    EXPECT_FALSE(tables.personalProblem);
    EXPECT_EQ(personal::InsertPersonalEntry(context(), {"gamma", "", -1, "g"}).status,
              StoreStatus::ReadOnly);
}

TEST_F(StoreSafetyTest, AReadOnlyFolderWithAnInterruptedChangeIsShownAsBeforeIt) {
    ASSERT_TRUE(insert("cccc", "", "text of cccc").done());
    ASSERT_TRUE(insert("eeee", "", "text of eeee").done());
    const std::string oldIndex = folder.read("ci.tbo"), oldTexts = folder.read("clex.tbo");
    ASSERT_TRUE(insert("dddd", "", "text of dddd").done());
    // An insert of "dddd" cut off after ci.tbo took its new contents, before clex.tbo did; then
    // the folder became read-only (a stick mounted read-only, a backup copy).
    folder.write("ci.tbo.old", oldIndex);
    folder.write("clex.tbo.old", oldTexts);
    folder.write("templex.tbo", folder.read("clex.tbo"));
    folder.write("clex.tbo", oldTexts);
    folder.write("store.journal", "1 ci.tbo\n1 clex.tbo\n");
    ReadOnlyFiles readOnly;
    fileSystem = &readOnly;
    reload();
    EXPECT_EQ(ownHeadwords(), (std::vector<std::string>{"cccc", "eeee"}));
    ASSERT_TRUE(tables.personalProblem);
    EXPECT_NE(tables.personalProblem->message.find("shown as they were before it"),
              std::string::npos)
        << tables.personalProblem->message;
    const PersonalFiles reading = ReadingFiles(personal, tables);
    for (const char* headword : {"cccc", "eeee"}) {
        EXPECT_EQ(personal::UnescapeUserText(
                      ReadEntryDescription(tables.entries[slot(headword)], files, reading)),
                  std::string("text of ") + headword);
    }
    EXPECT_EQ(personal::InsertPersonalEntry(context(), {"gamma", "", -1, "g"}).status,
              StoreStatus::FileError);
}

TEST_F(StoreSafetyTest, ReplacedFilesKeepTheirPermissions) {
    ASSERT_TRUE(insert("beta", Cp("βήτα")).done());
    ::chmod(personal.englishIndex.c_str(), 0600);
    ::chmod(personal.texts.c_str(), 0640);
    fileSystem = &personal::DiskFiles();
    ASSERT_TRUE(insert("gamma", Cp("γάμμα")).done());
    struct stat english {
    }, texts{};
    ASSERT_EQ(::stat(personal.englishIndex.c_str(), &english), 0);
    ASSERT_EQ(::stat(personal.texts.c_str(), &texts), 0);
    EXPECT_EQ(english.st_mode & 07777, 0600u);
    EXPECT_EQ(texts.st_mode & 07777, 0640u);
}

TEST_F(StoreSafetyTest, AChangeMadeAsTheSuperuserLeavesTheFilesToTheirOwner) {
    if (::geteuid() != 0) GTEST_SKIP() << "only the superuser gives files away";
    ASSERT_TRUE(insert("beta", Cp("βήτα")).done());
    for (const std::string* path :
         {&personal.englishIndex, &personal.greekIndex, &personal.texts}) {
        ASSERT_EQ(::chown(path->c_str(), 65534, 65534), 0);
    }
    fileSystem = &personal::DiskFiles();
    ASSERT_TRUE(insert("gamma", Cp("γάμμα")).done());
    for (const std::string* path :
         {&personal.englishIndex, &personal.greekIndex, &personal.texts}) {
        struct stat info {};
        ASSERT_EQ(::stat(path->c_str(), &info), 0);
        EXPECT_EQ(info.st_uid, 65534u) << *path;
        EXPECT_EQ(info.st_gid, 65534u) << *path;
    }
}

// Hard links refused, as on a file system without them or for another owner's files.
class NoLinkFiles : public UnflushedFiles {
  public:
    void link(const std::string& existing, const std::string&) override {
        throw personal::StoreFileError("cannot link " + existing + ": Operation not permitted");
    }
};

TEST_F(StoreSafetyTest, WithoutHardLinksTheOldFilesAreKeptAsCopies) {
    ASSERT_TRUE(insert("beta").done());
    NoLinkFiles noLinks;
    fileSystem = &noLinks;
    ASSERT_TRUE(insert("gamma").done());
    EXPECT_EQ(ownHeadwords(), (std::vector<std::string>{"beta", "gamma"}));
    expectInvariants();
}

TEST_F(StoreSafetyTest, ASymbolicLinkInPlaceOfAFileIsNotReplaced) {
    ASSERT_TRUE(insert("beta").done());
    TempFolder elsewhere;
    std::filesystem::rename(personal.texts, elsewhere.file("clex.tbo"));
    std::filesystem::create_symlink(elsewhere.file("clex.tbo"), personal.texts);
    reload();
    EXPECT_EQ(ownHeadwords(), std::vector<std::string>{"beta"});
    const auto result = insert("gamma");
    EXPECT_EQ(result.status, StoreStatus::FileError);
    EXPECT_NE(result.reason.find("symbolic link"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_symlink(personal.texts));
}

}  // namespace
}  // namespace orvan::test
