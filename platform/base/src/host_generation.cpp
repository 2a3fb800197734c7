#include "platform/base/host_generation.h"

namespace platform {

int HostGeneration() { return LXV_HOST_GENERATION; }

}  // namespace platform
