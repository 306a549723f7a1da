// The back and forward moves of the history, with a stand-in for the window that shows an item
// again by recording it, as the window's display does.
#include "lookup/navigation_history.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace orvan::lookup {
namespace {

class NavigationHistoryTest : public ::testing::Test {
  protected:
    void view(const std::string& caption) { history.record(caption, numbers.at(caption)); }

    NavigationHistory::ShowItem show() {
        return [this](const HistoryItem& item) {
            shown.push_back(item.caption);
            history.record(item.caption, item.number);
        };
    }

    static std::vector<std::string> captions(const std::deque<HistoryItem>& items) {
        std::vector<std::string> captions;
        for (const HistoryItem& item : items)
            captions.push_back(item.caption);
        return captions;
    }
    std::vector<std::string> back() const { return captions(history.backItems()); }
    std::vector<std::string> forward() const { return captions(history.forwardItems()); }

    NavigationHistory history;
    std::map<std::string, long long> numbers{{"A", 1}, {"B", 2}, {"C", 3}, {"D", 4}, {"mine *", 9}};
    std::vector<std::string> shown;
};

TEST_F(NavigationHistoryTest, RecordingMovesTheEntryLeftBehindToTheTop) {
    view("A");
    EXPECT_TRUE(back().empty());  // the first entry adds nothing
    view("B");
    view("A");
    EXPECT_EQ(back(), (std::vector<std::string>{"B", "A"}));
    EXPECT_EQ(history.currentCaption(), "A");
    view("A");  // the same item twice: it is in the back list while it is shown
    EXPECT_EQ(back(), (std::vector<std::string>{"A", "B"}));
}

TEST_F(NavigationHistoryTest, TheBackListHoldsAtMostFifteen) {
    for (int i = 0; i < 17; ++i)
        history.record("entry " + std::to_string(i), 100 + i);
    ASSERT_EQ(history.backItems().size(), kBackListLimit);
    EXPECT_EQ(back().front(), "entry 15");
    EXPECT_EQ(back().back(), "entry 1");  // entry 0 is gone
}

TEST_F(NavigationHistoryTest, BackThenForwardReturnsToTheSameState) {
    view("A");
    view("B");
    view("C");
    history.back(show());
    EXPECT_EQ(history.currentCaption(), "B");
    EXPECT_EQ(back(), (std::vector<std::string>{"A"}));
    EXPECT_EQ(forward(), (std::vector<std::string>{"C"}));
    history.forward(show());
    EXPECT_EQ(history.currentCaption(), "C");
    EXPECT_EQ(back(), (std::vector<std::string>{"B", "A"}));
    EXPECT_TRUE(forward().empty());
    EXPECT_EQ(shown, (std::vector<std::string>{"B", "C"}));
}

TEST_F(NavigationHistoryTest, BackTwiceThenANewSearchEmptiesTheForwardList) {
    for (const char* caption : {"A", "B", "C", "D"})
        view(caption);
    history.back(show());
    history.back(show());
    EXPECT_EQ(history.currentCaption(), "B");
    EXPECT_EQ(forward(), (std::vector<std::string>{"C", "D"}));
    history.clearForward();
    EXPECT_TRUE(forward().empty());
    history.back(show());
    history.back(show());  // the back list has run empty: nothing happens
    EXPECT_EQ(history.currentCaption(), "A");
    EXPECT_EQ(forward(), (std::vector<std::string>{"B"}));
}

TEST_F(NavigationHistoryTest, ChoosingFromTheListsJumpsAndEmptiesTheForwardList) {
    for (const char* caption : {"A", "B", "C", "D"})
        view(caption);
    history.back(show());
    EXPECT_EQ(back(), (std::vector<std::string>{"B", "A"}));
    history.chooseBack(1, show());  // A: the items above it stay
    EXPECT_EQ(history.currentCaption(), "A");
    EXPECT_EQ(back(), (std::vector<std::string>{"C", "B"}));
    EXPECT_TRUE(forward().empty());

    view("D");
    history.back(show());
    history.back(show());
    EXPECT_EQ(history.currentCaption(), "C");
    EXPECT_EQ(forward(), (std::vector<std::string>{"A", "D"}));
    history.chooseForward(1, show());
    EXPECT_EQ(history.currentCaption(), "D");
    EXPECT_TRUE(forward().empty());
}

TEST_F(NavigationHistoryTest, AChosenItemOfTheEntryLeftBehindIsRemovedOnce) {
    view("A");
    view("B");
    view("A");
    view("B");  // back list: A, B
    // B, while B is shown: recording takes the chosen item out and puts B back on top; the
    // chosen item is not looked for a second time.
    history.chooseBack(1, show());
    EXPECT_EQ(history.currentCaption(), "B");
    EXPECT_EQ(back(), (std::vector<std::string>{"B", "A"}));
}

TEST_F(NavigationHistoryTest, FollowingEntriesDropsTheGoneAndRenamesTheMoved) {
    for (const char* caption : {"A", "B", "C", "D"})
        view(caption);
    history.back(show());  // C shown; back: B, A; forward: D
    // B is gone; A has a new number and caption; C, shown, stays.
    history.follow([](const HistoryItem& item) -> std::optional<HistoryItem> {
        if (item.caption == "B") return std::nullopt;
        HistoryItem moved = item;
        if (item.caption == "A") moved = {"A2", 11, item.id};
        return moved;
    });
    EXPECT_EQ(back(), (std::vector<std::string>{"A2"}));
    EXPECT_EQ(history.backItems().front().number, 11);
    EXPECT_EQ(forward(), (std::vector<std::string>{"D"}));
    EXPECT_EQ(history.currentCaption(), "C");

    // The entry shown is gone: the next entry viewed adds nothing to the back list.
    history.follow([](const HistoryItem& item) -> std::optional<HistoryItem> {
        if (item.caption == "C") return std::nullopt;
        return item;
    });
    EXPECT_EQ(history.currentCaption(), "");
    // Back with no entry left behind: the entry shown leaves the back list, nothing goes
    // forward but what was there.
    history.back(show());
    EXPECT_EQ(history.currentCaption(), "A2");
    EXPECT_TRUE(back().empty());
    EXPECT_EQ(forward(), (std::vector<std::string>{"D"}));
}

}  // namespace
}  // namespace orvan::lookup
