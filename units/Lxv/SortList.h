#pragma once
// TSortList keeps its lines in ascending ordinal, case-sensitive byte order
// and finds them by bisection. Callers keep the order: lines enter through
// SortInsert, or as a whole from a list that was already in this order. A
// list out of order is searched all the same, by the very same bisection.
#include <string>

#include "platform/classes/strings.h"

namespace Lxv {

// Owns its lines; the objects beside them are not owned (the lists of this
// unit keep LCIDs there, as integers). The list's own sorted mode stays off.
class TSortList : public platform::TStringList {
  LXV_CLASS(TSortList, platform::TStringList)
 public:
  // index == -1 on entry: on return the position of an equal line (true), or
  // where the text belongs (false). Any other value on entry: on return the
  // object slot, as an integer, of the last line the search examined (0 for an
  // empty list).
  // Raises nothing.
  bool SortFind(std::string_view text, int& index) const;
  // Inserts before an equal line that SortFind reaches, so duplicates are
  // kept. OnChanging and OnChange fire around the insertion, as for any
  // insertion into the list; an error their handlers raise reaches the caller.
  void SortInsert(std::string_view text, platform::TObject* object);
};

}  // namespace Lxv
