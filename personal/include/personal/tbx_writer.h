// The user's entries as a term base for translators' terminology tools: a TBX-Basic document, in
// the shape current tools read or in the older one tools of the previous generation still expect.
#pragma once

#include <string>
#include <vector>

#include "personal/exchange_entry.h"

namespace orvan::personal {

/// Which of the two document shapes a term base is written in.
enum class TbxShape {
    Current,  // root <tbx>; conceptEntry, langSec, termSec
    Martif,   // root <martif>; termEntry, langSet, tig
};

/// \brief The TBX document of `entries` (UTF-8, LF line ends, two spaces a level): a concept for
/// each entry, id "entry-N" or "note-N" after its number (its place in the list, from 1, when the
/// number is 0 or less, moved on past the numbers other entries already take), the field as
/// subjectField (its name, or its code when it has no name), the English section with the
/// description (an own entry's as a definition, a note's as a note) and the term, and the Greek
/// section when there is a Greek headword.
///
/// In the description a CR LF pair is written as a line end, a lone CR as the reference &#13;
/// so that it reads back as it was. A character XML cannot hold (a control other than TAB, LF and
/// CR, U+FFFE, U+FFFF, a malformed UTF-8 byte) is written as U+FFFD.
std::string WriteTbx(const std::vector<ExchangeEntry>& entries, TbxShape shape);

}  // namespace orvan::personal
