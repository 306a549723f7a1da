// Showing entries in the pane, their figures, the history of what was shown, and the hidden
// commands that prepare a lexicon release.
#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTextCursor>
#include <QToolButton>

#include "lookup/entries_list.h"
#include "richtext/rich_text_view.h"
#include "tests/lookup/window_fixture.h"

namespace orvan::test {
namespace {

class DisplayTest : public WindowTest {
  protected:
    void SetUp() override {
        const int engine = lexicon.addEntry("engine", "{\\b engine} motor", 1, "MECH");
        lexicon.addGreek(engine, Cp("μηχανή"));
        const int lever = lexicon.addEntry(
            "lever", RtfEscaped(Cp("{a bar [Σχήμα 1] and [Σχήμα 12] and [Σχήμα 3]}")), 1, "ODD");
        lexicon.addGreek(lever, Cp("μοχλός"));
        lexicon.addPersonalEntry(lever, 100, "lever arm", "{my arm}");
        lexicon.addSupplement(engine, "{my note}");
        lexicon.addField("MECH", Cp("Μηχανολογία"));
        for (int i = 0; i < 20; ++i)
            lexicon.addEntry("word" + std::to_string(i));
        open(true);
    }

    int slotOf(const std::string& headword) const {
        for (int slot = 1; slot <= window->tables().entries.count(); ++slot)
            if (window->tables().entries[slot].headword == headword) return slot;
        return 0;
    }

    // Shows the entry with `headword` by searching for it and clicking the first row.
    void view(const QString& headword) {
        search(headword);
        clickRow(0);
    }

    std::vector<QString> captions(QMenu* menu) const {
        std::vector<QString> captions;
        for (QAction* action : menu->actions())
            captions.push_back(action->text());
        return captions;
    }
    std::vector<std::string> backCaptions() const {
        std::vector<std::string> captions;
        for (const auto& item : window->history().backItems())
            captions.push_back(item.caption);
        return captions;
    }
    std::vector<std::string> forwardCaptions() const {
        std::vector<std::string> captions;
        for (const auto& item : window->history().forwardItems())
            captions.push_back(item.caption);
        return captions;
    }
    QString description() const { return c().descriptionView->plainText(); }

    // Draws the picture of figure `digit` of "lever" into content/.
    bool saveLeverFigure(char digit) const {
        QDir().mkpath("content");
        const int number = window->tables().entries[slotOf("lever")].number;
        QPixmap figure(50, 30);
        figure.fill(Qt::darkGreen);
        return figure.save(QString("content/fig%1%2.bmp").arg(number).arg(digit));
    }
};

TEST_F(DisplayTest, ALexiconEntryShowsItsHeadwordRenderingScienceAndDescription) {
    view("engine");
    EXPECT_EQ(c().headwordLabel->text(), "engine");
    EXPECT_EQ(c().renderingField->text(), Q("μηχανή"));
    EXPECT_EQ(c().renderingField->toolTip(), Q("Ελληνική Απόδοση"));
    EXPECT_EQ(c().scienceField->text(), Q("Μηχανολογία"));
    EXPECT_TRUE(c().modifyEntryButton->isEnabled());
    EXPECT_TRUE(c().deleteEntryButton->isEnabled());  // its supplement can be removed
    // An annotated entry: the description, the heading, then the user's supplement.
    EXPECT_EQ(description(), Q("  engine motor \nΣυμπλήρωση δική σας: \nmy note "));
}

TEST_F(DisplayTest, APersonalEntryCanBeDeletedAndAnUnknownScienceShowsItsCode) {
    view("lever a");
    EXPECT_EQ(c().entriesList->itemText(0), "lever arm *");
    EXPECT_TRUE(c().deleteEntryButton->isEnabled());
    EXPECT_TRUE(description().contains("my arm"));
    view("lever");
    EXPECT_EQ(c().scienceField->text(), "ODD");
    EXPECT_FALSE(c().deleteEntryButton->isEnabled());
}

TEST_F(DisplayTest, InGreekTheHeadwordsSwapPlaces) {
    view(Q("μηχ"));
    EXPECT_EQ(c().headwordLabel->text(), Q("μηχανή"));
    EXPECT_EQ(c().renderingField->text(), "engine");
    EXPECT_EQ(c().renderingField->toolTip(), Q("Αγγλική Απόδοση"));
}

TEST_F(DisplayTest, AnUnreadableDescriptionEmptiesThePane) {
    view("engine");
    ASSERT_FALSE(description().isEmpty());
    ASSERT_TRUE(QFile::remove(QString::fromStdString(personal.file("clex.tbo"))));
    view("lever a");
    EXPECT_EQ(c().headwordLabel->text(), "lever arm");
    EXPECT_EQ(description(), "");
}

TEST_F(DisplayTest, AFigureLinkOpensTheEntrysFigureNearThePress) {
    ASSERT_TRUE(saveLeverFigure('2'));
    view("lever");

    richtext::RichTextView* view = c().descriptionView;
    const QString text = view->plainText();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(30, 10));
    // Selecting "Σχήμα" in "[Σχήμα 12]" widens to the whole link; the digit before "]" is 2.
    const int word = static_cast<int>(text.indexOf(Q("Σχήμα 12")));
    view->setSelection(word, 5);
    EXPECT_EQ(view->selectedText(), Q("[Σχήμα 12]"));
    ASSERT_TRUE(c().figurePanel->isVisible());
    EXPECT_EQ(c().figurePanel->size(), QSize(54, 34));
    EXPECT_EQ(c().figurePanel->pos(), QPoint(216 + 30, 132 + 10));
    EXPECT_EQ(c().figureImage->pixmap().size(), QSize(50, 30));
    // A click on the picture hides it.
    QTest::mouseClick(c().figureImage, Qt::LeftButton);
    EXPECT_FALSE(c().figurePanel->isVisible());
}

TEST_F(DisplayTest, AClickInTheListThatClosesTheFigureShowsTheClickedEntry) {
    ASSERT_TRUE(saveLeverFigure('1'));
    search("lever");
    clickRow(0);
    ASSERT_EQ(c().headwordLabel->text(), "lever");

    // The user double-clicks the link's word, as one does.
    richtext::RichTextView* view = c().descriptionView;
    QTextCursor cursor(view->document());
    cursor.setPosition(static_cast<int>(view->plainText().indexOf(Q("Σχήμα 1]"))) + 2);
    const QPoint word = view->cursorRect(cursor).center();
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, word);
    ASSERT_TRUE(c().figurePanel->isVisible());

    clickRow(1);
    EXPECT_FALSE(c().figurePanel->isVisible());
    EXPECT_EQ(c().headwordLabel->text(), "lever arm");
    clickRow(0);
    EXPECT_EQ(c().headwordLabel->text(), "lever");
}

TEST_F(DisplayTest, APressWhoseReleaseWentElsewhereDoesNotStopTheList) {
    search("word");
    lookup::EntriesList* list = c().entriesList;
    const QRect first = list->visualRect(list->model()->index(0, 0));
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, first.center());
    // The release never comes to the list; the keys and the next click still choose.
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(c().headwordLabel->text(), "word1");
    clickRow(3);
    EXPECT_EQ(c().headwordLabel->text(), "word3");
}

TEST_F(DisplayTest, EscapeClosesTheFigure) {
    ASSERT_TRUE(saveLeverFigure('3'));
    view("lever");
    richtext::RichTextView* view = c().descriptionView;
    view->setSelection(static_cast<int>(view->plainText().indexOf(Q("[Σχήμα 3]"))), 9);
    ASSERT_TRUE(c().figurePanel->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(c().figurePanel->isVisible());
}

TEST_F(DisplayTest, AFigureLinkWithoutItsPictureOpensNothing) {
    view("lever");
    richtext::RichTextView* view = c().descriptionView;
    const int link = static_cast<int>(view->plainText().indexOf(Q("[Σχήμα 3]")));
    view->setSelection(link, 9);
    EXPECT_FALSE(c().figurePanel->isVisible());
    // An ordinary selection changes nothing.
    view->setSelection(0, 3);
    EXPECT_EQ(view->selectionLength(), 3);
}

TEST_F(DisplayTest, TheListCarriesTheEntryWhenThePaneHasNoRoom) {
    // Laid out smaller than the window may become, the pane has no room at all.
    window->layout()->setGeometry(QRect(0, 0, 200, 124));
    view("engine");
    ASSERT_EQ(c().descriptionView->height(), 0);
    EXPECT_TRUE(c().entriesList->toolTip().startsWith(Q("μηχανή,  Επιστήμη:Μηχανολογία,  ")));
    window->layout()->setGeometry(window->rect());
    view("engine");
    EXPECT_EQ(c().entriesList->toolTip(), "");
}

TEST_F(DisplayTest, MovingThroughTheListWithTheKeysRecordsEachEntry) {
    search("word");
    QTest::keyClick(c().searchField, Qt::Key_Down);
    QTest::keyClick(c().entriesList, Qt::Key_Down);
    QTest::keyClick(c().entriesList, Qt::Key_Down);
    EXPECT_EQ(c().headwordLabel->text(), "word2");
    EXPECT_EQ(backCaptions(), (std::vector<std::string>{"word1", "word0"}));
}

TEST_F(DisplayTest, ThePopUpListsOpenUnderTheirButtonsAndJump) {
    view("engine");
    view("lever");
    view("word1");
    c().backMenuButton->click();
    QMenu* back = window->prevMenu();
    ASSERT_TRUE(back->isVisible());
    EXPECT_EQ(captions(back), (std::vector<QString>{"lever", "engine"}));
    EXPECT_EQ(back->pos(), window->frameGeometry().topLeft() + QPoint(56 + 4, 2 + 39 + 22));
    back->actions().at(1)->trigger();
    back->hide();
    EXPECT_EQ(c().headwordLabel->text(), "engine");
    EXPECT_EQ(backCaptions(), (std::vector<std::string>{"word1", "lever"}));
    EXPECT_TRUE(forwardCaptions().empty());

    c().backButton->click();
    c().forwardMenuButton->click();
    QMenu* forward = window->nextMenu();
    ASSERT_TRUE(forward->isVisible());
    EXPECT_EQ(captions(forward), std::vector<QString>{"engine"});
    forward->hide();
    // The forward list is also the arrow button's right-click menu.
    emit c().forwardMenuButton->customContextMenuRequested({});
    EXPECT_TRUE(forward->isVisible());
    forward->actions().at(0)->trigger();
    forward->hide();
    EXPECT_EQ(c().headwordLabel->text(), "engine");
    EXPECT_TRUE(forwardCaptions().empty());
}

TEST_F(DisplayTest, AnEmptyHistoryOpensNoList) {
    c().backMenuButton->click();
    c().backButton->click();
    c().forwardButton->click();
    EXPECT_FALSE(window->prevMenu()->isVisible());
    EXPECT_EQ(c().headwordLabel->text(), "");
}

}  // namespace
}  // namespace orvan::test
