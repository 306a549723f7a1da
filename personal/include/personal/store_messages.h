// What the user is told when the personal store does not make a change, in the program's
// language. The store's own reasons stay in English for the command line.
#pragma once

#include <string>

#include "personal/personal_store.h"

namespace orvan::personal {

/// \brief The message (UTF-8) for a result that is not Done; empty for Done and NothingToDo,
/// which need none.
std::string StoreMessage(StoreStatus status);

/// \brief What the message's details add (UTF-8, in Greek): the entry or the folder concerned,
/// and the file the system refused with the system's reason; empty when there is nothing to add.
///
///     StoreDetails({StoreStatus::EntryChanged, "...", 35002}) == "Αριθμός λήμματος: 35002"
std::string StoreDetails(const StoreResult& result);

/// \brief What the entry editor shows under the description for `room`, as DescriptionRoomLeft
/// gives it: how many characters still fit, or by how many the description is too long.
///
///     DescriptionRoomText(12) == "Χωρούν ακόμη 12 χαρακτήρες."
std::string DescriptionRoomText(long long room);

}  // namespace orvan::personal
