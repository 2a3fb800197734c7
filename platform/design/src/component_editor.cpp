#include "platform/design/component_editor.h"

#include <vector>

#include "platform/rtti/published.h"
#include "editor_class.h"

namespace platform {

LXV_EMPTY_CLASS_INFO(TComponentEditor)

void TComponentEditor::Edit() {
  if (GetVerbCount() > 0) ExecuteVerb(0);
}

void TComponentEditor::ExecuteVerb(int) {}

std::string TComponentEditor::GetVerb(int) { return ""; }

void TComponentEditor::Attach(TComponent* component, TDesigner* designer) {
  component_ = component;
  designer_ = designer;
}

namespace {

struct TComponentEditorEntry {
  TClass ComponentClass;
  TClass EditorClass;
};

std::vector<TComponentEditorEntry>& Entries() {
  static std::vector<TComponentEditorEntry> entries;
  return entries;
}

}  // namespace

void RegisterComponentEditor(TClass componentClass, TClass editorClass) {
  CheckEditorClass(editorClass, TComponentEditor::StaticClass(), "component editor");
  Entries().push_back({componentClass, editorClass});
}

TOwned<TComponentEditor> CreateComponentEditor(TComponent* component, TDesigner* designer) {
  TClass best = nullptr;
  TClass bestFor = nullptr;
  for (const TComponentEditorEntry& e : Entries()) {
    if (!component->InheritsFrom(e.ComponentClass)) continue;
    // A later registration for the same or a more derived class wins.
    if (best == nullptr || e.ComponentClass->InheritsFrom(bestFor)) {
      best = e.EditorClass;
      bestFor = e.ComponentClass;
    }
  }
  const TClass cls = best != nullptr ? best : TComponentEditor::StaticClass();
  TOwned<TComponentEditor> editor(static_cast<TComponentEditor*>(cls->Construct(nullptr)));
  editor->Attach(component, designer);
  return editor;
}

void UnRegisterComponentEditors() { Entries().clear(); }

void CheckEditorClass(TClass editorClass, TClass base, const char* what) {
  if (editorClass == nullptr || !editorClass->InheritsFrom(base) || !editorClass->Construct)
    throw EInvalidOperation(std::string("Class ") + (editorClass ? editorClass->Name : "nil") + " is not a " + what);
}

}  // namespace platform
