// What the user is told when the personal store does not make a change, in the program's
// language: the texts are marked for translation and translated by the window that shows them.
// The store's own reasons stay in English for the command line.
#pragma once

#include <string>

#include "lexicon/interface_text.h"
#include "personal/personal_store.h"

namespace orvan::personal {

/// \brief The message for a result that is not Done; empty for Done and NothingToDo, which need
/// none.
InterfaceText StoreMessageText(StoreStatus status);

/// \brief What the message's details add: the entry or the folder concerned, and the file the
/// system refused with the system's reason; empty when there is nothing to add.
InterfaceText StoreDetailsText(const StoreResult& result);

/// \brief What the entry editor shows under the description for `room`, as DescriptionRoomLeft
/// gives it: how many characters still fit, or by how many the description is too long.
InterfaceText DescriptionRoomMessage(long long room);

/// \brief The same texts in Greek, with their arguments in place (UTF-8).
///
///     StoreDetails({StoreStatus::EntryChanged, "...", 35002}) == "Αριθμός λήμματος: 35002"
///     DescriptionRoomText(12) == "Χωρούν ακόμη 12 χαρακτήρες."
std::string StoreMessage(StoreStatus status);
std::string StoreDetails(const StoreResult& result);
std::string DescriptionRoomText(long long room);

}  // namespace orvan::personal
