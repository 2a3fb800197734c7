#pragma once
// Value tools: what a package offers a design environment, beside its
// editors, for the values a component keeps: a check that names the values
// that cannot work, and a preview of what they give for one of the
// component's variants (a locale, for a translator).
#include <functional>
#include <string>
#include <vector>

#include "platform/classes/component.h"

namespace platform {

// Either function may be empty: callers test before calling. Errors they
// raise reach the caller.
struct TValueTools {
  // One line per value that cannot work; none when all can.
  std::function<std::vector<std::string>(TComponent& component)> Check;
  // Sample lines made with the values kept for `variant`; raises Exception
  // naming a variant the component does not keep.
  std::function<std::vector<std::string>(TComponent& component, const std::string& variant)> Preview;
};

// The registry is process-wide and not locked: the environment's thread only.
// Tools for components of `componentClass` and its descendants; the most
// derived registered class wins, then the later registration. Nothing is
// checked or raised; a null componentClass matches nothing.
void RegisterValueTools(TClass componentClass, TValueTools tools);
// The tools for `component`; nullptr when it has none. Owned by the registry:
// valid until the next RegisterValueTools or UnRegisterValueTools.
const TValueTools* FindValueTools(const TComponent& component);
// Forgets every registration.
void UnRegisterValueTools();

}  // namespace platform
