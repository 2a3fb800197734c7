// The demo application: shows what the platform knows.
#include <iostream>

#include "Lxv/Package.h"
#include "platform/class_info.h"
#include "platform/registry.h"

int main() {
  std::cout << Lxv::PackageDescription() << " (" << Lxv::PackageName() << ")\n";
  std::cout << "Registered classes:";
  for (platform::TClass cls : platform::RegisteredClasses()) std::cout << ' ' << cls->Name;
  std::cout << '\n';
  return 0;
}
