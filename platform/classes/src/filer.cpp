#include "platform/classes/filer.h"

namespace platform {

TFiler::TFiler(TStream& stream, int generation) : stream_(stream), generation_(generation) {}

}  // namespace platform
