#include "platform/design/value_tools.h"

#include <utility>

#include "platform/rtti/class_info.h"

namespace platform {

namespace {
struct TValueToolsEntry {
  TClass ComponentClass;
  TValueTools Tools;
};

std::vector<TValueToolsEntry>& Entries() {
  static std::vector<TValueToolsEntry> entries;
  return entries;
}
}  // namespace

void RegisterValueTools(TClass componentClass, TValueTools tools) {
  Entries().push_back({componentClass, std::move(tools)});
}

const TValueTools* FindValueTools(const TComponent& component) {
  const TValueToolsEntry* best = nullptr;
  for (const TValueToolsEntry& e : Entries())
    if (component.InheritsFrom(e.ComponentClass) &&
        (best == nullptr || e.ComponentClass->InheritsFrom(best->ComponentClass)))
      best = &e;
  return best != nullptr ? &best->Tools : nullptr;
}

void UnRegisterValueTools() { Entries().clear(); }

}  // namespace platform
