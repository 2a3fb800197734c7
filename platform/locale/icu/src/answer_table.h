#pragma once
// The settings the ICU provider answers, and the slot each one occupies in a
// locale's table of answers.
#include <array>
#include <string>

#include "platform/locale/locale_services.h"

namespace platform::detail {

inline constexpr int kCatalogueSize = 59;
using TLocaleAnswers = std::array<std::string, kCatalogueSize>;

// The slot of `type`, or -1 when the provider does not answer it.
int CatalogueSlot(LCTYPE type);
LCTYPE CatalogueType(int slot);

// Settings answered with exactly one byte.
bool IsSingleByteSetting(LCTYPE type);

}  // namespace platform::detail
