#include "tools/cli/cli_module.h"

#include <dlfcn.h>

#include <filesystem>

#include "lexicon/lexicon_files.h"
#include "tools/cli/commands.h"

namespace orvan::cli {

void* ModuleFunction(const std::string& fileName, const std::string& function) {
    std::error_code error;
    // The program's folder, without its closing "/".
    const std::filesystem::path folder =
        std::filesystem::path(RunningProgramFolder()).parent_path();
    const std::filesystem::path places[] = {
        folder / fileName,
        folder.parent_path() / "lib" / "orvan" / fileName,
    };
    std::string reason = "no " + fileName + " in " + places[0].parent_path().string() + " or " +
                         places[1].parent_path().string();
    for (const std::filesystem::path& place : places) {
        if (!std::filesystem::exists(place, error)) continue;
        void* module = ::dlopen(place.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            reason = ::dlerror();
            continue;
        }
        if (void* found = ::dlsym(module, function.c_str())) return found;
        throw DataError("the module " + place.string() + " offers no " + function);
    }
    throw DataError("cannot load " + fileName + ": " + reason);
}

}  // namespace orvan::cli
