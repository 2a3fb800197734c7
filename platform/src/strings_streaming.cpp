// TStrings in form files. The filer is not written yet: until it is, string
// lists declare no stored data.
#include "platform/strings.h"

namespace platform {

void TStrings::DefineProperties(TFiler&) {}

}  // namespace platform
