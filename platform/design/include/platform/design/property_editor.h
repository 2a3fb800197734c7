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

class TPropertyEditor : public TObject {
  LXV_CLASS(TPropertyEditor, TObject)
 public:
  TPropertyEditor() = default;

  // The overridable operations, in the order of their slots.
  virtual void Activate() {}
  // True when every selected component has the same value text.
  virtual bool AllEqual();
  virtual bool AutoFill() { return true; }
  // The ellipsis or a double click. A value list moves on to its next value.
  virtual void Edit();
  virtual TPropertyAttributes GetAttributes() { return {paMultiSelect, paRevertable}; }
  virtual int GetEditLimit() { return 255; }
  virtual std::string GetName() { return prop_->Name; }
  // Nested properties, one editor each; none here.
  virtual void GetProperties(const std::function<void(TPropertyEditor&)>& proc);
  virtual std::string GetValue() { return "(unknown)"; }
  virtual void GetValues(const TGetStrProc& proc);
  virtual void Initialize() {}
  virtual void SetValue(const std::string& value);

  // What the editor works on. Component 0 is the first selected one.
  int PropCount() const { return static_cast<int>(components_.size()); }
  TPersistent* GetComponent(int index) const;
  const TPropInfo* GetPropInfo() const { return prop_; }
  TDesigner* Designer() const { return designer_; }
  // Tells the designer that the form changed.
  void Modified();

  // Values of the property, read from the first selected component and
  // written to all of them (each write ends with Modified).
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

  // For CreatePropertyEditor: what the editor edits.
  void SetPropEntry(TDesigner* designer, std::vector<TPersistent*> components, const TPropInfo* prop);

 private:
  TDesigner* designer_ = nullptr;
  std::vector<TPersistent*> components_;
  const TPropInfo* prop_ = nullptr;
};

// The type part of a property editor registration. Class types match their
// descendants; a null class or enumeration stands for every one of its kind.
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

// Registers `editorClass` (a TPropertyEditor descendant) for properties of
// `type` of components of `componentClass` and its descendants (nullptr:
// every class) named `propertyName` (empty: every name). Raises
// EInvalidOperation for an editor class that is not a property editor.
void RegisterPropertyEditor(const TPropertyType& type, TClass componentClass, const std::string& propertyName,
                            TClass editorClass);
// The editor class for `prop` of `component`: the most specific registration
// that fits (a named property over every name, then the more derived component
// class, then the more derived property type, then the later registration),
// else the default editor of the property's kind.
TClass GetPropertyEditorClass(const TPersistent& component, const TPropInfo& prop);
// Creates and initializes the editor of `prop` for `components` (at least one).
TOwned<TPropertyEditor> CreatePropertyEditor(TDesigner* designer, const std::vector<TPersistent*>& components,
                                             const TPropInfo& prop);
// Forgets every registration of editor classes (for the environment's tests).
void UnRegisterPropertyEditors();

}  // namespace platform
