#include "platform/design/standard_editors.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/base/conversions.h"
#include "platform/base/exceptions.h"
#include "platform/base/text.h"
#include "platform/design/designer.h"

namespace platform {

LXV_EMPTY_CLASS_INFO(TOrdinalProperty)
LXV_EMPTY_CLASS_INFO(TIntegerProperty)
LXV_EMPTY_CLASS_INFO(TCharProperty)
LXV_EMPTY_CLASS_INFO(TEnumProperty)
LXV_EMPTY_CLASS_INFO(TBoolProperty)
LXV_EMPTY_CLASS_INFO(TSetProperty)
LXV_EMPTY_CLASS_INFO(TFloatProperty)
LXV_EMPTY_CLASS_INFO(TStringProperty)
LXV_EMPTY_CLASS_INFO(TClassProperty)
LXV_EMPTY_CLASS_INFO(TComponentProperty)
LXV_EMPTY_CLASS_INFO(TMethodProperty)

namespace {
template <class Get>
bool SameForAll(const TPropertyEditor& editor, const Get& get) {
  for (int i = 1; i < editor.PropCount(); ++i)
    if (get(*editor.GetComponent(i)) != get(*editor.GetComponent(0))) return false;
  return true;
}
}  // namespace

bool TOrdinalProperty::AllEqual() { return SameForAll(*this, GetPropInfo()->GetOrd); }

std::string TIntegerProperty::GetValue() {
  const std::int64_t value = GetOrdValue();
  if (const TIdentMap* idents = GetPropInfo()->Idents)
    if (const std::string* name = idents->NameOf(value)) return *name;
  return IntToStr(value);
}

void TIntegerProperty::SetValue(const std::string& value) {
  if (const TIdentMap* idents = GetPropInfo()->Idents)
    if (const std::int64_t* known = idents->ValueOf(value)) return SetOrdValue(*known);
  SetOrdValue(GetPropInfo()->Kind == TTypeKind::Int64 ? StrToInt64(value) : StrToInt(value));
}

namespace {
// The largest code of a character property: a byte, or a UTF-16 unit.
std::int64_t MaxCharCode(const TPropInfo& prop) { return prop.Kind == TTypeKind::WChar ? 0xFFFF : 0xFF; }
}  // namespace

std::string TCharProperty::GetValue() {
  // A char may be signed: its code is the byte, 0..255.
  const std::int64_t code = GetOrdValue() & MaxCharCode(*GetPropInfo());
  if (code > 32 && code < 127) return std::string(1, static_cast<char>(code));
  return "#" + IntToStr(code);
}

void TCharProperty::SetValue(const std::string& value) {
  if (value.size() == 1) return SetOrdValue(static_cast<unsigned char>(value[0]));
  if (value.size() > 1 && value[0] == '#') {
    const int code = StrToInt(value.substr(1));
    if (code < 0 || code > MaxCharCode(*GetPropInfo()))
      throw EPropertyError("Character code '" + value + "' out of range for property " + GetName());
    return SetOrdValue(code);
  }
  throw EPropertyError("Invalid character '" + value + "' for property " + GetName());
}

std::string TEnumProperty::GetValue() { return GetEnumName(*GetPropInfo()->Enum, GetOrdValue()); }

void TEnumProperty::GetValues(const TGetStrProc& proc) {
  for (const std::string& name : GetPropInfo()->Enum->Names) proc(name);
}

void TEnumProperty::SetValue(const std::string& value) {
  const int ordinal = GetEnumValue(*GetPropInfo()->Enum, value);
  if (ordinal < 0) throw EPropertyError("Invalid value '" + value + "' for property " + GetName());
  SetOrdValue(ordinal);
}

std::string TBoolProperty::GetValue() { return GetOrdValue() != 0 ? "True" : "False"; }

void TBoolProperty::GetValues(const TGetStrProc& proc) {
  proc("False");
  proc("True");
}

void TBoolProperty::SetValue(const std::string& value) {
  if (SameText(value, "True")) return SetOrdValue(1);
  if (SameText(value, "False")) return SetOrdValue(0);
  throw EPropertyError("Invalid value '" + value + "' for property " + GetName());
}

std::string TSetProperty::GetValue() {
  const TEnumType& type = *GetPropInfo()->Enum;
  const auto bits = static_cast<std::uint64_t>(GetOrdValue());
  std::string text = "[";
  for (std::size_t i = 0; i < type.Names.size() && i < 64; ++i) {
    if ((bits >> i & 1) == 0) continue;
    if (text.size() > 1) text += ',';
    text += type.Names[i];
  }
  return text + "]";
}

void TSetProperty::SetValue(const std::string& value) {
  std::string inner = Trim(value);
  if (inner.size() < 2 || inner.front() != '[' || inner.back() != ']')
    throw EPropertyError("Invalid set '" + value + "' for property " + GetName() + ": expected [a,b]");
  inner = inner.substr(1, inner.size() - 2);
  std::uint64_t bits = 0;
  std::size_t start = 0;
  while (start <= inner.size()) {
    const std::size_t comma = std::min(inner.find(',', start), inner.size());
    const std::string name = Trim(inner.substr(start, comma - start));
    if (!name.empty()) {
      const int ordinal = GetEnumValue(*GetPropInfo()->Enum, name);
      if (ordinal < 0) throw EPropertyError("Invalid element '" + name + "' for property " + GetName());
      bits |= std::uint64_t{1} << ordinal;
    }
    start = comma + 1;
  }
  SetOrdValue(static_cast<std::int64_t>(bits));
}

bool TFloatProperty::AllEqual() { return SameForAll(*this, GetPropInfo()->GetFloat); }

std::string TFloatProperty::GetValue() {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", GetFloatValue());
  return text;
}

void TFloatProperty::SetValue(const std::string& value) {
  const std::string text = Trim(value);
  char* end = nullptr;
  const double number = std::strtod(text.c_str(), &end);
  if (text.empty() || end != text.c_str() + text.size() || !std::isfinite(number))
    throw EConvertError("'" + value + "' is not a valid floating point value");
  SetFloatValue(number);
}

bool TStringProperty::AllEqual() { return SameForAll(*this, GetPropInfo()->GetStr); }

std::string TClassProperty::GetValue() {
  const TClass cls = GetPropInfo()->PropClass();
  return "(" + (cls != nullptr ? cls->Name : std::string("TObject")) + ")";
}

std::string TComponentProperty::GetValue() {
  const auto* component = static_cast<const TComponent*>(GetObjValue());
  if (component == nullptr) return "";
  // A component of another form is named with that form's name.
  const TComponent* form = Designer() != nullptr ? Designer()->Form() : nullptr;
  if (form != nullptr && component->Owner() != form && component != form && component->Owner() != nullptr)
    return component->Owner()->Name() + "." + component->Name();
  return component->Name();
}

void TComponentProperty::GetValues(const TGetStrProc& proc) {
  if (Designer() != nullptr) Designer()->GetComponentNames(GetPropInfo()->PropClass(), proc);
}

void TComponentProperty::SetValue(const std::string& value) {
  if (value.empty()) return SetObjValue(nullptr);
  TComponent* component = Designer() != nullptr ? Designer()->GetComponent(value) : nullptr;
  // What GetValue shows reads back even when no lookup finds the other form.
  if (component == nullptr && value == GetValue()) component = static_cast<TComponent*>(GetObjValue());
  const TClass cls = GetPropInfo()->PropClass();
  if (component == nullptr || (cls != nullptr && !component->InheritsFrom(cls)))
    throw EPropertyError("Invalid property value: no component '" + value + "' for " + GetName());
  SetObjValue(component);
}

std::string TMethodProperty::GetValue() { return GetMethodValue().Name; }

void TMethodProperty::GetValues(const TGetStrProc& proc) {
  if (Designer() == nullptr || Designer()->Form() == nullptr) return;
  for (TClass c = Designer()->Form()->ClassType(); c != nullptr; c = c->Parent)
    for (const TMethodInfo& m : c->Methods)
      if (m.Fits(*GetPropInfo())) proc(m.Name);
}

void TMethodProperty::SetValue(const std::string& value) {
  if (value.empty()) return SetMethodValue(TMethod{});
  TComponent* form = Designer() != nullptr ? Designer()->Form() : nullptr;
  const TMethodInfo* method = form != nullptr ? form->ClassType()->FindMethod(value) : nullptr;
  if (method == nullptr) throw EPropertyError("The form has no method '" + value + "' for " + GetName());
  SetMethodValue(TMethod{form, method->Name, method->Bind(*form)});
}

TClass DefaultPropertyEditorClass(const TPropInfo& prop) {
  switch (prop.Kind) {
    case TTypeKind::Integer:
    case TTypeKind::Int64: return TIntegerProperty::StaticClass();
    case TTypeKind::Char:
    case TTypeKind::WChar: return TCharProperty::StaticClass();
    case TTypeKind::Enumeration: return TEnumProperty::StaticClass();
    case TTypeKind::Boolean: return TBoolProperty::StaticClass();
    case TTypeKind::Set: return TSetProperty::StaticClass();
    case TTypeKind::Float: return TFloatProperty::StaticClass();
    case TTypeKind::String: return TStringProperty::StaticClass();
    case TTypeKind::Class: return TClassProperty::StaticClass();
    case TTypeKind::Component: return TComponentProperty::StaticClass();
    case TTypeKind::Method: return TMethodProperty::StaticClass();
  }
  return TPropertyEditor::StaticClass();
}

}  // namespace platform
