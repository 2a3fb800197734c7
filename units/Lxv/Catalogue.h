#pragma once
// The catalogue of system locale properties: the 58 regional settings kept
// for every locale, as lines LLLLLLLL_NAME=VALUE of the translation table.
#include "Lxv/SortList.h"
#include "platform/locale/locale_services.h"

namespace Lxv {

// Adds the 58 catalogue lines of `lcid` to `list` through SortInsert, each
// with the LCID as its object, with the operating system's answers or the
// built-in defaults where a query fails. Lines already there stay: calling it
// twice leaves every line twice.
void AddCatalogue(platform::LCID lcid, TSortList& list);

}  // namespace Lxv
