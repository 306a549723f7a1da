// show and look: entries as the lookup window displays them, their descriptions as plain text.
#pragma once

#include <ostream>

#include "tools/cli/arguments.h"

namespace orvan::cli {

/// \brief The entry display of the window for one entry (a SLOT or --entry NUMBER): the headword
/// label, the rendering, the field, then the description pane's text, a line per paragraph.
/// With --json, one line of JSON.
void Show(const CommandLine& line, std::ostream& out);

/// \brief The list search's best matches for a WORD, each entry whole: the window's START search
/// in the language of the word's first letter, then each listed entry as the window displays
/// it, set out for a terminal (or as JSON lines with --json).
void Look(const CommandLine& line, std::ostream& out);

}  // namespace orvan::cli
