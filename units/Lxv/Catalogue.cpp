#include "Lxv/Catalogue.h"

#include <algorithm>
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

// The order in which one locale's lines sort follows from their keys alone
// (distinct, and none a prefix of another), so it is worked out once, from
// the first locale's lines in production order.
const std::vector<int>& SortedOrder(const std::vector<std::string>& lines) {
  static const std::vector<int> order = [&lines] {
    std::vector<int> o(lines.size());
    std::iota(o.begin(), o.end(), 0);
    std::sort(o.begin(), o.end(), [&lines](int a, int b) {
      return lines[static_cast<std::size_t>(a)] < lines[static_cast<std::size_t>(b)];
    });
    return o;
  }();
  return order;
}

// Queries one locale into one buffer and collects its lines in production
// order; Flush puts them into the list where SortInsert would.
class TCatalogueWriter {
 public:
  TCatalogueWriter(LCID lcid, TSortList& list) : lcid_(lcid), list_(list), prefix_(LocalePrefix(lcid)) {
    lines_.reserve(58);
  }

  // The answer in the buffer (256 bytes, size 255), or the default when the
  // query fails.
  std::string_view Answer(LCTYPE type, const char* fallback) {
    if (GetLocaleInfoA(lcid_, type, buffer_, 255) == 0) return fallback;
    return std::string_view(buffer_, strnlen(buffer_, sizeof buffer_));
  }

  void Insert(std::string_view key, std::string_view value) {
    std::string& line = lines_.emplace_back();
    line.reserve(prefix_.size() + key.size() + value.size());  // one allocation
    line.append(prefix_).append(key).append(value);
  }

  // A locale new to a list in byte order: its lines, all distinct and all
  // unequal to every line there, end up sorted in one run at the place of the
  // prefix, whatever order SortInsert would take them in. Inserted in that
  // order they are appends when the locale sorts last, as it does when a pool
  // is filled in ascending order. Otherwise (the locale already there, or a
  // list out of order, where a bisection may land anywhere) each line goes
  // through SortInsert in production order.
  void Flush() {
    TObject* object = ObjectFromInt(static_cast<std::int32_t>(lcid_));
    int at = -1;
    list_.SortFind(prefix_, at);
    if (!list_.InByteOrder() || (at < list_.Count() && list_.Strings(at).starts_with(prefix_))) {
      for (const std::string& line : lines_) list_.SortInsert(line, object);
      return;
    }
    const std::vector<int>& order = SortedOrder(lines_);
    if (at < list_.Count()) {
      for (int k : order) list_.InsertObject(at++, lines_[static_cast<std::size_t>(k)], object);
      return;
    }
    std::vector<std::string> run;
    run.reserve(order.size());
    for (int k : order) run.push_back(std::move(lines_[static_cast<std::size_t>(k)]));
    list_.AddStrings(std::move(run));
    for (int i = at; i < list_.Count(); ++i) list_.SetObjects(i, object);
  }

 private:
  LCID lcid_;
  TSortList& list_;
  std::string prefix_;
  std::vector<std::string> lines_;
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
