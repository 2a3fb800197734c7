#pragma once
// TSortList keeps its lines in ascending ordinal, case-sensitive byte order
// and finds them by bisection. Callers keep the order: lines enter through
// SortInsert, or as a whole from a list that was already in this order. A
// list out of order is searched all the same, by the very same bisection.
#include <string>

#include "platform/classes/strings.h"

namespace Lxv {

class TSortList : public platform::TStringList {
  LXV_CLASS(TSortList, platform::TStringList)
 public:
  // index == -1 on entry: on return the position of an equal line (true), or
  // where the text belongs (false). Any other value on entry: on return the
  // object slot, as an integer, of the last line the search examined (0 for an
  // empty list).
  bool SortFind(const std::string& text, int& index) const;
  // Inserts before an equal line that SortFind reaches, so duplicates are kept.
  void SortInsert(const std::string& text, platform::TObject* object);
};

}  // namespace Lxv
