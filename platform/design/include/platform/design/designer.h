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
  // `form` is the root being designed (a form); the designer does not own it.
  explicit TDesigner(TComponent* form) : form_(form) {}
  virtual ~TDesigner() = default;
  TDesigner(const TDesigner&) = delete;
  TDesigner& operator=(const TDesigner&) = delete;

  TComponent* Form() const { return form_; }

  // The form has changed since it was opened or saved: fires OnModified.
  virtual void Modified();
  bool IsModified() const { return modified_; }
  void ClearModified() { modified_ = false; }
  TNotifyEvent OnModified;

  // Names of the form's components of class `cls` (or a descendant), in
  // creation order; unnamed ones are left out.
  virtual void GetComponentNames(TClass cls, const TGetStrProc& proc) const;
  // The form's component of that name, or the form itself; nullptr otherwise.
  virtual TComponent* GetComponent(std::string_view name) const;
  // "Lexivar1", "Lexivar2", ...: the class name without its T and the first
  // number the form does not use yet.
  std::string UniqueName(const std::string& className) const;

 private:
  TComponent* form_;
  bool modified_ = false;
};

}  // namespace platform
