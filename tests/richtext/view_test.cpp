// The rich-text view as the windows use it: loading, selection and its signal, mouse presses,
// copying with formatting, printing, wrapping.
#include "richtext/rich_text_view.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPrinter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <limits>

#include "richtext/document_builder.h"

namespace orvan::richtext {
namespace {

const std::string kPrologue =
    "{\\rtf1\\ansi\\ansicpg1253\\deff0{\\fonttbl{\\f60\\fnil\\fcharset161 DejaVu Sans;}}"
    "{\\colortbl;\\red0\\green0\\blue128;}{{";

TEST(RichTextView, LoadsRtfAndShowsOtherTextAsItIs) {
    RichTextView view;
    EXPECT_TRUE(view.loadRtf(kPrologue + "\r\n \\f60\\fs22\\cf1  {\\b \\'eb\\'dd\\'ee\\'e7}}}}"));
    EXPECT_EQ(view.plainText(), u"  λέξη");  // the blank before \\f60 and the one after it
    EXPECT_TRUE(view.isReadOnly());
    EXPECT_FALSE(view.loadRtf("\\rtf1 broken"));
    EXPECT_EQ(view.plainText(), u"\\rtf1 broken");
    EXPECT_TRUE(view.loadRtf(kPrologue, " \\f60 \\'e1}}}"));
    EXPECT_TRUE(view.loadRtf(kPrologue, " \\f60 \\'e2}}}"));  // the prologue is reused
    EXPECT_EQ(view.plainText(), u" β");
}

TEST(RichTextView, LoadingAFileThatCannotBeReadKeepsTheContent) {
    RichTextView view;
    view.loadRtf("{\\rtf1 kept}");
    EXPECT_FALSE(view.loadFile(QStringLiteral("/nonexistent/page.rtf")));
    EXPECT_EQ(view.plainText(), u"kept");
    QTemporaryDir folder;
    QFile page(folder.filePath("page.rtf"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("{\\rtf1 from a file}");
    page.close();
    EXPECT_TRUE(view.loadFile(page.fileName()));
    EXPECT_EQ(view.plainText(), u"from a file");
}

TEST(RichTextView, SettingTheSelectionAlwaysRaisesTheSignalOnce) {
    RichTextView view;
    view.loadRtf("{\\rtf1\\ansicpg1253 see [\\'d3\\'f7\\'de\\'ec\\'e1 1] here}");
    QSignalSpy changes(&view, &RichTextView::selectionChange);
    view.setSelection(4, 3);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(view.selectedText(), u"[Σχ");
    EXPECT_EQ(view.selectionStart(), 4);
    EXPECT_EQ(view.selectionLength(), 3);
    view.setSelection(4, 3);  // the same selection again
    EXPECT_EQ(changes.count(), 2);
    view.setSelection(2, std::numeric_limits<int>::max());
    EXPECT_EQ(view.selectionLength(), view.plainText().size() - 2);
    view.setSelection(500, 9);  // clamped to the text
    EXPECT_EQ(view.selectionLength(), 0);
    EXPECT_EQ(view.selectionStart(), view.plainText().size());
}

TEST(RichTextView, MousePressesAreReportedInTheViewsCoordinates) {
    RichTextView view;
    view.resize(300, 200);
    view.loadRtf("{\\rtf1 text}");
    view.show();
    QSignalSpy presses(&view, &RichTextView::mousePressed);
    QTest::mousePress(view.viewport(), Qt::RightButton, {}, QPoint(20, 12));
    ASSERT_EQ(presses.count(), 1);
    EXPECT_EQ(presses.at(0).at(0).toPoint(), QPoint(20, 12));
    EXPECT_EQ(presses.at(0).at(1).value<Qt::MouseButton>(), Qt::RightButton);
}

TEST(RichTextView, CopyPutsRtfHtmlAndPlainTextOnTheClipboard) {
    RichTextView view;
    view.loadRtf("{\\rtf1{\\fonttbl{\\f0\\fcharset161 DejaVu Sans;}}{\\b \\'e1\\'e2} plain}");
    view.setSelection(0, 2);
    view.copy();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(), u"αβ");
    EXPECT_TRUE(data->hasHtml());
    const QByteArray rtf = data->data(QStringLiteral("text/rtf"));
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_TRUE(rtf.contains("\\b"));
    EXPECT_TRUE(rtf.contains("\\'e1\\'e2"));
}

TEST(RichTextView, PrintsTheDocumentAsOneNamedJob) {
    RichTextView view;
    view.loadRtf("{\\rtf1 \\qc {\\b Orvan}\\par printed text}");
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("entry.pdf"));
    EXPECT_TRUE(view.print(&printer, QStringLiteral("Lexicon: engine")));
    EXPECT_EQ(printer.docName(), u"Lexicon: engine");
    QFile pdf(printer.outputFileName());
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
    EXPECT_FALSE(view.print(nullptr, QStringLiteral("none")));
}

TEST(RichTextView, AVeryLongWordIsWrappedWithinTheView) {
    RichTextView view;
    view.resize(300, 200);
    view.show();
    view.loadRtf("{\\rtf1 " + std::string(3 * kMaxUnbrokenRun, 'x') + "}");
    const QTextBlock block = view.document()->firstBlock();
    view.document()->documentLayout()->blockBoundingRect(block);  // lays the block out
    ASSERT_GT(block.layout()->lineCount(), 1);
    for (int line = 0; line < block.layout()->lineCount(); ++line)
        EXPECT_LE(block.layout()->lineAt(line).naturalTextWidth(), view.viewport()->width());
    EXPECT_EQ(view.plainText().size(), qsizetype(3 * kMaxUnbrokenRun));
}

// Counts the resizes of a widget: each change of the view's width lays its document out again.
class ResizeCounter : public QObject {
  public:
    int count = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize) ++count;
        return false;
    }
};

// A long document replacing another keeps the scroll bar, so the text keeps its width; a short
// one after it shows without the bar, over the view's whole width, and the other way round.
TEST(RichTextView, TheScrollBarComesAndGoesWithTheDocumentsLength) {
    RichTextView view;
    view.resize(300, 200);
    view.show();
    std::string longDocument = "{\\rtf1 ";
    for (int line = 0; line < 200; ++line)
        longDocument += "line " + std::to_string(line) + "\\par ";
    longDocument += "}";
    const std::string shortDocument = "{\\rtf1 one line}";

    view.loadRtf(longDocument);
    EXPECT_TRUE(view.verticalScrollBar()->isVisible());
    const int narrow = view.viewport()->width();
    ResizeCounter resizes;
    view.viewport()->installEventFilter(&resizes);
    view.loadRtf(longDocument);
    EXPECT_EQ(resizes.count, 0);
    EXPECT_TRUE(view.verticalScrollBar()->isVisible());
    EXPECT_EQ(view.verticalScrollBar()->value(), 0);

    view.loadRtf(shortDocument);
    EXPECT_FALSE(view.verticalScrollBar()->isVisible());
    EXPECT_GT(view.viewport()->width(), narrow);
    EXPECT_EQ(view.document()->textWidth(), view.viewport()->width());
    view.loadRtf(longDocument);
    EXPECT_TRUE(view.verticalScrollBar()->isVisible());
    EXPECT_EQ(view.viewport()->width(), narrow);
    EXPECT_EQ(view.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
}

TEST(RichTextView, BackgroundColour) {
    RichTextView view;
    view.setBackgroundColour(QColor(255, 255, 224));
    EXPECT_EQ(view.palette().color(QPalette::Base), QColor(255, 255, 224));
}

}  // namespace
}  // namespace orvan::richtext
