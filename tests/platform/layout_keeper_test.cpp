// The desktop's layouts while the program is active and after: the language's layout in, the
// person's layout back out.
#include "platform/layout_keeper.h"

#include <gtest/gtest.h>

#include <memory>

namespace orvan::platform {
namespace {

class Layouts final : public KeyboardLayouts {
  public:
    explicit Layouts(std::vector<std::string> names, int active)
        : names_(std::move(names)), active_(active) {}
    std::vector<std::string> names() const override { return names_; }
    void activate(int index) override {
        active_ = index;
        ++switches;
    }
    int active() const override { return active_; }
    int switches = 0;

  private:
    std::vector<std::string> names_;
    int active_;
};

TEST(LayoutKeeper, TheLanguagesLayoutWhileActiveAndThePersonsAfter) {
    Layouts layouts({"English (US)", "Greek"}, 0);
    auto keeper = std::make_unique<LayoutKeeper>(layouts);
    EXPECT_TRUE(keeper->hasGreekLayout());
    EXPECT_FALSE(keeper->greekActive());
    // Not active: the language changes, the desktop's layout does not.
    keeper->languageChanged(true);
    EXPECT_EQ(layouts.active(), 0);
    keeper->activated(true);
    EXPECT_EQ(layouts.active(), 1);
    keeper->deactivated();
    EXPECT_EQ(layouts.active(), 0);
    keeper->deactivated();  // twice changes nothing
    EXPECT_EQ(layouts.active(), 0);
    // The person works in Greek elsewhere; the program's English is only its own.
    layouts.activate(1);
    keeper->activated(false);
    EXPECT_EQ(layouts.active(), 0);
    keeper->languageChanged(true);
    keeper->languageChanged(false);
    keeper->activated(false);  // another of the program's windows: still the person's Greek
    keeper->deactivated();
    EXPECT_EQ(layouts.active(), 1);
    // At the end too.
    layouts.activate(0);
    keeper->activated(true);
    EXPECT_EQ(layouts.active(), 1);
    keeper.reset();
    EXPECT_EQ(layouts.active(), 0);
}

TEST(LayoutKeeper, APersonsOwnSwitchIsLeftAsTheyChoseIt) {
    Layouts layouts({"English (US)", "Greek", "German"}, 2);
    LayoutKeeper keeper(layouts);
    keeper.activated(true);
    EXPECT_EQ(layouts.active(), 1);
    layouts.activate(0);  // the person's shortcut, inside the program
    keeper.deactivated();
    EXPECT_EQ(layouts.active(), 0);
}

TEST(LayoutKeeper, WithoutTheLanguagesLayoutNothingChanges) {
    Layouts layouts({"English (US)"}, 0);
    LayoutKeeper keeper(layouts);
    EXPECT_FALSE(keeper.hasGreekLayout());
    EXPECT_FALSE(keeper.greekActive());
    keeper.activated(true);
    keeper.deactivated();
    EXPECT_EQ(layouts.switches, 0);
    Layouts none({}, -1);
    LayoutKeeper nothing(none);
    nothing.activated(false);
    nothing.deactivated();
    EXPECT_EQ(none.switches, 0);
}

TEST(LayoutKeeper, StartsGreekWhenTheGreekLayoutIsActive) {
    Layouts layouts({"Greek", "English (US)"}, 0);
    EXPECT_TRUE(LayoutKeeper(layouts).greekActive());
    layouts.activate(1);
    EXPECT_FALSE(LayoutKeeper(layouts).greekActive());
}

}  // namespace
}  // namespace orvan::platform
