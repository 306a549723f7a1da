// Text between code page 1253 bytes and the screen, and the reader's code pages checked against
// Qt's own converters.
#include "richtext/code_pages.h"
#include "richtext/screen_text.h"

#include <gtest/gtest.h>

#include <QStringDecoder>
#include <QStringEncoder>

#include "richtext/greek_code_page.h"
#include "richtext/plain_text.h"

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

std::u16string Decoded(int codePage, std::string_view bytes) {
    std::u16string out = u"<";
    AppendDecoded(codePage, bytes, out);  // appends after what the buffer holds
    return out.substr(1);
}

std::u16string QtDecoded(const char* name, std::string_view bytes) {
    QStringDecoder decoder(name);
    const QString text = decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    return std::u16string(Utf16Of(text));
}

TEST(CodePages, EverySingleByteTableDecodesAsQtsConverter) {
    const std::pair<int, const char*> pages[] = {
        {437, "IBM437"},        {850, "IBM850"},        {874, "windows-874"},
        {1250, "windows-1250"}, {1251, "windows-1251"}, {1252, "windows-1252"},
        {1254, "windows-1254"}, {1255, "windows-1255"}, {1256, "windows-1256"},
        {1257, "windows-1257"}, {1258, "windows-1258"}, {10000, "macintosh"}};
    for (const auto& [page, name] : pages) {
        QStringDecoder decoder(name);
        ASSERT_TRUE(decoder.isValid()) << name;
        const std::array<char16_t, 256>* table = SingleByteTable(page);
        ASSERT_NE(table, nullptr) << page;
        for (int byte = 0; byte < 256; ++byte) {
            const char raw = static_cast<char>(byte);
            const QString qt = decoder.decode(QByteArrayView(&raw, 1));
            decoder.resetState();
            // Bytes below 0x80 are ASCII in every page RTF names.
            const char16_t expected = byte < 128       ? char16_t(byte)
                                      : qt.size() == 1 ? qt.at(0).unicode()
                                                       : u'\uFFFD';
            ASSERT_EQ((*table)[byte], expected) << "page " << page << " byte " << byte;
            const std::string one(1, raw);
            ASSERT_EQ(Decoded(page, one), std::u16string(1, expected)) << page << " " << byte;
        }
    }
    // A page the reader does not know is read as Western.
    EXPECT_EQ(SingleByteTable(12345), SingleByteTable(kWesternCodePage));
    EXPECT_EQ(Decoded(12345, "\x80\xE9"), u"€é");
    EXPECT_EQ(SingleByteTable(932), nullptr);
}

TEST(CodePages, MultiByteTextDecodesAsQtsConverter) {
    const struct {
        int page;
        const char* qtName;
        const char* utf8;
    } pages[] = {{932, "Shift_JIS", "日本語の辞書 ｶﾀｶﾅ ABC ~"},
                 {936, "GBK", "中文词典 技术术语 €"},
                 {949, "windows-949", "한국어 사전 기술 용어"},
                 {950, "Big5", "中文詞典 技術術語"}};
    for (const auto& [page, qtName, utf8] : pages) {
        QStringEncoder encoder(qtName);
        const QByteArray encoded = encoder.encode(QString::fromUtf8(utf8));
        ASSERT_FALSE(encoder.hasError()) << qtName;
        const std::string bytes(encoded.constData(), std::size_t(encoded.size()));
        const std::u16string text(Utf16Of(QString::fromUtf8(utf8)));
        EXPECT_EQ(Decoded(page, bytes), text) << page;
        EXPECT_EQ(Decoded(page, bytes), QtDecoded(qtName, bytes)) << page;
    }
    // Qt has no Johab converter: these bytes are "한국어 사전" as the system's iconv writes them.
    EXPECT_EQ(Decoded(1361, "\xD0\x65\x8A\x82\xB4\xE1 \xAC\x61\xB8\xE5"), u"한국어 사전");
}

TEST(CodePages, BadMultiByteSequencesGiveAReplacementAndTheTextGoesOn) {
    // A lead byte followed by a byte that cannot end it: the lead is replaced, the rest is read.
    EXPECT_EQ(Decoded(932,
                      "\x81\x7F"
                      "ab"),
              u"\uFFFD\x7F"
              u"ab");
    EXPECT_EQ(Decoded(936,
                      "\x81\x20"
                      "x\xD6\xD0"),
              u"\uFFFD x中");
    // Bytes no page holds.
    EXPECT_EQ(Decoded(932,
                      "a\xFD\xA0"
                      "b"),
              u"a\uFFFD\uFFFDb");
    // A lead byte cut off at the end is one replacement character, not lost silently.
    EXPECT_EQ(Decoded(949, "\xC7\xD1\xB1"), u"한\uFFFD");
    EXPECT_EQ(Decoded(950, "\xA4"), u"\uFFFD");
    EXPECT_EQ(Decoded(932, ""), u"");
    // Windows' 932 keeps ASCII's backslash, tilde and control characters.
    EXPECT_EQ(Decoded(932, "\\~\x1A\x1C\x7F"), u"\\~\x1A\x1C\x7F");
}

TEST(CodePages, LongMultiByteTextDecodesWhole) {
    // Longer than any buffer the converter starts with, and decoded twice in a row.
    std::string bytes;
    std::u16string text;
    for (int i = 0; i < 5000; ++i) {
        bytes +=
            "\x93\xFA"
            "a";
        text += u"日a";
    }
    EXPECT_EQ(Decoded(932, bytes), text);
    EXPECT_EQ(Decoded(932, bytes), text);
}

TEST(CodePages, TheReaderDecodesEscapedBytesInTheDocumentsPage) {
    const std::u16string text = PlainTextOf(
        "{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0\\fcharset128 Gothic;}"
        "{\\f1\\fcharset161 Greek;}}\\f0 \\'93\\'fa\\'96\\'7b \\f1 \\'e1\\par}");
    EXPECT_EQ(text, u"日本 α\n");
}

}  // namespace
}  // namespace orvan::richtext
