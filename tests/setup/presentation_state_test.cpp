// The start screen's presentations without a window: the pages and their slides, the menus'
// selections and what each reads, and the check box's switch of the start screen.
#include <gtest/gtest.h>

#include <filesystem>

#include "setup/presentation_state.h"
#include "tests/support/lexicon_fixture.h"

namespace orvan::test {
namespace {

using setup::kCompanyPage;
using setup::kDivisionPage;
using setup::Presentation;
using setup::PresentationState;

std::string Slides(PresentationState& state, int ticks) {
    std::string slides = std::to_string(state.slide());
    for (int tick = 0; tick < ticks; ++tick) {
        state.nextSlide();
        slides += std::to_string(state.slide());
    }
    return slides;
}

TEST(PresentationState, EachPartnersPageTurnsRoundItsOwnSlides) {
    PresentationState state(Presentation::Partner, kDivisionPage);
    EXPECT_TRUE(state.openedOnPresentation());
    EXPECT_TRUE(state.slidesRun());
    EXPECT_EQ(state.partnerPageFile(), "veltext.rtf");
    EXPECT_EQ(Slides(state, 7), "12345612");
    EXPECT_EQ(state.slideFile(), "02.jpg");
    state.showPartner(kCompanyPage);
    EXPECT_EQ(state.partnerPageFile(), "caldertext.rtf");
    EXPECT_EQ(Slides(state, 4), "78978");
    // Back on the division's page the slides start again at the first.
    state.showPartner(kDivisionPage);
    EXPECT_EQ(state.slide(), 1);
    state.showPublisher();
    EXPECT_FALSE(state.slidesRun());
}

TEST(PresentationState, TheDefaultFaceShowsNoPresentationAndNoSelection) {
    const PresentationState state(Presentation::None, 0);
    EXPECT_FALSE(state.openedOnPresentation());
    EXPECT_EQ(state.presentation(), Presentation::None);
    EXPECT_FALSE(state.slidesRun());
    EXPECT_EQ(state.menuSelection(), 0);
}

TEST(PresentationState, SelectingATitleReadsItsLookThePreviousLookItsPageAndItsCover) {
    PresentationState state(Presentation::Publisher, 0);
    auto first = state.menuChange(1);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->selectedPicture, "menu1c.bmp");
    EXPECT_FALSE(first->previousTag);
    EXPECT_EQ(first->page, "korv1.rtf");
    EXPECT_EQ(first->picture, "korv1.bmp");
    // Nothing is selected until the view has read everything.
    EXPECT_EQ(state.menuSelection(), 0);
    state.select(1);
    const auto third = state.menuChange(3);
    ASSERT_TRUE(third);
    EXPECT_EQ(third->previousTag, 1);
    EXPECT_EQ(third->previousPicture, "menu1.bmp");
    // The selected entry again, or no entry at all, reads nothing.
    EXPECT_FALSE(state.menuChange(1));
    EXPECT_FALSE(state.menuChange(0));
    EXPECT_FALSE(state.menuChange(9));
    EXPECT_FALSE(state.menuChange(16));
}

TEST(PresentationState, TheDetailsHaveNoCoverAndDoNotRestoreATitlesSelection) {
    PresentationState state(Presentation::Publisher, 0);
    state.select(4);
    state.showDetails();
    EXPECT_EQ(state.presentation(), Presentation::Details);
    EXPECT_EQ(state.menuSelection(), 0);
    state.select(4);  // a title selected before the details opened, as far as the menu knows
    const auto change = state.menuChange(12);
    ASSERT_TRUE(change);
    EXPECT_EQ(change->selectedPicture, "menu12c.bmp");
    EXPECT_EQ(change->page, "korv12.rtf");
    EXPECT_FALSE(change->picture);
    EXPECT_FALSE(change->previousTag);
    state.select(12);
    EXPECT_EQ(state.menuChange(15)->previousPicture, "menu12.bmp");
    // The publisher's titles start again with none selected.
    state.showPublisher();
    EXPECT_EQ(state.menuSelection(), 0);
}

class SwitchStartScreenTest : public ::testing::Test {
  protected:
    SwitchStartScreenTest() { context.settingsPath = config.file("Orvan.ini"); }
    TempFolder config;
    setup::StartScreenContext context;
};

TEST_F(SwitchStartScreenTest, ItSwitchesOffAndOnAgainKeepingTheFolderLine) {
    config.write("Orvan.ini", "YES\r\n/home/ann/Orvan\r\n");
    setup::SwitchStartScreen(context);
    EXPECT_FALSE(context.showStartScreen);
    EXPECT_EQ(config.read("Orvan.ini"), "NO\r\n/home/ann/Orvan\r\n");
    setup::SwitchStartScreen(context);
    EXPECT_TRUE(context.showStartScreen);
    EXPECT_EQ(config.read("Orvan.ini"), "YES\r\n/home/ann/Orvan\r\n");
}

TEST_F(SwitchStartScreenTest, WithoutASettingsFileItOnlySwitchesOff) {
    context.showStartScreen = false;
    setup::SwitchStartScreen(context);
    EXPECT_FALSE(context.showStartScreen);
    EXPECT_EQ(config.read("Orvan.ini"), "NO\r\n");
    setup::StartScreenContext nowhere;
    setup::SwitchStartScreen(nowhere);
    EXPECT_FALSE(nowhere.showStartScreen);
}

}  // namespace
}  // namespace orvan::test
