// What the reader shows: characters, escapes, Unicode, destinations, and how it copes with
// broken input.
#include <gtest/gtest.h>

#include <QString>
#include <random>
#include <string>

#include "richtext/plain_text.h"
#include "richtext/rtf_reader.h"
#include "richtext/screen_text.h"

namespace orvan::richtext {
namespace {

QString Plain(std::string_view rtf) {
    return ExtractPlainText(rtf);
}

// A document in the lexicon's manner: a Greek font 60 and a colour table.
std::string GreekDocument(std::string_view body) {
    return "{\\rtf1\\ansi\\ansicpg1253\\deff0{\\fonttbl{\\f0\\fswiss Arial;}"
           "{\\f60\\fnil\\fcharset161 Arial Greek;}}{\\colortbl;\\red0\\green0\\blue128;}" +
           std::string(body) + "}";
}

TEST(RtfReaderText, GreekFromEscapesInAGreekFontAndFromUnicode) {
    // "λέξη" as code page 1253 escapes in font 60, then as \u words.
    EXPECT_EQ(Plain(GreekDocument("\\f60 \\'eb\\'dd\\'ee\\'e7")), u"λέξη");
    EXPECT_EQ(Plain(GreekDocument("\\u955?\\u941?\\u958?\\u951?")), u"λέξη");
    // The same bytes in a Western font are Latin letters.
    EXPECT_EQ(Plain("{\\rtf1\\ansi\\f0 caf\\'e9}"), u"café");
    // \ansicpg sets the code page of fonts without a character set.
    EXPECT_EQ(Plain("{\\rtf1\\ansi\\ansicpg1253 \\'e1}"), u"α");
    // Other character sets go through their own code pages (1251 is Cyrillic).
    EXPECT_EQ(Plain("{\\rtf1{\\fonttbl{\\f1\\fcharset204 X;}}\\f1 \\'e4}"), u"д");
}

TEST(RtfReaderText, UnicodeFallbackIsSkippedByTheUcCount) {
    EXPECT_EQ(Plain("{\\rtf1 \\u945a\\u946?b}"), u"αβb");
    EXPECT_EQ(Plain("{\\rtf1 {\\uc2\\u228\\'E8a}x}"), u"äx");
    EXPECT_EQ(Plain("{\\rtf1 \\uc0\\u945 a}"), u"αa");
    EXPECT_EQ(Plain("{\\rtf1 \\u-3913?}"), QString(QChar(0xF0B7)));
    // A group end stops the skipping; a control word counts as one character.
    EXPECT_EQ(Plain("{\\rtf1 {\\uc3\\u945}ab}"), u"αab");
    EXPECT_EQ(Plain("{\\rtf1 \\u945\\par b}"), u"αb");
    // Characters that look like byte order marks are kept as they are.
    EXPECT_EQ(Plain("{\\rtf1 \\u-2?x}"), QString(QChar(0xFFFE)) + QLatin1Char('x'));
    EXPECT_EQ(Plain("{\\rtf1 \\u-257?x}"), QString(QChar(0xFEFF)) + QLatin1Char('x'));
    // Two \u words make one character outside the basic plane.
    EXPECT_EQ(Plain("{\\rtf1 \\u-10179?\\u-8694?}"), QString::fromUtf8("😊"));
}

TEST(RtfReaderText, EscapedSymbolsAndNamedCharacters) {
    EXPECT_EQ(Plain("{\\rtf1 a\\\\b\\{c\\}d}"), u"a\\b{c}d");
    EXPECT_EQ(Plain("{\\rtf1 a\\~b\\-c\\_d}"), u"a b\u00ADc\u2011d");  // no-break space: blank
    EXPECT_EQ(Plain("{\\rtf1 \\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote}"),
              u"—–•‘’“”");
    EXPECT_EQ(Plain("{\\rtf1 a\\tab b\\line c\\par d}"), u"a\tb\nc\nd");
}

TEST(RtfReaderText, ParagraphsAndSourceLineEnds) {
    EXPECT_EQ(Plain("{\\rtf1 one\r\ntwo\\par\r\nthree\\par}"), u"onetwo\nthree\n");
    // A backslash before a line end is a paragraph end.
    EXPECT_EQ(Plain("{\\rtf1 one\\\ntwo\\\r\nthree}"), u"one\ntwo\nthree");
    // Escaped line ends break paragraphs as the view would.
    EXPECT_EQ(Plain("{\\rtf1 a\\'0d\\'0ab\\'0dc\\'0a\\'0ad}"), u"a\nb\nc\n\nd");
}

TEST(RtfReaderText, DestinationsThatAreNotShown) {
    EXPECT_EQ(Plain("{\\rtf1{\\info{\\title T}{\\author A}}{\\stylesheet{\\s1 Normal;}}"
                    "{\\*\\generator W;}{\\header H\\par}{\\footer F}{\\*\\unknown U}"
                    "{\\*\\listtable{\\list{\\leveltext L;}}}shown}"),
              u"shown");
    EXPECT_EQ(Plain("{\\rtf1 a{\\pict\\wmetafile8 0100}b{\\footnote note}c}"), u"abc");
    EXPECT_EQ(Plain("{\\rtf1 a{\\v hidden}b\\v c\\v0 d}"), u"abd");
    EXPECT_EQ(Plain("{\\rtf1 \\unknownword a\\unknown12 b}"), u"ab");
    // The ANSI half of \upr is passed over, its Unicode twin shown.
    EXPECT_EQ(Plain("{\\rtf1 {\\upr{ansi}{\\*\\ud{\\u945?}}}}"), u"α");
}

TEST(RtfReaderText, FieldsShowTheirResult) {
    EXPECT_EQ(Plain("{\\rtf1 {\\field{\\*\\fldinst{HYPERLINK \"http://x.org\"}}"
                    "{\\fldrslt{click}}} me}"),
              u"click me");
    EXPECT_EQ(Plain("{\\rtf1 {\\field{\\fldinst PAGE}{\\fldrslt 3}}}"), u"3");
}

TEST(RtfReaderText, BinaryDataIsPassedOver) {
    EXPECT_EQ(Plain("{\\rtf1 a{\\pict\\bin4 }}{x}b}"), u"ab");
    EXPECT_EQ(Plain("{\\rtf1 a\\bin2 {}b}"), u"ab");
    EXPECT_EQ(Plain("{\\rtf1 a\\bin2147483647 {}b}"), u"a");
    EXPECT_EQ(Plain("{\\rtf1 a\\bin2147483648 {}b}"), u"a");  // 2^31 saturates
    EXPECT_EQ(Plain("{\\rtf1 a\\bin-5 b}"), u"ab");
}

TEST(RtfReaderText, TablesGiveTheirCellsRowByRow) {
    const char* table =
        "{\\rtf1 before\\par\\trowd\\cellx100\\pard\\intbl A\\cell\\pard\\intbl B\\par B2\\cell"
        "\\row\\trowd\\intbl C\\cell\\intbl D\\cell\\intbl E\\cell\\row\\pard after}";
    // The table follows the paragraph before it; short rows are filled with empty cells.
    EXPECT_EQ(Plain(table), u"before\n\nA\nB\nB2\n\nC\nD\nE\nafter");
}

TEST(RtfReaderText, ATableTooWideToLayOutIsKeptAsText) {
    const auto row = [](std::size_t cells) {
        std::string rtf = "{\\rtf1 \\trowd";
        for (std::size_t cell = 0; cell < cells; ++cell)
            rtf += "\\intbl c" + std::to_string(cell) + "\\cell";
        return rtf + "\\row\\pard after}";
    };
    const auto shown = [](std::size_t cells, QChar between) {
        QString text = QStringLiteral("\n");
        for (std::size_t cell = 0; cell < cells; ++cell)
            text += (cell > 0 ? QString(between) : QString()) + QStringLiteral("c%1").arg(cell);
        return text + QStringLiteral("\nafter");
    };
    // As wide as a table may be: cells, each on its own line.
    EXPECT_EQ(Plain(row(kMaxTableColumns)), shown(kMaxTableColumns, u'\n'));
    // One cell more: the row is a paragraph with its cells separated by tabs, and nothing is lost.
    EXPECT_EQ(Plain(row(kMaxTableColumns + 1)), shown(kMaxTableColumns + 1, u'\t'));
    // Cells with no row at all make one long row.
    std::string bare = "{\\rtf1 ";
    for (int cell = 0; cell < 80000; ++cell)
        bare += "\\cell ";
    EXPECT_EQ(Plain(bare + "}"),
              QStringLiteral("\n") + QString(79999, u'\t') + QStringLiteral("\n"));
}

TEST(RtfReaderText, MissingAndExtraBracesAndTextAfterTheEnd) {
    EXPECT_EQ(Plain("{\\rtf1 {\\b open {\\i deeper"), u"open deeper");
    EXPECT_EQ(Plain("{\\rtf1 {a}}}} b"), u"a");  // the document ends with its own group
    EXPECT_EQ(Plain("{\\rtf1 a\\'e"), u"a");
    EXPECT_EQ(Plain("{\\rtf1 a\\"), u"a");
}

TEST(RtfReaderText, TextThatIsNotRtfIsShownAsItIs) {
    EXPECT_EQ(Plain("plain \xe1\xe2\r\nline\rnext"), u"plain αβ\nline\nnext");
    EXPECT_EQ(Plain("{\\rt1 not rtf}"), u"{\\rt1 not rtf}");
    EXPECT_EQ(Plain(""), u"");
}

TEST(RtfReaderText, PathologicalInputIsReadToItsEnd) {
    const std::string deep =
        "{\\rtf1 " + std::string(100000, '{') + "x" + std::string(100000, '}') + "y}";
    EXPECT_EQ(Plain(deep), u"xy");

    std::mt19937 random(1253);
    std::string noise(200000, '\0');
    for (char& byte : noise)
        byte = static_cast<char>(random() & 0xFF);
    Plain("{\\rtf1 " + noise);  // must simply return

    // A table of one very wide row and many narrow ones is not laid out as a grid.
    std::string table = "{\\rtf1 \\trowd";
    for (int i = 0; i < 30000; ++i)
        table += "\\intbl w\\cell";
    table += "\\row";
    for (int i = 0; i < 30000; ++i)
        table += "\\intbl n\\cell\\row";
    const QString text = Plain(table + "\\pard after}");
    EXPECT_EQ(text.size(), 30000 * 2 - 1 + 1 + 30000 * 2 + 1 + 5);
    EXPECT_TRUE(text.startsWith(u"\nw\tw\t"));
    EXPECT_TRUE(text.endsWith(u"\nn\nafter"));

    std::string words = "{\\rtf1 ";
    for (int i = 0; i < 20000; ++i)
        words += "\\uc999999999\\u945 \\bin-5 \\'";
    Plain(words);
}

TEST(RtfReaderText, APrologueReadOnceGivesWhatTheWholeDocumentGives) {
    const std::string prologue = GreekDocument("").substr(0, GreekDocument("").size() - 1) + "{{";
    const std::string bodies[] = {" \\f60\\fs22\\cf1  \\'eb\\'dd\\'ee\\'e7}}}", "{\\b x}\\par y}}}",
                                  "", "}}}} after"};
    const RtfPrologue read(prologue);
    for (const std::string& body : bodies)
        EXPECT_EQ(ExtractPlainText(read, body), Plain(prologue + body)) << body;
    // A prologue cut inside a control word goes on in the body.
    const RtfPrologue cut(prologue + "\\f6");
    EXPECT_EQ(ExtractPlainText(cut, "0 \\'e1"), u"α");
    EXPECT_EQ(ExtractPlainText(cut, "0 \\'e1"), Plain(cut.source() + "0 \\'e1"));
    // Binary data that goes on past the prologue is passed over in the body.
    const RtfPrologue binary("{\\rtf1 {\\bin4 ab");
    EXPECT_EQ(ExtractPlainText(binary, "cd}x}"), u"x");
    // A prologue that shows text is read together with each body.
    const RtfPrologue showing("{\\rtf1 head ");
    EXPECT_EQ(ExtractPlainText(showing, "body}"), u"head body");
    EXPECT_EQ(ExtractPlainText(showing, "again}"), u"head again");
    const std::string tabled = "{\\rtf1 a\\par\\intbl c\\cell\\row\\pard b";
    EXPECT_EQ(ExtractPlainText(RtfPrologue(tabled), "\\intbl d\\cell}"),
              Plain(tabled + "\\intbl d\\cell}"));
}

TEST(RtfReaderText, WithoutAPrologueTheBodyAloneTellsWhetherItIsRtf) {
    std::u16string out = u"left over";
    ExtractPlainText(RtfPrologue(), "{\\rtf1 a\\par b}", out);
    EXPECT_EQ(out, u"a\nb");
    EXPECT_EQ(PlainTextOf(RtfPrologue(), "{\\rtf1 a\\par b}"), u"a\nb");
    EXPECT_EQ(PlainTextOf(RtfPrologue(), "a\r\nb\xA0\xE1"), u"a\nb α");
    EXPECT_EQ(ShownPlainText("a\rb\r\n"), u"a\nb\n");
}

}  // namespace
}  // namespace orvan::richtext
