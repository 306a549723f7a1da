// Running a script of the program's the way the desktop does: /bin/sh, in a folder of the test's.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace orvan::test {

/// \brief Runs `/bin/sh script` in `workFolder` and waits for it; its exit status, -1 when it
/// could not run.
inline int RunShellScript(const std::string& script, const std::string& workFolder) {
    const pid_t pid = ::fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        if (::chdir(workFolder.c_str()) != 0) ::_exit(126);
        ::execl("/bin/sh", "sh", script.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

}  // namespace orvan::test
