#include "richtext/rtf_tokenizer.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace orvan::richtext {
namespace {

using Kind = RtfToken::Kind;

std::vector<RtfToken> Tokens(std::string_view source) {
    RtfTokenizer tokenizer(source);
    std::vector<RtfToken> tokens;
    for (RtfToken token = tokenizer.next(); token.kind != Kind::End; token = tokenizer.next())
        tokens.push_back(token);
    return tokens;
}

TEST(RtfTokenizer, SplitsGroupsWordsSymbolsEscapesAndText) {
    const auto tokens = Tokens("{\\b0 bold\\'e1\\~x}\r\n\\par");
    ASSERT_EQ(tokens.size(), 8u);
    EXPECT_EQ(tokens[0].kind, Kind::GroupStart);
    EXPECT_EQ(tokens[1].kind, Kind::Word);
    EXPECT_EQ(tokens[1].word, "b");
    EXPECT_TRUE(tokens[1].hasParameter);
    EXPECT_EQ(tokens[1].parameter, 0);
    EXPECT_EQ(tokens[2].kind, Kind::Text);
    EXPECT_EQ(tokens[2].word, "bold");  // the blank after \b0 belongs to the word
    EXPECT_EQ(tokens[3].kind, Kind::HexByte);
    EXPECT_EQ(tokens[3].byte, 0xE1);
    EXPECT_EQ(tokens[4].kind, Kind::Symbol);
    EXPECT_EQ(tokens[4].symbol, '~');
    EXPECT_EQ(tokens[5].word, "x");
    EXPECT_EQ(tokens[6].kind, Kind::GroupEnd);
    EXPECT_EQ(tokens[7].word, "par");  // line ends in the source are passed over
    EXPECT_FALSE(tokens[7].hasParameter);
}

TEST(RtfTokenizer, ReadsParameters) {
    const auto tokens = Tokens("\\li-360\\u945a\\fs99999999999 \\f-x");
    ASSERT_EQ(tokens.size(), 6u);
    EXPECT_EQ(tokens[0].parameter, -360);
    EXPECT_EQ(tokens[1].word, "u");
    EXPECT_EQ(tokens[1].parameter, 945);
    EXPECT_EQ(tokens[2].word, "a");
    EXPECT_EQ(tokens[3].parameter, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(tokens[4].word, "f");  // a minus sign without digits is text
    EXPECT_FALSE(tokens[4].hasParameter);
    EXPECT_EQ(tokens[5].word, "-x");
}

TEST(RtfTokenizer, CutsOverlongWordsAndReportsTruncatedEscapes) {
    const std::string longWord = "\\" + std::string(100, 'a') + "1 x";
    const auto tokens = Tokens(longWord);
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[0].word.size(), kMaxWordLength);
    EXPECT_EQ(tokens[0].parameter, 1);

    EXPECT_EQ(Tokens("\\'e").back().kind, Kind::Incomplete);
    EXPECT_EQ(Tokens("\\'").back().kind, Kind::Incomplete);
    EXPECT_EQ(Tokens("\\").back().kind, Kind::Incomplete);
    const auto malformed = Tokens("\\'zz");  // not hexadecimal: the digits stay text
    ASSERT_EQ(malformed.size(), 2u);
    EXPECT_EQ(malformed[1].word, "zz");
}

TEST(RtfTokenizer, SkipsBinaryDataWithinTheInput) {
    RtfTokenizer tokenizer("\\bin3 {}x\\y rest");
    const RtfToken bin = tokenizer.next();
    EXPECT_EQ(bin.word, "bin");
    tokenizer.skipBytes(bin.parameter);
    EXPECT_EQ(tokenizer.next().word, "y");
    tokenizer.skipBytes(std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(tokenizer.next().kind, Kind::End);
}

}  // namespace
}  // namespace orvan::richtext
