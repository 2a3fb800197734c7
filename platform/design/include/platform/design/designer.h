#pragma once
// The designer: the design environment's side of one form being designed.
// Editors reach the form through it and tell it when they changed something.
#include <string>
#include <string_view>

#include "platform/classes/component.h"
#include "platform/design/property_editor.h"
#include "platform/rtti/events.h"

namespace platform {

class TDesigner {
 public:
  // `form` is the root being designed (a form, or nullptr); the designer does
  // not own it, and it must outlive the designer.
  explicit TDesigner(TComponent* form) : form_(form) {}
  virtual ~TDesigner() = default;
  TDesigner(const TDesigner&) = delete;
  TDesigner& operator=(const TDesigner&) = delete;

  TComponent* Form() const { return form_; }

  // The form has changed since it was opened or saved: sets IsModified, then
  // fires OnModified (Sender: nullptr) on every call, set before or not. An
  // error its handler raises reaches the caller with the flag set.
  virtual void Modified();
  bool IsModified() const { return modified_; }
  // Fires nothing.
  void ClearModified() { modified_ = false; }
  TNotifyEvent OnModified;

  // Names of the components the form owns of class `cls` (or a descendant;
  // nullptr: every class), in the form's component order; unnamed ones, and
  // the form itself, are left out. Nothing without a form.
  virtual void GetComponentNames(TClass cls, const TGetStrProc& proc) const;
  // The component the form owns of that name, or the form itself; for
  // "Form2.Button1", the component that form owns, the form found as form
  // files' references find it (FindGlobalRoot). Names compare ignoring ASCII
  // case; nullptr otherwise, for an empty name and without a form. Not owned
  // by the caller.
  virtual TComponent* GetComponent(std::string_view name) const;
  // "Lexivar1", "Lexivar2", ...: the class name without its leading T (or t)
  // and the first number from 1 that GetComponent does not find.
  std::string UniqueName(const std::string& className) const;

 private:
  TComponent* form_;
  bool modified_ = false;
};

}  // namespace platform
