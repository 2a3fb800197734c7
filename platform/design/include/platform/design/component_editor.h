#pragma once
// Component editors: the verbs a design environment offers in the context menu
// of a component on the form, and what a double click on it does.
#include <string>

#include "platform/classes/component.h"

namespace platform {

class TDesigner;

class TComponentEditor : public TObject {
  LXV_CLASS(TComponentEditor, TObject)
 public:
  TComponentEditor() = default;

  // The overridable operations, in the order of their slots after the
  // constructor. Edit runs verb 0 when there are verbs.
  virtual void Edit();
  virtual void ExecuteVerb(int index);
  virtual std::string GetVerb(int index);
  virtual int GetVerbCount() { return 0; }
  // Puts the component on the clipboard in formats of the editor's own; none here.
  virtual void Copy() {}

  TComponent* Component() const { return component_; }
  TDesigner* Designer() const { return designer_; }

  // For CreateComponentEditor: what the editor edits.
  void Attach(TComponent* component, TDesigner* designer);

 private:
  TComponent* component_ = nullptr;
  TDesigner* designer_ = nullptr;
};

// Registers `editorClass` (a TComponentEditor descendant) for components of
// `componentClass` and its descendants; the most derived class wins, then the
// later registration. Raises EInvalidOperation for a class that is not one.
void RegisterComponentEditor(TClass componentClass, TClass editorClass);
// The editor for `component`: the registered one, else a TComponentEditor,
// which has no verbs.
TOwned<TComponentEditor> CreateComponentEditor(TComponent* component, TDesigner* designer);
void UnRegisterComponentEditors();

}  // namespace platform
