#pragma once
// Run-time type information: what a class publishes. Each class has one
// TClassInfo, built once by a TClassBuilder (published.h).
#include <any>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <typeinfo>
#include <utility>
#include <vector>

#include "platform/rtti/object.h"
#include "platform/base/text.h"

namespace platform {

class TComponent;

enum class TTypeKind { Integer, Int64, Char, WChar, Enumeration, Boolean, Set, Float, String, Class, Component, Method };

// Identifier names of an enumeration (or of a set's element type), by ordinal.
struct TEnumType {
  std::string Name;
  std::vector<std::string> Names;
};
std::string GetEnumName(const TEnumType& type, std::int64_t value);
int GetEnumValue(const TEnumType& type, std::string_view name);  // -1 when unknown

// Identifier names for some values of an integer type, as colours have.
struct TIdentMap {
  std::vector<std::pair<std::int64_t, std::string>> Entries;
  const std::string* NameOf(std::int64_t value) const;
  const std::int64_t* ValueOf(std::string_view name) const;
};

// A method pointer: the object that carries it, the published name it was
// bound by (empty for an anonymous callable), and the callable itself
// (a std::function of the event's signature).
struct TMethod {
  TObject* Data = nullptr;
  std::string Name;
  std::any Code;
  bool Assigned() const { return Code.has_value(); }
};

struct TPropInfo {
  std::string Name;
  TTypeKind Kind = TTypeKind::Integer;
  const TEnumType* Enum = nullptr;    // Enumeration, and the element type of a Set
  const TIdentMap* Idents = nullptr;  // optional names of Integer values
  // Class and Component: the declared class. A function, so that a class may
  // publish a property of its own type while its table is being built.
  TClass (*PropClassOf)() = nullptr;
  std::optional<std::int64_t> Default;

  std::function<std::int64_t(const TObject&)> GetOrd;
  std::function<void(TObject&, std::int64_t)> SetOrd;
  std::function<double(const TObject&)> GetFloat;
  std::function<void(TObject&, double)> SetFloat;
  std::function<std::string(const TObject&)> GetStr;
  std::function<void(TObject&, const std::string&)> SetStr;
  std::function<TObject*(const TObject&)> GetObj;
  std::function<void(TObject&, TObject*)> SetObj;
  std::function<TMethod(const TObject&)> GetMethod;
  std::function<void(TObject&, const TMethod&)> SetMethod;
  std::function<bool(const TObject&)> StoredTest;  // empty: always stored
  // Method: the handler type the event holds (a std::function of its
  // signature); nullptr when unknown.
  const std::type_info* MethodType = nullptr;

  TClass PropClass() const { return PropClassOf ? PropClassOf() : nullptr; }
  bool IsOrdinal() const;
  bool IsStored(const TObject& instance) const { return !StoredTest || StoredTest(instance); }
  bool Writable() const;
};

// A published method, which events can be bound to by name.
struct TMethodInfo {
  std::string Name;
  std::function<std::any(TObject&)> Bind;  // a std::function bound to the instance
  const std::type_info* Type = nullptr;     // of what Bind returns; nullptr when unknown
  // Whether an event property can hold this method: the same signature, or
  // either side unknown.
  bool Fits(const TPropInfo& event) const {
    return Type == nullptr || event.MethodType == nullptr || *Type == *event.MethodType;
  }
};

// A published field: a member of a root class (a form) that points to a
// component it owns. The form reader sets it to the component of that name
// it creates or finds; the owner clears it when the component leaves.
struct TFieldInfo {
  std::string Name;
  TClass (*FieldClassOf)() = nullptr;  // the declared class of the member
  std::function<TObject*(const TObject&)> Get;
  // Raises EInvalidCast for an object that is not of the declared class.
  std::function<void(TObject&, TObject*)> Set;
};

struct TClassInfo {
  std::string Name;
  TClass Parent = nullptr;
  bool IsComponent = false;
  // Constructs an instance; empty for abstract classes. Components get the owner.
  std::function<TObject*(TComponent* owner)> Construct;
  std::vector<TPropInfo> Properties;  // this class's own, in declaration order
  std::vector<TMethodInfo> Methods;
  std::vector<TFieldInfo> Fields;

  bool InheritsFrom(TClass ancestor) const;
  // Case-insensitive, searching ancestors too; nullptr when absent.
  const TPropInfo* FindProperty(std::string_view name) const;
  const TMethodInfo* FindMethod(std::string_view name) const;
  const TFieldInfo* FindField(std::string_view name) const;
  // Every published property, ancestors' first, in declaration order.
  std::vector<const TPropInfo*> AllProperties() const;
};


}  // namespace platform
