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

struct TValueTools {
  // One line per value that cannot work; none when all can.
  std::function<std::vector<std::string>(TComponent& component)> Check;
  // Sample lines made with the values kept for `variant`; raises Exception
  // naming a variant the component does not keep.
  std::function<std::vector<std::string>(TComponent& component, const std::string& variant)> Preview;
};

// Tools for components of `componentClass` and its descendants; the most
// derived registered class wins, then the later registration.
void RegisterValueTools(TClass componentClass, TValueTools tools);
// The tools for `component`; nullptr when it has none.
const TValueTools* FindValueTools(const TComponent& component);
void UnRegisterValueTools();

}  // namespace platform
