#pragma once
// TRegIniFile: settings of the current user under a registry-style key, read
// and written by section and name as in an INI file.
//
// Each key is one INI file: the key's components, split at '\', name the
// folders and the file under the settings directory, so "Software\Korvane"
// is SETTINGS_DIR/Software/Korvane.ini. SETTINGS_DIR is
// $XDG_CONFIG_HOME/lexivar (else ~/.config/lexivar) unless redirected with
// SetSettingsDirectory. Every read looks at the file as it is now and every
// write replaces it atomically, so two objects open on one key see each
// other's values. A missing or malformed file reads as defaults, and so does
// one that cannot be read or holds more than kMaxSettingsFileBytes
// (platform/base/files.h); writing to such a file raises instead of
// replacing it.
#include <string>

#include "platform/base/exceptions.h"
#include "platform/rtti/object.h"

namespace platform {

class ERegistryException : public Exception {
 public:
  using Exception::Exception;
};

// Redirects every key to files under `directory` ("" restores the default).
void SetSettingsDirectory(const std::string& directory);
std::string SettingsDirectory();

class TRegIniFile : public TObject {
  LXV_CLASS(TRegIniFile, TObject)
 public:
  // Opens `key` under the current user. Raises ERegistryException for a key
  // with an empty, "." or ".." component or a '/'.
  explicit TRegIniFile(const std::string& key);

  const std::string& FileName() const { return fileName_; }

  std::string ReadString(const std::string& section, const std::string& name, const std::string& fallback) const;
  // A stored integer other than 0 is true; anything else that is not an
  // integer gives the fallback.
  bool ReadBool(const std::string& section, const std::string& name, bool fallback) const;
  int ReadInteger(const std::string& section, const std::string& name, int fallback) const;

  // Raise ERegistryException naming the value when it cannot be stored.
  void WriteString(const std::string& section, const std::string& name, const std::string& value);
  void WriteBool(const std::string& section, const std::string& name, bool value);
  void WriteInteger(const std::string& section, const std::string& name, int value);

 private:
  std::string fileName_;
};

}  // namespace platform
