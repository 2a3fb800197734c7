#pragma once
// Walks over the components of the application, as peers are found.
#include <functional>

#include "platform/classes/component.h"

namespace Lxv {

// Each component owned by a form (TForm or descendant) that the application
// owns, forms and components in index order, until `visit` returns true.
void ForEachFormComponent(const std::function<bool(platform::TComponent*)>& visit);

// Each component the application owns, and after each the components it owns
// (two levels; nothing further down), in index order.
void ForEachApplicationComponent(const std::function<void(platform::TComponent*)>& visit);

}  // namespace Lxv
