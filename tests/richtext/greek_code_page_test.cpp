// Code page 1253 and Unicode: the one conversion every edge of the program goes through.
#include "richtext/greek_code_page.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringDecoder>
#include <algorithm>
#include <random>

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
    // A search takes é and ï as their base letters: only what no headword can hold is named.
    EXPECT_EQ(CharactersWithoutByte(u"café ∑ é naïve 😀 α", true), "∑ 😀");
    EXPECT_EQ(Utf8ToUtf16("a\xFF"
                          "β"),
              u"a\uFFFDβ");
}

// The page and the Unicode rules are held in tables of the program's own, so that orvan-cli
// starts without Qt; Qt's converter (ICU) and normalization are what they must agree with.

QString QtOf(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

TEST(GreekCodePageAsQt, EveryByteIsTheCharacterQtsConverterGives) {
    QStringDecoder decoder("windows-1253");
    ASSERT_TRUE(decoder.isValid());
    for (int byte = 0; byte < 256; ++byte) {
        const char raw = static_cast<char>(byte);
        const QString qt = decoder.decode(QByteArrayView(&raw, 1));
        decoder.resetState();
        const char16_t expected = qt.size() == 1 ? qt.at(0).unicode() : u'\uFFFD';
        EXPECT_EQ(GreekCharacter(static_cast<unsigned char>(byte)), expected) << "byte " << byte;
        const std::string one(1, raw);
        EXPECT_EQ(GreekToUtf8(one), QtOf(GreekToUtf16(one)).toUtf8().toStdString());
    }
}

TEST(GreekCodePageAsQt, EveryCharacterOfTheBasicPlaneIsSearchedAsQtNormalizesIt) {
    for (char32_t code = 0x80; code <= 0xFFFF; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF) continue;
        const char16_t character = static_cast<char16_t>(code);
        const GreekBytes searched = Utf16ToGreekSearchText(std::u16string_view(&character, 1));
        // Qt's rule: a letter whose decomposition is an ASCII letter and non-spacing marks.
        std::string expected(1, kUnencodableMark);
        if (const auto byte = GreekByte(code)) {
            expected[0] = static_cast<char>(*byte);
        } else {
            const QString parts =
                QString(QChar(character)).normalized(QString::NormalizationForm_D);
            const bool latin =
                parts.size() > 1 && parts.at(0).unicode() < 0x80 && parts.at(0).isLetter() &&
                std::all_of(parts.begin() + 1, parts.end(),
                            [](QChar mark) { return mark.category() == QChar::Mark_NonSpacing; });
            if (latin) expected[0] = static_cast<char>(parts.at(0).unicode());
        }
        ASSERT_EQ(searched.bytes, expected) << "U+" << std::hex << static_cast<int>(code);
        EXPECT_EQ(searched.complete, expected[0] != kUnencodableMark);
    }
}

TEST(GreekCodePageAsQt, Utf8IsDecodedAsQtsStatelessDecoderDecodesIt) {
    // Well-formed and broken pieces, a byte order mark among them, in random order.
    const std::string pieces[] = {"\xEF\xBB\xBF",
                                  "\xC3\xA9",
                                  "\xE2\x82\xAC",
                                  "\xF0\x9F\x98\x80",
                                  "\xED\xA0\x80",
                                  "\xC0\x80",
                                  "\xE0\x80\x80",
                                  "\xF4\x90\x80\x80",
                                  "\x80",
                                  "\xC2",
                                  "\xE2\x82",
                                  "\xF0\x9F\x98",
                                  "a",
                                  "\xFF",
                                  "\xEF\xBF\xBF",
                                  "\xF5\x80\x80\x80"};
    std::mt19937 random(1253);
    for (int run = 0; run < 20000; ++run) {
        std::string bytes;
        for (int count = static_cast<int>(random() % 6); count > 0; --count) {
            if (random() % 3 == 0) {
                bytes += static_cast<char>(random() % 256);
            } else {
                bytes += pieces[random() % std::size(pieces)];
            }
        }
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString qt = decoder.decode(QByteArrayView(bytes.data(), bytes.size()));
        ASSERT_EQ(QtOf(Utf8ToUtf16(bytes)), qt) << QByteArray::fromStdString(bytes).toHex().data();
        ASSERT_EQ(IsUtf8(bytes), !decoder.hasError())
            << QByteArray::fromStdString(bytes).toHex().data();
    }
}

TEST(GreekCodePageAsQt, ALoneSurrogateIsNamedAsQtWritesIt) {
    const std::u16string lone(1, char16_t{0xD800});
    EXPECT_EQ(CharactersWithoutByte(lone + u" x"), QtOf(lone).toStdString());
}

}  // namespace
}  // namespace orvan
