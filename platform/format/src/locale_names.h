#pragma once
// The day, month and era names of a locale as the locale services give them,
// kept per thread for the date formatting routines.
#include <array>
#include <string>

#include "platform/locale/locale_services.h"

namespace platform::detail {

struct TLocaleNames {
  // Index: the name's LCTYPE - LOCALE_SDAYNAME1 (long and short days, long
  // and short months). Empty where the locale gives no answer.
  std::array<std::string, 38> StandAlone;
  std::array<std::string, 38> InDate;
  std::string Era;
};

// The names of `locale`, asked once per locale and provider on each thread.
const TLocaleNames& LocaleNames(LCID locale);

}  // namespace platform::detail
