#pragma once
// The settings the ICU provider answers, and the slot each one occupies in a
// locale's table of answers.
#include <array>
#include <string>

#include "platform/locale/locale_services.h"

namespace platform::detail {

// Slots 0..37 day and month names, 38..59 the other settings, 60..97 the
// names as they stand inside a date (LOCALE_RETURN_GENITIVE_NAMES).
inline constexpr int kNameSlots = 38;
inline constexpr int kFormatNameSlot = 60;
inline constexpr int kCatalogueSize = kFormatNameSlot + kNameSlots;
using TLocaleAnswers = std::array<std::string, kCatalogueSize>;

// The slot of `type`, or -1 when the provider does not answer it.
int CatalogueSlot(LCTYPE type);
LCTYPE CatalogueType(int slot);

// Settings answered with exactly one byte.
bool IsSingleByteSetting(LCTYPE type);

}  // namespace platform::detail
