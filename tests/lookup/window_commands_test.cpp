// The window's small commands: the field last worked in, copy, paste, pin, help and exit.
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <filesystem>
#include <fstream>

#include "lookup/entries_list.h"
#include "lookup/help_window.h"
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

class HelpTest : public CommandsTest {
  protected:
    // A help page with a picture and links beside it, and a desktop that cannot open pages.
    void SetUp() override {
        CommandsTest::SetUp();
        const std::string content = program.path() + "/content";
        std::filesystem::create_directories(content + "/pictures");
        std::ofstream(content + "/OrvanHelp.htm")
            << "<html><head><meta charset=\"utf-8\"><title>Orvan help</title></head><body>"
               "<p>Searching the lexicon</p><img src=\"pictures/dot.png\">"
               "<a href=\"more.htm\">more</a> <a href=\"https://example.org/x\">site</a>"
               "</body></html>";
        std::ofstream(content + "/more.htm") << "<html><body><p>Further pages</p></body></html>";
        QImage dot(4, 4, QImage::Format_RGB32);
        dot.fill(Qt::red);
        ASSERT_TRUE(dot.save(QString::fromStdString(content + "/pictures/dot.png")));
        window->setDocumentOpener([this](const QUrl& url) {
            handed.append(url);
            return false;
        });
    }

    QTextBrowser* helpView() const {
        lookup::HelpWindow* help = window->helpWindow();
        return help != nullptr ? help->view() : nullptr;
    }

    QList<QUrl> handed;
};

TEST_F(HelpTest, ThePageOpensInTheProgramsOwnWindowWhenTheDesktopCannot) {
    c().helpButton->click();
    ASSERT_EQ(handed.size(), 1);  // the desktop was asked first
    EXPECT_TRUE(handed.front().isLocalFile());
    ASSERT_NE(helpView(), nullptr);
    EXPECT_TRUE(window->helpWindow()->isVisible());
    EXPECT_FALSE(window->helpWindow()->isModal());
    EXPECT_EQ(window->helpWindow()->windowTitle(), "Orvan help");
    EXPECT_TRUE(helpView()->toPlainText().contains("Searching the lexicon"));
    // The picture is found beside the page, not in the program's current folder.
    std::filesystem::current_path(home.path());
    const QVariant picture =
        helpView()->loadResource(QTextDocument::ImageResource, QUrl("pictures/dot.png"));
    EXPECT_FALSE(picture.isNull());
    EXPECT_FALSE(QImage::fromData(picture.toByteArray()).isNull());

    // A page of the help is followed in the window; a web address goes to the desktop.
    emit helpView()->anchorClicked(QUrl("https://example.org/x"));
    ASSERT_EQ(handed.size(), 2);
    EXPECT_EQ(handed.back(), QUrl("https://example.org/x"));
    EXPECT_TRUE(helpView()->toPlainText().contains("Searching the lexicon"));
    emit helpView()->anchorClicked(QUrl("more.htm"));
    EXPECT_EQ(handed.size(), 2);
    EXPECT_TRUE(helpView()->toPlainText().contains("Further pages"));

    // F1 again brings the same window to the front as it was left; closed, it opens anew on
    // the page's top.
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(window->findChildren<lookup::HelpWindow*>().size(), 1);
    EXPECT_TRUE(helpView()->toPlainText().contains("Further pages"));
    window->helpWindow()->close();
    c().helpButton->click();
    EXPECT_EQ(window->findChildren<lookup::HelpWindow*>().size(), 1);
    EXPECT_TRUE(window->helpWindow()->isVisible());
    EXPECT_TRUE(helpView()->toPlainText().contains("Searching the lexicon"));
}

TEST_F(HelpTest, OnlyAMissingPageIsReportedMissing) {
    std::filesystem::remove(program.path() + "/content/OrvanHelp.htm");
    EXPECT_EQ(messageFrom([&] { c().helpButton->click(); }), Q("Το αρχείο βοήθειας δε βρέθηκε"));
    EXPECT_TRUE(handed.isEmpty());
    EXPECT_EQ(window->helpWindow(), nullptr);
}

TEST_F(HelpTest, ADesktopWithoutAnOpenerShowsThePageToo) {
    // The desktop's own opener, where no program to open pages can be found.
    window->setDocumentOpener([](const QUrl& url) { return QDesktopServices::openUrl(url); });
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(home.path()));
    c().helpButton->click();
    qputenv("PATH", path);
    ASSERT_NE(helpView(), nullptr);
    EXPECT_TRUE(helpView()->toPlainText().contains("Searching the lexicon"));
}

TEST_F(CommandsTest, ExitClosesTheWindow) {
    c().exitButton->click();
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace orvan::test

#include "window_commands_test.moc"
