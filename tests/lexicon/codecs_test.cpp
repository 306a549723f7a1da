#include "lexicon/codecs.h"

#include <gtest/gtest.h>

namespace orvan {
namespace {

std::string AllBytesFrom(int first, int last) {
    std::string bytes;
    for (int b = first; b <= last; ++b)
        bytes.push_back(static_cast<char>(b));
    return bytes;
}

TEST(IndexLineCodec, WorkedExamples) {
    EXPECT_EQ(EncodeIndexLine(1, "ABCDEFG"), "EDABAFG");
    EXPECT_EQ(DecodeIndexLine(1, "EDABAFG"), "ABCDEFG");
    EXPECT_NE(DecodeIndexLine(7, "EDABAFG"), "ABCDEFG");
    EXPECT_EQ(EncodeIndexLine(5, "x"), "x");
    EXPECT_EQ(DecodeIndexLine(5, "x"), "x");
    EXPECT_EQ(EncodeIndexLine(5, ""), "");
}

TEST(IndexLineCodec, IsExactInverseAcrossTheKeyCycle) {
    // Shifts are at most 5, so bytes 6..250 never scramble to a zero byte (which would end the
    // line); index lines hold printable bytes only.
    const std::string odd = AllBytesFrom(6, 250);
    const std::string even = AllBytesFrom(6, 249);
    for (int line : {1, 2, 3, 7, 99, 100, 999, 1000, 1234, 40000, 65535}) {
        EXPECT_EQ(DecodeIndexLine(line, EncodeIndexLine(line, odd)), odd) << line;
        EXPECT_EQ(DecodeIndexLine(line, EncodeIndexLine(line, even)), even) << line;
    }
}

TEST(IndexLineCodec, KeepsLastPositionOfEvenAndOddLines) {
    const std::string scrambled = EncodeIndexLine(1234, "abcdefgh");
    EXPECT_EQ(scrambled.size(), 8u);
    EXPECT_EQ(scrambled.back(), 'h');
    EXPECT_EQ(EncodeIndexLine(1234, "abcdefghi").substr(7), "hi");
}

TEST(LexTextCodec, WorkedExampleAndPositionDependence) {
    EXPECT_EQ(EncodeLexText(1, "abc"), "\x7E\x80\x82");
    EXPECT_NE(EncodeLexText(1, "abcdef"), EncodeLexText(4, "abcdef"));
    EXPECT_EQ(EncodeLexText(3, "abcdef"), EncodeLexText(13, "abcdef"));
}

TEST(LexTextCodec, RestoresBytesTenTo217AndMapsTabTo217) {
    const std::string plain = AllBytesFrom(10, 217);
    for (long long start : {1LL, 2LL, 57602LL, 123456789LL}) {
        EXPECT_EQ(DecodeLexText(start, EncodeLexText(start, plain)), plain) << start;
    }
    EXPECT_EQ(DecodeLexText(5, EncodeLexText(5, "\t")), "\xD9");
}

TEST(LexTextCodec, LongTextsDecodeByteForByteAsTheRuleSays) {
    // Every stored byte at every key, in a text long enough to be decoded many bytes at a time.
    std::string stored;
    for (int round = 0; round < 3; ++round)
        stored += AllBytesFrom(1, 255);
    for (long long start = 1; start <= 10; ++start) {
        const std::string plain = DecodeLexText(start, stored);
        ASSERT_EQ(plain.size(), stored.size());
        for (size_t i = 0; i < stored.size(); ++i) {
            const long long q = start + static_cast<long long>(i);
            int d = static_cast<unsigned char>(stored[i]) - static_cast<int>(q % 10) - 28;
            if (d < 10) d += 208;
            ASSERT_EQ(static_cast<unsigned char>(plain[i]), d & 0xFF) << start << " " << i;
        }
    }
}

TEST(PersonalCodec, WorkedExampleAndRange) {
    EXPECT_EQ(EncodePersonalText("abc"), "\x80\x82\x84");
    const std::string plain = AllBytesFrom(32, 254);
    EXPECT_EQ(DecodePersonalText(EncodePersonalText(plain)), plain);
    EXPECT_EQ(DecodePersonalText(EncodePersonalText("\xFF")), " ");
}

TEST(Codecs, StopAtTheFirstZeroByte) {
    const std::string withZero("ab\0cd", 5);
    EXPECT_EQ(EncodeIndexLine(1, withZero).size(), 2u);
    EXPECT_EQ(EncodeLexText(1, withZero).size(), 2u);
    EXPECT_EQ(DecodePersonalText(withZero).size(), 2u);
}

TEST(Codecs, ScrambledLinesHoldNoLineBreakOrEndOfFileMark) {
    // Personal lines hold bytes 32..254; their scrambled form must stay one line.
    const std::string scrambled = EncodePersonalText(AllBytesFrom(32, 254));
    EXPECT_EQ(scrambled.find_first_of(std::string("\r\n\x1A\0", 4)), std::string::npos);
}

}  // namespace
}  // namespace orvan
