// Settings files from the fuzzer, read through TRegIniFile. The sections and
// names the file seems to hold are read as text, integers and Booleans; the
// first three are then written back changed and must read back as written
// through a second store open on the same key. A value the store cannot hold
// raises ERegistryException; anything else is a finding.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/base/text.h"
#include "platform/settings/reg_ini_file.h"

namespace {

// One settings directory per process, in memory where there is such a file
// system, removed at exit.
struct TScratchDirectory {
  std::filesystem::path path;
  TScratchDirectory() {
    std::error_code ec;
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm" : std::filesystem::temp_directory_path();
    path = base / ("lxv-fuzz-settings-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    platform::SetSettingsDirectory(path.string());
  }
  ~TScratchDirectory() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
};

const std::string& StoreFile() {
  static const TScratchDirectory directory;
  static const std::string file = [] {
    std::string name = platform::TRegIniFile("Fuzz\\Store").FileName();
    std::filesystem::create_directories(std::filesystem::path(name).parent_path());
    return name;
  }();
  return file;
}

// (section, name) pairs as the lines of the text suggest them; at most eight.
std::vector<std::pair<std::string, std::string>> Entries(std::string_view text) {
  std::vector<std::pair<std::string, std::string>> entries;
  std::string section;
  std::size_t start = 0;
  while (start < text.size() && entries.size() < 8) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    const std::string trimmed = platform::Trim(line);
    if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']') {
      section = std::string(line.substr(line.find('[') + 1, line.rfind(']') - line.find('[') - 1));
    } else if (const std::size_t eq = line.find('='); eq != std::string_view::npos) {
      entries.emplace_back(section, platform::Trim(line.substr(0, eq)));
    }
  }
  return entries;
}

// The i-th entry is written as text, an integer or a Boolean in turn.
void WriteAndReadBack(platform::TRegIniFile& store, const std::string& section, const std::string& name,
                      int i) {
  const platform::TRegIniFile other("Fuzz\\Store");
  const std::string text = "v" + std::to_string(i);
  try {
    if (i % 3 == 0) store.WriteString(section, name, text);
    if (i % 3 == 1) store.WriteInteger(section, name, -i);
    if (i % 3 == 2) store.WriteBool(section, name, i % 2 == 0);
  } catch (const platform::ERegistryException&) {
    return;  // a section or name the format cannot hold
  }
  if (i % 3 == 0 && other.ReadString(section, name, "") != text) std::abort();
  if (i % 3 == 1 && other.ReadInteger(section, name, 1) != -i) std::abort();
  if (i % 3 == 2 && other.ReadBool(section, name, i % 2 != 0) != (i % 2 == 0)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::ofstream(StoreFile(), std::ios::binary | std::ios::trunc).write(text.data(), static_cast<std::streamsize>(size));
  platform::TRegIniFile store("Fuzz\\Store");
  const auto entries = Entries(text);
  for (const auto& [section, name] : entries) {
    store.ReadString(section, name, "");
    store.ReadInteger(section, name, 0);
    store.ReadBool(section, name, false);
  }
  // Writing is slow (each write replaces the file): three entries are enough.
  for (std::size_t i = 0; i < entries.size() && i < 3; ++i)
    WriteAndReadBack(store, entries[i].first, entries[i].second, static_cast<int>(i));
  return 0;
}
