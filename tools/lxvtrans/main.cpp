// lxvtrans COMMAND ARGS: translation files of the TLexivar component.
//   list FILE                  owners, tags, locales and line counts
//   check FILE                 lines that would make loading or saving fail,
//                              and what loading would cut or lack
//   extract FORM FILE          the tables of a form's TLexivars into FILE
//   inject FILE FORM [OUT]     FILE's lines into a form's TLexivars
//   preview FILE OWNER LOCALE [TAG]  samples formatted with a locale's lines
// Exit status: 0 done, 1 problems found or bad input, 2 wrong usage.
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "file_report.h"
#include "form_tables.h"
#include "platform/base/conversions.h"
#include "platform/base/exceptions.h"
#include "platform/base/files.h"

namespace {

const char kUsage[] =
    "usage: lxvtrans list FILE\n"
    "       lxvtrans check FILE\n"
    "       lxvtrans extract FORM FILE\n"
    "       lxvtrans inject FILE FORM [OUT]\n"
    "       lxvtrans preview FILE OWNER LOCALE [TAG]\n"
    "       lxvtrans --help\n";

const char kHelp[] =
    "\n"
    "Translation files hold the translation tables of TLexivar components, one\n"
    "line per table line: #2OWNER.KEY%TAG=VALUE.\n"
    "\n"
    "  list FILE               the owners in FILE, their tags, the locales of each\n"
    "                          tag and the number of lines\n"
    "  check FILE              every line on which loading or saving a component's\n"
    "                          lines fails, keys that stand twice, lines without\n"
    "                          \"=\", NUL bytes and text that is not UTF-8, values\n"
    "                          cut to 4095 characters, the catalogue keys each\n"
    "                          owner, tag and locale lacks, and a file without any\n"
    "                          component line, and values that cannot work once\n"
    "                          applied (a currency format out of range, a separator\n"
    "                          of two characters, a picture without a field); exit\n"
    "                          status 1 when there is any\n"
    "  extract FORM FILE       saves the table of each TLexivar of the form file FORM\n"
    "                          into FILE, replacing that component's lines there\n"
    "  inject FILE FORM [OUT]  merges FILE's lines into each TLexivar of FORM and\n"
    "                          writes the form, in its own format, to OUT (default:\n"
    "                          FORM itself)\n"
    "  preview FILE OWNER LOCALE [TAG]\n"
    "                          a date in both pictures, a time, a number and two\n"
    "                          amounts formatted with the lines of OWNER (tag TAG,\n"
    "                          default 0) for LOCALE, a locale designator or an LCID\n"
    "                          in hexadecimal (407); the process's settings stay\n"
    "\n"
    "Components whose FileName is set keep their table in that file and are\n"
    "skipped. Exit status: 0 done, 1 problems found or bad input, 2 wrong usage.\n";

int Usage() {
  std::cerr << kUsage;
  return 2;
}

int Run(const std::vector<std::string>& args) {
  const std::string& command = args[0];
  if (command == "list" && args.size() == 2) {
    lxvtrans::ListFile(args[1], std::cout);
    return 0;
  }
  if (command == "check" && args.size() == 2) return lxvtrans::CheckFile(args[1], std::cout) == 0 ? 0 : 1;
  if (command == "extract" && args.size() == 3) {
    lxvtrans::ExtractTables(args[1], args[2], std::cout);
    return 0;
  }
  if (command == "inject" && (args.size() == 3 || args.size() == 4)) {
    lxvtrans::InjectTables(args[1], args[2], args.back(), std::cout);
    return 0;
  }
  if (command == "preview" && (args.size() == 4 || args.size() == 5)) {
    lxvtrans::PreviewFile(args[1], args[2], args[3], args.size() == 5 ? platform::StrToInt(args[4]) : 0, std::cout);
    return 0;
  }
  return Usage();
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage();
  if (args[0] == "--help" || args[0] == "-h") {
    std::cout << kUsage << kHelp;
    return 0;
  }
  platform::RemoveTemporariesOnSignal();
  try {
    return Run(args);
  } catch (const platform::Exception& e) {
    std::cerr << "lxvtrans: " << e.what() << "\n";
  } catch (const std::bad_alloc&) {
    std::cerr << "lxvtrans: out of memory\n";
  }
  return 1;
}
