// Finding and loading a module of orvan-cli: the commands that need Qt live in modules loaded
// only when they run, so that the other commands start without loading Qt at all.
#pragma once

#include <string>

namespace orvan::cli {

/// \brief The function `function` of the module file `fileName`, found beside orvan-cli or in
/// ../lib/orvan/ from its folder, loaded once and kept. Throws DataError naming what is missing.
void* ModuleFunction(const std::string& fileName, const std::string& function);

}  // namespace orvan::cli
