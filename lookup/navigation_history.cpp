#include "lookup/navigation_history.h"

#include <algorithm>

namespace orvan::lookup {

void NavigationHistory::record(const std::string& caption, long long number) {
    if (!caption_.empty()) {
        const auto same = std::find_if(back_.begin(), back_.end(), [this](const HistoryItem& i) {
            return i.number == number_;
        });
        if (same != back_.end()) back_.erase(same);
        back_.push_front(item(caption_, number_));
        if (back_.size() > kBackListLimit) back_.pop_back();
    }
    caption_ = caption;
    number_ = number;
}

void NavigationHistory::back(const ShowItem& show) {
    if (back_.empty()) return;
    // When the entry shown last is gone (deleted), no entry is left behind.
    const bool leaving = !caption_.empty();
    show(HistoryItem(back_.front()));
    if (back_.empty()) return;
    if (!leaving) {
        back_.pop_front();  // the entry now shown
        return;
    }
    // Showing has recorded the entry left behind on top of the back list.
    forward_.push_front(item(back_.front().caption, back_.front().number));
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
    // Recording may already have taken it out, when it was the entry left behind.
    const auto still = std::find_if(back_.begin(), back_.end(),
                                    [&](const HistoryItem& i) { return i.id == chosen.id; });
    if (still != back_.end()) back_.erase(still);
}

void NavigationHistory::chooseForward(std::size_t index, const ShowItem& show) {
    if (index >= forward_.size()) return;
    show(HistoryItem(forward_[index]));
    forward_.clear();
}

void NavigationHistory::follow(const Follow& follow) {
    for (std::deque<HistoryItem>* items : {&back_, &forward_}) {
        std::deque<HistoryItem> kept;
        for (const HistoryItem& each : *items) {
            if (std::optional<HistoryItem> now = follow(each)) kept.push_back(std::move(*now));
        }
        *items = std::move(kept);
    }
    if (caption_.empty()) return;
    const std::optional<HistoryItem> shown = follow({caption_, number_, 0});
    // The entry shown is gone: nothing to go back to.
    caption_ = shown ? shown->caption : std::string();
    number_ = shown ? shown->number : 0;
}

}  // namespace orvan::lookup
