#include "Lxv/Catalogue.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Lxv/LocaleDesignator.h"
#include "Lxv/RegionalSettings.h"
#include "platform/base/text_lines.h"
#include "platform/format/format_settings.h"

namespace Lxv {

using namespace platform;

namespace {

constexpr std::size_t kCatalogueLines = 58;
constexpr std::size_t kAnswerBuffer = 255;  // the size the framework's catalogue queries with
using TLines = std::array<std::string_view, kCatalogueLines>;

// The order in which one locale's lines sort follows from their keys alone
// (distinct, and none a prefix of another), so it is worked out once, from
// the first locale's lines in production order.
const std::array<int, kCatalogueLines>& SortedOrder(std::span<const std::string_view> lines) {
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

// Queries one locale and builds its lines in production order, one after
// the other in one text; Flush puts them where SortInsert would.
class TCatalogueWriter {
 public:
  TCatalogueWriter(LCID lcid, TSortList& list) : lcid_(lcid), list_(list), prefix_(LocalePrefix(lcid)) {
    text_.Reserve(kTypicalText, kCatalogueLines);
  }

  // The answer as a 256-byte buffer of size 255 receives it (up to its first
  // zero), or the default where that query fails. Read in place: the
  // provider keeps its answers.
  std::string_view Answer(LCTYPE type, std::string_view fallback) const {
    const std::optional<std::string_view> answer = LocaleInfoView(lcid_, type);
    if (!answer || answer->size() >= kAnswerBuffer) return fallback;
    return answer->substr(0, answer->find('\0'));
  }

  void Insert(std::string_view key, std::string_view value) {
    text_.AddLine(prefix_, key, value);
  }

  // A locale new to a list in byte order: its lines, all distinct and all
  // unequal to every line there, end up sorted in one run at the place of the
  // prefix, whatever order SortInsert would take them in; when the locale
  // sorts last, as it does when a pool is filled in ascending order, the run
  // is appended. Otherwise (the locale already there, or a list out of order,
  // where a bisection may land anywhere) each line goes through SortInsert in
  // production order.
  void Flush() {
    const std::vector<std::string_view> lines = text_.Lines();
    TObject* object = ObjectFromInt(static_cast<std::int32_t>(lcid_));
    int at = -1;
    list_.SortFind(prefix_, at);
    if (!list_.InByteOrder() || (at < list_.Count() && list_.Strings(at).starts_with(prefix_))) {
      for (std::string_view line : lines) list_.SortInsert(line, object);
      return;
    }
    TLines run;
    const std::array<int, kCatalogueLines>& order = SortedOrder(lines);
    for (std::size_t k = 0; k < kCatalogueLines; ++k) run[k] = lines[static_cast<std::size_t>(order[k])];
    list_.InsertObjects(at, run, object);
  }

 private:
  static constexpr std::size_t kTypicalText = 2048;  // one locale's lines, most locales
  LCID lcid_;
  TSortList& list_;
  std::string prefix_;
  platform::TLineText text_;
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
