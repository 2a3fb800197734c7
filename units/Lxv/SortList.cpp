#include "Lxv/SortList.h"

#include <string_view>

#include "platform/rtti/published.h"

namespace Lxv {

using platform::TClassBuilder;

platform::TClass TSortList::StaticClass() {
  static const platform::TClassInfo info = TClassBuilder<TSortList>("TSortList").Build();
  return &info;
}

bool TSortList::SortFind(std::string_view text, int& index) const {
  const bool wantPosition = index == -1;
  // In a list in byte order, a text past the last line moves the bisection
  // right at every step, to Count: say so after one comparison. (Lines come in
  // mostly ascending.) Out of order, the bisection may end anywhere.
  if (wantPosition && Count() > 0 && InByteOrder() && std::string_view(text).compare(Strings(Count() - 1)) > 0) {
    index = Count();
    return false;
  }
  int lastCompare = 0;
  int middle = Bisect(text, lastCompare);
  // A search that ends right of a line means the text belongs after it.
  if (wantPosition && lastCompare > 0) ++middle;
  const bool found = lastCompare == 0 && Count() > 0;
  index = (wantPosition || Count() == 0) ? middle : platform::IntFromObject(Objects(middle));
  return found;
}

void TSortList::SortInsert(std::string_view text, platform::TObject* object) {
  int index = -1;
  SortFind(text, index);
  // InsertObject at the place the bisection found (TSortList overrides none
  // of the list's operations), without checking the order again.
  InsertBisected(index, text, object);
}

}  // namespace Lxv
