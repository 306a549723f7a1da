// Every file operation of a store change made to fail, or to stop dead as in a crash: the files
// afterwards (for a crash, after the next operation's recovery) are the complete old or the
// complete new state, and nothing is left behind.
#include <filesystem>

#include "store_fixture.h"

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

    void WriteDurably(const std::string& path, std::string_view bytes) override {
        Step("open " + path);
        UnflushedFiles::WriteDurably(path, {});
        // A write cut off half-way leaves half the bytes.
        if (Due()) {
            UnflushedFiles::WriteDurably(path, bytes.substr(0, bytes.size() / 2));
            Fault("write " + path);
        }
        UnflushedFiles::WriteDurably(path, bytes);
        Step("flush " + path);
    }
    void Link(const std::string& existing, const std::string& newName) override {
        Step("link " + existing);
        UnflushedFiles::Link(existing, newName);
    }
    void Rename(const std::string& from, const std::string& to) override {
        Step("rename " + from);
        UnflushedFiles::Rename(from, to);
    }
    void Remove(const std::string& path) override {
        Step("remove " + path);
        UnflushedFiles::Remove(path);
    }
    void SyncFolder(const std::string& folder) override { Step("sync " + folder); }

  private:
    bool Due() { return ++calls_ == faultAt_; }
    void Step(const std::string& what) {
        if (Due()) Fault(what);
    }
    [[noreturn]] void Fault(const std::string& what) {
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
    void FaultEveryCall(const std::string& name, const Operation& operation) {
        const StoreSnapshot before = Snapshot();
        UnflushedFiles plain;
        ASSERT_TRUE(operation({tables, &fields, personal, plain}).done()) << name;
        const StoreSnapshot after = Snapshot();
        ASSERT_NE(before, after) << name;

        for (const auto mode : {FaultyFiles::Mode::Fail, FaultyFiles::Mode::Crash}) {
            for (int k = 1;; ++k) {
                Restore(before);
                FaultyFiles faulty(k, mode);
                std::optional<personal::StoreResult> result;
                try {
                    result = operation({tables, &fields, personal, faulty});
                } catch (const Crash&) {
                }
                if (!faulty.faulted()) break;  // every call has had its turn
                const std::string where = name + ", fault at call " + std::to_string(k) +
                                          (mode == FaultyFiles::Mode::Crash ? " (crash)" : "");
                if (result) {
                    EXPECT_EQ(Snapshot(), result->done() ? after : before) << where;
                }
                // The next load or store operation recovers first.
                ASSERT_TRUE(personal::RecoverPersonalStore(personal, plain)) << where;
                const StoreSnapshot recovered = Snapshot();
                EXPECT_TRUE(recovered == before || recovered == after) << where;
                if (result && !result->done()) {
                    EXPECT_EQ(recovered, before) << where;
                }
                ExpectNoLeftovers(where);
                if (HasFailure()) return;
            }
        }
        Restore(after);
    }

    void Restore(const StoreSnapshot& snapshot) {
        for (const auto& [path, bytes] : {std::pair{personal.englishIndex, snapshot.english},
                                          std::pair{personal.greekIndex, snapshot.greek},
                                          std::pair{personal.texts, snapshot.texts}}) {
            std::filesystem::remove(path);
            if (bytes) folder.Write(std::filesystem::path(path).filename(), *bytes);
        }
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
            const std::string name = entry.path().filename();
            if (name != "ci.tbo" && name != "cigr.tbo" && name != "clex.tbo") {
                std::filesystem::remove(entry.path());
            }
        }
    }

    void ExpectNoLeftovers(const std::string& where) {
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
            const std::string name = entry.path().filename();
            EXPECT_TRUE(name == "ci.tbo" || name == "cigr.tbo" || name == "clex.tbo")
                << where << ": left behind " << name;
        }
    }
};

TEST_F(StoreFaultTest, EveryOperationIsAllOrNothing) {
    FaultEveryCall("first insert", [](const personal::StoreContext& store) {
        return personal::InsertPersonalEntry(store, {"beta", Cp("βήτα"), 1, "b"});
    });
    Reload();
    FaultEveryCall("second insert", [](const personal::StoreContext& store) {
        return personal::InsertPersonalEntry(store, {"gamma", Cp("γάμμα"), -1, "g"});
    });
    Reload();
    FaultEveryCall("supplement", [this](const personal::StoreContext& store) {
        return personal::UpdatePersonalEntry(store, 'L', Slot("kappa"), {"kappa", "", -1, "s"});
    });
    Reload();
    FaultEveryCall("update", [this](const personal::StoreContext& store) {
        return personal::UpdatePersonalEntry(store, 'C', Slot("beta"), {"zeta", "", 2, "z"});
    });
    Reload();
    FaultEveryCall("delete", [this](const personal::StoreContext& store) {
        return personal::DeletePersonalEntry(store, Slot("gamma"));
    });
    Reload();
    ExpectInvariants();
}

}  // namespace
}  // namespace orvan::test
