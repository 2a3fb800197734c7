#include "platform/streaming/value_types.h"

#include <limits>

namespace platform {

TValueType HighestValueType(int generation) { return generation >= 4 ? vaInt64 : vaCollection; }

const char* ValueTypeName(TValueType type) {
  static const char* const names[] = {"vaNull",   "vaList",   "vaInt8",     "vaInt16",  "vaInt32",
                                      "vaExtended", "vaString", "vaIdent",  "vaFalse",  "vaTrue",
                                      "vaBinary", "vaSet",    "vaLString",  "vaNil",    "vaCollection",
                                      "vaSingle", "vaCurrency", "vaDate",   "vaWString", "vaInt64"};
  return type <= vaInt64 ? names[type] : "unknown";
}

TValueType IntegerValueType(std::int64_t value) {
  if (value >= std::numeric_limits<std::int8_t>::min() && value <= std::numeric_limits<std::int8_t>::max()) return vaInt8;
  if (value >= std::numeric_limits<std::int16_t>::min() && value <= std::numeric_limits<std::int16_t>::max()) return vaInt16;
  if (value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max()) return vaInt32;
  return vaInt64;
}

}  // namespace platform
