// The demo application: what the packages and the platform know, the regional
// settings of the user's default locale, and any form files named on the
// command line.
#include <iostream>

#include "Lxv/Package.h"
#include "form_report.h"
#include "locale_report.h"
#include "platform/rtti/class_info.h"
#include "platform/base/conversions.h"
#include "platform/base/exceptions.h"
#include "platform/locale/locale_services.h"
#include "platform/rtti/class_registry.h"

int main(int argc, char** argv) {
  std::cout << Lxv::PackageDescription() << " (" << Lxv::PackageName() << ")\n";
  std::cout << "Registered classes:";
  for (platform::TClass cls : platform::RegisteredClasses()) std::cout << ' ' << cls->Name;
  std::cout << "\nUser default LCID: $" << platform::IntToHex(platform::GetUserDefaultLCID(), 4)
            << ", system default LCID: $" << platform::IntToHex(platform::GetSystemDefaultLCID(), 4) << "\n\n";
  PrintLocaleReport(std::cout);

  int status = 0;
  for (int i = 1; i < argc; ++i) {
    std::cout << "\nForm file " << argv[i] << ":\n";
    try {
      PrintFormFile(argv[i], std::cout);
    } catch (const platform::Exception& e) {
      std::cerr << argv[i] << ": " << e.what() << '\n';
      status = 1;
    }
  }
  return status;
}
