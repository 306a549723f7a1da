// Building QTextDocuments from RTF, writing them back, and the plain-text extractor agreeing with
// what the document shows.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>
#include <filesystem>
#include <random>

#include "richtext/document_builder.h"
#include "richtext/screen_text.h"
#include "richtext/rtf_writer.h"

namespace orvan::richtext {
namespace {

QString ShownText(std::string_view rtf) {
    QTextDocument document;
    LoadDocument(document, rtf);
    return document.toPlainText();
}

// Random documents made of the pieces where paragraphs, tables and special characters meet.
std::string RandomDocument(std::mt19937& random) {
    static const char* const kPieces[] = {
        "{",       "}",          "\\par ",   "\\cell ",  "\\row ",      "\\intbl ",
        "\\pard ", "\\trowd ",   "\\itap2 ", "\\itap0 ", "\\nestcell ", "a",
        "b c",     "\\'e1",      "\\u945?",  "\\tab ",   "\\~",         "\\line ",
        "\\b ",    "\\'0d",      "\\'0a",    "\\u8233?", "\\u64976?",   "\\v ",
        "\\v0 ",   "{\\*\\x y}", "\\plain ", "\\uc0 ",   "\\'a0",       "{\\pict\\pngblip 0102}",
        "\\u-2?",  "\\zwnbo "};
    std::string rtf = "{\\rtf1 ";
    const int count = static_cast<int>(random() % 40);
    for (int i = 0; i < count; ++i)
        rtf += kPieces[random() % std::size(kPieces)];
    return rtf;
}

TEST(DocumentBuilder, TheExtractorGivesExactlyTheDocumentsPlainText) {
    const std::string cases[] = {
        "{\\rtf1 a\\par b\\par}",
        "{\\rtf1 \\trowd\\intbl A\\cell B\\cell\\row\\intbl C\\cell\\row}",
        "{\\rtf1 x\\trowd\\intbl A\\par\\par B\\cell\\row\\pard y\\par z}",
        "{\\rtf1 a\\~b\\line c\\'0d\\'0ad}",
        "not rtf\r\nat\rall\xa0!",
    };
    for (const std::string& rtf : cases)
        EXPECT_EQ(ExtractPlainText(rtf), ShownText(rtf)) << rtf;

    std::mt19937 random(20261208);
    for (int i = 0; i < 500; ++i) {
        const std::string rtf = RandomDocument(random);
        ASSERT_EQ(ExtractPlainText(rtf), ShownText(rtf)) << rtf;
    }

    const std::filesystem::path corpus = ORVAN_RTF_CORPUS_DIR;
    if (!std::filesystem::is_directory(corpus)) return;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        if (entry.path().extension() != ".rtf") continue;
        QFile file(QString::fromStdString(entry.path().string()));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const std::string rtf = file.readAll().toStdString();
        EXPECT_EQ(ExtractPlainText(rtf), ShownText(rtf)) << entry.path();
    }
}

TEST(DocumentBuilder, FontsSizesColoursAndEmphasis) {
    QTextDocument document;
    LoadDocument(document,
                 "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss DejaVu Sans;}"
                 "{\\f1\\fmodern\\fcharset161 DejaVu Sans Mono;}}"
                 "{\\colortbl;\\red0\\green0\\blue128;\\red255\\green255\\blue0;}"
                 "plain {\\f1\\fs36\\b\\i\\ul\\cf1\\highlight2 \\'eb\\'dd\\'ee\\'e7}"
                 "{\\super 2}{\\strike s}}");
    QTextCursor cursor(&document);
    cursor.setPosition(1);
    EXPECT_EQ(cursor.charFormat().fontFamilies().toStringList(), QStringList{"DejaVu Sans"});
    EXPECT_DOUBLE_EQ(cursor.charFormat().fontPointSize(), 12.0);
    cursor.setPosition(QStringLiteral("plain ").size() + 1);
    const QTextCharFormat greek = cursor.charFormat();
    EXPECT_EQ(greek.fontFamilies().toStringList(), QStringList{"DejaVu Sans Mono"});
    EXPECT_DOUBLE_EQ(greek.fontPointSize(), 18.0);
    EXPECT_EQ(greek.fontWeight(), QFont::Bold);
    EXPECT_TRUE(greek.fontItalic());
    EXPECT_EQ(greek.underlineStyle(), QTextCharFormat::SingleUnderline);
    EXPECT_EQ(greek.foreground().color(), QColor(0, 0, 128));
    EXPECT_EQ(greek.background().color(), QColor(255, 255, 0));
    EXPECT_EQ(document.toPlainText(), u"plain λέξη2s");
    cursor.movePosition(QTextCursor::End);  // the format of the character before the cursor
    EXPECT_TRUE(cursor.charFormat().fontStrikeOut());
    cursor.movePosition(QTextCursor::Left);
    EXPECT_EQ(cursor.charFormat().verticalAlignment(), QTextCharFormat::AlignSuperScript);
}

TEST(DocumentBuilder, ParagraphAlignmentIndentsSpacingAndTabStops) {
    QTextDocument document;
    LoadDocument(document,
                 "{\\rtf1 \\qc centred\\par\\pard\\qr\\li1440\\ri720\\fi-360\\sb300\\sa150 right"
                 "\\par\\pard\\qj\\tqr\\tx2880\\tx4320 a\\tab b}");
    const QTextBlock centred = document.begin();
    EXPECT_EQ(centred.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QTextBlockFormat right = centred.next().blockFormat();
    EXPECT_EQ(right.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_DOUBLE_EQ(right.leftMargin(), 96.0);
    EXPECT_DOUBLE_EQ(right.rightMargin(), 48.0);
    EXPECT_DOUBLE_EQ(right.textIndent(), -24.0);
    EXPECT_DOUBLE_EQ(right.topMargin(), 20.0);
    EXPECT_DOUBLE_EQ(right.bottomMargin(), 10.0);
    const QTextBlockFormat tabbed = centred.next().next().blockFormat();
    EXPECT_EQ(tabbed.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    ASSERT_EQ(tabbed.tabPositions().size(), 2);
    EXPECT_DOUBLE_EQ(tabbed.tabPositions()[0].position, 192.0);
    EXPECT_EQ(tabbed.tabPositions()[0].type, QTextOption::RightTab);
}

TEST(DocumentBuilder, TabStopsAreMeasuredFromTheLeftMargin) {
    QTextDocument document;
    document.setDocumentMargin(0);
    LoadDocument(document,
                 "{\\rtf1\\deftab360 \\tx1440 a\\tab b\\par\\pard\\li720\\tx1440 a\\tab b\\par"
                 "\\pard\\li720\\fi-360\\tx1440 a\\tab b\\par\\pard\\li720\\fi-360 1.\\tab b}");
    document.setTextWidth(600);
    document.documentLayout();
    std::vector<qreal> tabbedTo;  // where the text after each paragraph's tab begins
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLine line = block.layout()->lineAt(0);
        tabbedTo.push_back(line.cursorToX(block.text().indexOf(u'b')));
    }
    // 1440 twips from the margin whatever the indent; a hanging line stops at its indent first.
    EXPECT_EQ(tabbedTo, (std::vector<qreal>{96, 96, 48, 48}));
    EXPECT_DOUBLE_EQ(document.defaultTextOption().tabStopDistance(), 24.0);
}

TEST(DocumentBuilder, TablesBecomeRealTables) {
    QTextDocument document;
    LoadDocument(document,
                 "{\\rtf1 \\trowd\\intbl A\\cell B\\cell\\row\\intbl C\\cell\\row\\pard after}");
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::NextBlock);
    QTextTable* table = cursor.currentTable();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows(), 2);
    EXPECT_EQ(table->columns(), 2);
    EXPECT_EQ(table->cellAt(0, 1).firstCursorPosition().block().text(), u"B");
    EXPECT_EQ(table->cellAt(1, 0).firstCursorPosition().block().text(), u"C");
    EXPECT_EQ(document.lastBlock().text(), u"after");
}

// A table of `rows` rows, each of a formatted cell, a cell of two paragraphs inside nested groups
// and a short one, between two paragraphs.
std::string MidSizedTable(int rows) {
    std::string rtf = "{\\rtf1 before\\par ";
    for (int row = 0; row < rows; ++row) {
        const std::string n = std::to_string(row);
        rtf += "\\trowd\\intbl {\\b bold " + n + "}\\cell\\intbl {{{{ deep " + n +
               "\\par\\intbl second}}}}\\cell\\intbl {\\i x}\\cell\\row ";
    }
    return rtf + "\\pard after}";
}

TEST(DocumentBuilder, ADocumentIsBuiltInOneChangeThatAViewLaysOutOnce) {
    QTextDocument document;
    document.documentLayout();  // laid out as in a view
    int changes = 0;
    QObject::connect(&document, &QTextDocument::contentsChange, [&changes] { ++changes; });
    const std::string rtf = MidSizedTable(40);
    LoadDocument(document, rtf);
    EXPECT_LE(changes, 3);  // emptied (in two steps), then filled: not once per cell or run

    ASSERT_EQ(document.rootFrame()->childFrames().size(), 1);
    const auto* table = qobject_cast<QTextTable*>(document.rootFrame()->childFrames().at(0));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows(), 40);
    EXPECT_EQ(table->columns(), 3);
    const QTextTableCell bold = table->cellAt(39, 0);
    EXPECT_EQ(bold.firstCursorPosition().block().text(), u"bold 39");
    EXPECT_EQ(bold.firstCursorPosition().block().begin().fragment().charFormat().fontWeight(),
              QFont::Bold);
    const QTextTableCell nested = table->cellAt(17, 1);
    EXPECT_EQ(nested.firstCursorPosition().block().text(), u" deep 17");
    EXPECT_EQ(nested.lastCursorPosition().block().text(), u"second");
    EXPECT_EQ(document.lastBlock().text(), u"after");
    EXPECT_EQ(ExtractPlainText(rtf), document.toPlainText());
}

TEST(DocumentBuilder, AStretchWithNowhereToBreakWrapsTheDocumentAnywhere) {
    const auto wrapOf = [](QTextDocument& document, const std::string& text) {
        LoadDocument(document, text);
        return document.defaultTextOption().wrapMode();
    };
    QTextDocument document;
    const QTextOption::WrapMode usual = document.defaultTextOption().wrapMode();
    const std::string longest(kMaxUnbrokenRun, 'x');
    EXPECT_EQ(wrapOf(document, "{\\rtf1 " + longest + "}"), usual);
    // Formatting changes and no-break spaces do not end a stretch; what it holds is all shown.
    std::string formatted = "{\\rtf1 ";
    for (std::size_t i = 0; i < kMaxUnbrokenRun / 2; ++i)
        formatted += "\\b x\\b0\\~";
    EXPECT_EQ(wrapOf(document, formatted + "y}"), QTextOption::WrapAnywhere);
    EXPECT_EQ(document.toPlainText().size(), qsizetype(kMaxUnbrokenRun + 1));
    // The next document wraps at word boundaries again.
    EXPECT_EQ(wrapOf(document, "{\\rtf1 short words}"), QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Blanks, paragraph ends and cells end a stretch.
    const std::string half(kMaxUnbrokenRun / 2 + 1, 'x');
    EXPECT_EQ(wrapOf(document, "{\\rtf1 " + half + " " + half + "\\par " + half +
                                   "\\trowd\\intbl " + half + "\\cell\\intbl " + half +
                                   "\\par\\intbl " + half + "\\cell\\row\\pard " + half + "}"),
              QTextOption::WrapAtWordBoundaryOrAnywhere);
    EXPECT_EQ(wrapOf(document, "{\\rtf1 " + longest + "\\tab x}"),
              QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Text that is not RTF follows the same rule.
    EXPECT_EQ(wrapOf(document, longest + "x"), QTextOption::WrapAnywhere);
    EXPECT_EQ(wrapOf(document, half + "\r\n" + half), QTextOption::WrapAtWordBoundaryOrAnywhere);
}

QByteArray Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

std::vector<QTextImageFormat> Pictures(const QTextDocument& document) {
    std::vector<QTextImageFormat> pictures;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                pictures.push_back(it.fragment().charFormat().toImageFormat());
    return pictures;
}

TEST(DocumentBuilder, PngAndJpegPicturesAreShownAtTheirSize) {
    QImage red(8, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    const QByteArray png = Encoded(red, "PNG");
    const std::string rtf = "{\\rtf1 a{\\pict\\pngblip\\picwgoal300\\pichgoal150\\picscalex50 " +
                            png.toHex().toStdString() + "}b{\\*\\shppict{\\pict\\jpegblip " +
                            Encoded(red, "JPEG").toHex().toStdString() +
                            "}}{\\nonshppict{\\pict\\wmetafile8 0100}}c{\\pict\\pngblip 0102}"
                            "\\trowd\\intbl {\\pict\\pngblip\\bin" +
                            std::to_string(png.size()) + " " + png.toStdString() + "}\\cell\\row}";
    QTextDocument document;
    LoadDocument(document, rtf);
    EXPECT_EQ(document.toPlainText(), u"a\uFFFCb\uFFFCc\uFFFC\n\uFFFC\n");
    EXPECT_EQ(ExtractPlainText(rtf), document.toPlainText());

    const auto pictures = Pictures(document);
    ASSERT_EQ(pictures.size(), 4u);
    EXPECT_DOUBLE_EQ(pictures[0].width(), 10.0);  // 300 twips at half scale
    EXPECT_DOUBLE_EQ(pictures[0].height(), 10.0);
    const QImage shown =
        document.resource(QTextDocument::ImageResource, QUrl(pictures[0].name())).value<QImage>();
    EXPECT_EQ(shown.size(), QSize(8, 4));
    EXPECT_EQ(shown.pixelColor(1, 1), QColor(Qt::red));
    EXPECT_DOUBLE_EQ(pictures[1].width(), 8.0);  // no size given: the picture's own
    EXPECT_FALSE(document.resource(QTextDocument::ImageResource, QUrl(pictures[2].name()))
                     .isValid());                 // data that is no picture
    EXPECT_DOUBLE_EQ(pictures[3].height(), 4.0);  // the one in the table, from binary data
}

TEST(DocumentBuilder, HyperlinksAreAnchors) {
    QTextDocument document;
    LoadDocument(document,
                 "{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"https://example.org\"}"
                 "{\\fldrslt site}}}");
    QTextCursor cursor(&document);
    cursor.setPosition(2);
    EXPECT_TRUE(cursor.charFormat().isAnchor());
    EXPECT_EQ(cursor.charFormat().anchorHref(), u"https://example.org");
}

TEST(DocumentBuilder, AReusedPrologueBuildsTheSameDocument) {
    const std::string prologue =
        "{\\rtf1\\ansi\\ansicpg1253\\deff0{\\fonttbl{\\f60\\fnil\\fcharset161 DejaVu Serif;}}"
        "{\\colortbl;\\red0\\green0\\blue128;}{{";
    const std::string body = " \\f60\\fs22\\cf1  \\'eb\\'dd\\'ee\\'e7 {\\b x}}}}";
    QTextDocument whole;
    LoadDocument(whole, prologue + body);
    QTextDocument reused;
    LoadDocument(reused, RtfPrologue(prologue), body);
    EXPECT_EQ(reused.toPlainText(), u"  λέξη x");
    EXPECT_EQ(reused.toHtml(), whole.toHtml());

    // A prologue that shows something itself (as the sample lexicon's, which ends in a blank).
    const std::string showing = prologue + "{\\b head}\\par ";
    LoadDocument(whole, showing + body);
    LoadDocument(reused, RtfPrologue(showing), body);
    EXPECT_EQ(reused.toPlainText(), u"head\n  λέξη x");
    EXPECT_EQ(reused.toHtml(), whole.toHtml());
}

}  // namespace
}  // namespace orvan::richtext
