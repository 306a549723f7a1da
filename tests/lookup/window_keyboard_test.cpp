// The lookup window from the keyboard: every picture button and clickable logo is named by its
// hint, visited by Tab, and run by Enter, Return or Space as by a click.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <set>

#include "tests/lookup/window_fixture.h"
#include "tests/support/modal_answer.h"

namespace orvan::test {
namespace {

class KeyboardTest : public WindowTest {
  protected:
    void SetUp() override {
        const int engine = lexicon.addEntry("engine", "{engine text}", 1);
        lexicon.addEntry("gear", "{gear text}", 1);
        lexicon.addPersonalEntry(engine, 6, "gasket", "{mine}");
        open(true);
    }

    /// The picture buttons and the clickable logos along the bottom edge.
    std::vector<QWidget*> pictureControls() const {
        std::vector<QWidget*> controls;
        for (QToolButton* button : window->findChildren<QToolButton*>())
            controls.push_back(button);
        controls.push_back(c().partnerDivisionLogo);
        controls.push_back(c().partnerLogo);
        controls.push_back(c().publisherLabel);
        return controls;
    }

    /// Presses `key` on `control` once it has the focus; returns the heading or title that the
    /// start screen it opens shows, after closing it.
    QString openWithKey(QWidget* control, Qt::Key key) {
        QString shown;
        WhenModal([&shown](QWidget* modal) {
            auto* title = modal->findChild<QLabel*>("partnerTitle");
            auto* heading = modal->findChild<QLabel*>("publisherTitle");
            shown = title->isVisible() ? title->text() : heading->text();
            modal->findChild<QPushButton*>("closeButton")->click();
        });
        // The window is active again after the start screen an earlier key opened.
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        control->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(control->hasFocus()) << control->objectName().toStdString();
        QTest::keyClick(control, key);
        return shown;
    }
};

TEST_F(KeyboardTest, EveryPictureControlIsNamedByItsHintAndVisitedByTab) {
    search("e");
    clickRow(0);  // an entry is shown: the edit buttons are enabled
    std::set<QWidget*> visited;
    c().searchField->setFocus();
    for (int press = 0; press < 40; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.insert(QApplication::focusWidget());
    }
    for (QWidget* control : pictureControls()) {
        const std::string name = control->objectName().toStdString();
        EXPECT_FALSE(control->toolTip().isEmpty()) << name;
        EXPECT_EQ(control->accessibleName(), control->toolTip()) << name;
        EXPECT_TRUE(control->focusPolicy() & Qt::TabFocus) << name;
        if (control->isVisible() && control->isEnabled()) {
            EXPECT_TRUE(visited.count(control)) << name << " is not visited by Tab";
        }
    }
    // The background and the rule are decorations.
    EXPECT_EQ(c().backgroundImage->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(c().ruleImage->focusPolicy(), Qt::NoFocus);
}

TEST_F(KeyboardTest, SpaceEnterAndReturnClickAPictureButton) {
    // Each key switches the language once: Enter runs the focused button, not the window's
    // default button.
    bool greek = window->greekMode();
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        c().languageButton->setFocus(Qt::TabFocusReason);
        QTest::keyClick(c().languageButton, key);
        greek = !greek;
        EXPECT_EQ(window->greekMode(), greek) << key;
    }

    c().pinButton->setFocus(Qt::TabFocusReason);
    QTest::keyClick(c().pinButton, Qt::Key_Return);
    EXPECT_TRUE(c().pinButton->isChecked());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(KeyboardTest, EnterOrSpaceOnALogoOpensItsPresentation) {
    EXPECT_EQ(openWithKey(c().partnerDivisionLogo, Qt::Key_Return), "Velmora");
    EXPECT_EQ(openWithKey(c().partnerLogo, Qt::Key_Space), "Calder");
    EXPECT_EQ(openWithKey(c().publisherLabel, Qt::Key_Enter), Q("Τίτλοι"));
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace orvan::test
