#pragma once
// Keeps a change of the process-wide format settings record to one scope:
// the record is saved when the guard is made and put back when it goes,
// however the scope ends. Tests use it so that no test leaks its settings.
#include <utility>

#include "platform/format/format_settings.h"

namespace platform {

class TFormatSettingsGuard {
 public:
  TFormatSettingsGuard() : saved_(FormatSettings()) {}
  // Also installs `settings` for the scope.
  explicit TFormatSettingsGuard(const TFormatSettings& settings) : TFormatSettingsGuard() {
    FormatSettings() = settings;
  }
  ~TFormatSettingsGuard() { FormatSettings() = std::move(saved_); }
  TFormatSettingsGuard(const TFormatSettingsGuard&) = delete;
  TFormatSettingsGuard& operator=(const TFormatSettingsGuard&) = delete;

 private:
  TFormatSettings saved_;
};

}  // namespace platform
