// Hexadecimal parsing and locale designators.
#include <gtest/gtest.h>

#include "Lxv/LocaleDesignator.h"

using namespace Lxv;

TEST(HexToInt, SkipsWhatIsNotADigitAndKeepsTheLastEight) {
  EXPECT_EQ(HexToInt(""), 0);
  EXPECT_EQ(HexToInt("00000409"), 1033);
  EXPECT_EQ(HexToInt("fF"), 255);
  EXPECT_EQ(HexToInt("0x1A"), 26);
  EXPECT_EQ(HexToInt("12 34"), 4660);
  EXPECT_EQ(HexToInt("123456789"), 591751049);
  EXPECT_EQ(HexToInt("FFFFFFFF"), -1);
  EXPECT_EQ(HexToInt("G"), 0);
  EXPECT_EQ(HexToInt("-10"), 16);  // a sign is just skipped
  EXPECT_EQ(HexToInt("80000000"), INT32_MIN);
}

TEST(LocaleDesignator, BuildAndRead) {
  EXPECT_EQ(UserDefaultDesignator(), "User default 00000400");
  EXPECT_EQ(SystemDefaultDesignator(), "System default 00000800");
  EXPECT_EQ(DesignatorLCID(UserDefaultDesignator()), 1024u);
  EXPECT_EQ(DesignatorLCID(SystemDefaultDesignator()), 2048u);
  EXPECT_EQ(MakeLocaleDesignator("German, Deutsch", 0x407), "German, Deutsch 00000407");
  EXPECT_EQ(LocalePrefix(0x409), "00000409");
  EXPECT_EQ(LocalePrefix(0x10407), "00010407");  // sort variant bits show in front
  EXPECT_EQ(DesignatorLCID("00000409"), 1033u);
  EXPECT_EQ(DesignatorLCID("1 0000409"), 0x409u);  // the last eight characters, no more
  EXPECT_EQ(DesignatorLCID("x 10000409"), 0x10000409u);  // and no fewer
}

TEST(LocaleDesignator, Validity) {
  EXPECT_TRUE(IsValidLocaleDesignator("00000409"));
  EXPECT_TRUE(IsValidLocaleDesignator("x a0000zzz"));  // only the first of the last eight counts
  EXPECT_FALSE(IsValidLocaleDesignator("English 409"));
  EXPECT_FALSE(IsValidLocaleDesignator("0409"));
  EXPECT_FALSE(IsValidLocaleDesignator("abc"));
  EXPECT_FALSE(IsValidLocaleDesignator("0000040"));  // seven characters
  EXPECT_FALSE(IsValidLocaleDesignator(""));
}
