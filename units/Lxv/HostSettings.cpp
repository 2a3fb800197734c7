#include "Lxv/HostSettings.h"

#include "platform/format/format_settings.h"

#if LXV_HOST_GENERATION < 4
extern "C" {
__attribute__((visibility("default"))) char ListSeparator = 0;
__attribute__((visibility("default"))) std::int16_t TwoDigitYearCenturyWindow = 0;
}
#endif

namespace Lxv {

#if LXV_HOST_GENERATION < 4
char CurrentListSeparator() { return ::ListSeparator; }
void SetListSeparatorSetting(char value) { ::ListSeparator = value; }
int CurrentTwoDigitYearCenturyWindow() { return ::TwoDigitYearCenturyWindow; }
void SetTwoDigitYearCenturyWindowSetting(int value) {
  ::TwoDigitYearCenturyWindow = static_cast<std::int16_t>(value);
}
void SetHostFields(platform::TFormatSettings&, char, int) {}
#else
char CurrentListSeparator() { return platform::FormatSettings().ListSeparator; }
void SetListSeparatorSetting(char value) { platform::FormatSettings().ListSeparator = value; }
int CurrentTwoDigitYearCenturyWindow() { return platform::FormatSettings().TwoDigitYearCenturyWindow; }
void SetTwoDigitYearCenturyWindowSetting(int value) {
  platform::FormatSettings().TwoDigitYearCenturyWindow = static_cast<std::uint16_t>(value);
}
void SetHostFields(platform::TFormatSettings& record, char listSeparator, int centuryWindow) {
  record.ListSeparator = listSeparator;
  record.TwoDigitYearCenturyWindow = static_cast<std::uint16_t>(centuryWindow);
}
#endif

}  // namespace Lxv
