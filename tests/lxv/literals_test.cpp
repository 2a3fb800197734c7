// The quoted-literal and backslash-escaped forms: the documented mappings and
// round trips of arbitrary bytes.
#include <gtest/gtest.h>

#include <random>

#include "Lxv/Literals.h"
#include "platform/base/exceptions.h"

using Lxv::ConvertFromLiterals;
using Lxv::ConvertToLiterals;
using Lxv::ReadString;
using Lxv::WriteString;

namespace {
std::string ToLiterals(std::string s) {
  ConvertToLiterals(s);
  return s;
}
std::string FromLiterals(std::string s) {
  ConvertFromLiterals(s);
  return s;
}
}  // namespace

TEST(Literals, ToLiteralsMapping) {
  EXPECT_EQ(ToLiterals(""), "''");
  EXPECT_EQ(ToLiterals("abc"), "'abc'");
  EXPECT_EQ(ToLiterals("it's"), "'it''s'");
  EXPECT_EQ(ToLiterals("a\r\nb"), "'a'#13#10'b'");
  EXPECT_EQ(ToLiterals("\t"), "#9");
  EXPECT_EQ(ToLiterals("\rx"), "#13'x'");
  EXPECT_EQ(ToLiterals("x\t"), "'x'#9");
  EXPECT_EQ(ToLiterals(std::string("\0'", 2)), "#0''''");
  EXPECT_EQ(ToLiterals("\xC3\xA9\x7F"), "'\xC3\xA9\x7F'");  // only codes below 32 are control characters
}

TEST(Literals, FromLiteralsIsLenient) {
  EXPECT_EQ(FromLiterals("#65#66"), "AB");
  EXPECT_EQ(FromLiterals("'a'#300"), "a,");  // 300 modulo 256
  EXPECT_EQ(FromLiterals("abc"), "abc");
  EXPECT_EQ(FromLiterals("#0651"), "A1");    // at most three digits
  EXPECT_EQ(FromLiterals("'a' #9 'b'"), "a \t b");
  EXPECT_EQ(FromLiterals("'x#1'"), "x#1");   // "#" inside a run stays
  EXPECT_EQ(FromLiterals("'open"), "open");
  EXPECT_EQ(FromLiterals("'it''s'"), "it's");
}

TEST(Literals, NumberSignWithoutDigitRaisesAndDropsIt) {
  std::string s = "'a'#x";
  EXPECT_THROW(ConvertFromLiterals(s), platform::EConvertError);
  EXPECT_EQ(s, "ax");
  s = "#";
  EXPECT_THROW(ConvertFromLiterals(s), platform::EConvertError);
  EXPECT_EQ(s, "");
}

TEST(Literals, BackslashForm) {
  EXPECT_EQ(WriteString("\\\t\r\n"), "\\\\\\t\\r\\n");
  EXPECT_EQ(ReadString("\\\\\\t\\r\\n"), "\\\t\r\n");
  // One pass: an escaped backslash before n stays a backslash and an n.
  EXPECT_EQ(WriteString("\\n"), "\\\\n");
  EXPECT_EQ(ReadString("\\\\n"), "\\n");
  EXPECT_EQ(ReadString("a\\qb\\"), "a\\qb\\");  // no escape: left as it stands
  EXPECT_EQ(ReadString(std::string_view("a\\n", 2)), "a\\");  // the view ends at the backslash
}

TEST(Literals, RandomBytesRoundTrip) {
  std::mt19937 rng(7);
  const std::string alphabet = std::string("\0\t\n\r\x1F '#\\nrtA\xC3\x80\xFF", 16);
  for (int round = 0; round < 2000; ++round) {
    std::string text(rng() % 12, ' ');
    for (char& c : text) c = round % 2 ? alphabet[rng() % alphabet.size()] : static_cast<char>(rng());
    EXPECT_EQ(FromLiterals(ToLiterals(text)), text);
    EXPECT_EQ(ReadString(WriteString(text)), text);
  }
}
