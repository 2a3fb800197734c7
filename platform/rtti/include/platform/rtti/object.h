#pragma once
// The root of the class tree: run-time class identity for every object, and
// TPersistent, the base of everything that can be streamed or assigned.
#include <memory>
#include <string>

namespace platform {

struct TClassInfo;
using TClass = const TClassInfo*;
class TFiler;

// Declares the class-identity members of a class with published properties.
// The class's .cpp defines `TClass Self::StaticClass()` with a TClassBuilder.
#define LXV_CLASS(Self, Parent)                                                   \
 public:                                                                          \
  using inherited = Parent;                                                       \
  static ::platform::TClass StaticClass();                                        \
  ::platform::TClass ClassType() const override { return Self::StaticClass(); }   \
                                                                                  \
 private:

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  static TClass StaticClass();
  virtual TClass ClassType() const { return StaticClass(); }
  const std::string& ClassName() const;
  bool InheritsFrom(TClass ancestor) const;

  // Runs BeforeDestruction while the whole object still exists, then deletes it.
  // Deleting through `delete` works too, but derived parts are gone by the time
  // the base destructor tells others about it.
  void Free();
  virtual void BeforeDestruction() {}
};

// Owns an object that has no owner component; frees it as Free() does.
struct TFreeDeleter {
  void operator()(TObject* object) const { object->Free(); }
};
template <class T>
using TOwned = std::unique_ptr<T, TFreeDeleter>;

// Casts by the class tree that LXV_CLASS declares (T must declare its own).
// The framework's `is`: true for instances of T and its descendants, false for nil.
template <class T>
bool Is(const TObject* object) {
  return object != nullptr && object->InheritsFrom(T::StaticClass());
}

// The object as a T, or nil when it is nil or not a T.
template <class T>
T* DynCast(TObject* object) {
  return Is<T>(object) ? static_cast<T*>(object) : nullptr;
}
template <class T>
const T* DynCast(const TObject* object) {
  return Is<T>(object) ? static_cast<const T*>(object) : nullptr;
}

// Raises EInvalidCast naming the object's class and the class asked for.
[[noreturn]] void RaiseInvalidCast(const TObject& object, TClass target);

// The framework's `as`: the object as a T; nil stays nil, and an object of
// another class raises EInvalidCast.
template <class T>
T* As(TObject* object) {
  if (object != nullptr && !Is<T>(object)) RaiseInvalidCast(*object, T::StaticClass());
  return static_cast<T*>(object);
}
template <class T>
const T* As(const TObject* object) {
  if (object != nullptr && !Is<T>(object)) RaiseInvalidCast(*object, T::StaticClass());
  return static_cast<const T*>(object);
}

class TPersistent : public TObject {
  LXV_CLASS(TPersistent, TObject)
 public:
  // Copies the state of source; raises EConvertError when the classes do not fit.
  virtual void Assign(const TPersistent* source);
  // Declares data that is streamed besides the published properties.
  virtual void DefineProperties(TFiler& filer);
  virtual std::string GetNamePath() const { return ClassName(); }

 protected:
  virtual void AssignTo(TPersistent* dest) const;
};

}  // namespace platform
