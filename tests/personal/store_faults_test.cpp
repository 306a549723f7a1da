// Every file operation of a store change (the lock and the reads included) made to fail, or to
// stop dead as in a crash: the files afterwards (for a crash, after the next operation's
// recovery) are the complete old or the complete new state, and nothing is left behind. The same
// holds for a change worked out from tables older than the files.
#include <filesystem>

#include "personal/entry_import.h"
#include "personal/merged_tables.h"
#include "personal/store_commit.h"
#include "tests/personal/store_fixture.h"

namespace orvan::test {
namespace {

struct Crash {};

// Counts the file operations (a durable write counts as its open, write and flush) and fails,
// or stops dead, at the k-th.
class FaultyFiles : public UnflushedFiles {
  public:
    enum class Mode { Fail, Crash };
    FaultyFiles(int faultAt, Mode mode) : faultAt_(faultAt), mode_(mode) {}

    int calls() const { return calls_; }
    bool faulted() const { return faulted_; }

    std::unique_ptr<personal::FolderLock> lockFolder(const std::string& folder,
                                                     personal::LockMode mode) override {
        step("lock " + folder);
        return UnflushedFiles::lockFolder(folder, mode);
    }
    std::optional<std::string> read(const std::string& path, long long limit) override {
        step("read " + path);
        return UnflushedFiles::read(path, limit);
    }
    void writeDurably(const std::string& path, std::string_view bytes,
                      const std::string& likeFile) override {
        step("open " + path);
        UnflushedFiles::writeDurably(path, {}, likeFile);
        // A write cut off half-way leaves half the bytes.
        if (due()) {
            UnflushedFiles::writeDurably(path, bytes.substr(0, bytes.size() / 2), likeFile);
            fault("write " + path);
        }
        UnflushedFiles::writeDurably(path, bytes, likeFile);
        step("flush " + path);
    }
    void link(const std::string& existing, const std::string& newName) override {
        step("link " + existing);
        UnflushedFiles::link(existing, newName);
    }
    void rename(const std::string& from, const std::string& to) override {
        step("rename " + from);
        UnflushedFiles::rename(from, to);
    }
    void remove(const std::string& path) override {
        step("remove " + path);
        UnflushedFiles::remove(path);
    }
    void syncFolder(const std::string& folder) override { step("sync " + folder); }

  private:
    bool due() { return ++calls_ == faultAt_; }
    void step(const std::string& what) {
        if (due()) fault(what);
    }
    [[noreturn]] void fault(const std::string& what) {
        faulted_ = true;
        if (mode_ == Mode::Crash) throw Crash{};
        throw personal::StoreFileError("injected failure: " + what);
    }

    int calls_ = 0;
    int faultAt_;
    Mode mode_;
    bool faulted_ = false;
};

using Operation = std::function<personal::StoreResult(const personal::StoreContext&)>;

class StoreFaultTest : public StoreTest {
  protected:
    // Runs `operation` with a fault at every call in turn, for both kinds of fault.
    void faultEveryCall(const std::string& name, const Operation& operation) {
        const StoreSnapshot before = snapshot();
        UnflushedFiles plain;
        ASSERT_TRUE(operation({files, tables, &fields, personal, plain}).done()) << name;
        const StoreSnapshot after = snapshot();
        ASSERT_NE(before, after) << name;

        for (const auto mode : {FaultyFiles::Mode::Fail, FaultyFiles::Mode::Crash}) {
            for (int k = 1;; ++k) {
                restore(before);
                FaultyFiles faulty(k, mode);
                std::optional<personal::StoreResult> result;
                try {
                    result = operation({files, tables, &fields, personal, faulty});
                } catch (const Crash&) {
                }
                if (!faulty.faulted()) break;  // every call has had its turn
                const std::string where = name + ", fault at call " + std::to_string(k) +
                                          (mode == FaultyFiles::Mode::Crash ? " (crash)" : "");
                if (result) {
                    EXPECT_EQ(snapshot(), result->done() ? after : before) << where;
                }
                // The next load or store operation recovers first.
                ASSERT_TRUE(personal::RecoverPersonalStore(personal, plain).done()) << where;
                const StoreSnapshot recovered = snapshot();
                EXPECT_TRUE(recovered == before || recovered == after) << where;
                if (result && !result->done()) {
                    EXPECT_EQ(recovered, before) << where;
                }
                expectNoLeftovers(where);
                if (HasFailure()) return;
            }
        }
        restore(after);
    }

    void restore(const StoreSnapshot& snapshot) {
        for (const auto& [path, bytes] : {std::pair{personal.englishIndex, snapshot.english},
                                          std::pair{personal.greekIndex, snapshot.greek},
                                          std::pair{personal.texts, snapshot.texts}}) {
            std::filesystem::remove(path);
            if (bytes) folder.write(std::filesystem::path(path).filename(), *bytes);
        }
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            const std::string name = entry.path().filename();
            if (name != "ci.tbo" && name != "cigr.tbo" && name != "clex.tbo") {
                std::filesystem::remove(entry.path());
            }
        }
    }

    void expectNoLeftovers(const std::string& where) {
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            const std::string name = entry.path().filename();
            EXPECT_TRUE(name == "ci.tbo" || name == "cigr.tbo" || name == "clex.tbo" ||
                        name == personal::kNumberMarkName || name == personal::kLockName)
                << where << ": left behind " << name;
        }
    }
};

TEST_F(StoreFaultTest, EveryOperationIsAllOrNothing) {
    faultEveryCall("first insert", [](const personal::StoreContext& store) {
        return personal::InsertPersonalEntry(store, {"beta", Cp("βήτα"), 1, "b"});
    });
    reload();
    faultEveryCall("second insert", [](const personal::StoreContext& store) {
        return personal::InsertPersonalEntry(store, {"gamma", Cp("γάμμα"), -1, "g"});
    });
    reload();
    const uint16_t kappa = tables.entries[slot("kappa")].number;
    faultEveryCall("supplement", [kappa](const personal::StoreContext& store) {
        return personal::UpdatePersonalEntry(store, {kappa, EntryKind::Lexicon},
                                             {"kappa", "", -1, "s"});
    });
    reload();
    const uint16_t beta = tables.entries[slot("beta")].number;
    faultEveryCall("update", [beta](const personal::StoreContext& store) {
        return personal::UpdatePersonalEntry(store, {beta, EntryKind::Personal},
                                             {"zeta", "", 2, "z"});
    });
    reload();
    const uint16_t gamma = tables.entries[slot("gamma")].number;
    faultEveryCall("delete", [gamma](const personal::StoreContext& store) {
        return personal::DeletePersonalEntry(store, gamma);
    });
    reload();
    faultEveryCall("delete supplement", [kappa](const personal::StoreContext& store) {
        return personal::DeleteSupplement(store, kappa);
    });
    reload();
    // An import adds, changes and writes notes in one change.
    personal::ExchangeEntry added{personal::ExchangeKind::OwnEntry, "eta", "ήτα", "", "", "e"};
    personal::ExchangeEntry changed{personal::ExchangeKind::OwnEntry, "zeta", "", "", "", "z2"};
    personal::ExchangeEntry note{personal::ExchangeKind::Note, "delta", "", "", "", "n", "delta"};
    faultEveryCall("import", [&](const personal::StoreContext& store) {
        return personal::ImportEntries(store, {added, changed, note}).result;
    });
    reload();
    expectInvariants();
}

TEST_F(StoreFaultTest, AChangeFromStaleTablesIsAllOrNothing) {
    ASSERT_TRUE(insert("beta", Cp("βήτα")).done());
    ASSERT_TRUE(update("omega", {"omega", "", -1, "o"}).done());
    const EntryTables stale = tables;
    const uint16_t beta = tables.entries[slot("beta")].number;
    const uint16_t omega = tables.entries[slot("omega")].number;
    // Another program adds an entry; these tables know nothing of it.
    ASSERT_TRUE(insert("gamma", Cp("γάμμα")).done());
    tables = stale;
    faultEveryCall("insert from stale tables", [](const personal::StoreContext& store) {
        return personal::InsertPersonalEntry(store, {"delta2", Cp("δέλτα2"), -1, "d"});
    });
    tables = stale;
    faultEveryCall("update from stale tables", [beta](const personal::StoreContext& store) {
        return personal::UpdatePersonalEntry(store, {beta, EntryKind::Personal},
                                             {"beta", "", -1, "new text"});
    });
    tables = stale;
    faultEveryCall("supplement removed from stale tables",
                   [omega](const personal::StoreContext& store) {
                       return personal::DeleteSupplement(store, omega);
                   });
    reload();
    expectInvariants();
    EXPECT_NE(slot("gamma"), 0);
    EXPECT_NE(slot("delta2"), 0);
    EXPECT_NE(slot("beta"), 0);
    EXPECT_EQ(tables.entries[slot("omega")].kind, EntryKind::Lexicon);
}

// A read that fails while the tables are loaded leaves them without what it would have read;
// no change is worked out from them, whatever it changes.
TEST_F(StoreFaultTest, NoChangeIsMadeFromALoadThatFailedAnyRead) {
    ASSERT_TRUE(insert("beta", Cp("βήτα"), "b", 2).done());
    ASSERT_TRUE(update("alpha", {"alpha", "", -1, "note"}).done());
    const long long beta = tables.entries[slot("beta")].number;
    const long long alpha = tables.entries[slot("alpha")].number;
    const StoreSnapshot before = snapshot();
    personal::EntryChange text;
    text.description = "changed";
    personal::EntryChange greek = text;
    greek.greek = Cp("γάμμα");
    const std::vector<std::pair<std::string, Operation>> changes = {
        {"own entry",
         [&](const personal::StoreContext& store) {
             return personal::ChangeEntry(store, {beta, EntryKind::Personal}, text);
         }},
        {"note",
         [&](const personal::StoreContext& store) {
             return personal::ChangeEntry(store, {alpha, EntryKind::Annotated}, text);
         }},
        {"Greek rendering", [&](const personal::StoreContext& store) {
             return personal::ChangeEntry(store, {beta, EntryKind::Personal}, greek);
         }}};
    for (const auto& [name, change] : changes) {
        for (int k = 1;; ++k) {
            FaultyFiles faulty(k, FaultyFiles::Mode::Fail);
            NoteList loadedNotes;
            const EntryTables loaded =
                personal::LoadMergedTables(files, personal, loadedNotes, faulty);
            if (!faulty.faulted()) break;  // every read of the load has had its turn
            UnflushedFiles plain;
            EXPECT_FALSE(change({files, loaded, &fields, personal, plain}).done())
                << name << ", read " << k;
            EXPECT_EQ(snapshot(), before) << name << ", read " << k;
        }
    }
}

}  // namespace
}  // namespace orvan::test
