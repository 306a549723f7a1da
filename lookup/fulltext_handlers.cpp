// The full-text search of every description.
#include "lookup/main_window.h"

namespace orvan::lookup {

void TMainLex::DescrSearch_ButtonClick() {}

void TMainLex::HighlightFullTextHits() {}

}  // namespace orvan::lookup
