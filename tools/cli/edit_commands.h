// The edit commands of orvan-cli: insert, update and delete the user's own entries, as the
// lookup window's commands do once the editor is confirmed, and remove a supplement.
#pragma once

#include <ostream>

#include "tools/cli/arguments.h"

namespace orvan::cli {

void Insert(const CommandLine& line, std::ostream& out);
void Update(const CommandLine& line, std::ostream& out);
void Delete(const CommandLine& line, std::ostream& out);

}  // namespace orvan::cli
