#pragma once
// Property editors: what the object inspector of a design environment shows
// for a published property and how it changes it. The environment creates an
// editor for the selected components and one property (CreatePropertyEditor),
// asks it for its attributes, value text and value list, and hands it what the
// developer typed, chose or asked for.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/set.h"
#include "platform/classes/component.h"
#include "platform/rtti/published.h"

namespace platform {

class TDesigner;

enum TPropertyAttribute {
  paValueList,      // GetValues offers a drop-down list
  paSubProperties,  // GetProperties lists nested properties
  paDialog,         // an ellipsis button runs Edit
  paMultiSelect,    // offered when several components are selected
  paAutoUpdate,     // SetValue after every keystroke
  paSortList,       // the environment sorts the value list
  paReadOnly,       // the value text cannot be typed over
  paRevertable      // can be reverted to the inherited value
};
LXV_ENUM(TPropertyAttribute, "paValueList", "paSubProperties", "paDialog", "paMultiSelect", "paAutoUpdate",
         "paSortList", "paReadOnly", "paRevertable")
using TPropertyAttributes = TSet<TPropertyAttribute>;
// "[paDialog,paReadOnly]", for the inspector and messages.
std::string AttributesToString(TPropertyAttributes attributes);

// Called once per value an editor offers.
using TGetStrProc = std::function<void(const std::string& value)>;

// Ownership: whoever created the editor frees it (CreatePropertyEditor hands
// it over). The editor only refers to its designer, the selected components
// and the property record: they must outlive it. Everything below but the
// constructor needs SetPropEntry first. Errors a property's reader or writer
// raises reach the caller. The environment's thread only.
class TPropertyEditor : public TObject {
  LXV_CLASS(TPropertyEditor, TObject)
 public:
  TPropertyEditor() = default;

  // The overridable operations, in the order of their slots.
  virtual void Activate() {}
  // True when every selected component has the same value; here only when
  // exactly one is selected.
  virtual bool AllEqual();
  virtual bool AutoFill() { return true; }
  // The ellipsis or a double click. With paValueList, SetValue of the value
  // after the current one in GetValues (compared ignoring ASCII case; the
  // first after the last or when the current one is not listed); nothing
  // without values or without paValueList.
  virtual void Edit();
  virtual TPropertyAttributes GetAttributes() { return {paMultiSelect, paRevertable}; }
  virtual int GetEditLimit() { return 255; }
  virtual std::string GetName() { return prop_->Name; }
  // Nested properties, one editor each; none here.
  virtual void GetProperties(const std::function<void(TPropertyEditor&)>& proc);
  virtual std::string GetValue() { return "(unknown)"; }
  // Calls proc once per offered value, in the editor's order; none here.
  virtual void GetValues(const TGetStrProc& proc);
  // Called once by CreatePropertyEditor, after SetPropEntry.
  virtual void Initialize() {}
  // Text the developer typed or chose; ignored here. Descendants raise
  // EPropertyError or EConvertError naming text they refuse.
  virtual void SetValue(const std::string& value);

  // What the editor works on. Component 0 is the first selected one.
  int PropCount() const { return static_cast<int>(components_.size()); }
  // Not owned. Raises EListError for an index outside 0 to PropCount() - 1.
  TPersistent* GetComponent(int index) const;
  const TPropInfo* GetPropInfo() const { return prop_; }
  TDesigner* Designer() const { return designer_; }
  // TDesigner::Modified (which fires its OnModified); nothing without a designer.
  void Modified();

  // Values of the property, read from the first selected component and
  // written to all of them in selection order, then one Modified per call
  // that wrote any.
  // Use the pair of the property's kind. Getters raise EPropertyError when
  // the property has no reader of that kind and EListError when nothing is
  // selected; setters raise EPropertyError, writing nothing, when the
  // property has no writer of that kind. When a writer raises, the
  // components before it keep the new value, Modified is still called if
  // there are any, and the writer's error reaches the caller (one the
  // designer's OnModified raises then is dropped).
  std::int64_t GetOrdValue() const;
  void SetOrdValue(std::int64_t value);
  double GetFloatValue() const;
  void SetFloatValue(double value);
  std::string GetStrValue() const;
  void SetStrValue(const std::string& value);
  TObject* GetObjValue() const;
  void SetObjValue(TObject* value);
  TMethod GetMethodValue() const;
  void SetMethodValue(const TMethod& value);

  // For CreatePropertyEditor: what the editor edits. Nothing is owned; the
  // designer may be null.
  void SetPropEntry(TDesigner* designer, std::vector<TPersistent*> components, const TPropInfo* prop);

 private:
  TDesigner* designer_ = nullptr;
  std::vector<TPersistent*> components_;
  const TPropInfo* prop_ = nullptr;
};

// The type part of a property editor registration. Class types match their
// descendants; a null class or enumeration stands for every one of its kind.
// Class and Component kinds match properties of either.
struct TPropertyType {
  TTypeKind Kind = TTypeKind::String;
  TClass Class = nullptr;
  const TEnumType* Enum = nullptr;
  bool Matches(const TPropInfo& prop) const;
};
// The type of a published property of C++ type T: std::string, bool,
// an integer, a published enumeration, a pointer to a class.
template <class T>
TPropertyType PropertyTypeOf() {
  if constexpr (std::is_same_v<T, std::string>) {
    return {TTypeKind::String};
  } else if constexpr (std::is_same_v<T, bool>) {
    return {TTypeKind::Boolean};
  } else if constexpr (std::is_pointer_v<T>) {
    using P = std::remove_cv_t<std::remove_pointer_t<T>>;
    return {std::is_base_of_v<TComponent, P> ? TTypeKind::Component : TTypeKind::Class, P::StaticClass()};
  } else if constexpr (std::is_enum_v<T>) {
    return {TTypeKind::Enumeration, nullptr, &EnumTypeInfo(T{})};
  } else if constexpr (std::is_floating_point_v<T>) {
    return {TTypeKind::Float};
  } else {
    static_assert(std::is_integral_v<T> && sizeof(T) <= 4, "unsupported property type");
    return {TTypeKind::Integer};
  }
}

// The registry is process-wide and not locked: the environment's thread only.
// Registers `editorClass` (a TPropertyEditor descendant) for properties of
// `type` of components of `componentClass` and its descendants (nullptr:
// every class) named `propertyName` (empty: every name; compared ignoring
// ASCII case). Raises EInvalidOperation, registering nothing, for an editor
// class that is null, no TPropertyEditor or has no constructor.
void RegisterPropertyEditor(const TPropertyType& type, TClass componentClass, const std::string& propertyName,
                            TClass editorClass);
// The editor class for `prop` of `component`: the most specific registration
// that fits (a named property over every name, then the more derived component
// class, then the more derived property type, then the later registration),
// else the default editor of the property's kind. Never null.
TClass GetPropertyEditorClass(const TPersistent& component, const TPropInfo& prop);
// Creates the editor class GetPropertyEditorClass gives for the first
// component, then SetPropEntry, then Initialize. The caller owns the editor;
// designer, components and prop are referred to, not owned (see
// TPropertyEditor). Raises EInvalidOperation when `components` is empty; an
// error Initialize raises reaches the caller, the editor freed.
TOwned<TPropertyEditor> CreatePropertyEditor(TDesigner* designer, const std::vector<TPersistent*>& components,
                                             const TPropInfo& prop);
// Forgets every registration of editor classes (for the environment's tests).
void UnRegisterPropertyEditors();

}  // namespace platform
