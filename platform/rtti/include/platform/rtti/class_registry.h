#pragma once
// The class registry, through which the form reader finds classes by name.
#include <initializer_list>
#include <string_view>
#include <vector>

#include "platform/rtti/object.h"

namespace platform {

void RegisterClass(TClass cls);
void RegisterClasses(std::initializer_list<TClass> classes);
void UnRegisterClass(TClass cls);
TClass GetClass(std::string_view name);   // nullptr when not registered
TClass FindClass(std::string_view name);  // raises EClassNotFound
std::vector<TClass> RegisteredClasses();  // in order of registration

}  // namespace platform
