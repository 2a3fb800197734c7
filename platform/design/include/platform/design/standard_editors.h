#pragma once
// The default property editor of each kind of published property, and the
// bases that package editors derive from (TStringProperty, TComponentProperty).
// Ownership and errors of the property's reader and writer as TPropertyEditor.
// Every SetValue parses first and writes only text it accepts, through the
// Set...Value of its kind (one Modified per write).
#include <string>

#include "platform/design/property_editor.h"

namespace platform {

class TOrdinalProperty : public TPropertyEditor {
  LXV_CLASS(TOrdinalProperty, TPropertyEditor)
 public:
  // The same ordinal value in every selected component.
  bool AllEqual() override;
};

class TIntegerProperty : public TOrdinalProperty {
  LXV_CLASS(TIntegerProperty, TOrdinalProperty)
 public:
  // The identifier the property's ident map gives the value, else decimal.
  std::string GetValue() override;
  // An identifier of the ident map (ignoring ASCII case), else an integer as
  // StrToInt reads it (StrToInt64 for Int64 properties). Raises EConvertError
  // for text that is neither, or out of range.
  void SetValue(const std::string& value) override;
};

class TCharProperty : public TOrdinalProperty {
  LXV_CLASS(TCharProperty, TOrdinalProperty)
 public:
  // The character itself when printable ASCII other than the blank, else "#"
  // and its decimal code (0..255 for Char, 0..65535 for WChar).
  std::string GetValue() override;
  // One character (its byte), or "#" and a code as StrToInt reads it. Raises
  // EPropertyError for other text, the empty text included, and for a code
  // outside the range GetValue shows; EConvertError for a code that is not
  // an integer.
  void SetValue(const std::string& value) override;
};

class TEnumProperty : public TOrdinalProperty {
  LXV_CLASS(TEnumProperty, TOrdinalProperty)
 public:
  TPropertyAttributes GetAttributes() override { return {paMultiSelect, paValueList, paSortList, paRevertable}; }
  // The name, or the decimal ordinal for a value out of range.
  std::string GetValue() override;
  // The names in declaration order.
  void GetValues(const TGetStrProc& proc) override;
  // Names compare ignoring ASCII case. Raises EPropertyError for a name the
  // enumeration does not have.
  void SetValue(const std::string& value) override;
};

class TBoolProperty : public TOrdinalProperty {
  LXV_CLASS(TBoolProperty, TOrdinalProperty)
 public:
  TPropertyAttributes GetAttributes() override { return {paMultiSelect, paValueList, paSortList, paRevertable}; }
  std::string GetValue() override;  // "False" or "True"
  void GetValues(const TGetStrProc& proc) override;
  // "True" or "False", ignoring ASCII case; raises EPropertyError otherwise.
  void SetValue(const std::string& value) override;
};

// Shown as "[a,b]"; edited element by element in the framework, here by
// typing the bracketed list.
class TSetProperty : public TOrdinalProperty {
  LXV_CLASS(TSetProperty, TOrdinalProperty)
 public:
  // The elements in declaration order.
  std::string GetValue() override;
  // Blanks around the list and the names are ignored, as are empty names;
  // names compare ignoring ASCII case. Raises EPropertyError without the
  // brackets or for a name the enumeration does not have.
  void SetValue(const std::string& value) override;
};

class TFloatProperty : public TPropertyEditor {
  LXV_CLASS(TFloatProperty, TPropertyEditor)
 public:
  // The same value, compared exactly, in every selected component.
  bool AllEqual() override;
  // As printf's "%.15g" (C locale: a point).
  std::string GetValue() override;
  // A C floating-point number, blanks around it ignored. Raises EConvertError
  // for other text and for infinities and NaN.
  void SetValue(const std::string& value) override;
};

class TStringProperty : public TPropertyEditor {
  LXV_CLASS(TStringProperty, TPropertyEditor)
 public:
  // The same text in every selected component.
  bool AllEqual() override;
  std::string GetValue() override { return GetStrValue(); }
  // Writes the text through the property's writer, which may refuse it.
  void SetValue(const std::string& value) override { SetStrValue(value); }
};

// An object property that is not a component reference: "(TStrings)", the
// declared class ("(TObject)" when none). Edited through its sub-properties.
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
  // The name, empty for nil; "Form2.Button1" for a component another form owns.
  std::string GetValue() override;
  // The designer's names of the property's class (TDesigner::GetComponentNames);
  // none without a designer.
  void GetValues(const TGetStrProc& proc) override;
  // Empty text clears the reference. Other text is looked up with
  // TDesigner::GetComponent (the form's components, the form itself, and
  // "Form2.Button1" in other forms); the text GetValue shows always names
  // the component set. A name neither finds, one of a component of another
  // class, or any name without a designer raises EPropertyError. The
  // component is referred to, not owned.
  void SetValue(const std::string& value) override;
};

// An event: the name of the handler, a published method of the form.
class TMethodProperty : public TPropertyEditor {
  LXV_CLASS(TMethodProperty, TPropertyEditor)
 public:
  TPropertyAttributes GetAttributes() override { return {paMultiSelect, paValueList, paSortList}; }
  // The handler's name, empty when none.
  std::string GetValue() override;
  // The published methods of the designer's form whose signature fits the
  // event (TMethodInfo::Fits), its class's first, then its ancestors'. None
  // without a designer or form.
  void GetValues(const TGetStrProc& proc) override;
  // Binds the form's method of that name (ignoring ASCII case) to the form
  // instance; empty text clears the event. Raises EPropertyError for a name
  // the form does not publish (or without a form), and from the event's
  // writer for a method whose signature does not fit the event.
  void SetValue(const std::string& value) override;
};

// The default editor class for a property of this kind; never null.
TClass DefaultPropertyEditorClass(const TPropInfo& prop);

}  // namespace platform
