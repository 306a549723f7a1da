// orvan-cli run as a user runs it, on a small lexicon of the test's own: gas (CHEM), "the engine"
// (MECH) with the user's supplement, and the user's entry gasket; HOME in a temporary folder, so
// no real settings file is read.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/lexicon_fixture.h"

namespace orvan::test {

using Args = std::vector<std::string>;

struct CliRun {
    int status = -1;  // 124 when the run hung and was ended
    std::string out, err;
};

/// \brief `arg` single-quoted for the shell.
std::string Quoted(const std::string& arg);

class CliFixture : public ::testing::Test {
  protected:
    void SetUp() override;

    /// Runs orvan-cli on the program folder and, with `withPersonal`, on `folder`.
    CliRun cli(const Args& args, bool withPersonal = true);

    TempFolder program, personal, home;
    LexiconBuilder lexicon;
    std::string folder;       // the personal folder orvan-cli is given
    std::string asUser;       // a command that runs orvan-cli as another user, or nothing
    std::string cacheHome;    // XDG_CACHE_HOME of the runs: the saved search index goes there
    std::string environment;  // more "NAME=value " words for the runs
    bool onTerminal = false;  // runs on a pseudo-terminal; its output's CR LF are read as LF
};

}  // namespace orvan::test
