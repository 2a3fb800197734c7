#include "platform/design/designer.h"

#include "platform/base/conversions.h"
#include "platform/base/text.h"
#include "platform/classes/reader.h"

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
  const std::size_t dot = name.find('.');
  if (dot != std::string_view::npos) {
    // "Form2.Button1": another form, found as the form reader finds it.
    const std::string rootName(name.substr(0, dot));
    const TComponent* root = SameText(rootName, form_->Name()) ? form_ : FindGlobalRoot(rootName);
    return root != nullptr ? root->FindComponent(name.substr(dot + 1)) : nullptr;
  }
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
