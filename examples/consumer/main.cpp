// Links one installed package and prints what it says about itself.
#include <cstdio>
#include <cstring>

#include "Lxv/Package.h"
#include "Lxv/SortList.h"

int main() {
  Lxv::TSortList list;
  list.SortInsert("b", nullptr);
  list.SortInsert("a", nullptr);
  std::printf("%s %s generation %d first=%s\n", Lxv::PackageName(), Lxv::PackageDescription(),
              Lxv::PackageGeneration(), list.Strings(0).c_str());
  return std::strcmp(list.Strings(0).c_str(), "a") == 0 ? 0 : 1;
}
