// TLexivar: the language selector's entry points. The adopted control is
// kept with a free notification, so it is forgotten whoever owns it. Filling,
// hooking and marking the seven kinds of control come with the selector's
// control adapters; until then these steps keep the order they run in.
#include "Lxv/Lexivar.h"

namespace Lxv {

using namespace platform;

void TLexivar::SetAdoptOn(TComponent* value) {
  if (value == adoptOn_) return;
  ReleaseAdopted();
  adoptOn_ = value;
  if (adoptOn_ != nullptr) adoptOn_->FreeNotification(this);
  UpdateAdoptOn();
}

void TLexivar::ReleaseAdopted() {
  if (adoptOn_ == nullptr) return;
  adoptOn_->RemoveFreeNotification(this);
  adoptOn_ = nullptr;
}

void TLexivar::UpdateAdoptOn() {
  if (adoptOn_ != nullptr) UpdateLangList();
  UpdateLanguageSelection();
}

// Marking the current locale is the control adapters' part (to come).
void TLexivar::UpdateLanguageSelection() {}

}  // namespace Lxv
