#include "answer_table.h"

namespace platform::detail {
namespace {

// Slots 0..37 are the day and month names (LCTYPE 42..79); the rest follow.
constexpr std::array<LCTYPE, kFormatNameSlot - kNameSlots> kOtherTypes = {
    LOCALE_SNATIVELANGNAME, LOCALE_SNATIVECTRYNAME, LOCALE_SLIST,      LOCALE_SDECIMAL,
    LOCALE_STHOUSAND,       LOCALE_ILZERO,          LOCALE_SCURRENCY,  LOCALE_ICURRDIGITS,
    LOCALE_ICURRENCY,       LOCALE_INEGCURR,        LOCALE_SDATE,      LOCALE_STIME,
    LOCALE_SSHORTDATE,      LOCALE_SLONGDATE,       LOCALE_ITIME,      LOCALE_S1159,
    LOCALE_S2359,           LOCALE_SENGLANGUAGE,    LOCALE_SENGCOUNTRY, LOCALE_STIMEFORMAT,
    LOCALE_ITIMEMARKPOSN,   LOCALE_SERANAME};

bool IsNameType(LCTYPE type) { return type >= LOCALE_SDAYNAME1 && type < LOCALE_SDAYNAME1 + kNameSlots; }

}  // namespace

int CatalogueSlot(LCTYPE type) {
  if ((type & LOCALE_RETURN_GENITIVE_NAMES) != 0) {
    const LCTYPE name = type & ~LOCALE_RETURN_GENITIVE_NAMES;
    return IsNameType(name) ? kFormatNameSlot + static_cast<int>(name - LOCALE_SDAYNAME1) : -1;
  }
  if (IsNameType(type)) return static_cast<int>(type - LOCALE_SDAYNAME1);
  for (std::size_t i = 0; i < kOtherTypes.size(); ++i)
    if (kOtherTypes[i] == type) return static_cast<int>(kNameSlots + i);
  return -1;
}

LCTYPE CatalogueType(int slot) {
  if (slot >= kFormatNameSlot) return (LOCALE_SDAYNAME1 + static_cast<LCTYPE>(slot - kFormatNameSlot)) | LOCALE_RETURN_GENITIVE_NAMES;
  return slot < kNameSlots ? LOCALE_SDAYNAME1 + slot : kOtherTypes.at(static_cast<std::size_t>(slot - kNameSlots));
}

bool IsSingleByteSetting(LCTYPE type) {
  return type == LOCALE_SLIST || type == LOCALE_SDECIMAL || type == LOCALE_STHOUSAND ||
         type == LOCALE_SDATE || type == LOCALE_STIME;
}

}  // namespace platform::detail
