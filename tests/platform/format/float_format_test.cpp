// Numbers to text under a format settings record.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/format/float_format.h"
#include "platform/format/format_settings.h"

using namespace platform;

namespace {

TFormatSettings Settings(char decimal = '.', char thousand = ',') {
  TFormatSettings settings;
  settings.DecimalSeparator = decimal;
  settings.ThousandSeparator = thousand;
  settings.CurrencyString = "$";
  return settings;
}

}  // namespace

TEST(FormatFloat, DigitPlacesGroupsAndRounding) {
  const TFormatSettings us = Settings();
  EXPECT_EQ(FormatFloat("#,##0.00", 1234567.891, us), "1,234,567.89");
  EXPECT_EQ(FormatFloat("0.00", 2.675, us), "2.68") << "half away from zero on the decimal form";
  EXPECT_EQ(FormatFloat("0.00", -2.675, us), "-2.68");
  EXPECT_EQ(FormatFloat("#.##", 0.5, us), ".5");
  EXPECT_EQ(FormatFloat("000.0", 1.25, us), "001.3");
  EXPECT_EQ(FormatFloat("0.0##", 1.5, us), "1.5");
  EXPECT_EQ(FormatFloat("0.0##", 1.23456, us), "1.235");
  EXPECT_EQ(FormatFloat("0", 999.5, us), "1000");
  EXPECT_EQ(FormatFloat("#,##0", 999.5, us), "1,000");
  EXPECT_EQ(FormatFloat("00", 12345, us), "12345") << "extra digits go to the first place";
  EXPECT_EQ(FormatFloat("#,##0.00", 1234.5, Settings(',', '.')), "1.234,50");
}

TEST(FormatFloat, SectionsLiteralsAndExponents) {
  const TFormatSettings us = Settings();
  const char* picture = "#,##0.00;(#,##0.00);Zero";
  EXPECT_EQ(FormatFloat(picture, 12.5, us), "12.50");
  EXPECT_EQ(FormatFloat(picture, -12.5, us), "(12.50)");
  EXPECT_EQ(FormatFloat(picture, 0, us), "Zero");
  EXPECT_EQ(FormatFloat(picture, -0.001, us), "Zero") << "rounds to zero";
  EXPECT_EQ(FormatFloat("0.00", -0.001, us), "0.00") << "no minus on a zero";
  EXPECT_EQ(FormatFloat("0;;'nil'", -5, us), "-5") << "an empty section falls back to the first";
  EXPECT_EQ(FormatFloat("'#'0\" items\"", 7, us), "#7 items");
  EXPECT_EQ(FormatFloat("0.00E+00", 1234.5, us), "1.23E+03");
  EXPECT_EQ(FormatFloat("0.00E-00", 1234.5, us), "1.23E03");
  EXPECT_EQ(FormatFloat("0.0e-0", 0.00012, us), "1.2e-4");
  EXPECT_EQ(FormatFloat("0.00E+00", 0, us), "0.00E+00");
  EXPECT_EQ(FormatFloat("", 0.1, us), "0.1");
  EXPECT_EQ(FormatFloat("0.00", std::numeric_limits<double>::infinity(), us), "INF");
  EXPECT_EQ(FormatFloat("0.00", std::nan(""), us), "NAN");
}

TEST(FloatToStrF, GeneralAndExponent) {
  const TFormatSettings us = Settings();
  EXPECT_EQ(FloatToStr(1234.567, us), "1234.567");
  EXPECT_EQ(FloatToStr(0.1 + 0.2, us), "0.3");
  EXPECT_EQ(FloatToStr(1e20, us), "1E20");
  EXPECT_EQ(FloatToStr(1e-7, us), "1E-7");
  EXPECT_EQ(FloatToStr(0.00001, us), "0.00001");
  EXPECT_EQ(FloatToStr(-2.5, Settings(',', '.')), "-2,5");
  EXPECT_EQ(FloatToStrF(123456, ffGeneral, 3, 0, us), "1.23E5");
  EXPECT_EQ(FloatToStrF(1e-7, ffGeneral, 15, 3, us), "1E-007");
  EXPECT_EQ(FloatToStrF(1234.567, ffExponent, 6, 2, us), "1.23457E+03");
  EXPECT_EQ(FloatToStrF(-0.5, ffExponent, 3, 0, us), "-5.00E-1");
  EXPECT_EQ(FloatToStrF(-std::numeric_limits<double>::infinity(), ffFixed, 15, 2, us), "-INF");
}

TEST(FloatToStrF, FixedAndNumber) {
  const TFormatSettings us = Settings();
  EXPECT_EQ(FloatToStrF(1234.567, ffFixed, 15, 2, us), "1234.57");
  EXPECT_EQ(FloatToStrF(1234.567, ffFixed, 4, 2, us), "1235.00") << "precision rounds first";
  EXPECT_EQ(FloatToStrF(0.004, ffFixed, 15, 2, us), "0.00");
  EXPECT_EQ(FloatToStrF(-0.004, ffFixed, 15, 2, us), "0.00");
  EXPECT_EQ(FloatToStrF(1234567.5, ffNumber, 15, 1, us), "1,234,567.5");
  EXPECT_EQ(FloatToStrF(-999.999, ffNumber, 15, 2, Settings(',', ' ')), "-1 000,00");
  EXPECT_EQ(FloatToStrF(1e20, ffFixed, 15, 2, us), "1E20") << "too many integer digits";
  EXPECT_EQ(FloatToStrF(5, ffFixed, 15, 99, us).size(), 20u) << "decimals stop at 18";
}

TEST(FloatToStrF, CurrencyUsesTheRecordsFormats) {
  TFormatSettings settings = Settings();
  const char* positive[] = {"$1,234.50", "1,234.50$", "$ 1,234.50", "1,234.50 $"};
  for (int format = 0; format < 4; ++format) {
    settings.CurrencyFormat = static_cast<std::uint8_t>(format);
    EXPECT_EQ(FloatToStrF(1234.5, ffCurrency, 15, 2, settings), positive[format]);
  }
  const char* negative[] = {"($1.50)", "-$1.50", "$-1.50", "$1.50-", "(1.50$)", "-1.50$", "1.50-$", "1.50$-",
                            "-1.50 $", "-$ 1.50", "1.50 $-", "$ 1.50-", "$ -1.50", "1.50- $", "($ 1.50)", "(1.50 $)"};
  for (int format = 0; format < 16; ++format) {
    settings.NegCurrFormat = static_cast<std::uint8_t>(format);
    EXPECT_EQ(FloatToStrF(-1.5, ffCurrency, 15, 2, settings), negative[format]) << format;
  }
  settings.CurrencyString = "€";
  settings.CurrencyFormat = 3;
  settings.NegCurrFormat = 8;
  settings.DecimalSeparator = ',';
  settings.ThousandSeparator = '.';
  EXPECT_EQ(FloatToStrF(-1234.567, ffCurrency, 15, 2, settings), "-1.234,57 €");
  EXPECT_EQ(FloatToStrF(1234.567, ffCurrency, 15, 0, settings), "1.235 €");
  settings.NegCurrFormat = 200;  // out of range: the last shape, never out of bounds
  EXPECT_EQ(FloatToStrF(-1, ffCurrency, 15, 0, settings), "(1 €)");
}
