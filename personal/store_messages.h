// What the user is told when the personal store does not make a change, in the program's
// language.
#pragma once

#include "personal/personal_store.h"

namespace orvan::personal {

/// \brief The message (UTF-8) for a result that is not Done; nullptr for Done and NothingToDo,
/// which need none.
const char* StoreMessage(StoreStatus status);

}  // namespace orvan::personal
