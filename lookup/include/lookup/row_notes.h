// Rows of the entry list that read alike: two Greek rows "κύκλος" (one renders "circle", the
// other "cycle") are told apart by the other language's headword of their entries.
#pragma once

#include <string>
#include <vector>

#include "lookup/lookup_state.h"

namespace orvan::lookup {

/// \brief What each row of `state`'s list shows after its own text, parallel to the list: for a
/// row whose text is repeated elsewhere in the list, the other language's headword of its entry
/// (the English headword for a Greek row, the Greek one for an English row); empty for a row
/// whose text is its own, and for an entry with no headword in the other language. The row's
/// text itself (searches, history, copying) is not touched. Code page 1253, as the list.
std::vector<std::string> RowNotes(const LookupState& state);

}  // namespace orvan::lookup
