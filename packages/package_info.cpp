// Identity of the package this library was built as, and the entry through
// which a design environment that loaded it finds its registration.
#include "Lxv/LxvReg.h"
#include "Lxv/Package.h"
#include "platform/design/package_entry.h"

namespace Lxv {

const char* PackageName() { return LXV_PACKAGE_NAME; }
const char* PackageDescription() { return LXV_PACKAGE_DESCRIPTION; }
int PackageGeneration() { return LXV_HOST_GENERATION; }

}  // namespace Lxv

extern "C" const platform::TDesignPackageEntry* LxvDesignPackageEntry() {
  static const platform::TDesignPackageEntry entry{platform::kDesignPackageEntryVersion, LXV_PACKAGE_NAME,
                                                   LXV_PACKAGE_DESCRIPTION, LXV_HOST_GENERATION, &Lxv::Register};
  return &entry;
}
