// The quick look that rules descriptions out before they are read: it must never rule out a
// text that shows the characters, and it should rule out the texts that cannot.
#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <filesystem>
#include <random>
#include <string>

#include "richtext/code_pages.h"
#include "richtext/screen_text.h"
#include "richtext/shown_characters.h"

namespace orvan::richtext {
namespace {

// The lexicon's prologue in small: a Greek font and an open group the bodies go into.
const RtfPrologue& GreekPrologue() {
    static const RtfPrologue prologue(
        "{\\rtf1\\ansi\\ansicpg1253{\\fonttbl{\\f60\\fcharset161 Arial;}}{\\colortbl;}{{\r\n");
    return prologue;
}

bool MayShow(const char16_t* text, std::string_view body,
             const RtfPrologue& prologue = GreekPrologue()) {
    return ShownCharacterProbe(text, prologue).mayShowAll(body);
}

// Every letter and digit the reader shows for `body` must be reported as possible: alone, and
// every piece of the shown text as it stands (blanks and marks included, repeats in order).
void ExpectShownCharactersAllowed(const RtfPrologue& prologue, std::string_view body) {
    const QString shown = ExtractPlainText(prologue, body);
    const std::u16string text(Utf16Of(shown));
    for (char16_t c : text) {
        if (!QChar::isLetterOrNumber(c) || QChar::isSurrogate(c)) continue;
        ASSERT_TRUE(ShownCharacterProbe(std::u16string(1, c), prologue).mayShowAll(body))
            << "U+" << std::hex << int(c) << " in " << body;
    }
    for (std::size_t start = 0; start < text.size(); start += 3) {
        const std::u16string piece = text.substr(start, 12);
        ASSERT_TRUE(ShownCharacterProbe(piece, prologue).mayShowAll(body))
            << QString::fromStdU16String(piece).toStdString() << " in " << body;
    }
}

TEST(ShownCharacters, RulesOutBodiesThatCannotShowTheLetters) {
    EXPECT_FALSE(MayShow(u"x", "{\\b hello} \\par world}}}"));
    // Letters of control words are not text; an escaped backslash makes them text.
    EXPECT_FALSE(MayShow(u"p", "\\par\\plain}}}"));
    EXPECT_TRUE(MayShow(u"p", "\\\\par}}}"));
    // Every probed character must be possible, in the text's order.
    EXPECT_TRUE(MayShow(u"he", "hello}}}"));
    EXPECT_FALSE(MayShow(u"hex", "hello}}}"));
    EXPECT_FALSE(MayShow(u"oh", "hello}}}"));
    EXPECT_TRUE(MayShow(u"lol", "hello, world}}}"));
    EXPECT_FALSE(MayShow(u"lol", "hello}}}"));
    EXPECT_TRUE(MayShow(u"he l", "{\\b h}\\'65\\par{\\*\\x y}l}}}"));
}

TEST(ShownCharacters, FindsEveryWayALetterReachesTheScreen) {
    // α is byte E1 of the Greek code page: as a byte, an escape in either case, or \u945.
    EXPECT_TRUE(MayShow(u"α", "\xE1}}}"));
    EXPECT_TRUE(MayShow(u"α", "\\'e1}}}"));
    EXPECT_TRUE(MayShow(u"α", "\\'E1}}}"));
    EXPECT_TRUE(MayShow(u"α", "\\u945?}}}"));
    EXPECT_FALSE(MayShow(u"α", "\\u946?\\'e2}}}"));
    // A negative \u stands for the unit 65536 higher.
    EXPECT_TRUE(MayShow(u"\uFB01", "\\u-1279?}}}"));
    // The data of \bin is read as it stands.
    EXPECT_TRUE(MayShow(u"q", "\\bin1 q}}}"));
    // A cut token at the end may mean anything to the reader.
    EXPECT_TRUE(MayShow(u"α", "text\\"));
}

TEST(ShownCharacters, LeavesOutWhatItCannotDecide) {
    // A body that brings in a font table may read its bytes through another code page.
    EXPECT_TRUE(MayShow(u"α", "{\\fonttbl{\\f1\\fcharset128 Gothic;}}\\f1 \\'83\\'bf}}}"));
    EXPECT_TRUE(MayShow(u"α", "\\ansicpg932 x}}}"));
    // A prologue that offers a two-byte code page leaves non-Latin letters unprobed.
    const RtfPrologue japanese(
        "{\\rtf1\\ansi\\ansicpg1253{\\fonttbl{\\f1\\fcharset128 Gothic;}}{{\r\n");
    EXPECT_FALSE(ShownCharacterProbe(u"αβ", japanese).active());
    EXPECT_TRUE(ShownCharacterProbe(u"ab", japanese).active());
    // What the prologue shows itself is in every document.
    const RtfPrologue showing("{\\rtf1\\ansi Title {{\r\n");
    EXPECT_EQ(ShownCharacterProbe(u"Tix", showing).probed(), u"x");
    // A prologue cut inside a word is completed by the body.
    const RtfPrologue cut("{\\rtf1 {\\u94");
    EXPECT_TRUE(ShownCharacterProbe(u"α", cut).mayShowAll("5?}}}"));
    // Blanks and marks are not probed.
    EXPECT_FALSE(ShownCharacterProbe(u" -—", GreekPrologue()).active());
}

TEST(ShownCharacters, NeverRulesOutTextTheReaderShowsInTheCorpus) {
    const std::filesystem::path corpus = ORVAN_RTF_CORPUS_DIR;
    if (!std::filesystem::exists(corpus)) GTEST_SKIP() << "no corpus at " << corpus;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        if (entry.path().extension() != ".rtf") continue;
        QFile file(QString::fromStdString(entry.path().string()));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const std::string rtf = file.readAll().toStdString();
        ExpectShownCharactersAllowed(RtfPrologue(), rtf);
        ++files;
    }
    EXPECT_GT(files, 0);
}

// Bodies made of every kind of piece the reader knows, in random order and nesting.
std::string RandomBody(std::mt19937& random) {
    static const char* const kPieces[] = {"ab",
                                          "Zq",
                                          "7",
                                          "\xE1\xE2",
                                          "\xC1",
                                          " ",
                                          "\\'e1",
                                          "\\'41",
                                          "\\'5c",
                                          "\\'zz",
                                          "\\u945?",
                                          "\\u-3913?",
                                          "\\uc0\\u946 ",
                                          "\\uc2\\u947 xy",
                                          "{",
                                          "}",
                                          "{\\*\\skip hidden}",
                                          "{\\fldinst HYPERLINK x}",
                                          "{\\fldrslt shown}",
                                          "\\par ",
                                          "\\tab ",
                                          "\\line ",
                                          "\\b ",
                                          "\\i0 ",
                                          "\\f60 ",
                                          "\\fs22 ",
                                          "\\cf1 ",
                                          "\\v ",
                                          "\\caps ",
                                          "\\\\",
                                          "\\{",
                                          "\\}",
                                          "\\~",
                                          "\\-",
                                          "\\_",
                                          "\\emdash ",
                                          "\\bin2 ab",
                                          "\\bin1 \\",
                                          "\\intbl a\\cell ",
                                          "b\\cell\\row ",
                                          "\\pard ",
                                          "{\\pict\\pngblip 0a0b}",
                                          "\\ansicpg1252 ",
                                          "\\'c3",
                                          "{\\upr{a}{\\*\\ud{\\u955?}}}",
                                          "\r\n",
                                          "-5",
                                          "\\par-5x",
                                          "\\u",
                                          "\\'",
                                          "\\b1ab",
                                          "\\fs22x7",
                                          "\\'6",
                                          "\\\\\\'61",
                                          "\\u0098?",
                                          "\\u97 ",
                                          "\\ulnone q",
                                          "\\'7a",
                                          "\\'5A",
                                          "e",
                                          "\\\\",
                                          "\\tab7"};
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kPieces) - 1);
    std::uniform_int_distribution<int> length(1, 40);
    std::string body;
    for (int n = length(random); n > 0; --n)
        body += kPieces[pick(random)];
    return body + "}}}\r\n";
}

TEST(ShownCharacters, NeverRulesOutTextTheReaderShowsInRandomBodies) {
    std::mt19937 random(20261208);
    for (int round = 0; round < 3000; ++round) {
        ExpectShownCharactersAllowed(GreekPrologue(), RandomBody(random));
        if (HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace orvan::richtext
