#pragma once
#include "platform/rtti/class_info.h"

namespace platform {

// Raises EInvalidOperation unless `editorClass` is a constructible
// descendant of `base`; `what` names the kind of editor in the message.
void CheckEditorClass(TClass editorClass, TClass base, const char* what);

}  // namespace platform
