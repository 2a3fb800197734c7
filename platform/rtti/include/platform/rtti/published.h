#pragma once
// Declaring what a class publishes, and reading and writing published
// properties by name. A class declares its table in one block:
//
//   TClass TButton::StaticClass() {
//     static const TClassInfo info = TClassBuilder<TButton>("TButton")
//         .Property("Caption", &TButton::Caption, &TButton::SetCaption)
//         .Property("Default", &TButton::Default, &TButton::SetDefault).Default(0)
//         .Event("OnClick", &TButton::OnClick)
//         .Build();
//
// A form class also declares the fields the form reader fills in:
//   .Field("BtnOK", &TAboutBox::BtnOK)   // TButton* BtnOK;
//     return &info;
//   }
#include <cstdint>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/rtti/class_info.h"
#include "platform/rtti/events.h"
#include "platform/base/exceptions.h"
#include "platform/rtti/object.h"
#include "platform/base/set.h"

namespace platform {

class TCollection;

// Defines Self::StaticClass() for a class that publishes nothing of its own.
// Use it inside Self's namespace, with the unqualified name.
#define LXV_EMPTY_CLASS_INFO(Self)                                                         \
  ::platform::TClass Self::StaticClass() {                                                 \
    static const ::platform::TClassInfo info = ::platform::TClassBuilder<Self>(#Self).Build(); \
    return &info;                                                                          \
  }

// Enumerations are published with their identifier names, declared next to the
// enumeration: LXV_ENUM(TAlignment, "taLeftJustify", "taRightJustify", "taCenter")
#define LXV_ENUM(E, ...)                                                   \
  inline const ::platform::TEnumType& EnumTypeInfo(E) {                    \
    static const ::platform::TEnumType type{#E, {__VA_ARGS__}};            \
    return type;                                                           \
  }

namespace detail {

template <class S>
struct SetterArg;
template <class C, class A>
struct SetterArg<void (C::*)(A)> {
  using type = std::remove_cvref_t<A>;
};

template <class V>
struct IsSet : std::false_type {};
template <class E>
struct IsSet<TSet<E>> : std::true_type {
  using Element = E;
};

template <class V>
struct IsEvent : std::false_type {};
template <class... A>
struct IsEvent<TEvent<A...>> : std::true_type {};

template <class F>
struct MethodTraits;
template <class C, class... A>
struct MethodTraits<void (C::*)(A...)> {
  using Function = std::function<void(A...)>;
  template <class Self, class M>
  static Function BindTo(Self* self, M method) {
    return [self, method](A... args) { (self->*method)(std::forward<A>(args)...); };
  }
};

[[noreturn]] void ThrowInvalidPropertyValue(const std::string& property);

}  // namespace detail

template <class T>
class TClassBuilder {
 public:
  explicit TClassBuilder(std::string name) {
    info_.Name = std::move(name);
    info_.Parent = T::inherited::StaticClass();
    info_.IsComponent = info_.Parent != nullptr && info_.Parent->IsComponent;
    if constexpr (!std::is_abstract_v<T>) {
      if constexpr (std::is_constructible_v<T, TComponent*>) {
        info_.Construct = [](TComponent* owner) -> TObject* { return new T(owner); };
      } else if constexpr (std::is_default_constructible_v<T>) {
        info_.Construct = [](TComponent*) -> TObject* { return new T(); };
      } else if constexpr (std::is_constructible_v<T, TCollection*>) {
        // Collection items; the collection attaches what it constructs.
        info_.Construct = [](TComponent*) -> TObject* { return new T(static_cast<TCollection*>(nullptr)); };
      }
    }
  }

  // A read-write property; the kind follows from the getter's value type.
  template <class G, class S>
  TClassBuilder& Property(std::string name, G getter, S setter) {
    using V = std::remove_cvref_t<std::invoke_result_t<G, const T&>>;
    using A = typename detail::SetterArg<S>::type;
    TPropInfo& p = AddReadOnly<V>(std::move(name), getter);
    if constexpr (std::is_same_v<V, std::string>) {
      p.SetStr = [setter](TObject& o, const std::string& v) { (Self(o).*setter)(v); };
    } else if constexpr (std::is_floating_point_v<V>) {
      p.SetFloat = [setter](TObject& o, double v) { (Self(o).*setter)(static_cast<A>(v)); };
    } else if constexpr (std::is_pointer_v<V>) {
      p.SetObj = [setter, propName = p.Name](TObject& o, TObject* v) {
        using P = std::remove_pointer_t<A>;
        P* typed = DynCast<P>(v);
        if (v != nullptr && typed == nullptr) detail::ThrowInvalidPropertyValue(propName);
        (Self(o).*setter)(typed);
      };
    } else {
      p.SetOrd = [setter](TObject& o, std::int64_t v) { (Self(o).*setter)(FromOrdinal<A>(v)); };
    }
    return *this;
  }

  template <class G>
  TClassBuilder& ReadOnly(std::string name, G getter) {
    using V = std::remove_cvref_t<std::invoke_result_t<G, const T&>>;
    AddReadOnly<V>(std::move(name), getter);
    return *this;
  }

  template <class E>
  TClassBuilder& Event(std::string name, E T::*member) {
    static_assert(detail::IsEvent<E>::value, "events are TEvent members");
    MergeSharedRun();
    TPropInfo p;
    p.Name = std::move(name);
    p.Kind = TTypeKind::Method;
    p.MethodType = &typeid(typename E::Handler);
    p.GetMethod = [member](const TObject& o) { return (static_cast<const T&>(o).*member).AsMethod(); };
    p.SetMethod = [member](TObject& o, const TMethod& m) { (Self(o).*member).SetMethod(m); };
    info_.Properties.push_back(std::move(p));
    return *this;
  }

  // A published field: the member pointing to the owned component of that
  // name, which the form reader sets.
  template <class F>
  TClassBuilder& Field(std::string name, F* T::*member) {
    static_assert(std::is_base_of_v<TComponent, F>, "published fields point to components");
    TFieldInfo f;
    f.Name = std::move(name);
    f.FieldClassOf = &F::StaticClass;
    f.Get = [member](const TObject& o) -> TObject* { return static_cast<const T&>(o).*member; };
    f.Set = [member](TObject& o, TObject* v) { Self(o).*member = As<F>(v); };
    info_.Fields.push_back(std::move(f));
    return *this;
  }

  // A published method, which the form reader binds events to by name.
  template <class M>
  TClassBuilder& Method(std::string name, M method) {
    using Function = typename detail::MethodTraits<M>::Function;
    info_.Methods.push_back(TMethodInfo{std::move(name), [method](TObject& o) {
      return std::any(detail::MethodTraits<M>::BindTo(&Self(o), method));
    }, &typeid(Function)});
    return *this;
  }

  // Modifiers of the property declared last.
  TClassBuilder& Default(std::int64_t value) { Last().Default = value; return *this; }
  TClassBuilder& Idents(const TIdentMap& map) { Last().Idents = &map; return *this; }
  TClassBuilder& Stored(bool (T::*test)() const) {
    Last().StoredTest = [test](const TObject& o) { return (static_cast<const T&>(o).*test)(); };
    return *this;
  }
  TClassBuilder& Stored(bool stored) {
    Last().StoredTest = [stored](const TObject&) { return stored; };
    return *this;
  }
  // Marks the root of the component classes.
  TClassBuilder& ComponentRoot() { info_.IsComponent = true; return *this; }

  // Properties a base declares for its descendants, in byte order of name,
  // between these two calls. At the first event (or Build) the class's own
  // properties declared after them are merged in by name, keeping their own
  // order, so the table reads as if the class had declared every one itself.
  TClassBuilder& BeginSharedRun() { sharedBegin_ = info_.Properties.size(); return *this; }
  TClassBuilder& EndSharedRun() { sharedEnd_ = info_.Properties.size(); return *this; }

  TClassInfo Build() {
    MergeSharedRun();
    return std::move(info_);
  }

 private:
  static T& Self(TObject& o) { return static_cast<T&>(o); }
  TPropInfo& Last() { return info_.Properties.back(); }

  void MergeSharedRun() {
    if (sharedEnd_ == 0) return;
    auto& props = info_.Properties;
    const auto at = [&props](std::size_t i) { return props.begin() + static_cast<std::ptrdiff_t>(i); };
    std::vector<TPropInfo> shared(std::make_move_iterator(at(sharedBegin_)), std::make_move_iterator(at(sharedEnd_)));
    std::vector<TPropInfo> own(std::make_move_iterator(at(sharedEnd_)), std::make_move_iterator(props.end()));
    props.resize(sharedBegin_);
    auto s = shared.begin(), o = own.begin();
    while (s != shared.end() || o != own.end()) {
      const bool ownFirst = s == shared.end() || (o != own.end() && o->Name < s->Name);
      props.push_back(std::move(ownFirst ? *o++ : *s++));
    }
    sharedEnd_ = 0;
  }

  template <class A>
  static A FromOrdinal(std::int64_t v) {
    if constexpr (detail::IsSet<A>::value) {
      return A::FromBits(static_cast<std::uint64_t>(v));
    } else {
      return static_cast<A>(v);
    }
  }

  template <class V, class G>
  TPropInfo& AddReadOnly(std::string name, G getter) {
    TPropInfo p;
    p.Name = std::move(name);
    auto get = [getter](const TObject& o) -> decltype(auto) { return std::invoke(getter, static_cast<const T&>(o)); };
    if constexpr (std::is_same_v<V, std::string>) {
      p.Kind = TTypeKind::String;
      p.GetStr = [get](const TObject& o) { return std::string(get(o)); };
    } else if constexpr (std::is_floating_point_v<V>) {
      p.Kind = TTypeKind::Float;
      p.GetFloat = [get](const TObject& o) { return static_cast<double>(get(o)); };
    } else if constexpr (std::is_pointer_v<V>) {
      using P = std::remove_cv_t<std::remove_pointer_t<V>>;
      static_assert(std::is_base_of_v<TObject, P>, "object properties hold TObject descendants");
      p.Kind = std::is_base_of_v<TComponent, P> ? TTypeKind::Component : TTypeKind::Class;
      p.PropClassOf = &P::StaticClass;
      p.GetObj = [get](const TObject& o) -> TObject* { return const_cast<P*>(get(o)); };
    } else {
      p.Kind = OrdinalKind<V>();
      if constexpr (std::is_enum_v<V>) p.Enum = &EnumTypeInfo(V{});
      if constexpr (detail::IsSet<V>::value) p.Enum = &EnumTypeInfo(typename detail::IsSet<V>::Element{});
      p.GetOrd = [get](const TObject& o) -> std::int64_t {
        if constexpr (detail::IsSet<V>::value) {
          return static_cast<std::int64_t>(get(o).Bits());
        } else {
          return static_cast<std::int64_t>(get(o));
        }
      };
    }
    info_.Properties.push_back(std::move(p));
    return info_.Properties.back();
  }

  template <class V>
  static constexpr TTypeKind OrdinalKind() {
    if constexpr (std::is_same_v<V, bool>) return TTypeKind::Boolean;
    else if constexpr (std::is_same_v<V, char>) return TTypeKind::Char;
    else if constexpr (std::is_same_v<V, char16_t>) return TTypeKind::WChar;
    else if constexpr (std::is_enum_v<V>) return TTypeKind::Enumeration;
    else if constexpr (detail::IsSet<V>::value) return TTypeKind::Set;
    else if constexpr (std::is_integral_v<V> && sizeof(V) <= 4) return TTypeKind::Integer;
    else {
      static_assert(std::is_integral_v<V>, "unsupported property type");
      return TTypeKind::Int64;
    }
  }

  TClassInfo info_;
  std::size_t sharedBegin_ = 0, sharedEnd_ = 0;  // sharedEnd_ 0: no run pending
};

// Property access by name, for code that does not know the class.
const TPropInfo* GetPropInfo(TClass cls, std::string_view name);
const TPropInfo* GetPropInfo(const TObject* instance, std::string_view name);
// These raise EPropertyError when the property is absent or of another kind.
std::int64_t GetOrdProp(const TObject* instance, std::string_view name);
void SetOrdProp(TObject* instance, std::string_view name, std::int64_t value);
std::string GetStrProp(const TObject* instance, std::string_view name);
void SetStrProp(TObject* instance, std::string_view name, const std::string& value);
double GetFloatProp(const TObject* instance, std::string_view name);
void SetFloatProp(TObject* instance, std::string_view name, double value);
TObject* GetObjectProp(const TObject* instance, std::string_view name);
void SetObjectProp(TObject* instance, std::string_view name, TObject* value);
TMethod GetMethodProp(const TObject* instance, std::string_view name);
void SetMethodProp(TObject* instance, std::string_view name, const TMethod& value);

}  // namespace platform
