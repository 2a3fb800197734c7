#include "platform/base/conversions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "platform/base/exceptions.h"

namespace platform {
namespace {

TEST(IntToHex, PadsWithZerosInUpperCase) {
  EXPECT_EQ(IntToHex(0x400, 8), "00000400");
  EXPECT_EQ(IntToHex(0xabcdef, 2), "ABCDEF");  // never truncates
  EXPECT_EQ(IntToHex(0, 0), "0");
  EXPECT_EQ(IntToHex(0x1F, -3), "1F");
}

TEST(IntToHex, NegativeValuesAreTwosComplement) {
  EXPECT_EQ(IntToHex(-1, 8), "FFFFFFFF");
  EXPECT_EQ(IntToHex(-1, 1), "FFFFFFFF");
  EXPECT_EQ(IntToHex(std::numeric_limits<std::int32_t>::min(), 8), "80000000");
  // Below the 32-bit range the whole 64-bit pattern is written.
  EXPECT_EQ(IntToHex(std::int64_t{std::numeric_limits<std::int32_t>::min()} - 1, 1), "FFFFFFFF7FFFFFFF");
  EXPECT_EQ(IntToHex(std::numeric_limits<std::int64_t>::max(), 20), "00007FFFFFFFFFFFFFFF");
}

TEST(IntToStr, WritesDecimal) {
  EXPECT_EQ(IntToStr(0), "0");
  EXPECT_EQ(IntToStr(-2147483648LL), "-2147483648");
  EXPECT_EQ(IntToStr(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

TEST(StrToInt, AcceptsBlanksSignsAndHexPrefixes) {
  EXPECT_EQ(StrToInt("42"), 42);
  EXPECT_EQ(StrToInt("   42"), 42);
  EXPECT_EQ(StrToInt("+42"), 42);
  EXPECT_EQ(StrToInt(" -42"), -42);
  EXPECT_EQ(StrToInt("000000000000000000000000017"), 17);
  EXPECT_EQ(StrToInt("$ff"), 255);
  EXPECT_EQ(StrToInt("0x400"), 1024);
  EXPECT_EQ(StrToInt("0XaB"), 171);
  EXPECT_EQ(StrToInt("-$10"), -16);
  EXPECT_EQ(StrToInt("0"), 0);
  EXPECT_EQ(StrToInt("-0"), 0);
}

TEST(StrToInt, HexUsesAllThirtyTwoBits) {
  EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
  EXPECT_EQ(StrToInt("$80000000"), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(StrToInt("$" + IntToHex(-123456, 8)), -123456);
}

TEST(StrToInt, DecimalLimitsAtBothEnds) {
  EXPECT_EQ(StrToInt("2147483647"), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(StrToInt("-2147483648"), std::numeric_limits<std::int32_t>::min());
  EXPECT_THROW(StrToInt("2147483648"), EConvertError);
  EXPECT_THROW(StrToInt("-2147483649"), EConvertError);
  EXPECT_THROW(StrToInt("$100000000"), EConvertError);
  EXPECT_THROW(StrToInt("99999999999999999999999"), EConvertError);
}

TEST(StrToInt, RejectsMalformedTextNamingIt) {
  for (const char* bad : {"", " ", "-", "+", "$", "0x", "-$", "12a", "12 ", "1 2", "- 1", "+-1", "0x-1",
                          "$G", "1.5", "\t1", "x10", "٣"}) {
    SCOPED_TRACE(bad);
    try {
      StrToInt(bad);
      ADD_FAILURE() << "accepted";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), std::string("'") + bad + "' is not a valid integer value");
    }
  }
}

TEST(StrToInt, DefaultAndTryLeaveValueOnFailure) {
  EXPECT_EQ(StrToIntDef("12", -1), 12);
  EXPECT_EQ(StrToIntDef("twelve", -1), -1);
  std::int32_t value = 7;
  EXPECT_FALSE(TryStrToInt("2147483648", value));
  EXPECT_EQ(value, 7);
}

TEST(StrToInt64, CoversTheWiderRange) {
  EXPECT_EQ(StrToInt64("9223372036854775807"), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(StrToInt64("-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(StrToInt64("$FFFFFFFFFFFFFFFF"), -1);
  EXPECT_EQ(StrToInt64("$FFFFFFFF"), 4294967295LL);
  EXPECT_THROW(StrToInt64("9223372036854775808"), EConvertError);
  EXPECT_THROW(StrToInt64("$10000000000000000"), EConvertError);
}

TEST(IsValidIdent, LetterOrUnderscoreThenWordCharacters) {
  EXPECT_TRUE(IsValidIdent("Lexivar1"));
  EXPECT_TRUE(IsValidIdent("_x"));
  EXPECT_TRUE(IsValidIdent("A_9"));
  EXPECT_FALSE(IsValidIdent(""));
  EXPECT_FALSE(IsValidIdent("1abc"));
  EXPECT_FALSE(IsValidIdent("a b"));
  EXPECT_FALSE(IsValidIdent("a.b"));
  EXPECT_FALSE(IsValidIdent("Lexivar-1"));
  EXPECT_FALSE(IsValidIdent("é"));
}

}  // namespace
}  // namespace platform
