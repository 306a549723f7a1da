// Several orvan-cli processes on one personal folder at once: two writers insert entries while a
// reader looks the lexicon up, then every acknowledged entry must be there once, with its own
// description and Greek headword, and nothing refused may have been applied.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <sstream>
#include <thread>

#include "tests/support/lexicon_fixture.h"

extern char** environ;

namespace orvan {
namespace {

using test::Cp;
using Args = std::vector<std::string>;
using Clock = std::chrono::steady_clock;

constexpr int kInsertsPerWriter = 25;
constexpr int kMaxReaderRuns = 200;
constexpr auto kTimeLimit = std::chrono::seconds(40);

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);)
        parts.push_back(part);
    return parts;
}

int ExitStatus(int waitStatus) {
    return WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : -1;
}

// Starts orvan-cli with HOME in a temporary folder, so no real settings file is read; its
// standard output and error go to the files named.
class CliLauncher {
  public:
    CliLauncher(const std::string& program, const std::string& personal, const std::string& home)
        : prefix_{ORVAN_CLI_PATH, "-C", program, "--personal", personal} {
        for (char** variable = environ; *variable != nullptr; ++variable) {
            const std::string entry = *variable;
            if (!entry.starts_with("HOME=") && !entry.starts_with("XDG_CONFIG_HOME="))
                environment_.push_back(entry);
        }
        environment_.push_back("HOME=" + home);
        environment_.push_back("XDG_CONFIG_HOME=" + home + "/config");
    }

    pid_t start(const Args& args, const std::string& outFile, const std::string& errFile) const {
        Args all = prefix_;
        all.insert(all.end(), args.begin(), args.end());
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        posix_spawn_file_actions_addopen(&files, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_addopen(&files, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_APPEND,
                                         0644);
        pid_t pid = -1;
        const int error = posix_spawn(&pid, all[0].c_str(), &files, nullptr, pointers(all).data(),
                                      pointers(environment_).data());
        posix_spawn_file_actions_destroy(&files);
        return error == 0 ? pid : -1;
    }

  private:
    static std::vector<char*> pointers(Args& strings) {
        std::vector<char*> pointers;
        for (std::string& s : strings)
            pointers.push_back(s.data());
        pointers.push_back(nullptr);
        return pointers;
    }

    Args prefix_;
    mutable Args environment_;
};

// A sequence of orvan-cli runs made one after the other; the roles run side by side.
struct Role {
    std::vector<Args> commands;
    bool repeats = false;  // the reader starts over until the writers are done
    size_t started = 0;
    pid_t running = 0;
    std::vector<int> statuses;  // one per finished run, in order
};

// Runs the roles side by side until the writers are through their commands, the reader has made
// kMaxReaderRuns runs, or kTimeLimit has passed; then kills what still runs. False on a timeout.
bool RunSideBySide(const CliLauncher& cli, std::vector<Role>& roles, const std::string& logs) {
    const auto deadline = Clock::now() + kTimeLimit;
    auto writersDone = [&] {
        for (const Role& role : roles)
            if (!role.repeats && role.statuses.size() < role.commands.size()) return false;
        return true;
    };
    for (;;) {
        const bool inTime = Clock::now() < deadline;
        bool anyRunning = false;
        for (size_t i = 0; i < roles.size(); ++i) {
            Role& role = roles[i];
            const bool more = role.repeats ? !writersDone() && role.started < kMaxReaderRuns
                                           : role.started < role.commands.size();
            if (role.running == 0 && more && inTime) {
                const std::string name = logs + "/role" + std::to_string(i);
                role.running = cli.start(role.commands[role.started % role.commands.size()],
                                         "/dev/null", name + ".err");
                ++role.started;
                if (role.running < 0) {  // not started: counts as a failed run
                    role.running = 0;
                    role.statuses.push_back(-1);
                }
            }
            anyRunning = anyRunning || role.running != 0;
        }
        if (!anyRunning) return inTime;
        if (!inTime) {
            for (Role& role : roles)
                if (role.running != 0) ::kill(role.running, SIGKILL);
        }
        int status = 0;
        const pid_t pid = ::waitpid(-1, &status, inTime ? WNOHANG : 0);
        if (pid == 0) std::this_thread::sleep_for(std::chrono::milliseconds(2));
        for (Role& role : roles) {
            if (pid > 0 && role.running == pid) {
                role.running = 0;
                role.statuses.push_back(ExitStatus(status));
            }
        }
    }
}

struct Insert {
    std::string english, greek;  // UTF-8; greek may be empty
    int status = -1;
};

std::vector<Insert> WriterInserts(const std::string& english, const std::string& greek) {
    std::vector<Insert> inserts;
    for (int i = 0; i < kInsertsPerWriter; ++i) {
        char number[8];
        std::snprintf(number, sizeof number, "%03d", i);
        inserts.push_back({english + number, i % 3 == 0 ? greek + number : ""});
    }
    return inserts;
}

Role WriterRole(const std::vector<Insert>& inserts) {
    Role role;
    for (const Insert& insert : inserts) {
        Args args{"insert", "--english", insert.english, "--description",
                  "text of " + insert.english};
        if (!insert.greek.empty()) args.insert(args.begin() + 3, {"--greek", insert.greek});
        role.commands.push_back(args);
    }
    return role;
}

// The E and G lines of `dump`, by slot.
struct DumpedTables {
    std::map<int, std::string> english;  // slot -> headword
    std::map<int, char> kind;
    std::multimap<std::string, int> englishSlots;  // headword -> slot
    std::multimap<std::string, int> greekOwners;   // Greek headword -> English slot

    explicit DumpedTables(const std::string& dump) {
        for (const std::string& line : Split(dump, '\n')) {
            const std::vector<std::string> c = Split(line, '\t');
            if (c.size() == 11 && c[0] == "E") {
                english[std::stoi(c[1])] = c[10];
                kind[std::stoi(c[1])] = c[3][0];
                englishSlots.emplace(c[10], std::stoi(c[1]));
            } else if (c.size() == 5 && c[0] == "G") {
                greekOwners.emplace(c[4], std::stoi(c[3]));
            }
        }
    }
    size_t count(const std::string& headword) const { return englishSlots.count(headword); }
};

// What the checks found, printed so the figures can be quoted.
struct Figures {
    int acknowledged = 0, refused = 0, lost = 0, duplicated = 0, misplaced = 0, greekWrong = 0,
        refusedButApplied = 0, strays = 0;

    std::string text() const {
        std::ostringstream out;
        out << "inserts acknowledged " << acknowledged << ", refused " << refused << "; lost "
            << lost << ", duplicated " << duplicated << ", misplaced descriptions " << misplaced
            << ", wrong Greek links " << greekWrong << ", refused but applied " << refusedButApplied
            << ", entries nobody inserted " << strays;
        return out.str();
    }
};

// The "text of X" names in the description part of `show` (after headword, rendering, field).
std::vector<std::string> NamedInDescription(const std::string& shown) {
    std::vector<std::string> names;
    const std::vector<std::string> lines = Split(shown, '\n');
    for (size_t i = 3; i < lines.size(); ++i) {
        for (const std::string& word : Split(lines[i], ' ')) {
            if (!word.empty() && (word.starts_with("alpha") || word.starts_with("beta")))
                names.push_back(word);
        }
    }
    return names;
}

class CliConcurrencyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* headword : {"anchor", "axle", "bolt", "gas", "lever", "zinc"}) {
            const int number = lexicon.addEntry(headword, "{x}", 1);
            if (headword[0] == 'a') lexicon.addGreek(number, Cp("άγκυρα"));
        }
        lexicon.writeLexicon(program.path());
    }

    // One orvan-cli run to its end, on the test's personal folder or with `on`'s: exit status and
    // standard output.
    std::pair<int, std::string> Run(const Args& args, const CliLauncher* on = nullptr) {
        const pid_t pid = (on ? *on : cli).start(args, scratch.file("out"), scratch.file("err"));
        int status = 0;
        if (pid < 0 || ::waitpid(pid, &status, 0) != pid) return {-1, ""};
        return {ExitStatus(status), scratch.read("out")};
    }

    // Checks the store against what the writers were told, entry by entry.
    Figures check(const std::vector<Insert>& inserts) {
        Figures figures;
        const DumpedTables tables(Run({"dump"}).second);
        std::map<std::string, bool> attempted;
        for (const Insert& insert : inserts) {
            attempted[insert.english] = true;
            const size_t copies = tables.count(insert.english);
            if (insert.status != 0) {
                ++figures.refused;
                if (copies > 0 ||
                    (!insert.greek.empty() && tables.greekOwners.contains(insert.greek)))
                    ++figures.refusedButApplied;
                continue;
            }
            ++figures.acknowledged;
            if (copies == 0) ++figures.lost;
            if (copies > 1) ++figures.duplicated;
            if (copies == 1 && !hasOwnDescription(tables, insert.english)) ++figures.misplaced;
            if (!insert.greek.empty() && !greekLinked(tables, insert)) ++figures.greekWrong;
        }
        for (const auto& [slot, headword] : tables.english)
            if (tables.kind.at(slot) == 'C' && !attempted.contains(headword)) ++figures.strays;
        return figures;
    }

    bool hasOwnDescription(const DumpedTables& tables, const std::string& headword) {
        const int slot = tables.englishSlots.find(headword)->second;
        const auto [status, shown] = Run({"show", std::to_string(slot)});
        return status == 0 && shown.starts_with(headword + "\n") &&
               NamedInDescription(shown) == std::vector<std::string>{headword};
    }

    static bool greekLinked(const DumpedTables& tables, const Insert& insert) {
        const auto [first, last] = tables.greekOwners.equal_range(insert.greek);
        if (first == last || std::next(first) != last) return false;  // missing or twice
        const auto owner = tables.english.find(first->second);
        return owner != tables.english.end() && owner->second == insert.english;
    }

    test::TempFolder program, personal, home, scratch;
    test::LexiconBuilder lexicon;
    CliLauncher cli{program.path(), personal.path(), home.path()};
};

TEST_F(CliConcurrencyTest, TwoWritersAndAReaderKeepEveryAcknowledgedEntryRight) {
    std::vector<Insert> inserts = WriterInserts("alpha", "άλφα");
    const std::vector<Insert> betas = WriterInserts("beta", "βήτα");
    std::vector<Role> roles{WriterRole(inserts), WriterRole(betas), {}};
    inserts.insert(inserts.end(), betas.begin(), betas.end());
    roles[2].commands = {{"dump"}, {"search", "a"}, {"show", "1"}};
    roles[2].repeats = true;

    const auto start = Clock::now();
    ASSERT_TRUE(RunSideBySide(cli, roles, scratch.path())) << "the processes did not finish";
    const auto seconds = std::chrono::duration<double>(Clock::now() - start).count();
    for (size_t i = 0; i < inserts.size(); ++i)
        inserts[i].status = roles[i / kInsertsPerWriter].statuses.at(i % kInsertsPerWriter);

    const Figures figures = check(inserts);
    std::cout << figures.text() << "; reader runs " << roles[2].statuses.size() << " in " << seconds
              << " s\n";
    RecordProperty("figures", figures.text());
    EXPECT_EQ(figures.lost, 0);
    EXPECT_EQ(figures.duplicated, 0);
    EXPECT_EQ(figures.misplaced, 0);
    EXPECT_EQ(figures.greekWrong, 0);
    EXPECT_EQ(figures.refusedButApplied, 0);
    EXPECT_EQ(figures.strays, 0);
    EXPECT_GT(figures.acknowledged, 0);
    EXPECT_EQ(std::ranges::count(roles[2].statuses, 0), std::ssize(roles[2].statuses))
        << "reader runs failed: " << scratch.read("role2.err");
    if (figures.refused > 0)
        std::cout << "refusals:\n" << scratch.read("role0.err") << scratch.read("role1.err");

    // The store still takes an entry afterwards.
    EXPECT_EQ(Run({"insert", "--english", "omega", "--description", "last"}).first, 0);
    EXPECT_EQ(DumpedTables(Run({"dump"}).second).count("omega"), 1u);
}

// A script updates its entry by number while another program holds the personal folder's lock
// and, under it, adds an entry that sorts first: the update waits, then changes that entry and
// nothing else, though every slot from the start has moved.
TEST_F(CliConcurrencyTest, UpdateByNumberWaitsForTheLockAndLandsOnItsEntry) {
    ASSERT_EQ(
        Run({"insert", "--english", "zebra crossing", "--greek", "διάβαση", "--description", "z"}),
        std::pair(0, std::string("slot 6 entry 7\n")));
    // The other program's files, worked out beforehand in a copy of the folder.
    test::TempFolder other;
    const std::vector<std::string> files{"ci.tbo", "cigr.tbo", "clex.tbo"};
    for (const std::string& name : files)
        std::filesystem::copy_file(personal.file(name), other.file(name));
    const CliLauncher otherCli{program.path(), other.path(), home.path()};
    ASSERT_EQ(Run({"insert", "--english", "aardvark", "--description", "a"}, &otherCli).first, 0);

    const int lock =
        ::open(personal.file("orvan.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_GE(lock, 0);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    const pid_t update = cli.start({"update", "--entry", "7", "--description", "striped"},
                                   scratch.file("update.out"), scratch.file("update.err"));
    ASSERT_GT(update, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    int status = 0;
    EXPECT_EQ(::waitpid(update, &status, WNOHANG), 0) << "the update did not wait for the lock";
    for (const std::string& name : files) {
        std::filesystem::copy_file(other.file(name), personal.file(name + ".new"));
        std::filesystem::rename(personal.file(name + ".new"), personal.file(name));
    }
    ::close(lock);
    ASSERT_EQ(::waitpid(update, &status, 0), update);
    EXPECT_EQ(ExitStatus(status), 0) << scratch.read("update.err");
    EXPECT_EQ(scratch.read("update.out"), "ok entry 9\n");

    const DumpedTables tables(Run({"dump"}).second);
    std::vector<std::string> entries;
    for (const auto& [slot, headword] : tables.english)
        entries.push_back(std::string(1, tables.kind.at(slot)) + " " + headword);
    EXPECT_EQ(entries,
              (std::vector<std::string>{"C aardvark", "L anchor", "L axle", "L bolt", "L gas",
                                        "L lever", "C zebra crossing", "L zinc"}));
    EXPECT_TRUE(greekLinked(tables, {"zebra crossing", "διάβαση"}));
    EXPECT_EQ(Run({"show", "--entry", "9"}).second, "zebra crossing\nδιάβαση\n\n  striped\n");
    EXPECT_EQ(Run({"show", "--entry", "8"}).second, "aardvark\n\n\n  a\n");
}

}  // namespace
}  // namespace orvan
