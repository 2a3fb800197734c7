#pragma once
// The list separator and the two-digit-year window. Hosts of generation 3 have
// neither in their format settings, so there this unit exports its own
// variables (zero at load); generation 4 uses the host's fields.
#include <cstdint>

#if LXV_HOST_GENERATION < 4
extern "C" {
extern char ListSeparator;
extern std::int16_t TwoDigitYearCenturyWindow;
}
#endif

namespace Lxv {

char CurrentListSeparator();
void SetListSeparatorSetting(char value);
int CurrentTwoDigitYearCenturyWindow();
void SetTwoDigitYearCenturyWindowSetting(int value);

}  // namespace Lxv
