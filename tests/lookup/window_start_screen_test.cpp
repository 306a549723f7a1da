// The start screen as the lookup window opens it: at start-up while the settings ask for it,
// and on the partner's or the publisher's presentation from the window's logos.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "tests/lookup/window_fixture.h"
#include "tests/support/modal_answer.h"

namespace orvan::test {
namespace {

/// What the start screen showed when it opened.
struct Seen {
    QString button, title, heading;
    bool titleShown = false;
};

class StartScreenOpenersTest : public WindowTest {
  protected:
    void SetUp() override { open(); }

    /// Clicks `opener` and closes the start screen it opens, ticking the check box first when
    /// `tick`; returns what the start screen showed.
    Seen clickAndClose(QWidget* opener, bool tick = false) {
        Seen seen;
        WhenModal([&seen, tick](QWidget* modal) {
            ASSERT_EQ(modal->objectName(), "StartScreen");
            auto* close = modal->findChild<QPushButton*>("closeButton");
            seen.button = close->text();
            seen.title = modal->findChild<QLabel*>("partnerTitle")->text();
            seen.titleShown = modal->findChild<QLabel*>("partnerTitle")->isVisible();
            seen.heading = modal->findChild<QLabel*>("publisherTitle")->isVisible()
                               ? modal->findChild<QLabel*>("publisherTitle")->text()
                               : QString();
            if (tick) modal->findChild<QCheckBox*>("hideCheckBox")->setChecked(true);
            close->click();
        });
        QTest::mouseClick(opener, Qt::LeftButton, {}, {3, 3});
        return seen;
    }
    std::string settings() const { return home.read(".config/Orvan.ini"); }
};

TEST_F(StartScreenOpenersTest, ThePartnersLogosOpenTheirPagesAndThePublishersNameItsTitles) {
    Seen company = clickAndClose(c().partnerLogo);
    EXPECT_EQ(company.button, Q("Επιστροφή"));
    EXPECT_EQ(company.title, "Calder");
    EXPECT_TRUE(company.titleShown);
    Seen division = clickAndClose(c().partnerDivisionLogo);
    EXPECT_EQ(division.title, "Velmora");
    Seen publisher = clickAndClose(c().publisherLabel);
    EXPECT_EQ(publisher.button, Q("Επιστροφή"));
    EXPECT_FALSE(publisher.titleShown);
    EXPECT_EQ(publisher.heading, Q("Τίτλοι"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->quitRequested());
}

TEST_F(StartScreenOpenersTest, TheCheckBoxThereSwitchesTheStartScreenBackOn) {
    ASSERT_EQ(settings(), "NO\r\n");
    ASSERT_FALSE(window->showStartScreen());
    clickAndClose(c().publisherLabel, true);
    EXPECT_TRUE(window->showStartScreen());
    EXPECT_EQ(settings(), "YES\r\n");
    clickAndClose(c().partnerDivisionLogo, true);
    EXPECT_FALSE(window->showStartScreen());
    EXPECT_EQ(settings(), "NO\r\n");
    // Without the tick nothing is written.
    clickAndClose(c().partnerLogo);
    EXPECT_EQ(settings(), "NO\r\n");
}

}  // namespace
}  // namespace orvan::test
