#include "platform/classes/filer.h"

namespace platform {

TValueType HighestValueType(int generation) { return generation >= 4 ? vaInt64 : vaCollection; }

const char* ValueTypeName(TValueType type) {
  static const char* const names[] = {"vaNull",   "vaList",   "vaInt8",     "vaInt16",  "vaInt32",
                                      "vaExtended", "vaString", "vaIdent",  "vaFalse",  "vaTrue",
                                      "vaBinary", "vaSet",    "vaLString",  "vaNil",    "vaCollection",
                                      "vaSingle", "vaCurrency", "vaDate",   "vaWString", "vaInt64"};
  return type <= vaInt64 ? names[type] : "unknown";
}

TFiler::TFiler(TStream& stream, int generation) : stream_(stream), generation_(generation) {}

}  // namespace platform
