#include "platform/rtti/object.h"

#include "platform/rtti/class_info.h"
#include "platform/base/exceptions.h"
#include "platform/rtti/published.h"

namespace platform {

TClass TObject::StaticClass() {
  static const TClassInfo info{"TObject", nullptr, false, {}, {}, {}, {}};
  return &info;
}

const std::string& TObject::ClassName() const { return ClassType()->Name; }

bool TObject::InheritsFrom(TClass ancestor) const { return ClassType()->InheritsFrom(ancestor); }

void RaiseInvalidCast(const TObject& object, TClass target) {
  throw EInvalidCast("Invalid class typecast: " + object.ClassName() + " is not a " + target->Name);
}

void TObject::Free() {
  BeforeDestruction();
  delete this;
}

LXV_EMPTY_CLASS_INFO(TPersistent)

void TPersistent::Assign(const TPersistent* source) {
  if (source != nullptr) return source->AssignTo(this);
  throw EConvertError("Cannot assign nil to a " + ClassName());
}

void TPersistent::AssignTo(TPersistent* dest) const {
  throw EConvertError("Cannot assign a " + ClassName() + " to a " + dest->ClassName());
}

void TPersistent::DefineProperties(TFiler&) {}

}  // namespace platform
