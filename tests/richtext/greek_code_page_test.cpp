// Code page 1253 and Unicode: the one conversion every edge of the program goes through.
#include "richtext/greek_code_page.h"

#include <gtest/gtest.h>

namespace orvan {
namespace {

TEST(GreekCodePage, EveryByteButTheTwoEmptyOnesComesBackFromItsCharacter) {
    int empty = 0;
    for (int value = 1; value < 256; ++value) {
        const auto byte = static_cast<unsigned char>(value);
        const char16_t character = GreekCharacter(byte);
        if (character == u'\uFFFD') {
            ++empty;
            continue;
        }
        EXPECT_EQ(GreekByte(character), byte) << "byte " << value;
    }
    EXPECT_EQ(empty, 2);  // 0xD2 and 0xFF
    EXPECT_FALSE(GreekByte(u'\uFFFD'));
    EXPECT_EQ(GreekCharacter(0x81), u'\u0081');  // unassigned, as Windows converts it
    EXPECT_EQ(GreekCharacter(0xD3), u'Σ');
    EXPECT_EQ(GreekCharacter(0xB4), u'΄');
    EXPECT_EQ(GreekCharacter(0x80), u'€');
}

TEST(GreekCodePage, NulAndCharactersOutsideThePageHaveNoByte) {
    EXPECT_FALSE(GreekByte(0));  // it would cut the text short in the files
    EXPECT_FALSE(GreekByte(U'ж'));
    EXPECT_FALSE(GreekByte(U'é'));  // no near-enough letter is chosen
    EXPECT_FALSE(GreekByte(U'\U0001F600'));
    EXPECT_EQ(GreekByte(U'ς'), 0xF2);
}

TEST(GreekCodePage, Utf16MarksEachCharacterThePageCannotHold) {
    const GreekBytes greek = Utf16ToGreek(u"μηχανή Αβ engine *");
    EXPECT_TRUE(greek.complete);
    EXPECT_EQ(greek.bytes, "\xEC\xE7\xF7\xE1\xED\xDE \xC1\xE2 engine *");
    EXPECT_EQ(GreekToUtf16(greek.bytes), u"μηχανή Αβ engine *");

    // A surrogate pair is one character, a lone surrogate another.
    const GreekBytes marked = Utf16ToGreek(std::u16string(u"ж😀b") + u'\0' + u'\xD800' + u"c");
    EXPECT_FALSE(marked.complete);
    EXPECT_EQ(marked.bytes, "??b??c");
}

TEST(GreekCodePage, Utf8RoundTripsAndMarksWhatItCannotHold) {
    const std::string utf8 = "ΐ Ώ ώ € “quoted” ‰ ΅";
    const GreekBytes greek = Utf8ToGreek(utf8);
    EXPECT_TRUE(greek.complete);
    EXPECT_EQ(greek.bytes.size(), 20u);
    EXPECT_EQ(GreekToUtf8(greek.bytes), utf8);

    EXPECT_EQ(Utf8ToGreek("a中b").bytes, "a?b");
    EXPECT_FALSE(Utf8ToGreek("a中b").complete);
    EXPECT_EQ(Utf8ToGreek("a\xC3(b").bytes, "a?(b");  // a broken sequence
    EXPECT_EQ(GreekToUtf8("\xD2"), "\xEF\xBF\xBD");   // an empty byte shows as U+FFFD
}

TEST(GreekCodePage, OnlyWellFormedUtf8IsUtf8) {
    EXPECT_TRUE(IsUtf8(""));
    EXPECT_TRUE(IsUtf8("plain ascii"));
    EXPECT_TRUE(IsUtf8("αβγ 中 😀 \xEF\xBF\xBD"));
    EXPECT_FALSE(IsUtf8("\xC0\xAF"));                          // an overlong "/"
    EXPECT_FALSE(IsUtf8("\xE0\x80\xAF"));                      // an overlong "/" in three bytes
    EXPECT_FALSE(IsUtf8("\xED\xA0\x80"));                      // a surrogate
    EXPECT_FALSE(IsUtf8("\xF4\x90\x80\x80"));                  // past U+10FFFF
    EXPECT_FALSE(IsUtf8("\xCE"));                              // cut short at the end
    EXPECT_FALSE(IsUtf8("\xCE\xB1\xB1"));                      // a stray continuation byte
    EXPECT_FALSE(IsUtf8(std::string_view("\xFF\xFEg\0", 4)));  // UTF-16
}

}  // namespace
}  // namespace orvan

namespace orvan {
namespace {

TEST(GreekCodePage, SearchTextTakesLatinLettersWithDiacriticsAsTheirBaseLetter) {
    EXPECT_EQ(Utf16ToGreekSearchText(u"Café naïve ÅNGSTRÖM").bytes, "Cafe naive ANGSTROM");
    EXPECT_TRUE(Utf16ToGreekSearchText(u"Café").complete);
    // Greek and what the page holds stay as they are; other characters are marked.
    const GreekBytes mixed = Utf16ToGreekSearchText(u"ά é ∑ ß 😀 ?");
    EXPECT_EQ(mixed.bytes, "\xDC e ? ? ? ?");
    EXPECT_FALSE(mixed.complete);
}

TEST(GreekCodePage, CharactersWithoutAByteAreNamedOnceInOrder) {
    EXPECT_EQ(CharactersWithoutByte(u"café ∑ é naïve 😀 α"), "é ∑ ï 😀");
    EXPECT_EQ(CharactersWithoutByte(u"αβγ abc"), "");
    EXPECT_EQ(Utf8ToUtf16("a\xFF"
                          "β"),
              u"a\uFFFDβ");
}

}  // namespace
}  // namespace orvan
