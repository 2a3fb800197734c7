#include "Lxv/Catalogue.h"

#include <cstring>
#include <string>
#include <string_view>

#include "Lxv/LocaleDesignator.h"
#include "platform/format/format_settings.h"

namespace Lxv {

using namespace platform;

namespace {

struct TNameRow {
  const char* key;  // up to the opening bracket
  LCTYPE firstType;
  int count;
  const char* const* defaults;
};

// Rows 1 to 38, in the order they are produced.
const TNameRow kNameRows[] = {
    {"_LONGDAYNAMES[", LOCALE_SDAYNAME1, 7, DefaultLongDayNames},
    {"_SHORTDAYNAMES[", LOCALE_SABBREVDAYNAME1, 7, DefaultShortDayNames},
    {"_LONGMONTHNAMES[", LOCALE_SMONTHNAME1, 12, DefaultLongMonthNames},
    {"_SHORTMONTHNAMES[", LOCALE_SABBREVMONTHNAME1, 12, DefaultShortMonthNames},
};

struct TRow {
  const char* key;
  LCTYPE type;
  const char* fallback;
};

// Rows 41 to 57, after the two time formats.
constexpr TRow kSettingRows[] = {
    {"_TIMESEPARATOR=", LOCALE_STIME, ":"},
    {"_TIMEAMSTRING=", LOCALE_S1159, "am"},
    {"_TIMEPMSTRING=", LOCALE_S2359, "pm"},
    {"_DATESEPARATOR=", LOCALE_SDATE, "/"},
    {"_SHORTDATEFORMAT=", LOCALE_SSHORTDATE, "m/d/yy"},
    {"_LONGDATEFORMAT=", LOCALE_SLONGDATE, "mmmm d, yyyy"},
    {"_CURRENCYFORMAT=", LOCALE_ICURRENCY, "0"},
    {"_NEGCURRFORMAT=", LOCALE_INEGCURR, "0"},
    {"_CURRENCYDECIMALS=", LOCALE_ICURRDIGITS, "2"},
    {"_CURRENCYSTRING=", LOCALE_SCURRENCY, ""},
    {"_THOUSANDSEPARATOR=", LOCALE_STHOUSAND, ","},
    {"_DECIMALSEPARATOR=", LOCALE_SDECIMAL, "."},
    {"_ENGLISHNAME=", LOCALE_SENGLANGUAGE, "Unknown"},
    {"_NATIVENAME=", LOCALE_SNATIVELANGNAME, "Unknown"},
    {"_ENGLISHCOUNTRYNAME=", LOCALE_SENGCOUNTRY, "Unknown"},
    {"_NATIVECOUNTRYNAME=", LOCALE_SNATIVECTRYNAME, "Unknown"},
    {"_LISTSEPARATOR=", LOCALE_SLIST, ";"},
};

// Queries one locale into one buffer and inserts the composed lines.
class TCatalogueWriter {
 public:
  TCatalogueWriter(LCID lcid, TSortList& list) : lcid_(lcid), list_(list), prefix_(LocalePrefix(lcid)) {}

  // The answer in the buffer (256 bytes, size 255), or the default when the
  // query fails.
  std::string_view Answer(LCTYPE type, const char* fallback) {
    if (GetLocaleInfoA(lcid_, type, buffer_, 255) == 0) return fallback;
    return std::string_view(buffer_, strnlen(buffer_, sizeof buffer_));
  }

  void Insert(std::string_view key, std::string_view value) {
    line_.assign(prefix_).append(key).append(value);
    list_.SortInsert(line_, ObjectFromInt(static_cast<std::int32_t>(lcid_)));
  }

 private:
  LCID lcid_;
  TSortList& list_;
  std::string prefix_;
  std::string line_;
  char buffer_[256] = {};
};

void AddNames(TCatalogueWriter& writer) {
  std::string key;
  for (const TNameRow& row : kNameRows) {
    for (int i = 1; i <= row.count; ++i) {
      key.assign(row.key).append(std::to_string(i)).append("]=");
      writer.Insert(key, writer.Answer(row.firstType + static_cast<LCTYPE>(i - 1), row.defaults[i - 1]));
    }
  }
}

void AddTimeFormats(TCatalogueWriter& writer) {
  const TTimePictures pictures = BuildTimePictures([&writer](std::uint32_t type, const char* fallback) {
    return std::string(writer.Answer(type, fallback));
  });
  writer.Insert("_SHORTTIMEFORMAT=", pictures.ShortTime);
  writer.Insert("_LONGTIMEFORMAT=", pictures.LongTime);
}

}  // namespace

void AddCatalogue(LCID lcid, TSortList& list) {
  TCatalogueWriter writer(lcid, list);
  AddNames(writer);
  AddTimeFormats(writer);
  for (const TRow& row : kSettingRows) writer.Insert(row.key, writer.Answer(row.type, row.fallback));
  writer.Insert("_TWODIGITYEARCENTURYWINDOW=0", "");
}

}  // namespace Lxv
