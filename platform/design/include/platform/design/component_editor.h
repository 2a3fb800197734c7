#pragma once
// Component editors: the verbs a design environment offers in the context menu
// of a component on the form, and what a double click on it does.
#include <string>

#include "platform/classes/component.h"

namespace platform {

class TDesigner;

// Ownership: whoever created the editor frees it (CreateComponentEditor
// hands it over); the editor only refers to its component and designer,
// which must outlive it. Errors a verb raises reach the caller.
class TComponentEditor : public TObject {
  LXV_CLASS(TComponentEditor, TObject)
 public:
  TComponentEditor() = default;

  // The overridable operations, in the order of their slots after the
  // constructor. Edit runs verb 0 when there are verbs, else nothing.
  virtual void Edit();
  // Verbs are numbered 0 to GetVerbCount() - 1; the index is not checked
  // here. These do nothing and return "".
  virtual void ExecuteVerb(int index);
  virtual std::string GetVerb(int index);
  virtual int GetVerbCount() { return 0; }
  // Puts the component on the clipboard in formats of the editor's own; none here.
  virtual void Copy() {}

  // Both null until Attach.
  TComponent* Component() const { return component_; }
  TDesigner* Designer() const { return designer_; }

  // For CreateComponentEditor: what the editor edits. Not owned.
  void Attach(TComponent* component, TDesigner* designer);

 private:
  TComponent* component_ = nullptr;
  TDesigner* designer_ = nullptr;
};

// The registry is process-wide and not locked: the design environment's
// thread only.
// Registers `editorClass` (a TComponentEditor descendant) for components of
// `componentClass` and its descendants; the most derived class wins, then the
// later registration. Raises EInvalidOperation, registering nothing, for an
// editor class that is null, no TComponentEditor or has no constructor. A
// null componentClass is kept but matches nothing.
void RegisterComponentEditor(TClass componentClass, TClass editorClass);
// The editor for `component` (not null), attached to it and `designer`: the
// registered one, else a TComponentEditor, which has no verbs. The caller
// owns the editor.
TOwned<TComponentEditor> CreateComponentEditor(TComponent* component, TDesigner* designer);
// Forgets every registration.
void UnRegisterComponentEditors();

}  // namespace platform
