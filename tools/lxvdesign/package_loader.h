#pragma once
// Loading a design package at run time and finding its registration.
#include <string>

#include "platform/base/exceptions.h"
#include "platform/design/package_entry.h"

namespace lxvdesign {

// A package that cannot be loaded, or not into this environment.
class EPackageError : public platform::Exception {
 public:
  using Exception::Exception;
};

// The host generation of the platform library (liblxvplatformN.so) that the
// shared library at `path` was linked against; 0 when it names none. Read from
// the file, without loading it. Raises EPackageError for a file that is not a
// 64-bit ELF shared object.
int LinkedGeneration(const std::string& path);

// A package loaded with dlopen; it stays loaded for the life of the process,
// since the classes it registered live in it.
struct TLoadedPackage {
  std::string Path;
  const platform::TDesignPackageEntry* Entry = nullptr;
};

// `package` is a path, or a package name looked up in `libDir`
// ("LxvD4" -> libDir/libLxvD4.so). Refuses, before loading it, a package
// linked for another host generation than this environment's, then loads it
// and calls its registration. Raises EPackageError saying why it refused.
TLoadedPackage LoadDesignPackage(const std::string& package, const std::string& libDir);

}  // namespace lxvdesign
