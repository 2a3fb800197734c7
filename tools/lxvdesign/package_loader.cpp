#include "package_loader.h"

#include <dlfcn.h>
#include <elf.h>

#include <cstring>
#include <string_view>
#include <vector>

#include "platform/base/files.h"
#include "platform/base/host_generation.h"

namespace lxvdesign {

namespace {

template <class T>
T At(std::string_view file, std::size_t offset, const std::string& path) {
  if (offset > file.size() || file.size() - offset < sizeof(T)) throw EPackageError(path + ": truncated ELF file");
  T value;
  std::memcpy(&value, file.data() + offset, sizeof(T));
  return value;
}

// Far more than a package holds (a debug build with sanitizers is a few MiB);
// a larger file is refused before it fills memory.
constexpr std::size_t kMaxPackageFileBytes = std::size_t{512} << 20;

// The DT_NEEDED names of the dynamic section.
std::vector<std::string> NeededLibraries(const std::string& path) {
  const std::string file = platform::ReadFileBytes(path, kMaxPackageFileBytes);
  if (file.size() < EI_NIDENT || std::memcmp(file.data(), ELFMAG, SELFMAG) != 0 || file[EI_CLASS] != ELFCLASS64)
    throw EPackageError(path + " is not a 64-bit ELF shared library");
  const auto header = At<Elf64_Ehdr>(file, 0, path);
  std::vector<std::string> needed;
  for (unsigned i = 0; i < header.e_shnum; ++i) {
    const auto section = At<Elf64_Shdr>(file, header.e_shoff + i * std::size_t{header.e_shentsize}, path);
    if (section.sh_type != SHT_DYNAMIC) continue;
    const auto strings = At<Elf64_Shdr>(file, header.e_shoff + section.sh_link * std::size_t{header.e_shentsize}, path);
    for (std::size_t at = section.sh_offset; at + sizeof(Elf64_Dyn) <= section.sh_offset + section.sh_size;
         at += sizeof(Elf64_Dyn)) {
      const auto entry = At<Elf64_Dyn>(file, at, path);
      if (entry.d_tag == DT_NULL) break;
      if (entry.d_tag != DT_NEEDED) continue;
      const std::size_t name = strings.sh_offset + entry.d_un.d_val;
      if (name >= file.size()) throw EPackageError(path + ": bad dynamic string table");
      needed.emplace_back(file.c_str() + name);
    }
  }
  return needed;
}

std::string ResolvePackage(const std::string& package, const std::string& libDir) {
  if (package.find('/') != std::string::npos || platform::FileExists(package)) return package;
  return libDir + "/lib" + package + ".so";
}

}  // namespace

int LinkedGeneration(const std::string& path) {
  for (const std::string& lib : NeededLibraries(path)) {
    static constexpr std::string_view kPrefix = "liblxvplatform";
    if (lib.size() > kPrefix.size() && lib.compare(0, kPrefix.size(), kPrefix) == 0)
      return lib[kPrefix.size()] - '0';
  }
  return 0;
}

TLoadedPackage LoadDesignPackage(const std::string& package, const std::string& libDir) {
  const std::string path = ResolvePackage(package, libDir);
  if (!platform::FileExists(path)) throw EPackageError("No package " + path);
  const int own = platform::HostGeneration();
  const int linked = LinkedGeneration(path);
  // Loading it would bring a second platform library into the process.
  if (linked != own)
    throw EPackageError(platform::ExtractFileName(path) + " is a package for host generation " +
                        std::to_string(linked) + "; this design environment is for generation " +
                        std::to_string(own) + (linked == 3 ? " (use lxvdesign3)" : linked == 4 ? " (use lxvdesign)" : ""));
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_GLOBAL);
  if (handle == nullptr) throw EPackageError(std::string("Cannot load ") + path + ": " + dlerror());
  using TEntryFunction = const platform::TDesignPackageEntry* (*)();
  auto entryFunction = reinterpret_cast<TEntryFunction>(dlsym(handle, platform::kDesignPackageEntrySymbol));
  if (entryFunction == nullptr)
    throw EPackageError(path + " is not a design package: it exports no " + platform::kDesignPackageEntrySymbol);
  const platform::TDesignPackageEntry* entry = entryFunction();
  if (entry->Version != platform::kDesignPackageEntryVersion || entry->HostGeneration != own)
    throw EPackageError(path + " was built for another design environment (entry version " +
                        std::to_string(entry->Version) + ", host generation " +
                        std::to_string(entry->HostGeneration) + ")");
  entry->Register();
  return {path, entry};
}

}  // namespace lxvdesign
