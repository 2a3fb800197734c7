#include "support/locale_answer.h"

namespace lxvtest {

std::string Answer(platform::LCID locale, platform::LCTYPE type) {
  char buffer[256];
  return platform::GetLocaleInfoA(locale, type, buffer, 255) ? std::string(buffer) : "<failed>";
}

}  // namespace lxvtest
