#pragma once
// Where the designer shows a component that has no place on the form (a menu,
// a dialog). Form files store it as the defined properties Left and Top,
// written when not zero.
#include "platform/classes/filer.h"

namespace platform {

struct TDesignPosition {
  int Left = 0;
  int Top = 0;
  void Define(TFiler& filer);
};

}  // namespace platform
