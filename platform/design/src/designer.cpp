#include "platform/design/designer.h"

#include "platform/base/conversions.h"
#include "platform/base/text.h"

namespace platform {

void TDesigner::Modified() {
  modified_ = true;
  OnModified(nullptr);
}

void TDesigner::GetComponentNames(TClass cls, const TGetStrProc& proc) const {
  if (form_ == nullptr) return;
  for (int i = 0; i < form_->ComponentCount(); ++i) {
    const TComponent* c = form_->Components(i);
    if (!c->Name().empty() && (cls == nullptr || c->InheritsFrom(cls))) proc(c->Name());
  }
}

TComponent* TDesigner::GetComponent(std::string_view name) const {
  if (form_ == nullptr || name.empty()) return nullptr;
  if (SameText(form_->Name(), name)) return form_;
  return form_->FindComponent(name);
}

std::string TDesigner::UniqueName(const std::string& className) const {
  const std::string base =
      className.size() > 1 && (className[0] == 'T' || className[0] == 't') ? className.substr(1) : className;
  for (int n = 1;; ++n) {
    const std::string name = base + IntToStr(n);
    if (GetComponent(name) == nullptr) return name;
  }
}

}  // namespace platform
