// The edit commands of orvan-cli: insert, update and delete the user's own entries, as the
// lookup window's commands do once the editor is confirmed, and remove a supplement.
#pragma once

#include <ostream>

#include "personal/personal_store.h"
#include "tools/cli/arguments.h"
#include "tools/cli/loaded_lexicon.h"

namespace orvan::cli {

/// \brief Makes sure the personal folder a change goes to is known, creating it when missing;
/// ChangeRefused when it is not known or cannot be created.
void NeedPersonalFolder(const LoadedLexicon& lexicon);

/// \brief No change is worked out from a load that had a problem: what it left out (an entry, a
/// Greek rendering, a science) would be written as if the user had removed it. ChangeRefused
/// naming the problem.
void NeedWholeLoad(const LoadedLexicon& lexicon);

/// \brief The store a change of `lexicon`'s personal files is made in.
personal::StoreContext StoreContextOf(const LoadedLexicon& lexicon);

void Insert(const CommandLine& line, std::ostream& out);
void Update(const CommandLine& line, std::ostream& out);
void Delete(const CommandLine& line, std::ostream& out);

}  // namespace orvan::cli
