#include "tests/tools/cli_fixture.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

#include "lexicon/text_file.h"

namespace orvan::test {

std::string Quoted(const std::string& arg) {
    std::string quoted = "'";
    for (const char c : arg)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

void CliFixture::SetUp() {
    const int gas = lexicon.addEntry("gas", "{x}", 1, "CHEM");
    lexicon.addGreek(gas, Cp("αέριο"));
    const int engine = lexicon.addEntry("the engine", "{x}", 5, "MECH");
    lexicon.addGreek(engine, Cp("μηχανή"));
    lexicon.addPersonalEntry(gas, 3, "gasket", "{p}", "MECH");
    lexicon.addSupplement(engine);
    lexicon.addField("CHEM", Cp("Χημεία"));
    lexicon.addField("MECH", Cp("Μηχανολογία"));
    lexicon.writeLexicon(program.path());
    lexicon.writePersonal(personal.path());
    folder = personal.path();
    cacheHome = home.file("cache");
}

CliRun CliFixture::cli(const Args& args, bool withPersonal) {
    // A run that hangs is ended by `timeout` and shows as status 124.
    std::string command = "HOME=" + Quoted(home.path()) +
                          " XDG_CONFIG_HOME=" + Quoted(home.file("config")) +
                          " XDG_CACHE_HOME=" + Quoted(cacheHome) + " " + environment +
                          "timeout 10 " + asUser + ORVAN_CLI_PATH + " -C " + Quoted(program.path());
    if (withPersonal) command += " --personal " + Quoted(folder);
    for (const std::string& arg : args)
        command += " " + Quoted(arg);
    // On a terminal of its own, through script(1), which gives back the program's exit status.
    if (onTerminal) command = "script -qec " + Quoted(command) + " /dev/null </dev/null";
    const std::string errorFile = home.file("stderr.txt");
    CliRun run;
    FILE* pipe = ::popen((command + " 2>" + Quoted(errorFile)).c_str(), "r");
    if (pipe == nullptr) return run;
    std::array<char, 4096> buffer{};
    for (size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        run.out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (onTerminal) std::erase(run.out, '\r');
    run.err = ReadWholeFile(errorFile).value_or("");
    return run;
}

}  // namespace orvan::test
