// Text between code page 1253 bytes and the screen, and the program's code page rule checked
// against Qt's own converter.
#include "richtext/code_pages.h"

#include <gtest/gtest.h>

#include <QStringDecoder>
#include <QStringEncoder>

#include "richtext/greek_code_page.h"

namespace orvan::richtext {
namespace {

TEST(GreekCodePage, ScreenTextAndBytesRoundTrip) {
    const std::string bytes = "\xEC\xE7\xF7\xE1\xED\xDE \xC1\xE2 engine *";  // "μηχανή Αβ engine *"
    const QString shown = FromGreekCodePage(bytes);
    EXPECT_EQ(shown, QString::fromUtf8("μηχανή Αβ engine *"));
    EXPECT_EQ(ToGreekCodePage(shown), bytes);
}

TEST(GreekCodePage, CharactersOutsideThePageBecomeQuestionMarks) {
    // Cyrillic, a character outside the basic plane (a surrogate pair), and a NUL that would
    // cut the text short in the files.
    EXPECT_EQ(ToGreekCodePage(QString::fromUtf8("жα😀b") + QChar(0) + "c"), "?\xE1?b?c");
    // A lone surrogate is one unknown character.
    EXPECT_EQ(ToGreekCodePage(QString(QChar(0xD800)) + "x"), "?x");
}

TEST(GreekCodePage, EveryByteDecodesAsQtsConverterDecodesIt) {
    QStringDecoder decoder("windows-1253");
    ASSERT_TRUE(decoder.isValid());
    const auto& table = *SingleByteTable(kGreekCodePage);
    for (int byte = 0; byte < 256; ++byte) {
        const char raw = static_cast<char>(byte);
        const QString qt = decoder.decode(QByteArrayView(&raw, 1));
        decoder.resetState();
        ASSERT_EQ(qt.size(), 1) << "byte " << byte;
        EXPECT_EQ(GreekCharacter(static_cast<unsigned char>(byte)), qt.at(0).unicode())
            << "byte " << byte;
        EXPECT_EQ(table[byte], qt.at(0).unicode()) << "byte " << byte;
    }
}

TEST(GreekCodePage, ACharacterHasAByteExactlyWhenQtsConverterGivesItOneBack) {
    QStringDecoder decoder("windows-1253");
    for (char32_t c = 1; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        const QString text(QChar(static_cast<char16_t>(c)));
        QStringEncoder encoder("windows-1253");  // its error mark stays once set: one each
        const QByteArray bytes = encoder.encode(text);
        // Qt substitutes a near letter or a mark for what the page lacks: the round trip tells.
        const bool qtHolds =
            !encoder.hasError() && bytes.size() == 1 && QString(decoder.decode(bytes)) == text;
        decoder.resetState();
        const auto byte = GreekByte(c);
        ASSERT_EQ(byte.has_value(), qtHolds) << "U+" << std::hex << static_cast<unsigned>(c);
        if (byte) {
            EXPECT_EQ(static_cast<unsigned char>(bytes.at(0)), *byte);
        }
    }
}

}  // namespace
}  // namespace orvan::richtext
