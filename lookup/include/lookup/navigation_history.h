// The lookup window's history of viewed entries: the entry shown last, the back list (most recent
// first, at most 15) and the forward list (nearest first), with the moves of the back and forward
// buttons and of their pop-up lists. Plain C++: the window draws the lists as menus and supplies
// the way an item is shown again.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>

namespace orvan::lookup {

/// One remembered entry: its list text as the list showed it (code page 1253, " *" for a
/// personal entry) and its entry number, which names it across reloads of the tables. `id`
/// tells apart items of the same entry.
struct HistoryItem {
    std::string caption;
    long long number = 0;
    std::uint64_t id = 0;
};

inline constexpr std::size_t kBackListLimit = 15;

class NavigationHistory {
  public:
    /// Shows an item again; in the window this fills the list with that entry alone and shows
    /// it, which records it.
    using ShowItem = std::function<void(const HistoryItem&)>;

    /// \brief Every display ends here with the shown entry: the entry shown before it moves to
    /// the top of the back list (an earlier item with its slot leaves the list).
    void record(const std::string& caption, long long number);

    /// One step back: the entry left behind heads the forward list.
    void back(const ShowItem& show);
    /// One step forward.
    void forward(const ShowItem& show);
    /// An item chosen from the back list (`index` from the top); the forward list is emptied.
    void chooseBack(std::size_t index, const ShowItem& show);
    /// An item chosen from the forward list; the forward list is emptied.
    void chooseForward(std::size_t index, const ShowItem& show);
    /// The searches started by the user empty the forward list.
    void clearForward() { forward_.clear(); }

    /// \brief After the tables were read again: `follow` tells each remembered item where its
    /// entry is now (its number and caption), or nothing when it is gone; gone items leave the
    /// lists, and when the entry shown is gone there is no entry shown last.
    using Follow = std::function<std::optional<HistoryItem>(const HistoryItem&)>;
    void follow(const Follow& follow);

    /// \brief The entry shown last is shown again under `caption` (a saved change of it): no
    /// step is recorded.
    void renameCurrent(const std::string& caption) { caption_ = caption; }

    const std::deque<HistoryItem>& backItems() const { return back_; }
    const std::deque<HistoryItem>& forwardItems() const { return forward_; }
    const std::string& currentCaption() const { return caption_; }
    long long currentNumber() const { return number_; }

  private:
    HistoryItem item(const std::string& caption, long long number) {
        return {caption, number, ++lastId_};
    }

    std::string caption_;
    long long number_ = 0;
    std::deque<HistoryItem> back_;
    std::deque<HistoryItem> forward_;
    std::uint64_t lastId_ = 0;
};

}  // namespace orvan::lookup
