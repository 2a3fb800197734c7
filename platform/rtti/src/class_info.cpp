#include "platform/rtti/class_info.h"

namespace platform {

std::string GetEnumName(const TEnumType& type, std::int64_t value) {
  if (value < 0 || value >= static_cast<std::int64_t>(type.Names.size())) return std::to_string(value);
  return type.Names[static_cast<std::size_t>(value)];
}

int GetEnumValue(const TEnumType& type, std::string_view name) {
  for (std::size_t i = 0; i < type.Names.size(); ++i)
    if (SameText(type.Names[i], name)) return static_cast<int>(i);
  return -1;
}

const std::string* TIdentMap::NameOf(std::int64_t value) const {
  for (const auto& [v, name] : Entries)
    if (v == value) return &name;
  return nullptr;
}

const std::int64_t* TIdentMap::ValueOf(std::string_view name) const {
  for (const auto& [v, n] : Entries)
    if (SameText(n, name)) return &v;
  return nullptr;
}

bool TPropInfo::IsOrdinal() const {
  switch (Kind) {
    case TTypeKind::Integer:
    case TTypeKind::Int64:
    case TTypeKind::Char:
    case TTypeKind::WChar:
    case TTypeKind::Enumeration:
    case TTypeKind::Boolean:
    case TTypeKind::Set:
      return true;
    default:
      return false;
  }
}

bool TPropInfo::Writable() const {
  return SetOrd || SetFloat || SetStr || SetObj || SetMethod;
}

bool TClassInfo::InheritsFrom(TClass ancestor) const {
  for (TClass c = this; c != nullptr; c = c->Parent)
    if (c == ancestor) return true;
  return false;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view name) const {
  for (TClass c = this; c != nullptr; c = c->Parent)
    for (const TPropInfo& p : c->Properties)
      if (SameText(p.Name, name)) return &p;
  return nullptr;
}

const TMethodInfo* TClassInfo::FindMethod(std::string_view name) const {
  for (TClass c = this; c != nullptr; c = c->Parent)
    for (const TMethodInfo& m : c->Methods)
      if (SameText(m.Name, name)) return &m;
  return nullptr;
}

const TFieldInfo* TClassInfo::FindField(std::string_view name) const {
  for (TClass c = this; c != nullptr; c = c->Parent)
    for (const TFieldInfo& f : c->Fields)
      if (SameText(f.Name, name)) return &f;
  return nullptr;
}

std::vector<const TPropInfo*> TClassInfo::AllProperties() const {
  std::vector<TClass> chain;
  for (TClass c = this; c != nullptr; c = c->Parent) chain.push_back(c);
  std::vector<const TPropInfo*> all;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it)
    for (const TPropInfo& p : (*it)->Properties) all.push_back(&p);
  return all;
}

}  // namespace platform
