// Comparisons and case of 8-bit text: ASCII rules only, whatever the C
// library's locale, so that bytes from 128 up compare and stay as they are.
#include "platform/base/text.h"

#include <gtest/gtest.h>

#include "platform/base/conversions.h"

namespace platform {
namespace {

TEST(TextCompare, OrdinalOrIgnoringAsciiCase) {
  EXPECT_LT(CompareStr("B", "a"), 0);
  EXPECT_GT(CompareStr("a", "B"), 0);
  EXPECT_EQ(CompareStr("abc", "abc"), 0);
  EXPECT_LT(CompareText("a", "B"), 0) << "case folded: A before B";
  EXPECT_EQ(CompareText("Lexivar", "LEXIVAR"), 0);
  EXPECT_LT(CompareText("AB", "ab="), 0) << "a prefix sorts first";
  EXPECT_LT(CompareText("z", "_"), 0) << "letters fold up, so '_' (0x5F) sorts after 'z'";
  EXPECT_GT(CompareText("\xc3\xa9", "z"), 0) << "bytes from 128 up are unsigned";
  EXPECT_TRUE(SameText("Form1", "FORM1"));
  EXPECT_FALSE(SameText("Form1", "Form12"));
  EXPECT_FALSE(SameText("\xc3\xa9", "\xc3\x89")) << "no case beyond ASCII";
}

TEST(TextCase, OnlyAsciiLettersChange) {
  EXPECT_EQ(UpperCase("caf\xc3\xa9 _1z"), "CAF\xc3\xa9 _1Z");
  EXPECT_EQ(LowerCase("CAF\xc3\x89 @[Z"), "caf\xc3\x89 @[z");
  EXPECT_EQ(AsciiUpper('`'), '`');
  EXPECT_EQ(AsciiLower('['), '[');
}

TEST(TextTrim, DropsBlanksAndControlsAtBothEnds) {
  EXPECT_EQ(Trim("\t\r\n  a b \x01\x1f "), "a b");
  EXPECT_EQ(Trim(" \t "), "");
  EXPECT_EQ(Trim("\xa0x\xa0"), "\xa0x\xa0") << "a no-break space byte is not a blank";
}

TEST(TextClasses, IdentifiersDigitsAndHexDigits) {
  EXPECT_TRUE(IsIdentStart('_'));
  EXPECT_TRUE(IsIdentStart('z'));
  EXPECT_FALSE(IsIdentStart('7'));
  EXPECT_TRUE(IsIdentChar('7'));
  EXPECT_FALSE(IsIdentChar('-'));
  EXPECT_FALSE(IsAsciiLetter('\xe9'));
  EXPECT_FALSE(IsAsciiDigit('\xb2'));
  EXPECT_EQ(HexDigitValue('0'), 0);
  EXPECT_EQ(HexDigitValue('9'), 9);
  EXPECT_EQ(HexDigitValue('a'), 10);
  EXPECT_EQ(HexDigitValue('F'), 15);
  for (char c : {'g', 'G', 'x', '/', ':', '@', '`', ' ', '\xff'}) EXPECT_EQ(HexDigitValue(c), -1) << c;
}

// The one splitter of command lines: quotes keep blanks and are dropped, ""
// is an empty word, and an unclosed quote is reported, not guessed at.
TEST(TextWords, QuotedWords) {
  const TQuotedWords split = SplitQuotedWords("  a \"b c\"d \"\"\te\rf ");
  EXPECT_EQ(split.Words, (std::vector<std::string>{"a", "b cd", "", "e\rf"}));
  EXPECT_FALSE(split.Unclosed);
  EXPECT_EQ(SplitQuotedWords("a\rb", " \t\r").Words, (std::vector<std::string>{"a", "b"}));
  const TQuotedWords open = SplitQuotedWords("x \"y z");
  EXPECT_EQ(open.Words, (std::vector<std::string>{"x", "y z"}));
  EXPECT_TRUE(open.Unclosed);
  EXPECT_TRUE(SplitQuotedWords(" \t ").Words.empty());
}

}  // namespace
}  // namespace platform
