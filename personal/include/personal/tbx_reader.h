// Term bases from translators' terminology tools read back as the user's entries: TBX in the
// shape current tools write (<tbx>, conceptEntry, langSec, termSec) and in the older one (<martif>,
// termEntry, langSet, tig and ntig), from this program or any other.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "lexicon/result.h"
#include "personal/exchange_entry.h"

namespace orvan::personal {

/// \brief The entries of the TBX document `bytes`, one a concept, in document order; `path`
/// names the file in messages.
///
/// Of each concept: its first English term (language en or en-XX, in any capitals) and its
/// first Greek one (el, el-XX); the first subjectField as the field's name; every definition and
/// note of the concept outside other languages' sections, in document order, joined by CR LF, a
/// line end in them read as CR LF; and from its id "entry-N" an own entry numbered N, from
/// "note-N" a note on lexicon entry N whose headword is the English term, from any other id an
/// own entry without a number. The origin names the concept and its line ("termEntry 3 (line
/// 40)"). A concept without an English term is returned too, for the import to refuse by name.
///
/// The whole file is refused (ErrorCode::Damaged), naming the line, when it is not well-formed
/// XML (text not in its encoding included), when its root is not tbx or martif, and when its
/// document type declares entities: no entity is ever expanded and no other file ever read.
Result<std::vector<ExchangeEntry>> ReadTbx(std::string_view bytes, const std::string& path);

}  // namespace orvan::personal
