#include "app/rtf_tokenizer.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace calorix::rtf {
namespace {

// Each token as a short text: "{", "}", "\fs20" (a word and its number),
// "\b" (a word without one), "\'e9", "sym ~", "'x'" (text), "bin".
std::string Describe(const Token& token) {
    static const char kHex[] = "0123456789abcdef";
    switch (token.kind) {
        case TokenKind::kGroupOpen:
            return "{";
        case TokenKind::kGroupClose:
            return "}";
        case TokenKind::kControlWord:
            return "\\" + std::string(token.word) +
                   (token.hasParameter ? std::to_string(token.parameter) : "");
        case TokenKind::kControlSymbol:
            return std::string("sym ") + token.symbol;
        case TokenKind::kEscapedByte:
            return std::string("\\'") + kHex[token.byte >> 4] + kHex[token.byte & 15];
        case TokenKind::kText:
            return std::string("'") + static_cast<char>(token.byte) + "'";
        case TokenKind::kBinary:
            return "bin";
    }
    return "?";
}

std::vector<std::string> Tokens(std::string_view rtf) {
    Tokenizer tokenizer(rtf);
    std::vector<std::string> tokens;
    Token token;
    while (tokenizer.Next(token))
        tokens.push_back(Describe(token));
    return tokens;
}

using Strings = std::vector<std::string>;

TEST(RtfTokenizerTest, SplitsGroupsWordsSymbolsEscapesAndText) {
    EXPECT_EQ(
        Tokens("{\\rtf1\\b0 x\\'e9\\~{\\*\\x}}"),
        Strings({"{", "\\rtf1", "\\b0", "'x'", "\\'e9", "sym ~", "{", "sym *", "\\x", "}", "}"}));
    EXPECT_EQ(Tokens("{\\\\\\{\\}\\'E9\\'0a"),
              Strings({"{", "sym \\", "sym {", "sym }", "\\'e9", "\\'0a"}));
}

TEST(RtfTokenizerTest, StartsAtTheFirstBraceAndDropsLineEnds) {
    EXPECT_EQ(Tokens(" \t x}{a\r\nb\rc\n}"), Strings({"{", "'a'", "'b'", "'c'", "}"}));
    EXPECT_TRUE(Tokens("no brace at all").empty());
    EXPECT_TRUE(Tokens("").empty());
    // A backslash before a line end is a control symbol, not a dropped byte.
    EXPECT_EQ(Tokens("{a\\\nb\\\r"), Strings({"{", "'a'", "sym \n", "'b'", "sym \r"}));
}

TEST(RtfTokenizerTest, EndsAWordAtItsFirstNonLetterAndEatsOneSpace) {
    EXPECT_EQ(Tokens("{\\b  c\\par}"), Strings({"{", "\\b", "' '", "'c'", "\\par", "}"}));
    // A minus sign is part of the number only when a digit follows it.
    EXPECT_EQ(Tokens("{\\b-x\\u-3913?\\li-"),
              Strings({"{", "\\b", "'-'", "'x'", "\\u-3913", "'?'", "\\li", "'-'"}));
    EXPECT_EQ(Tokens("{\\fs20x\\fs0;"), Strings({"{", "\\fs20", "'x'", "\\fs0", "';'"}));
}

TEST(RtfTokenizerTest, SaturatesHugeParametersAtTheIntRange) {
    EXPECT_EQ(
        Tokens("{\\fs2147483647\\fs2147483648\\fs99999999999\\fs-99999999999"),
        Strings({"{", "\\fs2147483647", "\\fs2147483647", "\\fs2147483647", "\\fs-2147483647"}));
    // Leading zeros are not counted among the ten significant digits.
    EXPECT_EQ(Tokens("{\\fs00000000000000000024\\fs0000"), Strings({"{", "\\fs24", "\\fs0"}));
    // However long the number, it is one token and saturates.
    EXPECT_EQ(Tokens("{\\u" + std::string(100000, '7') + " x"),
              Strings({"{", "\\u2147483647", "'x'"}));
}

TEST(RtfTokenizerTest, GivesNoNameToOverlongWords) {
    const std::string longest(kMaxControlWordLength, 'a');
    EXPECT_EQ(Tokens("{\\" + longest + "5 x"), Strings({"{", "\\" + longest + "5", "'x'"}));
    // One letter more names no word; its number and space are still read.
    EXPECT_EQ(Tokens("{\\" + longest + "b5 x"), Strings({"{", "\\5", "'x'"}));
}

TEST(RtfTokenizerTest, PassesOverIncompleteHexEscapes) {
    EXPECT_EQ(Tokens("{\\'4x\\'zz\\'"),
              Strings({"{", "sym '", "'x'", "sym '", "'z'", "'z'", "sym '"}));
    EXPECT_EQ(Tokens("{cut\\'4"), Strings({"{", "'c'", "'u'", "'t'", "sym '"}));
    // A lone backslash at the very end gives nothing.
    EXPECT_EQ(Tokens("{cut\\"), Strings({"{", "'c'", "'u'", "'t'"}));
}

TEST(RtfTokenizerTest, PassesOverBinaryData) {
    // The delimiting space is not one of the counted bytes.
    EXPECT_EQ(Tokens("{a\\bin4 {}\\x b}"), Strings({"{", "'a'", "bin", "' '", "'b'", "}"}));
    EXPECT_EQ(Tokens(std::string_view("{\\bin3\0\\}x}", 11)), Strings({"{", "bin", "'x'", "}"}));
    // No count or a negative one skips nothing; a count beyond the input
    // ends it.
    EXPECT_EQ(Tokens("{\\bin x\\bin-5 y\\bin99999999999 z}"),
              Strings({"{", "bin", "'x'", "bin", "'y'", "bin"}));
    // Only the word "bin" itself announces bytes.
    EXPECT_EQ(Tokens("{\\binx2 ab"), Strings({"{", "\\binx2", "'a'", "'b'"}));
}

}  // namespace
}  // namespace calorix::rtf
