#include "platform/rtti/class_registry.h"

#include <algorithm>

#include "platform/rtti/class_info.h"
#include "platform/base/exceptions.h"

namespace platform {

namespace {
std::vector<TClass>& Classes() {
  static std::vector<TClass> classes;
  return classes;
}
}  // namespace

void RegisterClass(TClass cls) {
  if (cls == nullptr) return;
  TClass existing = GetClass(cls->Name);
  if (existing == cls) return;
  if (existing != nullptr) throw EFilerError("A class named " + cls->Name + " already exists");
  Classes().push_back(cls);
}

void RegisterClasses(std::initializer_list<TClass> classes) {
  for (TClass cls : classes) RegisterClass(cls);
}

void UnRegisterClass(TClass cls) { std::erase(Classes(), cls); }

TClass GetClass(std::string_view name) {
  for (TClass cls : Classes())
    if (SameText(cls->Name, name)) return cls;
  return nullptr;
}

TClass FindClass(std::string_view name) {
  TClass cls = GetClass(name);
  if (cls == nullptr) throw EClassNotFound("Class " + std::string(name) + " not found");
  return cls;
}

std::vector<TClass> RegisteredClasses() { return Classes(); }

}  // namespace platform
