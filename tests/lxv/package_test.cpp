// What each package exports: the generation-3 packages carry their own list
// separator and century window; the generation-4 package uses the host's.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "Lxv/HostSettings.h"
#include "Lxv/Package.h"

TEST(Package, DescribesItself) {
  EXPECT_STREQ(Lxv::PackageName(), LXV_PACKAGE_UNDER_TEST);
  EXPECT_STREQ(Lxv::PackageDescription(), "Korvane Lexivar");
  EXPECT_EQ(Lxv::PackageGeneration(), LXV_HOST_GENERATION);
}

TEST(Package, ExportsTheSettingsOnlyInGeneration3) {
  const std::string path = std::string(LXV_LIB_DIR) + "/lib" + LXV_PACKAGE_UNDER_TEST + ".so";
  std::unique_ptr<void, int (*)(void*)> lib(dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD), dlclose);
  ASSERT_NE(lib, nullptr) << dlerror();
  void* separator = dlsym(lib.get(), "ListSeparator");
  void* window = dlsym(lib.get(), "TwoDigitYearCenturyWindow");
  if (LXV_HOST_GENERATION < 4) {
    ASSERT_NE(separator, nullptr);
    ASSERT_NE(window, nullptr);
  } else {
    EXPECT_EQ(separator, nullptr);
    EXPECT_EQ(window, nullptr);
  }
}

#if LXV_HOST_GENERATION < 4
TEST(Package, Generation3VariablesAreZeroAtLoadAndWritable) {
  EXPECT_EQ(ListSeparator, 0);
  EXPECT_EQ(TwoDigitYearCenturyWindow, 0);
  Lxv::SetListSeparatorSetting(';');
  Lxv::SetTwoDigitYearCenturyWindowSetting(50);
  EXPECT_EQ(ListSeparator, ';');
  EXPECT_EQ(TwoDigitYearCenturyWindow, 50);
  EXPECT_EQ(Lxv::CurrentListSeparator(), ';');
  Lxv::SetListSeparatorSetting(0);
  Lxv::SetTwoDigitYearCenturyWindowSetting(0);
}
#endif
