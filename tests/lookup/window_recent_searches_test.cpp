// The last searches the search field offers, kept across starts of the window.
#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QSettings>
#include <QStringListModel>
#include <QTest>

#include "lookup/entries_list.h"
#include "tests/lookup/window_fixture.h"

namespace orvan::test {
namespace {

class RecentSearchesTest : public WindowTest {
  protected:
    void SetUp() override {
        for (const char* english : {"engine", "gear", "gas", "valve"}) {
            lexicon.addEntry(english, "{x}");
        }
        open();
    }

    QCompleter* completer() const { return c().searchField->completer(); }
    QStringList offered() const {
        auto* model = qobject_cast<QStringListModel*>(completer()->model());
        return model != nullptr ? model->stringList() : QStringList{"(no list)"};
    }
    void restart() {
        create();
        show();
    }
};

TEST_F(RecentSearchesTest, SearchesAreOfferedNewestFirstWithoutRepeatsAcrossARestart) {
    ASSERT_NE(completer(), nullptr);
    EXPECT_TRUE(offered().isEmpty());
    search("gear");
    search("engine");
    search("Gear");
    search("gear");  // an earlier search moves up rather than twice
    EXPECT_EQ(offered(), (QStringList{"gear", "Gear", "engine"}));

    // Typing alone, the personal-entries button and a blank text are no searches to offer.
    c().searchField->clear();
    type("valve");
    c().ownEntriesButton->click();
    search("   ");
    EXPECT_EQ(offered(), (QStringList{"gear", "Gear", "engine"}));

    // Texts the settings file must quote come back as they were.
    search(Q("μηχανή, \"x\""));
    restart();
    EXPECT_EQ(offered(), (QStringList{Q("μηχανή, \"x\""), "gear", "Gear", "engine"}));
}

TEST_F(RecentSearchesTest, OnlyTheLastFiftyAreKept) {
    for (int n = 1; n <= 55; ++n)
        search(QString("s%1").arg(n));
    restart();
    const QStringList kept = offered();
    ASSERT_EQ(kept.size(), 50);
    EXPECT_EQ(kept.front(), "s55");
    EXPECT_EQ(kept.back(), "s6");
}

TEST_F(RecentSearchesTest, ADamagedListIsReadAsNone) {
    const QString file = window->windowSettings().path();
    window.reset();
    {
        QSettings settings(file, QSettings::IniFormat);
        settings.setValue("window/recentSearches", 42);
    }
    restart();
    EXPECT_TRUE(offered().isEmpty());
    search("gas");
    EXPECT_EQ(offered(), QStringList{"gas"});

    window.reset();
    {
        QSettings settings(file, QSettings::IniFormat);
        settings.setValue("window/recentSearches", QStringList{"a", "", "a", "  ", "b"});
    }
    restart();
    EXPECT_EQ(offered(), (QStringList{"a", "b"}));
}

TEST_F(RecentSearchesTest, ChoosingAnOfferedSearchSearchesIt) {
    search("gear");
    search("valve");
    c().searchField->clear();
    type("g");
    QAbstractItemView* popup = completer()->popup();
    ASSERT_TRUE(popup->isVisible());
    ASSERT_EQ(completer()->completionCount(), 1);
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {},
                      popup->visualRect(completer()->completionModel()->index(0, 0)).center());
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(c().searchField->text(), "gear");
    EXPECT_EQ(listTexts(), std::vector<QString>{"gear"});
    EXPECT_EQ(offered(), (QStringList{"gear", "valve"}));

    // Enter on an offered search searches it.
    c().searchField->clear();
    type("v");
    ASSERT_TRUE(popup->isVisible());
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(c().searchField->text(), "valve");
    EXPECT_EQ(listTexts(), std::vector<QString>{"valve"});

    // Enter on the typed text while the list is offered searches the typed text.
    c().searchField->clear();
    type("ge");
    ASSERT_TRUE(popup->isVisible());
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(c().searchField->text(), "ge");
    EXPECT_EQ(listTexts(), std::vector<QString>{"gear"});
    EXPECT_EQ(offered(), (QStringList{"ge", "valve", "gear"}));
}

TEST_F(RecentSearchesTest, DownStillChoosesTheFirstEntryWhenNothingIsOffered) {
    search("gear");
    c().searchField->clear();
    type("e");  // nothing searched begins so: no drop-down
    EXPECT_FALSE(completer()->popup()->isVisible());
    QTest::keyClick(c().searchField, Qt::Key_Down);
    EXPECT_EQ(c().entriesList->selectedRow(), 0);
    QTest::keyClick(c().searchField, Qt::Key_Return);
    EXPECT_EQ(offered(), (QStringList{"e", "gear"}));
}

}  // namespace
}  // namespace orvan::test
