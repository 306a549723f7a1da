// A full-text search as the window runs it: on one load of the lexicon, with its progress shown
// once it runs long, and a button that stops it.
#pragma once

#include <string>
#include <vector>

#include "lexicon/loaded_lexicon.h"
#include "lookup/lookup_state.h"

class QWidget;

namespace orvan::lookup {

/// \brief Searches every description of `lexicon` for `term`. After `progressDelay`
/// milliseconds a progress dialog over `parent` shows how far it went and can stop it (what was
/// found stays found). Events are let through meanwhile, so the window may read the files again:
/// the search keeps reading the load it was given, and names its finds by entry number, to be
/// found again in whatever load the window holds when it ends.
std::vector<ListedEntry> RunFullTextSearch(const LexiconSnapshot& lexicon,
                                           const std::u16string& term, QWidget* parent,
                                           int progressDelay);

}  // namespace orvan::lookup
