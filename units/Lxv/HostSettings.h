#pragma once
// The list separator and the two-digit-year window. Hosts of generation 3 have
// neither in their format settings, so there this unit exports its own
// variables (zero at load); generation 4 uses the host's fields.
#include <cstdint>

#include "platform/format/format_settings.h"

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
// Puts both into a record of generation 4; a record of generation 3 has
// neither field and stays as it is.
void SetHostFields(platform::TFormatSettings& record, char listSeparator, int centuryWindow);

}  // namespace Lxv
