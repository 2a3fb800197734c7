#include "answer_table.h"

namespace platform::detail {
namespace {

// Slots 0..37 are the day and month names (LCTYPE 42..79); the rest follow.
constexpr std::array<LCTYPE, kCatalogueSize - 38> kOtherTypes = {
    LOCALE_SNATIVELANGNAME, LOCALE_SNATIVECTRYNAME, LOCALE_SLIST,      LOCALE_SDECIMAL,
    LOCALE_STHOUSAND,       LOCALE_ILZERO,          LOCALE_SCURRENCY,  LOCALE_ICURRDIGITS,
    LOCALE_ICURRENCY,       LOCALE_INEGCURR,        LOCALE_SDATE,      LOCALE_STIME,
    LOCALE_SSHORTDATE,      LOCALE_SLONGDATE,       LOCALE_ITIME,      LOCALE_S1159,
    LOCALE_S2359,           LOCALE_SENGLANGUAGE,    LOCALE_SENGCOUNTRY, LOCALE_STIMEFORMAT,
    LOCALE_ITIMEMARKPOSN};

}  // namespace

int CatalogueSlot(LCTYPE type) {
  if (type >= LOCALE_SDAYNAME1 && type <= LOCALE_SABBREVMONTHNAME1 + 11)
    return static_cast<int>(type - LOCALE_SDAYNAME1);
  for (std::size_t i = 0; i < kOtherTypes.size(); ++i)
    if (kOtherTypes[i] == type) return static_cast<int>(38 + i);
  return -1;
}

LCTYPE CatalogueType(int slot) {
  return slot < 38 ? LOCALE_SDAYNAME1 + slot : kOtherTypes.at(slot - 38);
}

bool IsSingleByteSetting(LCTYPE type) {
  return type == LOCALE_SLIST || type == LOCALE_SDECIMAL || type == LOCALE_STHOUSAND ||
         type == LOCALE_SDATE || type == LOCALE_STIME;
}

}  // namespace platform::detail
