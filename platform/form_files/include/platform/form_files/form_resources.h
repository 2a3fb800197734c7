#pragma once
// Form layouts linked into a library: a build step turns a text form file
// into a binary form stream and registers it here under its resource name
// (by convention the form class name in upper case) when the library loads.
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// `bytes` must stay valid for the life of the process (static data).
void RegisterFormResource(std::string_view name, std::string_view bytes);
void UnRegisterFormResource(std::string_view name);
// Case-insensitive; empty when nothing of that name is linked.
std::optional<std::string_view> FindFormResource(std::string_view name);

}  // namespace platform
