// The Windows contracts of the locale services, on the ICU provider.
#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "platform/locale/icu/icu_provider.h"
#include "platform/locale/locale_services.h"
#include "platform/base/clock.h"
#include "support/locale_answer.h"

using namespace platform;
using lxvtest::Answer;

namespace {

std::vector<LCID> enumerated;
BOOL Collect(char* text) {
  enumerated.push_back(static_cast<LCID>(std::stoul(text, nullptr, 16)));
  EXPECT_EQ(std::strlen(text), 8u);
  for (const char* c = text; *c; ++c) EXPECT_TRUE(std::isdigit(*c) || (*c >= 'A' && *c <= 'F')) << text;
  return 1;
}
BOOL StopAfterThree(char* text) {
  enumerated.push_back(static_cast<LCID>(std::stoul(text, nullptr, 16)));
  return enumerated.size() < 3;
}

std::vector<LCID> EnumerateAll() {
  enumerated.clear();
  EXPECT_NE(EnumSystemLocalesA(Collect, LCID_SUPPORTED), 0);
  return enumerated;
}

}  // namespace

TEST(GetLocaleInfoA, EveryBufferSizeFromZeroToTheAnswerLength) {
  const std::string answer = Answer(0x0409, LOCALE_SLONGDATE);
  ASSERT_EQ(answer, "dddd, MMMM d, yyyy");
  const int needed = static_cast<int>(answer.size()) + 1;
  EXPECT_EQ(GetLocaleInfoA(0x0409, LOCALE_SLONGDATE, nullptr, 0), needed) << "size 0 asks for the length";
  for (int size = 1; size <= needed; ++size) {
    std::vector<char> buffer(static_cast<std::size_t>(needed) + 8, '#');
    const int written = GetLocaleInfoA(0x0409, LOCALE_SLONGDATE, buffer.data(), size);
    if (size < needed) {
      EXPECT_EQ(written, 0) << size;
    } else {
      EXPECT_EQ(written, needed);
      EXPECT_EQ(std::string(buffer.data()), answer);
    }
    for (std::size_t i = written ? static_cast<std::size_t>(needed) : 0; i < buffer.size(); ++i)
      ASSERT_EQ(buffer[i], '#') << "byte " << i << " touched with size " << size;
  }
}

TEST(GetLocaleInfoA, FailsForUnknownLocalesTypesAndBadBuffers) {
  char buffer[16] = "untouched";
  EXPECT_EQ(GetLocaleInfoA(0x0FFF, LOCALE_SDECIMAL, buffer, 16), 0);
  EXPECT_EQ(GetLocaleInfoA(0xDEADBEEF, LOCALE_SDECIMAL, buffer, 16), 0);
  EXPECT_EQ(GetLocaleInfoA(0x0409, 9999, buffer, 16), 0);
  EXPECT_EQ(GetLocaleInfoA(0x0409, 0x1004, buffer, 16), 0);
  EXPECT_EQ(GetLocaleInfoA(0x0409, LOCALE_SDECIMAL, nullptr, 16), 0);
  EXPECT_EQ(GetLocaleInfoA(0x0409, LOCALE_SDECIMAL, buffer, -1), 0);
  EXPECT_STREQ(buffer, "untouched");
}

TEST(GetLocaleInfoA, DefaultsAndFlagsResolve) {
  const LCID user = GetUserDefaultLCID();
  EXPECT_EQ(Answer(LOCALE_USER_DEFAULT, LOCALE_SENGLANGUAGE), Answer(user, LOCALE_SENGLANGUAGE));
  EXPECT_EQ(Answer(LOCALE_SYSTEM_DEFAULT, LOCALE_SENGCOUNTRY), Answer(GetSystemDefaultLCID(), LOCALE_SENGCOUNTRY));
  EXPECT_EQ(Answer(0x0407, LOCALE_SDECIMAL | LOCALE_NOUSEROVERRIDE), ",");
  EXPECT_EQ(Answer(0x0407, LOCALE_SDECIMAL | LOCALE_USE_CP_ACP), ",");
}

TEST(GetLocaleInfoA, DerivesWindowsConventionsFromCldr) {
  EXPECT_EQ(Answer(0x0409, LOCALE_SSHORTDATE), "M/d/yyyy");
  EXPECT_EQ(Answer(0x0409, LOCALE_STIMEFORMAT), "h:mm:ss tt") << "narrow no-break space becomes a blank";
  EXPECT_EQ(Answer(0x0411, LOCALE_SSHORTDATE), "yyyy/MM/dd");
  EXPECT_EQ(Answer(0x0C0A, LOCALE_SLONGDATE), "dddd, d' de 'MMMM' de 'yyyy") << "literal words are quoted";
  // ko: 12-hour clock with the marker before the time.
  EXPECT_EQ(Answer(0x0412, LOCALE_ITIME), "0");
  EXPECT_EQ(Answer(0x0412, LOCALE_ITIMEMARKPOSN), "1");
  EXPECT_EQ(Answer(0x0409, LOCALE_ITIMEMARKPOSN), "0");
  // hu: "y. MM. dd." gives the trimmed separator.
  EXPECT_EQ(Answer(0x040E, LOCALE_SDATE), ".");
  // ar-SA: Gregorian calendar and Latin digits, bidi marks dropped.
  EXPECT_EQ(Answer(0x0401, LOCALE_SDATE), "/");
  EXPECT_EQ(Answer(0x0401, LOCALE_SDECIMAL), ".");
  EXPECT_EQ(Answer(0x0407, LOCALE_SLIST), ";");
  EXPECT_EQ(Answer(0x0409, LOCALE_SLIST), ",");
  // Names come in English and in the language itself.
  EXPECT_EQ(Answer(0x0407, LOCALE_SENGLANGUAGE), "German");
  EXPECT_EQ(Answer(0x0407, LOCALE_SNATIVECTRYNAME), "Deutschland");
  // Day 1 is Monday, day 7 Sunday.
  EXPECT_EQ(Answer(0x0409, LOCALE_SDAYNAME1), "Monday");
  EXPECT_EQ(Answer(0x0409, LOCALE_SDAYNAME1 + 6), "Sunday");
  // Currency digits per currency, not per locale default.
  EXPECT_EQ(Answer(0x0411, LOCALE_ICURRDIGITS), "0");
}

TEST(GetLocaleInfoA, SeparatorsAreOneByteInEverySupportedLocale) {
  for (LCID locale : EnumerateAll()) {
    for (LCTYPE type : {LOCALE_SLIST, LOCALE_SDECIMAL, LOCALE_STHOUSAND, LOCALE_SDATE, LOCALE_STIME}) {
      const std::string answer = Answer(locale, type);
      EXPECT_EQ(answer.size(), 1u) << std::hex << locale << " type " << std::dec << type << " [" << answer << "]";
      if (answer.size() == 1) {
        EXPECT_LT(static_cast<unsigned char>(answer[0]), 0x80);
      }
    }
  }
  // fr-FR groups with a narrow no-break space, de-CH with a typographic apostrophe.
  EXPECT_EQ(Answer(0x040C, LOCALE_STHOUSAND), " ");
  EXPECT_EQ(Answer(0x0807, LOCALE_STHOUSAND), "'");
}

TEST(GetLocaleInfoA, NeutralAndSortVariantLocalesAnswerLikeTheirBase) {
  EXPECT_EQ(Answer(0x10407, LOCALE_SLONGDATE), Answer(0x0407, LOCALE_SLONGDATE));
  EXPECT_EQ(Answer(0x0007, LOCALE_SDAYNAME1), "Montag");
}

TEST(EnumSystemLocalesA, ListsEveryMappedLocaleOnceAscending) {
  const std::vector<LCID> locales = EnumerateAll();
  ASSERT_GT(locales.size(), 150u);
  for (std::size_t i = 1; i < locales.size(); ++i) EXPECT_LT(locales[i - 1], locales[i]);
  for (LCID expected : {0x0401u, 0x0407u, 0x0409u, 0x040Cu, 0x0411u, 0x0419u, 0x0807u, 0x0C0Au})
    EXPECT_TRUE(std::binary_search(locales.begin(), locales.end(), expected)) << std::hex << expected;
  for (LCID locale : locales) {
    EXPECT_NE(locale >> 10, 0u) << "no neutral locales";
    EXPECT_NE(Answer(locale, LOCALE_SENGCOUNTRY), "<failed>") << std::hex << locale;
  }
}

TEST(EnumSystemLocalesA, StopsWhenTheCallbackSaysSoAndRejectsBadCalls) {
  enumerated.clear();
  EXPECT_NE(EnumSystemLocalesA(StopAfterThree, LCID_SUPPORTED), 0);
  EXPECT_EQ(enumerated.size(), 3u);
  EXPECT_EQ(EnumSystemLocalesA(nullptr, LCID_SUPPORTED), 0);
  EXPECT_EQ(EnumSystemLocalesA(Collect, LCID_ALTERNATE_SORTS), 0);
  EXPECT_EQ(EnumSystemLocalesA(Collect, 0x100), 0);
}

TEST(ThreadLocale, IsPerThreadAndLeavesTheCLocaleAlone) {
  const std::string cLocale = std::setlocale(LC_ALL, nullptr);
  EXPECT_EQ(GetThreadLocale(), GetUserDefaultLCID());
  ASSERT_NE(SetThreadLocale(0x0407), 0);
  EXPECT_EQ(GetThreadLocale(), 0x0407u);
  EXPECT_EQ(std::string(std::setlocale(LC_ALL, nullptr)), cLocale);
  EXPECT_EQ(std::strtod("1.5", nullptr), 1.5);
  LCID seenElsewhere = 0;
  std::thread([&] { seenElsewhere = GetThreadLocale(); }).join();
  EXPECT_EQ(seenElsewhere, GetUserDefaultLCID());
  EXPECT_EQ(SetThreadLocale(0x0FFF), 0) << "unknown locale";
  EXPECT_EQ(GetThreadLocale(), 0x0407u);
  ASSERT_NE(SetThreadLocale(LOCALE_USER_DEFAULT), 0);
  EXPECT_EQ(GetThreadLocale(), GetUserDefaultLCID());
}

TEST(GetTickCount, CountsMillisecondsForward) {
  const DWORD start = GetTickCount();
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  const DWORD elapsed = GetTickCount() - start;  // unsigned arithmetic survives the wrap
  EXPECT_GE(elapsed, 25u);
  EXPECT_LT(elapsed, 5000u);
}

TEST(GetLocaleInfoA, NamesInsideADateComeWithTheGenitiveFlag) {
  EXPECT_EQ(Answer(0x0419, LOCALE_SMONTHNAME1), "январь");
  EXPECT_EQ(Answer(0x0419, LOCALE_SMONTHNAME1 | LOCALE_RETURN_GENITIVE_NAMES), "января");
  EXPECT_EQ(Answer(0x0415, LOCALE_SMONTHNAME1 | LOCALE_RETURN_GENITIVE_NAMES), "stycznia");
  EXPECT_EQ(Answer(0x0426, LOCALE_SDAYNAME1 + 5), "Sestdiena");
  EXPECT_EQ(Answer(0x0426, (LOCALE_SDAYNAME1 + 5) | LOCALE_RETURN_GENITIVE_NAMES), "sestdiena");
  EXPECT_EQ(Answer(0x0409, LOCALE_SMONTHNAME1 | LOCALE_RETURN_GENITIVE_NAMES), "January");
  EXPECT_EQ(Answer(0x0409, LOCALE_SLONGDATE | LOCALE_RETURN_GENITIVE_NAMES), "<failed>");
  EXPECT_EQ(Answer(0x041E, LOCALE_SERANAME), "ค.ศ.");
}

TEST(GetLocaleInfoA, TimeSeparatorIsOnlyALiteralThatStandsBetweenEveryField) {
  EXPECT_EQ(Answer(0x0C0C, LOCALE_STIME), ":") << "fr-CA: HH 'h' mm 'min' ss 's'";
  EXPECT_EQ(Answer(0x040B, LOCALE_STIME), ".") << "fi: H.mm.ss";
  EXPECT_EQ(Answer(0x0409, LOCALE_STIME), ":");
}

TEST(GetLocaleInfoA, CurrencyFormatsKeepTheBlankBesideALetterSymbol) {
  // id-ID writes "Rp 1.234,50" and "-Rp 1.234,50"; the pattern alone has no blank.
  EXPECT_EQ(Answer(0x0421, LOCALE_ICURRENCY), "2");
  EXPECT_EQ(Answer(0x0421, LOCALE_INEGCURR), "9");
  // A symbol that is a sign stays attached: "$1,234.50", "-$1,234.50".
  EXPECT_EQ(Answer(0x0409, LOCALE_ICURRENCY), "0");
  EXPECT_EQ(Answer(0x0409, LOCALE_INEGCURR), "1");
}
