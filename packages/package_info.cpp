// Identity of the package this library was built as.
#include "Lxv/Package.h"

namespace Lxv {

const char* PackageName() { return LXV_PACKAGE_NAME; }
const char* PackageDescription() { return LXV_PACKAGE_DESCRIPTION; }
int PackageGeneration() { return LXV_HOST_GENERATION; }

}  // namespace Lxv
