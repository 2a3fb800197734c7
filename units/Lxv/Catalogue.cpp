#include "Lxv/Catalogue.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

#include "Lxv/LocaleDesignator.h"
#include "Lxv/RegionalSettings.h"
#include "platform/format/format_settings.h"

namespace Lxv {

using namespace platform;

namespace {

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
  std::string_view Answer(LCTYPE type, std::string_view fallback) {
    if (GetLocaleInfoA(lcid_, type, buffer_, 255) == 0) return fallback;
    return std::string_view(buffer_, strnlen(buffer_, sizeof buffer_));
  }

  void Insert(std::string_view key, std::string_view value) {
    std::string& line = lines_.emplace_back();
    line.reserve(prefix_.size() + key.size() + value.size());  // one allocation
    line.append(prefix_).append(key).append(value);
  }

  // A locale new to the list: its lines, all distinct and all unequal to
  // every line there, end up sorted in one run at the place of the prefix,
  // whatever order SortInsert would take them in. Inserted in that order they
  // are appends when the locale sorts last, as it does when a pool is filled
  // in ascending order. Otherwise each line goes through SortInsert in
  // production order, which decides among equal lines.
  void Flush() {
    TObject* object = ObjectFromInt(static_cast<std::int32_t>(lcid_));
    int at = -1;
    list_.SortFind(prefix_, at);
    if (at < list_.Count() && list_.Strings(at).starts_with(prefix_)) {
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

// Built from the leading-zero, clock and marker-position answers.
TTimePictures TimePictures(TCatalogueWriter& writer) {
  return BuildTimePictures([&writer](std::uint32_t type, const char* fallback) {
    return std::string(writer.Answer(type, fallback));
  });
}

}  // namespace

void AddCatalogue(LCID lcid, TSortList& list) {
  TCatalogueWriter writer(lcid, list);
  TTimePictures pictures;
  for (const TRegionalSetting& row : RegionalSettings()) {
    switch (row.Field) {
      case TSettingField::ShortTimeFormat:
        pictures = TimePictures(writer);
        writer.Insert(row.Key, pictures.ShortTime);
        break;
      case TSettingField::LongTimeFormat:
        writer.Insert(row.Key, pictures.LongTime);
        break;
      case TSettingField::TwoDigitYearCenturyWindow:  // fixed, not queried
        writer.Insert(row.Key, row.Default);
        break;
      default:
        writer.Insert(row.Key, writer.Answer(row.Type, row.Default));
    }
  }
  writer.Flush();
}

}  // namespace Lxv
