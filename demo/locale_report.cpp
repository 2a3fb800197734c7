#include "locale_report.h"

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "platform/format/date_time.h"
#include "platform/format/float_format.h"
#include "platform/format/format_settings.h"
#include "platform/locale/locale_services.h"

using namespace platform;

namespace {

std::vector<std::pair<LCTYPE, std::string>> ReportedTypes() {
  std::vector<std::pair<LCTYPE, std::string>> types;
  for (int i = 0; i < 7; ++i) types.emplace_back(LOCALE_SDAYNAME1 + i, "SDAYNAME" + std::to_string(i + 1));
  for (int i = 0; i < 7; ++i) types.emplace_back(LOCALE_SABBREVDAYNAME1 + i, "SABBREVDAYNAME" + std::to_string(i + 1));
  for (int i = 0; i < 12; ++i) types.emplace_back(LOCALE_SMONTHNAME1 + i, "SMONTHNAME" + std::to_string(i + 1));
  for (int i = 0; i < 12; ++i)
    types.emplace_back(LOCALE_SABBREVMONTHNAME1 + i, "SABBREVMONTHNAME" + std::to_string(i + 1));
  const std::pair<LCTYPE, const char*> others[] = {
      {LOCALE_ILZERO, "ILZERO"},           {LOCALE_ITIME, "ITIME"},
      {LOCALE_ITIMEMARKPOSN, "ITIMEMARKPOSN"}, {LOCALE_STIMEFORMAT, "STIMEFORMAT"},
      {LOCALE_STIME, "STIME"},             {LOCALE_S1159, "S1159"},
      {LOCALE_S2359, "S2359"},             {LOCALE_SDATE, "SDATE"},
      {LOCALE_SSHORTDATE, "SSHORTDATE"},   {LOCALE_SLONGDATE, "SLONGDATE"},
      {LOCALE_ICURRENCY, "ICURRENCY"},     {LOCALE_INEGCURR, "INEGCURR"},
      {LOCALE_ICURRDIGITS, "ICURRDIGITS"}, {LOCALE_SCURRENCY, "SCURRENCY"},
      {LOCALE_STHOUSAND, "STHOUSAND"},     {LOCALE_SDECIMAL, "SDECIMAL"},
      {LOCALE_SENGLANGUAGE, "SENGLANGUAGE"}, {LOCALE_SNATIVELANGNAME, "SNATIVELANGNAME"},
      {LOCALE_SENGCOUNTRY, "SENGCOUNTRY"}, {LOCALE_SNATIVECTRYNAME, "SNATIVECTRYNAME"},
      {LOCALE_SLIST, "SLIST"}};
  for (const auto& [type, name] : others) types.emplace_back(type, name);
  return types;
}

std::string Answer(LCID locale, LCTYPE type) {
  char buffer[256];
  return GetLocaleInfoA(locale, type, buffer, 255) ? "\"" + std::string(buffer) + "\"" : "(no answer)";
}

}  // namespace

void PrintLocaleReport(std::ostream& out) {
  const LCID locale = GetUserDefaultLCID();
  char hex[16];
  std::snprintf(hex, sizeof hex, "%08X", static_cast<unsigned>(locale));
  out << "User default locale " << hex << ": " << Answer(locale, LOCALE_SENGLANGUAGE) << ", "
      << Answer(locale, LOCALE_SENGCOUNTRY) << "\n";
  for (const auto& [type, name] : ReportedTypes()) {
    std::snprintf(hex, sizeof hex, "%5u", static_cast<unsigned>(type));
    out << "  " << hex << " " << name << std::string(name.size() < 18 ? 18 - name.size() : 1, ' ')
        << Answer(locale, type) << "\n";
  }
  const TFormatSettings& settings = FormatSettings();
  const TDateTime now = Now();
  out << "Formatted under this locale:\n"
      << "  date      " << DateToStr(now) << "  /  " << FormatDateTime("dddddd", now) << "\n"
      << "  time      " << TimeToStr(now) << "\n"
      << "  currency  " << FloatToStrF(1234567.891, ffCurrency, 15, settings.CurrencyDecimals) << "  /  "
      << FloatToStrF(-1234.5, ffCurrency, 15, settings.CurrencyDecimals) << "\n";
}
