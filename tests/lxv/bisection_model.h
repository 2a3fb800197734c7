#pragma once
// A plain model of the sorted list's search and insertion, written straight
// from the classic bisection, for comparing the list against it over lists in
// any order.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/classes/strings.h"

namespace lxvtest {

using TModelLines = std::vector<std::pair<std::string, int>>;  // text, object as integer

inline bool ModelFind(const TModelLines& lines, std::string_view text, int& index) {
  const bool wantPosition = index == -1;
  int low = 0, high = static_cast<int>(lines.size()) - 1, middle = 0;
  bool found = false;
  while (high >= low) {
    middle = (low + high) / 2;
    const int c = text.compare(lines[static_cast<std::size_t>(middle)].first);
    if (c < 0) {
      high = middle - 1;
    } else if (c == 0) {
      found = true;
      break;
    } else {
      low = middle + 1;
      if (high < low && wantPosition) ++middle;
    }
  }
  index = wantPosition || lines.empty() ? middle : lines[static_cast<std::size_t>(middle)].second;
  return found;
}

inline void ModelInsert(TModelLines& lines, std::string_view text, int object) {
  int index = -1;
  ModelFind(lines, text, index);
  lines.insert(lines.begin() + index, {std::string(text), object});
}

inline TModelLines ModelOf(const platform::TStrings& list) {
  TModelLines lines;
  for (int i = 0; i < list.Count(); ++i) lines.emplace_back(list.Strings(i), platform::IntFromObject(list.Objects(i)));
  return lines;
}

}  // namespace lxvtest
