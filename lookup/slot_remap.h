// Table slots last only until the next reload: after one, what the window lists and remembers is
// found again by entry number, the one thing that names an entry across reloads.
#pragma once

#include <vector>

#include "lexicon/tables.h"

namespace orvan::lookup {

class SlotRemap {
  public:
    /// \brief Maps the slots of `before` to the slots of the same entries in `after`.
    SlotRemap(const EntryTable& before, const EntryTable& after);

    /// \brief The slot in the new tables of the entry that was in `oldSlot`; 0 when that entry
    /// is gone (or `oldSlot` held none).
    int operator()(int oldSlot) const;

  private:
    std::vector<int> numberOfOldSlot_;
    std::vector<int> newSlotOfNumber_;
};

}  // namespace orvan::lookup
