#include "platform/forms/screen.h"

namespace platform {

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

}  // namespace platform
