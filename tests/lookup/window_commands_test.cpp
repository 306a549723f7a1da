// The window's small commands: the field last worked in, copy, paste, pin, help and exit.
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QToolButton>
#include <QUrl>
#include <filesystem>
#include <fstream>

#include "lookup/entries_list.h"
#include "richtext/rich_text_view.h"
#include "tests/lookup/window_fixture.h"
#include "tests/support/modal_answer.h"

namespace orvan::test {
namespace {

using lookup::FocusField;

class CommandsTest : public WindowTest {
  protected:
    void SetUp() override {
        const int engine = lexicon.addEntry("engine", "{\\b engine} is {\\i bold}");
        lexicon.addGreek(engine, Cp("μηχανή"));
        lexicon.addPersonalEntry(engine, 6, "engine mine", "{my text}");
        open(true);
        QApplication::clipboard()->clear();
    }

    static QString clipboard() { return QApplication::clipboard()->text(); }
};

TEST_F(CommandsTest, CopyTakesFromTheFieldLastWorkedInNotFromTheButton) {
    // Before any field was entered nothing is copied.
    QApplication::clipboard()->setText("before");
    c().copyButton->click();
    EXPECT_EQ(clipboard(), "before");

    search("eng");
    clickRow(0);
    richtext::RichTextView* description = c().descriptionView;
    description->setFocus();
    EXPECT_EQ(window->focusField(), FocusField::DescriptionText);
    description->setSelection(2, 6);
    // Clicking the button moves the focus to it, and the description stays the field in use.
    c().copyButton->setFocus();
    EXPECT_EQ(window->focusField(), FocusField::DescriptionText);
    c().copyButton->click();
    EXPECT_EQ(clipboard(), "engine");
    const QMimeData* data = QApplication::clipboard()->mimeData();
    EXPECT_TRUE(data->hasHtml());
    EXPECT_TRUE(data->hasFormat("text/rtf"));
    EXPECT_TRUE(QString::fromLatin1(data->data("text/rtf")).contains("\\b"));

    // An empty selection copies nothing.
    description->setSelection(0, 0);
    c().copyButton->click();
    EXPECT_EQ(clipboard(), "engine");
}

TEST_F(CommandsTest, CopyFromTheListTakesTheItemAsShown) {
    search("eng");
    c().entriesList->setFocus();
    EXPECT_EQ(window->focusField(), FocusField::EntriesList);
    c().copyButton->click();
    EXPECT_TRUE(clipboard().isEmpty());  // no item chosen
    clickRow(1);
    c().copyButton->click();
    EXPECT_EQ(clipboard(), "engine mine *");
}

TEST_F(CommandsTest, CopyFromTheRenderingTakesItsSelection) {
    search("eng");
    clickRow(0);
    c().renderingField->setFocus();
    EXPECT_EQ(window->focusField(), FocusField::TransText);
    c().renderingField->setSelection(0, 3);
    c().copyButton->click();
    EXPECT_EQ(clipboard(), Q("μηχ"));
}

TEST_F(CommandsTest, EnteringTheSearchFieldSelectsItAllAndPasteReplacesIt) {
    type("engine");
    c().entriesList->setFocus();
    c().searchField->setFocus();
    EXPECT_EQ(window->focusField(), FocusField::EntryText);
    EXPECT_EQ(c().searchField->selectedText(), "engine");

    QApplication::clipboard()->setText("gear");
    c().searchField->setSelection(0, 2);
    c().pasteButton->click();
    EXPECT_EQ(c().searchField->text(), "gear");
    EXPECT_EQ(c().searchField->selectedText(), "gear");
    EXPECT_TRUE(c().searchField->hasFocus());
    // Pasting does not search.
    EXPECT_TRUE(listTexts().empty());
}

TEST_F(CommandsTest, PinTwiceReturnsTheWindowToNormal) {
    c().pinButton->click();
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(c().pinButton->isChecked());
    c().pinButton->click();
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(c().pinButton->isChecked());
}

// Takes the URLs the desktop is asked to open, in place of a browser.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> opened;
  public slots:
    void open(const QUrl& url) { opened.append(url); }
};

TEST_F(CommandsTest, HelpOpensTheHelpDocumentOrSaysItIsMissing) {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "open");
    EXPECT_EQ(messageFrom([&] { c().helpButton->click(); }), Q("Το αρχείο βοήθειας δε βρέθηκε"));
    EXPECT_TRUE(catcher.opened.isEmpty());

    std::filesystem::create_directories(program.path() + "/content");
    std::ofstream(program.path() + "/content/OrvanHelp.htm") << "<html></html>";
    c().helpButton->click();
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened.front().toLocalFile(),
              QString::fromStdString(program.path() + "/content/OrvanHelp.htm"));
}

TEST_F(CommandsTest, ExitClosesTheWindow) {
    c().exitButton->click();
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace orvan::test

#include "window_commands_test.moc"
