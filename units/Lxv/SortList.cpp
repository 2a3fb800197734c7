#include "Lxv/SortList.h"

#include <string_view>

#include "platform/rtti/published.h"

namespace Lxv {

using platform::TClassBuilder;

platform::TClass TSortList::StaticClass() {
  static const platform::TClassInfo info = TClassBuilder<TSortList>("TSortList").Build();
  return &info;
}

bool TSortList::SortFind(const std::string& text, int& index) const {
  const bool wantPosition = index == -1;
  // Past the last line the bisection would only ever move right and end at
  // Count: say so after one comparison. (Lines come in mostly ascending.)
  if (wantPosition && Count() > 0 && std::string_view(text).compare(Strings(Count() - 1)) > 0) {
    index = Count();
    return false;
  }
  int low = 0, high = Count() - 1, middle = 0;
  bool found = false;
  while (high >= low) {
    middle = (low + high) / 2;
    const int c = std::string_view(text).compare(Strings(middle));  // byte order, as CompareStr
    if (c < 0) {
      high = middle - 1;
    } else if (c == 0) {
      found = true;
      break;
    } else {
      low = middle + 1;
      if (high < low && wantPosition) ++middle;  // the text belongs after this line
    }
  }
  index = (wantPosition || Count() == 0) ? middle : platform::IntFromObject(Objects(middle));
  return found;
}

void TSortList::SortInsert(const std::string& text, platform::TObject* object) {
  int index = -1;
  SortFind(text, index);
  InsertObject(index, text, object);
}

}  // namespace Lxv
