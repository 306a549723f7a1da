#include "tests/tools/cli_fixture.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>

#include "lexicon/text_file.h"

namespace orvan::test {

std::string Quoted(const std::string& arg) {
    std::string quoted = "'";
    for (const char c : arg)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

void CliFixture::SetUp() {
    const int gas = lexicon.AddEntry("gas", "{x}", 1, "CHEM");
    lexicon.AddGreek(gas, Cp("αέριο"));
    const int engine = lexicon.AddEntry("the engine", "{x}", 5, "MECH");
    lexicon.AddGreek(engine, Cp("μηχανή"));
    lexicon.AddPersonalEntry(gas, 3, "gasket", "{p}", "MECH");
    lexicon.AddSupplement(engine);
    lexicon.AddField("CHEM", Cp("Χημεία"));
    lexicon.AddField("MECH", Cp("Μηχανολογία"));
    lexicon.WriteLexicon(program.Path());
    lexicon.WritePersonal(personal.Path());
    folder = personal.Path();
    cacheHome = home.File("cache");
}

CliRun CliFixture::Cli(const Args& args, bool withPersonal) {
    // A run that hangs is ended by `timeout` and shows as status 124.
    std::string command = "HOME=" + Quoted(home.Path()) +
                          " XDG_CONFIG_HOME=" + Quoted(home.File("config")) +
                          " XDG_CACHE_HOME=" + Quoted(cacheHome) + " timeout 10 " + asUser +
                          ORVAN_CLI_PATH + " -C " + Quoted(program.Path());
    if (withPersonal) command += " --personal " + Quoted(folder);
    for (const std::string& arg : args)
        command += " " + Quoted(arg);
    const std::string errorFile = home.File("stderr.txt");
    CliRun run;
    FILE* pipe = ::popen((command + " 2>" + Quoted(errorFile)).c_str(), "r");
    if (pipe == nullptr) return run;
    std::array<char, 4096> buffer{};
    for (size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        run.out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = ReadWholeFile(errorFile).value_or("");
    return run;
}

}  // namespace orvan::test
