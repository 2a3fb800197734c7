// The demo application: a form whose TLexivar switches the regional settings
// from a "Language" menu. With a display it is a window that runs until
// closed; without one (or with --headless) the scripted user drives it.
// Options add the earlier reports:
//   --locale-report      the packages' classes and every regional setting of
//                        the user's default locale
//   --form-report FILE   the components and properties of a form file
//                        (may be given more than once)
#include <iostream>
#include <string>
#include <vector>

#include "Lxv/Package.h"
#include "demo_form.h"
#include "form_report.h"
#include "locale_report.h"
#include "platform/base/conversions.h"
#include "platform/base/exceptions.h"
#include "platform/fltk/windowing.h"
#include "platform/locale/locale_services.h"
#include "platform/rtti/class_info.h"
#include "platform/rtti/class_registry.h"

namespace {

struct TOptions {
  bool localeReport = false;
  bool headless = false;
  std::vector<std::string> formFiles;
};

const char kUsage[] = "usage: lxvdemo [--headless] [--locale-report] [--form-report FILE]...\n";

void PrintLocaleReports(std::ostream& out) {
  out << Lxv::PackageDescription() << " (" << Lxv::PackageName() << ")\n";
  out << "Registered classes:";
  for (platform::TClass cls : platform::RegisteredClasses()) out << ' ' << cls->Name;
  out << "\nUser default LCID: $" << platform::IntToHex(platform::GetUserDefaultLCID(), 4)
      << ", system default LCID: $" << platform::IntToHex(platform::GetSystemDefaultLCID(), 4) << "\n\n";
  PrintLocaleReport(out);
  out << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  TOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--headless") {
      options.headless = true;
    } else if (arg == "--locale-report") {
      options.localeReport = true;
    } else if (arg == "--form-report" && i + 1 < argc) {
      options.formFiles.push_back(argv[++i]);
    } else {
      std::cerr << kUsage;
      return arg == "--help" ? 0 : 2;
    }
  }

  int status = 0;
  if (options.localeReport) PrintLocaleReports(std::cout);
  for (const std::string& file : options.formFiles) {
    std::cout << "Form file " << file << ":\n";
    try {
      PrintFormFile(file, std::cout);
    } catch (const platform::Exception& e) {
      std::cerr << file << ": " << e.what() << '\n';
      status = 1;
    }
    std::cout << "\n";
  }
  try {
    if (platform::UseWindowsWhenDisplayed(options.headless)) {
      ShowDemoForm();
    } else {
      std::cout << "No display: the scripted user runs the main form.\n";
      RunDemoForm(std::cout);
    }
  } catch (const platform::Exception& e) {
    std::cerr << "lxvdemo: " << e.what() << '\n';
    status = 1;
  }
  return status;
}
