#pragma once
// A class's published table and its registration in one statement, placed in
// the class's source file at namespace scope, inside the class's namespace and
// with its unqualified name. The form reader finds a form's class, and binds
// the form's fields and events, through what this publishes:
//
//   LXV_REGISTER_CLASS(TMainForm, LXV_FIELD(ListBox1) LXV_METHOD(FormCreate));
//
// Other builder calls may stand among them (.Property(...), .Event(...)),
// naming the class as LxvSelf. The class declares LXV_CLASS(Self, Parent).
#include "platform/rtti/class_registry.h"
#include "platform/rtti/published.h"

// A published field (a component pointer the reader sets) or method (an
// event handler the reader binds), under the member's own name.
#define LXV_FIELD(Member) .Field(#Member, &LxvSelf::Member)
#define LXV_METHOD(Member) .Method(#Member, &LxvSelf::Member)

#define LXV_REGISTER_CLASS(Self, ...)                                                 \
  ::platform::TClass Self::StaticClass() {                                            \
    using LxvSelf [[maybe_unused]] = Self;                                            \
    static const ::platform::TClassInfo info =                                        \
        ::platform::TClassBuilder<Self>(#Self) __VA_ARGS__.Build();                   \
    return &info;                                                                     \
  }                                                                                   \
  [[maybe_unused]] static const bool lxvRegistered##Self =                           \
      (::platform::RegisterClass(Self::StaticClass()), true)
