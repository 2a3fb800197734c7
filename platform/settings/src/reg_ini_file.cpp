#include "platform/settings/reg_ini_file.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "ini_document.h"
#include "platform/base/files.h"
#include "platform/rtti/published.h"

namespace platform {
namespace {

std::string& RedirectedDirectory() {
  static std::string directory;
  return directory;
}

// The key's components as a relative path; raises for one that could leave
// the settings directory or name nothing.
std::string KeyPath(const std::string& key) {
  std::string path;
  std::size_t start = 0;
  while (start <= key.size()) {
    std::size_t end = key.find('\\', start);
    if (end == std::string::npos) end = key.size();
    const std::string part = key.substr(start, end - start);
    if (part.empty() || part == "." || part == ".." || part.find_first_of(std::string("/\0", 2)) != std::string::npos)
      throw ERegistryException("Invalid registry key \"" + key + "\"");
    path += (path.empty() ? "" : "/") + part;
    start = end + 1;
  }
  return path;
}

// Text the INI format cannot hold as it stands.
bool Storable(const std::string& text, const char* forbidden) {
  return text.find_first_of(std::string("\r\n\0", 3) + forbidden) == std::string::npos;
}

std::string ReadSettings(const std::string& fileName) {
  return FileExists(fileName) ? ReadFileBytes(fileName, kMaxSettingsFileBytes) : std::string();
}

settings::TIniDocument Load(const std::string& fileName) {
  try {
    return settings::TIniDocument(ReadSettings(fileName));
  } catch (const EFOpenError&) {
    return settings::TIniDocument("");  // unreadable settings read as defaults
  }
}

}  // namespace

LXV_EMPTY_CLASS_INFO(TRegIniFile)

void SetSettingsDirectory(const std::string& directory) { RedirectedDirectory() = directory; }

std::string SettingsDirectory() {
  if (!RedirectedDirectory().empty()) return RedirectedDirectory();
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config == '/')
    return std::string(config) + "/lexivar";
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : "") + "/.config/lexivar";
}

TRegIniFile::TRegIniFile(const std::string& key)
    : fileName_(SettingsDirectory() + "/" + KeyPath(key) + ".ini") {}

std::string TRegIniFile::ReadString(const std::string& section, const std::string& name,
                                    const std::string& fallback) const {
  return Load(fileName_).Value(section, name).value_or(fallback);
}

int TRegIniFile::ReadInteger(const std::string& section, const std::string& name, int fallback) const {
  const std::optional<std::string> text = Load(fileName_).Value(section, name);
  if (!text || text->empty()) return fallback;
  std::size_t used = 0;
  try {
    const int value = std::stoi(*text, &used, 10);
    return used == text->size() ? value : fallback;
  } catch (const std::logic_error&) {
    return fallback;
  }
}

bool TRegIniFile::ReadBool(const std::string& section, const std::string& name, bool fallback) const {
  return ReadInteger(section, name, fallback ? 1 : 0) != 0;
}

void TRegIniFile::WriteString(const std::string& section, const std::string& name, const std::string& value) {
  if (name.empty() || !Storable(section, "]") || !Storable(name, "=") || !Storable(value, ""))
    throw ERegistryException("Failed to set data for '" + name + "'");
  // A file that cannot be read is not replaced by one that holds only this value.
  std::string text;
  try {
    text = ReadSettings(fileName_);
  } catch (const EFOpenError& e) {
    throw ERegistryException("Failed to set data for '" + name + "': " + e.Message());
  }
  settings::TIniDocument document(text);
  document.SetValue(section, name, value);
  std::error_code ignored;  // a folder that cannot be made shows up as the write's error
  std::filesystem::create_directories(ExtractFilePath(fileName_), ignored);
  try {
    WriteFileAtomically(fileName_, document.Text());
  } catch (const EFCreateError& e) {
    throw ERegistryException("Failed to set data for '" + name + "': " + e.Message());
  }
}

void TRegIniFile::WriteInteger(const std::string& section, const std::string& name, int value) {
  WriteString(section, name, std::to_string(value));
}

void TRegIniFile::WriteBool(const std::string& section, const std::string& name, bool value) {
  WriteInteger(section, name, value ? 1 : 0);
}

}  // namespace platform
