// TReader: reading components, their published properties and fields,
// defined properties, collections, references and events.
#include "platform/classes/reader.h"

#include <algorithm>
#include <utility>

#include "platform/base/exceptions.h"
#include "platform/base/text.h"
#include "platform/classes/collection.h"
#include "platform/classes/component.h"
#include "platform/rtti/class_info.h"
#include "platform/rtti/class_registry.h"
#include "platform/streaming/streams.h"

namespace platform {

namespace {

// Frees what a failed read created and clears the state flags it set.
class TReadGuard {
 public:
  TReadGuard(std::vector<TComponent*>& created, std::vector<TComponent*>& loaded, TComponent*& newRoot)
      : created_(created), loaded_(loaded), newRoot_(newRoot) {}
  ~TReadGuard() {
    if (committed_) return;
    if (newRoot_ != nullptr) {
      newRoot_->Free();  // owns everything else the read created
    } else {
      for (auto it = created_.rbegin(); it != created_.rend(); ++it) (*it)->Free();
      for (TComponent* c : loaded_) {
        if (std::find(created_.begin(), created_.end(), c) != created_.end()) continue;
        c->ClearState(csReading);
        c->ClearState(csLoading);
      }
    }
  }
  void Commit() { committed_ = true; }

 private:
  std::vector<TComponent*>& created_;
  std::vector<TComponent*>& loaded_;
  TComponent*& newRoot_;
  bool committed_ = false;
};

std::string UniqueName(const TComponent* owner, const std::string& name) {
  if (owner == nullptr || owner->FindComponent(name) == nullptr) return name;
  for (int i = 1;; ++i) {
    const std::string candidate = name + "_" + std::to_string(i);
    if (owner->FindComponent(candidate) == nullptr) return candidate;
  }
}

std::string Join(const std::string& path, const std::string& name) { return path.empty() ? name : path + "." + name; }

// Gives a collection back the items it had unless the read was committed.
class TRestoreItems {
 public:
  explicit TRestoreItems(TCollection& collection) : collection_(collection), saved_(collection.ItemClass()) {
    collection_.Exchange(saved_);
  }
  ~TRestoreItems() {
    if (committed_) return;
    collection_.Clear();
    collection_.Exchange(saved_);
  }
  TRestoreItems(const TRestoreItems&) = delete;
  TRestoreItems& operator=(const TRestoreItems&) = delete;
  void Commit() { committed_ = true; }

 private:
  TCollection& collection_;
  TCollection saved_;
  bool committed_ = false;
};

TRootLookup& GlobalRootLookup() {
  static TRootLookup lookup;
  return lookup;
}
}  // namespace

TRootLookup SetGlobalRootLookup(TRootLookup lookup) { return std::exchange(GlobalRootLookup(), std::move(lookup)); }

TComponent* FindGlobalRoot(const std::string& rootName) {
  const TRootLookup& lookup = GlobalRootLookup();
  return lookup ? lookup(rootName) : nullptr;
}

TReader::TReader(TStream& stream, int generation) : TFiler(stream, generation), TBinaryReader(stream, generation) {}

TComponent* TReader::ReadRootComponent(TComponent* root, TComponent* ownerOfNew) {
  fixups_.clear();
  loaded_.clear();
  created_.clear();
  TComponent* newRoot = nullptr;
  TReadGuard guard(created_, loaded_, newRoot);

  ReadSignature();
  const std::int64_t headerAt = Offset();
  const TObjectHeader header = ReadObjectHeader();
  if (root == nullptr) {
    TClass cls = GetClass(header.ClassName);
    if (cls == nullptr || !cls->IsComponent || !cls->Construct)
      throw EClassNotFound("Class " + header.ClassName + " not found at " + PositionName(headerAt));
    newRoot = TComponent::Construct(cls, ownerOfNew, TComponentState{csLoading});
    root = newRoot;
  }
  SetRoot(root);
  root->SetState(csLoading);
  root->SetState(csReading);
  loaded_.push_back(root);
  if (!header.Name.empty() && !SameText(root->Name(), header.Name)) {
    try {
      root->SetName(UniqueName(root->Owner(), header.Name));
    } catch (const EComponentError& e) {
      ReadErrorAt(e.what(), headerAt);
    }
  }
  ReadComponentData(root);

  ResolveFixups();
  for (TComponent* c : loaded_) c->ClearState(csReading);
  const std::vector<TComponent*> loaded = loaded_;
  guard.Commit();
  loaded_.clear();
  for (TComponent* c : loaded) {
    c->Loaded();
    c->ClearState(csLoading);
  }
  return root;
}

void TReader::ReadComponentData(TComponent* instance) {
  TNestingScope nesting(*this);
  const std::string path = instance == Root() ? std::string() : instance->Name();
  while (!EndOfList()) ReadProperty(instance, Join(Root()->Name(), path));
  ReadListEnd();
  while (!EndOfList()) ReadChild(instance);
  ReadListEnd();
}

void TReader::ReadChild(TComponent* parent) {
  const std::int64_t at = Offset();
  const TObjectHeader header = ReadObjectHeader();
  TComponent* child = nullptr;
  if (header.Flags & ffInherited) {
    child = Root()->FindComponent(header.Name);
    if (child == nullptr) ReadErrorAt("Inherited component " + header.Name + " not found", at);
  } else {
    child = CreateChild(header, at);
  }
  child->SetState(csLoading);
  child->SetState(csReading);
  if (std::find(loaded_.begin(), loaded_.end(), child) == loaded_.end()) loaded_.push_back(child);
  SetField(child, at);
  child->SetParentComponent(parent);
  ReadComponentData(child);
}

void TReader::SetField(TComponent* child, std::int64_t at) {
  const TFieldInfo* field = Root()->ClassType()->FindField(child->Name());
  if (field == nullptr) return;
  try {
    field->Set(*Root(), child);
  } catch (const EInvalidCast& e) {
    ReadErrorAt("Field " + field->Name + " of " + Root()->ClassName() + ": " + e.what(), at);
  }
}

TComponent* TReader::CreateChild(const TObjectHeader& header, std::int64_t at) {
  TClass cls = GetClass(header.ClassName);
  if (cls == nullptr) {
    throw EClassNotFound("Class " + header.ClassName + " not found at " + PositionName(at));
  }
  if (!cls->IsComponent || !cls->Construct) ReadErrorAt("Class " + header.ClassName + " is not a component class", at);
  auto* child = static_cast<TComponent*>(cls->Construct(Root()));
  created_.push_back(child);
  try {
    child->SetName(header.Name);
  } catch (const EComponentError& e) {
    ReadErrorAt(e.what(), at);
  }
  return child;
}

void TReader::UnknownProperty(const std::string& message, std::int64_t offset) {
  bool handled = false;
  if (OnError) OnError(message, handled);
  if (!handled) ReadErrorAt(message, offset);
  SkipValue();
}

void TReader::ReadProperty(TPersistent* instance, const std::string& ownerPath) {
  const std::int64_t at = Offset();
  const std::string path = ReadStr();
  if (path.empty()) ReadErrorAt("Empty property name", at);
  TPersistent* target = instance;
  std::size_t start = 0;
  for (std::size_t dot = path.find('.'); dot != std::string::npos; dot = path.find('.', start)) {
    const std::string segment = path.substr(start, dot - start);
    const TPropInfo* prop = target->ClassType()->FindProperty(segment);
    TObject* sub = prop != nullptr && prop->Kind == TTypeKind::Class && prop->GetObj ? prop->GetObj(*target) : nullptr;
    if (!Is<TPersistent>(sub))
      return UnknownProperty("Property " + path + " of " + ownerPath + " does not exist", at);
    target = static_cast<TPersistent*>(sub);
    start = dot + 1;
  }
  const std::string name = path.substr(start);
  const std::string where = Join(ownerPath, path);
  if (const TPropInfo* prop = target->ClassType()->FindProperty(name)) {
    try {
      ReadPropValue(target, *prop, where);
    } catch (const EFilerError&) {
      throw;
    } catch (const Exception& e) {
      ReadErrorAt("Error reading " + where + ": " + e.what(), at);
    }
    return;
  }
  pending_ = name;
  pendingFound_ = false;
  target->DefineProperties(*this);
  pending_.clear();
  if (!pendingFound_) UnknownProperty("Property " + path + " of " + ownerPath + " does not exist", at);
}

void TReader::DefineProperty(const std::string& name, TReaderProc read, TWriterProc, bool) {
  if (pendingFound_ || !read || !SameText(name, pending_)) return;
  pendingFound_ = true;
  read(*this);
}

void TReader::DefineBinaryProperty(const std::string& name, TStreamProc read, TStreamProc, bool) {
  if (pendingFound_ || !read || !SameText(name, pending_)) return;
  pendingFound_ = true;
  TMemoryStream data(ReadBinary());
  read(data);
}

void TReader::ReadPropValue(TPersistent* instance, const TPropInfo& prop, const std::string& where) {
  if (prop.IsOrdinal()) return ReadOrdinal(instance, prop);
  switch (prop.Kind) {
    case TTypeKind::Float:
      if (!prop.SetFloat) ReadError("Property " + where + " is read-only");
      prop.SetFloat(*instance, static_cast<double>(ReadFloat()));
      return;
    case TTypeKind::String:
      if (!prop.SetStr) ReadError("Property " + where + " is read-only");
      prop.SetStr(*instance, ReadString());
      return;
    case TTypeKind::Method: return ReadMethod(instance, prop);
    case TTypeKind::Component: return ReadReference(instance, prop, where);
    default:
      if (NextValue() == vaCollection) {
        auto* collection = DynCast<TCollection>(prop.GetObj ? prop.GetObj(*instance) : nullptr);
        if (collection == nullptr) ReadError("Property " + where + " is not a collection");
        return ReadCollection(*collection, where);
      }
      if (NextValue() == vaNil && prop.SetObj) {
        ReadValue();
        prop.SetObj(*instance, nullptr);
        return;
      }
      ReadError("Property " + where + " holds an object and cannot take a value");
  }
}

void TReader::ReadCollection(TCollection& collection) { ReadCollection(collection, collection.GetNamePath()); }

void TReader::ReadCollection(TCollection& collection, const std::string& where) {
  CheckValue(vaCollection);
  TNestingScope nesting(*this);
  TRestoreItems restore(collection);
  while (!EndOfList()) {
    const std::int64_t at = Offset();
    const TValueType next = NextValue();
    // An order number may stand before an item; items keep the stream's order.
    if (next == vaInt8 || next == vaInt16 || next == vaInt32) {
      ReadInteger();
    } else if (next != vaList) {
      ReadErrorAt(std::string("Expected a collection item but found ") + ValueTypeName(next), at);
    }
    const std::string itemPath = where + "[" + std::to_string(collection.Count()) + "]";
    TCollectionItem* item = collection.Add();
    ReadListBegin();
    while (!EndOfList()) ReadProperty(item, itemPath);
    ReadListEnd();
  }
  ReadListEnd();
  restore.Commit();
}

void TReader::ReadOrdinal(TPersistent* instance, const TPropInfo& prop) {
  if (!prop.SetOrd) ReadError("Property " + prop.Name + " is read-only");
  const std::int64_t at = Offset();
  std::int64_t value = 0;
  switch (prop.Kind) {
    case TTypeKind::Boolean: value = ReadBoolean(); break;
    case TTypeKind::Char: value = static_cast<unsigned char>(ReadChar()); break;
    case TTypeKind::WChar: value = ReadWideChar(); break;
    case TTypeKind::Enumeration: {
      const std::string name = ReadIdent();
      value = prop.Enum ? GetEnumValue(*prop.Enum, name) : -1;
      if (value < 0) ReadErrorAt("Invalid value " + name + " for property " + prop.Name, at);
      break;
    }
    case TTypeKind::Set:
      for (const std::string& name : ReadSet()) {
        const int bit = prop.Enum ? GetEnumValue(*prop.Enum, name) : -1;
        if (bit < 0 || bit >= 64) ReadErrorAt("Invalid set element " + name + " for property " + prop.Name, at);
        value |= std::int64_t{1} << bit;
      }
      break;
    default:
      if (NextValue() == vaIdent) {
        const std::string name = ReadIdent();
        const std::int64_t* mapped = prop.Idents ? prop.Idents->ValueOf(name) : nullptr;
        if (mapped == nullptr) ReadErrorAt("Invalid value " + name + " for property " + prop.Name, at);
        value = *mapped;
      } else {
        value = prop.Kind == TTypeKind::Integer ? ReadInteger() : ReadInt64();
      }
  }
  prop.SetOrd(*instance, value);
}

void TReader::ReadMethod(TPersistent* instance, const TPropInfo& prop) {
  const std::int64_t at = Offset();
  if (!prop.SetMethod) ReadErrorAt("Event " + prop.Name + " is read-only", at);
  if (NextValue() == vaNil) {
    ReadValue();
    prop.SetMethod(*instance, TMethod{});
    return;
  }
  const std::string name = ReadIdent();
  if (DesignTime) return prop.SetMethod(*instance, TMethod{Root(), name, {}});
  const TMethodInfo* method = Root()->ClassType()->FindMethod(name);
  if (method == nullptr) ReadErrorAt("Method " + name + " not found in " + Root()->ClassName(), at);
  prop.SetMethod(*instance, TMethod{Root(), method->Name, method->Bind(*Root())});
}

void TReader::ReadReference(TPersistent* instance, const TPropInfo& prop, const std::string& where) {
  if (!prop.SetObj) ReadError("Property " + where + " is read-only");
  if (NextValue() == vaNil) {
    ReadValue();
    prop.SetObj(*instance, nullptr);
    return;
  }
  const std::int64_t at = Offset();
  fixups_.push_back({instance, &prop, ReadIdent(), where + " (" + PositionName(at) + ")"});
}

TComponent* TReader::FindReference(const std::string& name) const {
  if (SameText(name, "Owner")) return Root();
  const std::size_t dot = name.find('.');
  if (dot == std::string::npos) return SameText(name, Root()->Name()) ? Root() : Root()->FindComponent(name);
  const std::string rootName = name.substr(0, dot);
  const TComponent* other = SameText(rootName, Root()->Name()) ? Root() : FindGlobalRoot(rootName);
  return other != nullptr ? other->FindComponent(name.substr(dot + 1)) : nullptr;
}

void TReader::ResolveFixups() {
  for (const TFixup& fixup : fixups_) {
    TComponent* target = FindReference(fixup.Name);
    if (target == nullptr) throw EReadError("Unresolved reference to " + fixup.Name + " in " + fixup.Where);
    try {
      fixup.Prop->SetObj(*fixup.Instance, target);
    } catch (const Exception& e) {
      throw EReadError("Error setting " + fixup.Where + " to " + fixup.Name + ": " + e.what());
    }
  }
  fixups_.clear();
}

}  // namespace platform
