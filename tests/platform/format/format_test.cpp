#include "platform/format/format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "platform/base/exceptions.h"
#include "platform/format/format_settings_guard.h"

namespace platform {
namespace {

// Formats with known settings and puts the process-wide record back after.
class FormatTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TFormatSettings& s = FormatSettings();
    s.DecimalSeparator = '.';
    s.ThousandSeparator = ',';
    s.CurrencyString = "$";
    s.CurrencyFormat = 0;
    s.NegCurrFormat = 0;
    s.CurrencyDecimals = 2;
  }
  static std::string Error(std::string_view pattern) {
    return "Format '" + std::string(pattern) + "' invalid or incompatible with argument";
  }

  TFormatSettingsGuard keep_;
};

TEST_F(FormatTest, IndexedStringsAsInDisplayNames) {
  const std::vector<TVarRec> names{"German", "Germany", "Deutsch", "Deutschland"};
  EXPECT_EQ(Format("%0:s, %1:s", names), "German, Germany");
  EXPECT_EQ(Format("%2:s (%0:s), %3:s (%1:s)", names), "Deutsch (German), Deutschland (Germany)");
  EXPECT_EQ(Format("%2:s", names), "Deutsch");
  EXPECT_EQ(Format("no specifier", names), "no specifier");
}

TEST_F(FormatTest, UnindexedSpecifiersContinueAfterAnIndex) {
  EXPECT_EQ(Format("%d %d %0:d %d", {10, 20}), "10 20 10 20");
  EXPECT_EQ(Format("%1:s%s", {"a", "b", "c"}), "bc");
}

TEST_F(FormatTest, PercentAndLiterals) {
  EXPECT_EQ(Format("100%%", {}), "100%");
  EXPECT_EQ(Format("%%%s%%", {"x"}), "%x%");
  EXPECT_EQ(Format("", {}), "");
}

TEST_F(FormatTest, WidthPrecisionAndJustification) {
  EXPECT_EQ(Format("[%5d]", {42}), "[   42]");
  EXPECT_EQ(Format("[%-5d]", {42}), "[42   ]");
  EXPECT_EQ(Format("[%05d]", {42}), "[   42]");  // a leading 0 is part of the width
  EXPECT_EQ(Format("[%2d]", {12345}), "[12345]");
  EXPECT_EQ(Format("[%6s][%-6s]", {"ab", "cd"}), "[    ab][cd    ]");
  EXPECT_EQ(Format("[%.2s]", {"abc"}), "[ab]");
  EXPECT_EQ(Format("[%.0s]", {"abc"}), "[]");
  EXPECT_EQ(Format("[%.s]", {"abc"}), "[]");
  EXPECT_EQ(Format("[%-8.3s]", {"abcdef"}), "[abc     ]");
  EXPECT_EQ(Format("[%1:-4s]", {"x", "y"}), "[y   ]");
}

TEST_F(FormatTest, PrecisionDoesNotSplitUtf8) {
  EXPECT_EQ(Format("%.2s", {"\xC3\xA9t\xC3\xA9"}), "\xC3\xA9");  // "été"
  EXPECT_EQ(Format("%.1s", {"\xC3\xA9t\xC3\xA9"}), "");
}

TEST_F(FormatTest, StarTakesWidthPrecisionAndIndexFromArguments) {
  EXPECT_EQ(Format("%*.*f", {8, 2, 123.456}), "  123.46");
  EXPECT_EQ(Format("[%*d]", {-4, 7}), "[7   ]");
  EXPECT_EQ(Format("%*:s", {1, "a", "b"}), "a");
  EXPECT_EQ(Format("[%.*s]", {-1, "abc"}), "[abc]");  // negative precision = none
}

TEST_F(FormatTest, IntegerTypes) {
  EXPECT_EQ(Format("%d", {-5}), "-5");
  EXPECT_EQ(Format("%.4d", {-5}), "-0005");
  EXPECT_EQ(Format("%d", {std::numeric_limits<std::int64_t>::min()}), "-9223372036854775808");
  EXPECT_EQ(Format("%d", {4000000000u}), "4000000000");
  EXPECT_EQ(Format("%d", {std::numeric_limits<std::uint64_t>::max()}), "18446744073709551615");
  EXPECT_EQ(Format("%u", {-1}), "4294967295");
  EXPECT_EQ(Format("%u", {std::int64_t{-1}}), "18446744073709551615");
  EXPECT_EQ(Format("%x", {255}), "FF");
  EXPECT_EQ(Format("%.8x", {1024}), "00000400");
  EXPECT_EQ(Format("%x", {-1}), "FFFFFFFF");
  EXPECT_EQ(Format("%x", {std::int64_t{-1}}), "FFFFFFFFFFFFFFFF");
  EXPECT_EQ(Format("%X %D %U %S", {10, 11, 12, "s"}), "A 11 12 s");
  EXPECT_EQ(Format("%d", {static_cast<unsigned char>(200)}), "200");
  EXPECT_EQ(Format("%d", {static_cast<short>(-3)}), "-3");
}

TEST_F(FormatTest, PointerAndTextArguments) {
  EXPECT_EQ(Format("%p", {reinterpret_cast<const void*>(std::uintptr_t{0x1234})}),
            std::string(2 * sizeof(void*) - 4, '0') + "1234");
  EXPECT_EQ(Format("%p", {nullptr}), std::string(2 * sizeof(void*), '0'));
  const std::string owned = "owned";
  EXPECT_EQ(Format("%s|%s|%s|%s", {owned, std::string_view("view"), 'c', static_cast<const char*>(nullptr)}),
            "owned|view|c|");
}

TEST_F(FormatTest, BadPatternsNameThePattern) {
  for (const char* pattern : {"%", "abc%", "%0:", "%-", "%5", "%5.", "%y", "%5%", "% d", "%-:d", "%1.2.3f",
                              "%99999999999999999999d", "%2000000d"}) {
    SCOPED_TRACE(pattern);
    try {
      Format(pattern, {1});
      ADD_FAILURE() << "accepted";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), Error(pattern));
    }
  }
}

TEST_F(FormatTest, MissingOrWrongArgumentsRaise) {
  EXPECT_THROW(Format("%s %s", {"one"}), EConvertError);
  EXPECT_THROW(Format("%4:s", {"a", "b", "c", "d"}), EConvertError);
  EXPECT_THROW(Format("%s", {}), EConvertError);
  EXPECT_THROW(Format("%*d", {"5", 1}), EConvertError);
  EXPECT_THROW(Format("%*d", {5}), EConvertError);
  EXPECT_THROW(Format("%d", {"12"}), EConvertError);
  EXPECT_THROW(Format("%d", {1.0}), EConvertError);
  EXPECT_THROW(Format("%x", {'c'}), EConvertError);
  EXPECT_THROW(Format("%s", {12}), EConvertError);
  EXPECT_THROW(Format("%f", {12}), EConvertError);  // integers are not floats here
  EXPECT_THROW(Format("%p", {12}), EConvertError);
  EXPECT_THROW(Format("%m", {"1"}), EConvertError);
  try {
    Format("%0:s, %1:s", {"English"});
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), Error("%0:s, %1:s"));
  }
}

TEST_F(FormatTest, FixedRoundsHalfAwayFromZero) {
  EXPECT_EQ(Format("%f", {1.5}), "1.50");
  EXPECT_EQ(Format("%.0f|%.0f|%.0f", {0.5, 2.5, -2.5}), "1|3|-3");
  EXPECT_EQ(Format("%.2f", {0.125}), "0.13");
  EXPECT_EQ(Format("%.2f", {2.675}), "2.68");  // rounded on the 15-digit form, as shown
  EXPECT_EQ(Format("%.2f", {-0.001}), "0.00");  // no negative zero
  EXPECT_EQ(Format("%.3f", {9.9996}), "10.000");
  EXPECT_EQ(Format("%10.3f", {3.14159}), "     3.142");
  EXPECT_EQ(Format("%.1f", {0.04}), "0.0");
  EXPECT_EQ(Format("%.5f", {0.00012}), "0.00012");
  EXPECT_EQ(Format("%.1f", {123456789012345.0}), "123456789012345.0");
  EXPECT_EQ(Format("%f", {1e20}), "1E20");  // too wide for fixed point
  EXPECT_EQ(Format("%.30f", {0.5}), "0.500000000000000000");  // at most 18 decimals
}

TEST_F(FormatTest, ExponentAndGeneral) {
  EXPECT_EQ(Format("%e", {1.0}), "1.00000000000000E+000");
  EXPECT_EQ(Format("%.3e", {12345.0}), "1.23E+004");
  EXPECT_EQ(Format("%.2e", {-0.375}), "-3.8E-001");
  EXPECT_EQ(Format("%.1e", {9.6}), "1E+001");
  EXPECT_EQ(Format("%e", {0.0}), "0.00000000000000E+000");
  EXPECT_EQ(Format("%.3e", {1e-300}), "1.00E-300");
  EXPECT_EQ(Format("%g", {1234.5}), "1234.5");
  EXPECT_EQ(Format("%g", {0.1}), "0.1");
  EXPECT_EQ(Format("%g", {-2.5}), "-2.5");
  EXPECT_EQ(Format("%g", {0.0}), "0");
  EXPECT_EQ(Format("%g", {1e15}), "1E015");
  EXPECT_EQ(Format("%g", {123456789012345.0}), "123456789012345");
  EXPECT_EQ(Format("%.3g", {123456.0}), "1.23E005");
  EXPECT_EQ(Format("%g", {0.00001}), "0.00001");
  EXPECT_EQ(Format("%g", {0.000001}), "1E-006");
  EXPECT_EQ(Format("%.0e", {2.5}), "3E+000");  // at least one digit
  EXPECT_EQ(Format("%g", {1.0 / 3}), "0.333333333333333");
}

TEST_F(FormatTest, NonFiniteValues) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(Format("%f %e %g %n %m", {inf, -inf, std::nan(""), inf, -inf}), "INF -INF NAN INF -INF");
}

TEST_F(FormatTest, NumberUsesTheSeparators) {
  EXPECT_EQ(Format("%n", {1234567.891}), "1,234,567.89");
  EXPECT_EQ(Format("%n", {-999.999}), "-1,000.00");
  EXPECT_EQ(Format("%.0n", {123.0}), "123");
  EXPECT_EQ(Format("%.1n", {0.25}), "0.3");
  FormatSettings().ThousandSeparator = '.';
  FormatSettings().DecimalSeparator = ',';
  EXPECT_EQ(Format("%n|%f|%.2e|%g", {1234567.891, 2.5, 2.5, 2.5}), "1.234.567,89|2,50|2,5E+000|2,5");
}

TEST_F(FormatTest, MoneyPositiveLayoutsAndDecimals) {
  EXPECT_EQ(Format("%m", {1234.5}), "$1,234.50");
  EXPECT_EQ(Format("%.0m", {1.5}), "$2");  // precision beats CurrencyDecimals
  FormatSettings().CurrencyString = "EUR";
  FormatSettings().CurrencyDecimals = 3;
  const char* expected[] = {"EUR1.500", "1.500EUR", "EUR 1.500", "1.500 EUR"};
  for (int code = 0; code < 4; ++code) {
    FormatSettings().CurrencyFormat = static_cast<std::uint8_t>(code);
    EXPECT_EQ(Format("%m", {1.5}), expected[code]) << code;
  }
  // Rounds to zero, so the positive layout (still 3) applies.
  EXPECT_EQ(Format("%m", {-0.0001}), "0.000 EUR");
}

TEST_F(FormatTest, AGivenRecordStandsInForTheProcessRecord) {
  TFormatSettings settings = FormatSettings();
  settings.DecimalSeparator = ',';
  settings.ThousandSeparator = '.';
  settings.CurrencyString = "EUR";
  settings.CurrencyFormat = 3;
  settings.CurrencyDecimals = 1;
  EXPECT_EQ(Format("%n|%m|%d|%s", {1234.5, 2.25, 7, "x"}, settings), "1.234,50|2,3 EUR|7|x");
  const TVarRec args[] = {0.5};
  EXPECT_EQ(Format("%f", args, settings), "0,50");
  EXPECT_EQ(Format("%n|%m", {1234.5, 2.25}), "1,234.50|$2.25") << "the process record is neither read nor changed";
}

TEST_F(FormatTest, MoneyNegativeLayoutsComeFromTheRecord) {
  FormatSettings().CurrencyString = "EUR";
  const std::pair<int, const char*> cases[] = {
      {0, "(EUR1,234.50)"}, {1, "-EUR1,234.50"}, {8, "-1,234.50 EUR"}, {15, "(1,234.50 EUR)"}};
  for (const auto& [code, expected] : cases) {
    FormatSettings().NegCurrFormat = static_cast<std::uint8_t>(code);
    EXPECT_EQ(Format("%m", {-1234.5}), expected) << code;
  }
}

}  // namespace
}  // namespace platform
