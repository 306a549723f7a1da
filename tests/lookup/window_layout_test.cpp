// The window's room: no control covers another at any size it can take, the user moves the
// border between the list and the pane, and the window comes back as it was left.
#include <QApplication>
#include <QLayout>
#include <QTest>
#include <algorithm>

#include "lookup/entries_list.h"
#include "lookup/text_size.h"
#include "platform/control_overlap.h"
#include "platform/divider_handle.h"
#include "platform/interface_language.h"
#include "richtext/rich_text_view.h"
#include "tests/lookup/window_fixture.h"

namespace orvan::test {
namespace {

class LayoutTest : public WindowTest {
  protected:
    void SetUp() override {
        for (int i = 0; i < 40; ++i)
            lexicon.addEntry("word" + std::to_string(i), "{\\b word} a word", 1);
        open();
        search("word");
        designed = platform::Overlaps(window.get(), backdrops());
    }

    std::vector<const QWidget*> backdrops() const { return {c().backgroundImage, c().ruleImage}; }
    // Controls that touch as they were laid out, and may go on touching: the history's arrow
    // and its list button, the search field and the hidden default button inside it.
    std::vector<platform::Overlap> designed;

    /// What is wrong with the window at its present size: two controls that cover each other,
    /// or a list or pane with no room; empty when nothing is.
    std::string problemsNow() const {
        for (const platform::Overlap& overlap : platform::Overlaps(window.get(), backdrops())) {
            if (std::find(designed.begin(), designed.end(), overlap) != designed.end()) continue;
            return overlap.first->objectName().toStdString() + " covers " +
                   overlap.second->objectName().toStdString();
        }
        const QRect list = c().entriesList->geometry();
        const QRect pane = c().descriptionView->geometry();
        if (list.height() < c().entriesList->minimumSizeHint().height()) return "list too low";
        if (pane.width() < c().descriptionView->minimumSizeHint().width()) return "pane too narrow";
        if (pane.height() < c().descriptionView->minimumSizeHint().height()) return "pane too low";
        // The list and the pane share the width between the left edge and the command column.
        if (pane.left() - list.right() > 4 || c().ownEntriesButton->x() - pane.right() > 6)
            return "room left unused";
        return {};
    }

    void expectClearFromTheSmallestSizeUp(const char* what) {
        const QSize smallest = window->minimumSize();
        for (int width = smallest.width(); width <= 1700; width += 97) {
            for (int height = smallest.height(); height <= 1100; height += 67) {
                window->resize(width, height);
                QApplication::processEvents();
                ASSERT_EQ(problemsNow(), "") << what << " at " << width << "x" << height;
            }
        }
    }

    void dragDivider(int by) {
        platform::DividerHandle* divider = c().listDivider;
        // The handle moves as it is dragged: each point is taken from where it was pressed.
        const QPoint pressed = divider->mapToGlobal(divider->rect().center());
        const auto at = [divider, pressed](int offset) {
            return divider->mapFromGlobal(pressed + QPoint(offset, 0));
        };
        QTest::mousePress(divider, Qt::LeftButton, {}, at(0));
        QTest::mouseMove(divider, at(by / 2));
        QTest::mouseRelease(divider, Qt::LeftButton, {}, at(by));
    }
};

TEST_F(LayoutTest, TheSmallestSizeIsWhereTheControlsStillKeepClear) {
    const std::vector<platform::Overlap> laidOutTouching{{c().backMenuButton, c().forwardButton},
                                                         {c().searchField, c().fillListButton}};
    EXPECT_EQ(designed, laidOutTouching);
    const QSize smallest = window->minimumSize();
    EXPECT_LE(smallest.width(), lookup::kFirstWidth);
    EXPECT_LE(smallest.height(), lookup::kFirstHeight);
    window->resize(10, 10);
    EXPECT_EQ(window->size(), smallest);
    // One pixel less on either side and two controls meet.
    for (const QSize less : {smallest - QSize(1, 0), smallest - QSize(0, 1)}) {
        window->layout()->setGeometry(QRect({}, less));
        EXPECT_NE(problemsNow(), "") << less.width() << "x" << less.height();
    }
    window->layout()->setGeometry(window->rect());
}

TEST_F(LayoutTest, NoControlCoversAnotherAtAnySize) {
    expectClearFromTheSmallestSizeUp("first text size");
    window->setTextSizeStep(lookup::kLargestTextSizeStep);
    expectClearFromTheSmallestSizeUp("largest text");
    window->setTextSizeStep(lookup::kFirstTextSizeStep);
    window->resize(lookup::kFirstWidth, lookup::kFirstHeight);
    dragDivider(5000);
    expectClearFromTheSmallestSizeUp("widest list");
    dragDivider(-5000);
    expectClearFromTheSmallestSizeUp("narrowest list");
}

TEST_F(LayoutTest, TheBorderBetweenListAndPaneMovesWithItsHandleAndIsKept) {
    const QRect list = c().entriesList->geometry();
    const QRect pane = c().descriptionView->geometry();
    dragDivider(60);
    EXPECT_EQ(c().entriesList->width(), list.width() + 60);
    EXPECT_EQ(c().searchField->width(), list.width() + 60);
    EXPECT_EQ(c().descriptionView->x(), pane.x() + 60);
    EXPECT_EQ(c().descriptionView->geometry().right(), pane.right());
    EXPECT_EQ(c().headwordLabel->x(), pane.x() + 60);
    EXPECT_EQ(c().listDivider->x(), list.right() + 61);
    // The pane never gives up more than the least it can show.
    dragDivider(5000);
    EXPECT_EQ(c().descriptionView->width(), c().descriptionView->minimumSizeHint().width());
    dragDivider(-5000);
    EXPECT_EQ(c().entriesList->width(), c().entriesList->minimumSizeHint().width());
    dragDivider(90 + list.width() - c().entriesList->width());
    ASSERT_EQ(c().entriesList->width(), list.width() + 90);
    window->close();

    create();
    show();
    EXPECT_EQ(c().entriesList->width(), list.width() + 90);
    // A window made narrower takes the room from the pane, then from the list, and gives it
    // back when widened.
    dragDivider(5000);
    const int widest = c().entriesList->width();
    window->resize(window->minimumWidth(), window->height());
    EXPECT_EQ(c().entriesList->width(), widest - (lookup::kFirstWidth - window->minimumWidth()));
    window->resize(lookup::kFirstWidth, lookup::kFirstHeight);
    EXPECT_EQ(c().entriesList->width(), widest);
}

TEST_F(LayoutTest, TheWindowComesBackAtTheSizeItWasLeftAt) {
    window->resize(700, 420);
    QApplication::processEvents();
    window->close();
    EXPECT_FALSE(window->windowSettings().geometry().isEmpty());

    create();
    show();
    EXPECT_EQ(window->size(), QSize(700, 420));
    window->showMaximized();
    QApplication::processEvents();
    const bool maximised = window->isMaximized();
    window->close();

    create();
    show();
    EXPECT_EQ(window->isMaximized(), maximised);
}

TEST_F(LayoutTest, AKeptGeometryThatCannotBeReadGivesTheFirstSize) {
    window->close();
    ASSERT_TRUE(platform::StoreSetting(window->windowSettings().path(),
                                       QStringLiteral("window/geometry"), QByteArray("garbage")));
    create();
    show();
    EXPECT_EQ(window->size(), QSize(lookup::kFirstWidth, lookup::kFirstHeight));
}

}  // namespace
}  // namespace orvan::test
