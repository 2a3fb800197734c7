#pragma once
// What a design package exports so that a design environment that loaded it
// at run time finds its registration: one C function of the name below,
// returning a description of the package. The environment refuses a package
// whose Version or HostGeneration differs from its own before it calls
// Register.
namespace platform {

struct TDesignPackageEntry {
  int Version;              // kDesignPackageEntryVersion of the package's build
  const char* Name;         // "LxvD4"
  const char* Description;  // "Korvane Lexivar"
  int HostGeneration;       // of the platform library the package was built on
  void (*Register)();       // the package's registration procedure
};

constexpr int kDesignPackageEntryVersion = 1;
constexpr const char* kDesignPackageEntrySymbol = "LxvDesignPackageEntry";

}  // namespace platform

// Never null, raises nothing. The entry and its strings are static data of
// the package: valid while the library stays loaded, never freed by the caller.
extern "C" const platform::TDesignPackageEntry* LxvDesignPackageEntry();
