#include "lexicon/loaded_lexicon.h"

namespace orvan {

const FieldTable& LoadedLexicon::fieldList() const {
    static const FieldTable kNoFields;
    return fields ? *fields : kNoFields;
}

}  // namespace orvan
