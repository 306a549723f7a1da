#include "lookup/slot_remap.h"

namespace orvan::lookup {

SlotRemap::SlotRemap(const EntryTable& before, const EntryTable& after)
    : numberOfOldSlot_(static_cast<size_t>(before.Count()) + 1, 0), newSlotOfNumber_(65536, 0) {
    for (int slot = 1; slot <= before.Count(); ++slot)
        numberOfOldSlot_[static_cast<size_t>(slot)] = before[slot].Number;
    for (int slot = after.Count(); slot >= 1; --slot)
        newSlotOfNumber_[after[slot].Number] = slot;
}

int SlotRemap::operator()(int oldSlot) const {
    if (oldSlot < 1 || oldSlot >= static_cast<int>(numberOfOldSlot_.size())) return 0;
    return newSlotOfNumber_[static_cast<size_t>(numberOfOldSlot_[static_cast<size_t>(oldSlot)])];
}

}  // namespace orvan::lookup
