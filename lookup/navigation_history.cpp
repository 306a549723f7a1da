#include "lookup/navigation_history.h"

#include <algorithm>

namespace orvan::lookup {

void NavigationHistory::record(const std::string& caption, int slot) {
    if (!caption_.empty()) {
        const auto same = std::find_if(back_.begin(), back_.end(),
                                       [this](const HistoryItem& i) { return i.slot == slot_; });
        if (same != back_.end()) back_.erase(same);
        back_.push_front(item(caption_, slot_));
        if (back_.size() > kBackListLimit) back_.pop_back();
    }
    caption_ = caption;
    slot_ = slot;
}

void NavigationHistory::back(const ShowItem& show) {
    if (back_.empty()) return;
    show(HistoryItem(back_.front()));
    // Showing has recorded the entry left behind on top of the back list.
    if (back_.empty()) return;
    forward_.push_front(item(back_.front().caption, back_.front().slot));
    for (int i = 0; i < 2 && !back_.empty(); ++i)
        back_.pop_front();
}

void NavigationHistory::forward(const ShowItem& show) {
    if (forward_.empty()) return;
    show(HistoryItem(forward_.front()));
    if (!forward_.empty()) forward_.pop_front();
}

void NavigationHistory::chooseBack(std::size_t index, const ShowItem& show) {
    if (index >= back_.size()) return;
    const HistoryItem chosen = back_[index];
    show(chosen);
    forward_.clear();
    // Recording may already have taken it out, when its slot was the one left behind.
    const auto still = std::find_if(back_.begin(), back_.end(),
                                    [&](const HistoryItem& i) { return i.id == chosen.id; });
    if (still != back_.end()) back_.erase(still);
}

void NavigationHistory::chooseForward(std::size_t index, const ShowItem& show) {
    if (index >= forward_.size()) return;
    show(HistoryItem(forward_[index]));
    forward_.clear();
}

void NavigationHistory::remapSlots(const std::function<int(int)>& newSlot) {
    for (std::deque<HistoryItem>* items : {&back_, &forward_}) {
        for (HistoryItem& item : *items)
            item.slot = newSlot(item.slot);
        std::erase_if(*items, [](const HistoryItem& item) { return item.slot == 0; });
    }
    if (caption_.empty()) return;
    slot_ = newSlot(slot_);
    if (slot_ == 0) caption_.clear();  // the entry shown is gone: nothing to go back to
}

}  // namespace orvan::lookup
