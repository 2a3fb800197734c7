#include "platform/form_files/form_resources.h"

#include <map>

#include "platform/base/text.h"

namespace platform {

namespace {
std::map<std::string, std::string_view>& Resources() {
  static std::map<std::string, std::string_view> resources;
  return resources;
}
}  // namespace

void RegisterFormResource(std::string_view name, std::string_view bytes) { Resources()[UpperCase(name)] = bytes; }

void UnRegisterFormResource(std::string_view name) { Resources().erase(UpperCase(name)); }

std::optional<std::string_view> FindFormResource(std::string_view name) {
  const auto it = Resources().find(UpperCase(name));
  if (it == Resources().end()) return std::nullopt;
  return it->second;
}

}  // namespace platform
