// Writing documents out as RTF, and reading back what was written.
#include <gtest/gtest.h>

#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>
#include <string>

#include "richtext/document_builder.h"
#include "richtext/rtf_writer.h"

namespace orvan::richtext {
namespace {

// A document with most of what the view shows: Greek and other text, emphasis, sizes, colours,
// alignment, indents, tab stops and a table.
void FillSample(QTextDocument& document) {
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 11));
    QTextCursor cursor(&document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(centred);
    QTextCharFormat title;
    title.setFontWeight(QFont::Bold);
    title.setFontUnderline(true);
    title.setFontPointSize(12);
    cursor.insertText(QStringLiteral("Λήμμα: {brace} \\ back"), title);

    QTextBlockFormat indented;
    indented.setLeftMargin(48);
    indented.setTextIndent(-12);
    indented.setTopMargin(6);
    indented.setBottomMargin(4);
    // A hanging first line stops at the left indent, as it does when read from RTF.
    indented.setTabPositions(
        {QTextOption::Tab(12, QTextOption::LeftTab), QTextOption::Tab(96, QTextOption::RightTab)});
    cursor.insertBlock(indented);
    QTextCharFormat serif;
    serif.setFontFamilies({QStringLiteral("DejaVu Serif")});
    serif.setFontItalic(true);
    serif.setForeground(QColor(0, 0, 128));
    serif.setBackground(QColor(255, 255, 0));
    cursor.insertText(QStringLiteral("ηλεκτρισμός\tτέλος € 中 😊"), serif);
    cursor.insertText(QString::fromUtf16(u"\u00A0nb\u00ADsoft\u2028line"), QTextCharFormat());

    cursor.insertBlock(QTextBlockFormat());
    QTextTable* table = cursor.insertTable(2, 2);
    table->cellAt(0, 0).firstCursorPosition().insertText(QStringLiteral("α"));
    QTextCursor cell = table->cellAt(1, 1).firstCursorPosition();
    cell.insertText(QStringLiteral("one"));
    cell.insertBlock();
    cell.insertText(QStringLiteral("two"));
    cursor.movePosition(QTextCursor::End);
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    cursor.setBlockFormat(right);
    cursor.insertText(QStringLiteral("end"));
}

struct Span {
    QString text;
    QTextCharFormat format;
};

std::vector<Span> Spans(const QTextDocument& document) {
    std::vector<Span> spans;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            spans.push_back({it.fragment().text(), it.fragment().charFormat()});
    return spans;
}

TEST(RtfWriter, ReadingWhatItWritesGivesTheSameTextAndFormats) {
    QTextDocument original;
    FillSample(original);
    QTextOption option = original.defaultTextOption();
    option.setTabStopDistance(40);
    original.setDefaultTextOption(option);
    QTextDocument copy;
    copy.setDefaultFont(original.defaultFont());
    ASSERT_TRUE(LoadDocument(copy, WriteRtf(original)));
    EXPECT_DOUBLE_EQ(copy.defaultTextOption().tabStopDistance(), 40.0);
    EXPECT_EQ(copy.toPlainText(), original.toPlainText());

    const auto before = Spans(original);
    const auto after = Spans(copy);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        SCOPED_TRACE(before[i].text.toStdString());
        EXPECT_EQ(after[i].text, before[i].text);
        const QTextCharFormat& a = after[i].format;
        const QTextCharFormat& b = before[i].format;
        const QString family = b.fontFamilies().toStringList().value(0, "DejaVu Sans");
        EXPECT_EQ(a.fontFamilies().toStringList().value(0), family);
        EXPECT_DOUBLE_EQ(a.fontPointSize(), b.fontPointSize() > 0 ? b.fontPointSize() : 11.0);
        EXPECT_EQ(a.fontWeight(), b.fontWeight());
        EXPECT_EQ(a.fontItalic(), b.fontItalic());
        EXPECT_EQ(a.fontUnderline(), b.fontUnderline());
        EXPECT_EQ(a.foreground(), b.foreground());
        EXPECT_EQ(a.background(), b.background());
    }

    QTextBlock was = original.begin();
    QTextBlock now = copy.begin();
    for (; was.isValid() && now.isValid(); was = was.next(), now = now.next()) {
        const QTextBlockFormat a = now.blockFormat();
        const QTextBlockFormat b = was.blockFormat();
        EXPECT_EQ(a.alignment() & Qt::AlignHorizontal_Mask,
                  b.alignment() & Qt::AlignHorizontal_Mask);
        EXPECT_DOUBLE_EQ(a.leftMargin(), b.leftMargin());
        EXPECT_DOUBLE_EQ(a.textIndent(), b.textIndent());
        EXPECT_DOUBLE_EQ(a.topMargin(), b.topMargin());
        EXPECT_DOUBLE_EQ(a.bottomMargin(), b.bottomMargin());
        EXPECT_EQ(a.tabPositions(), b.tabPositions());
    }
    EXPECT_FALSE(was.isValid() || now.isValid());
    QTextCursor cursor(&copy);
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::MoveAnchor, 3);
    ASSERT_NE(cursor.currentTable(), nullptr);
    EXPECT_EQ(cursor.currentTable()->rows(), 2);
}

TEST(RtfWriter, WritesWhatPrintingLooksFor) {
    QTextDocument document;
    FillSample(document);
    const std::string rtf = WriteRtf(document);
    // Lines end with CR LF, and nothing but ASCII is written.
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        ASSERT_LT(static_cast<unsigned char>(rtf[i]), 0x80);
        if (rtf[i] == '\n') {
            ASSERT_EQ(rtf[i - 1], '\r');
        }
        if (rtf[i] == '\r') {
            ASSERT_EQ(rtf[i + 1], '\n');
        }
    }
    EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1253"));
    // The first Greek font is declared with a one-digit number followed by another word.
    const auto greek = rtf.find("\\fcharset161");
    ASSERT_NE(greek, std::string::npos);
    const auto declaration = rtf.rfind("{\\f", greek);
    EXPECT_EQ(rtf[declaration + 4], '\\');
    EXPECT_NE(rtf.find("\\'cb\\'de", greek), std::string::npos);  // "Λή" in code page 1253
    EXPECT_EQ(rtf.find("\\'EB"), std::string::npos);
    // The first two-digit size word comes after the tables, behind a blank that ends the prologue.
    const auto size = rtf.find("\\fs22");
    ASSERT_NE(size, std::string::npos);
    EXPECT_GT(size, rtf.find("{\\colortbl"));
    const auto blank = rtf.find_last_of(" }", size);
    EXPECT_EQ(rtf.substr(blank - 14, 15), "\\viewkind4\\uc1 ");
    // Characters outside code page 1253 are written as \u words.
    EXPECT_NE(rtf.find("\\u20013?"), std::string::npos);
    EXPECT_NE(rtf.find("\\u-10179?\\u-8694?"), std::string::npos);
}

TEST(RtfWriter, PicturesGoOutAsPngAndComeBack) {
    QTextDocument original;
    QImage blue(6, 3, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    original.addResource(QTextDocument::ImageResource, QUrl("figure"), blue);
    QTextCursor cursor(&original);
    cursor.insertText(QStringLiteral("see "));
    QTextImageFormat picture;
    picture.setName(QStringLiteral("figure"));
    picture.setWidth(12);
    picture.setHeight(6);
    cursor.insertImage(picture);
    const std::string rtf = WriteRtf(original);
    EXPECT_NE(rtf.find("{\\pict\\pngblip\\picwgoal180\\pichgoal90\r\n89504e47"), std::string::npos);

    QTextDocument copy;
    LoadDocument(copy, rtf);
    EXPECT_EQ(copy.toPlainText(), u"see \uFFFC");
    QTextCursor at(&copy);
    at.movePosition(QTextCursor::End);
    const QTextImageFormat read = at.charFormat().toImageFormat();
    EXPECT_DOUBLE_EQ(read.width(), 12.0);
    EXPECT_DOUBLE_EQ(read.height(), 6.0);
    const QImage back =
        copy.resource(QTextDocument::ImageResource, QUrl(read.name())).value<QImage>();
    EXPECT_EQ(back.size(), QSize(6, 3));
    EXPECT_EQ(back.pixelColor(2, 2), QColor(Qt::blue));
}

}  // namespace
}  // namespace orvan::richtext
