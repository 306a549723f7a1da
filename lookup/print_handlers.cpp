// Printing the entry chosen in the list.
#include "lookup/main_window.h"

namespace orvan::lookup {

void TMainLex::Print_ButtonClick() {}

}  // namespace orvan::lookup
