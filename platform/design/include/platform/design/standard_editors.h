#pragma once
// The default property editor of each kind of published property, and the
// bases that package editors derive from (TStringProperty, TComponentProperty).
#include <string>

#include "platform/design/property_editor.h"

namespace platform {

class TOrdinalProperty : public TPropertyEditor {
  LXV_CLASS(TOrdinalProperty, TPropertyEditor)
 public:
  bool AllEqual() override;
};

class TIntegerProperty : public TOrdinalProperty {
  LXV_CLASS(TIntegerProperty, TOrdinalProperty)
 public:
  std::string GetValue() override;
  // Raises EConvertError for text that is not an integer.
  void SetValue(const std::string& value) override;
};

class TCharProperty : public TOrdinalProperty {
  LXV_CLASS(TCharProperty, TOrdinalProperty)
 public:
  // The character itself when printable, else "#" and its code.
  std::string GetValue() override;
  void SetValue(const std::string& value) override;
};

class TEnumProperty : public TOrdinalProperty {
  LXV_CLASS(TEnumProperty, TOrdinalProperty)
 public:
  TPropertyAttributes GetAttributes() override { return {paMultiSelect, paValueList, paSortList, paRevertable}; }
  std::string GetValue() override;
  void GetValues(const TGetStrProc& proc) override;
  // Raises EPropertyError for a name the enumeration does not have.
  void SetValue(const std::string& value) override;
};

class TBoolProperty : public TOrdinalProperty {
  LXV_CLASS(TBoolProperty, TOrdinalProperty)
 public:
  TPropertyAttributes GetAttributes() override { return {paMultiSelect, paValueList, paSortList, paRevertable}; }
  std::string GetValue() override;  // "False" or "True"
  void GetValues(const TGetStrProc& proc) override;
  void SetValue(const std::string& value) override;
};

// Shown as "[a,b]"; edited element by element in the framework, here by
// typing the bracketed list.
class TSetProperty : public TOrdinalProperty {
  LXV_CLASS(TSetProperty, TOrdinalProperty)
 public:
  std::string GetValue() override;
  void SetValue(const std::string& value) override;
};

class TFloatProperty : public TPropertyEditor {
  LXV_CLASS(TFloatProperty, TPropertyEditor)
 public:
  bool AllEqual() override;
  std::string GetValue() override;
  void SetValue(const std::string& value) override;
};

class TStringProperty : public TPropertyEditor {
  LXV_CLASS(TStringProperty, TPropertyEditor)
 public:
  bool AllEqual() override;
  std::string GetValue() override { return GetStrValue(); }
  // Writes the text through the property's writer, which may refuse it.
  void SetValue(const std::string& value) override { SetStrValue(value); }
};

// An object property that is not a component reference: "(TStrings)".
class TClassProperty : public TPropertyEditor {
  LXV_CLASS(TClassProperty, TPropertyEditor)
 public:
  TPropertyAttributes GetAttributes() override { return {paMultiSelect, paSubProperties, paReadOnly}; }
  std::string GetValue() override;
};

// A reference to another component, chosen by name among the components of
// the form being designed that are of the property's class.
class TComponentProperty : public TPropertyEditor {
  LXV_CLASS(TComponentProperty, TPropertyEditor)
 public:
  TPropertyAttributes GetAttributes() override { return {paMultiSelect, paValueList, paSortList, paRevertable}; }
  std::string GetValue() override;  // the name, empty for nil
  void GetValues(const TGetStrProc& proc) override;
  // Empty text clears the reference; a name the form does not have, or of a
  // component of another class, raises EPropertyError.
  void SetValue(const std::string& value) override;
};

// An event: the name of the handler, a published method of the form.
class TMethodProperty : public TPropertyEditor {
  LXV_CLASS(TMethodProperty, TPropertyEditor)
 public:
  TPropertyAttributes GetAttributes() override { return {paMultiSelect, paValueList, paSortList}; }
  std::string GetValue() override;
  // The form's published methods.
  void GetValues(const TGetStrProc& proc) override;
  // Binds the form's method of that name; empty text clears the event.
  // Raises EPropertyError for a name the form does not publish.
  void SetValue(const std::string& value) override;
};

// The default editor class for a property of this kind.
TClass DefaultPropertyEditorClass(const TPropInfo& prop);

}  // namespace platform
