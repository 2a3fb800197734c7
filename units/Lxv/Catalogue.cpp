#include "Lxv/Catalogue.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

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

constexpr std::size_t kCatalogueLines = 58;
using TLineViews = std::array<std::string_view, kCatalogueLines>;

// The order in which one locale's lines sort follows from their keys alone
// (distinct, and none a prefix of another), so it is worked out once, from
// the first locale's lines in production order.
const std::array<int, kCatalogueLines>& SortedOrder(const TLineViews& lines) {
  static const std::array<int, kCatalogueLines> order = [&lines] {
    std::array<int, kCatalogueLines> o{};
    std::iota(o.begin(), o.end(), 0);
    std::sort(o.begin(), o.end(), [&lines](int a, int b) {
      return lines[static_cast<std::size_t>(a)] < lines[static_cast<std::size_t>(b)];
    });
    return o;
  }();
  return order;
}

// Queries one locale into one buffer and collects its lines in production
// order, all in one text; Flush puts them into the list where SortInsert
// would.
class TCatalogueWriter {
 public:
  TCatalogueWriter(LCID lcid, TSortList& list) : lcid_(lcid), list_(list), prefix_(LocalePrefix(lcid)) {
    text_.reserve(2048);
  }

  // The answer in the buffer (256 bytes, size 255), or the default when the
  // query fails.
  std::string_view Answer(LCTYPE type, const char* fallback) {
    if (GetLocaleInfoA(lcid_, type, buffer_, 255) == 0) return fallback;
    return std::string_view(buffer_, strnlen(buffer_, sizeof buffer_));
  }

  void Insert(std::string_view key, std::string_view value) {
    ends_[count_++] = text_.append(prefix_).append(key).append(value).size();
  }

  // A locale new to a list in byte order: its lines, all distinct and all
  // unequal to every line there, end up sorted in one run at the place of the
  // prefix, whatever order SortInsert would take them in; when the locale
  // sorts last, as it does when a pool is filled in ascending order, the run
  // is appended. Otherwise (the locale already there, or a list out of order,
  // where a bisection may land anywhere) each line goes through SortInsert in
  // production order.
  void Flush() {
    TObject* object = ObjectFromInt(static_cast<std::int32_t>(lcid_));
    TLineViews lines;
    for (std::size_t k = 0, begin = 0; k < kCatalogueLines; begin = ends_[k++])
      lines[k] = std::string_view(text_).substr(begin, ends_[k] - begin);
    int at = -1;
    list_.SortFind(prefix_, at);
    if (!list_.InByteOrder() || (at < list_.Count() && list_.Strings(at).starts_with(prefix_))) {
      for (std::string_view line : lines) list_.SortInsert(std::string(line), object);
      return;
    }
    TLineViews run;
    const std::array<int, kCatalogueLines>& order = SortedOrder(lines);
    for (std::size_t k = 0; k < kCatalogueLines; ++k) run[k] = lines[static_cast<std::size_t>(order[k])];
    list_.InsertObjects(at, run, object);
  }

 private:
  LCID lcid_;
  TSortList& list_;
  std::string prefix_;
  std::string text_;  // the lines one after the other
  std::array<std::size_t, kCatalogueLines> ends_{};
  std::size_t count_ = 0;
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
  writer.Flush();
}

}  // namespace Lxv
