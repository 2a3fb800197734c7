#include "platform/rtti/published.h"

namespace platform {

namespace detail {
void ThrowInvalidPropertyValue(const std::string& property) {
  throw EPropertyError("Invalid property value for '" + property + "'");
}
}  // namespace detail

namespace {

const TPropInfo& Require(const TObject* instance, std::string_view name) {
  if (instance == nullptr) throw EPropertyError("Property '" + std::string(name) + "' of nil");
  const TPropInfo* info = GetPropInfo(instance, name);
  if (info == nullptr)
    throw EPropertyError("Unknown property '" + std::string(name) + "' of " + instance->ClassName());
  return *info;
}

template <class F>
const TPropInfo& RequireKind(const TObject* instance, std::string_view name, F accessor, const char* kind) {
  const TPropInfo& info = Require(instance, name);
  if (!(info.*accessor))
    throw EPropertyError("Property '" + info.Name + "' of " + instance->ClassName() + " is not " + kind);
  return info;
}

}  // namespace

const TPropInfo* GetPropInfo(TClass cls, std::string_view name) {
  return cls == nullptr ? nullptr : cls->FindProperty(name);
}

const TPropInfo* GetPropInfo(const TObject* instance, std::string_view name) {
  return instance == nullptr ? nullptr : GetPropInfo(instance->ClassType(), name);
}

std::int64_t GetOrdProp(const TObject* instance, std::string_view name) {
  return RequireKind(instance, name, &TPropInfo::GetOrd, "a readable ordinal").GetOrd(*instance);
}

void SetOrdProp(TObject* instance, std::string_view name, std::int64_t value) {
  RequireKind(instance, name, &TPropInfo::SetOrd, "a writable ordinal").SetOrd(*instance, value);
}

std::string GetStrProp(const TObject* instance, std::string_view name) {
  return RequireKind(instance, name, &TPropInfo::GetStr, "a readable string").GetStr(*instance);
}

void SetStrProp(TObject* instance, std::string_view name, const std::string& value) {
  RequireKind(instance, name, &TPropInfo::SetStr, "a writable string").SetStr(*instance, value);
}

double GetFloatProp(const TObject* instance, std::string_view name) {
  return RequireKind(instance, name, &TPropInfo::GetFloat, "a readable float").GetFloat(*instance);
}

void SetFloatProp(TObject* instance, std::string_view name, double value) {
  RequireKind(instance, name, &TPropInfo::SetFloat, "a writable float").SetFloat(*instance, value);
}

TObject* GetObjectProp(const TObject* instance, std::string_view name) {
  return RequireKind(instance, name, &TPropInfo::GetObj, "a readable object").GetObj(*instance);
}

void SetObjectProp(TObject* instance, std::string_view name, TObject* value) {
  RequireKind(instance, name, &TPropInfo::SetObj, "a writable object").SetObj(*instance, value);
}

TMethod GetMethodProp(const TObject* instance, std::string_view name) {
  return RequireKind(instance, name, &TPropInfo::GetMethod, "an event").GetMethod(*instance);
}

void SetMethodProp(TObject* instance, std::string_view name, const TMethod& value) {
  RequireKind(instance, name, &TPropInfo::SetMethod, "an event").SetMethod(*instance, value);
}

}  // namespace platform
