#pragma once
// Locale names of the POSIX environment and of the system locale files.
#include <optional>
#include <string>
#include <vector>

namespace platform::detail {

// The first of LC_ALL, LC_TIME and LANG that is set and not empty.
std::optional<std::string> UserLocaleNameFromEnvironment();

// The locale named by the first of `files` that names one (LC_ALL, LC_TIME,
// LANG lines in the shell syntax of /etc/default/locale).
std::optional<std::string> SystemLocaleNameFromFiles(const std::vector<std::string>& files);

}  // namespace platform::detail
