// TWriter: writing components through their published properties, defined
// properties, collections and references.
#include "platform/classes/writer.h"

#include "platform/base/exceptions.h"
#include "platform/base/scope_exit.h"
#include "platform/classes/collection.h"
#include "platform/classes/component.h"
#include "platform/rtti/class_info.h"
#include "platform/streaming/form_codec.h"
#include "platform/streaming/streams.h"

namespace platform {

TWriter::TWriter(TStream& stream, int generation) : TFiler(stream, generation), TBinaryWriter(stream, generation) {}

void TWriter::WriteRootComponent(TComponent* root) {
  SetRoot(root);
  WriteSignature();
  WriteComponent(root);
}

void TWriter::WriteComponent(TComponent* component) {
  const bool wasWriting = component->HasState(csWriting);
  component->SetState(csWriting);
  TScopeExit clear([component, wasWriting] {
    if (!wasWriting) component->ClearState(csWriting);
  });

  if (Root() == nullptr) SetRoot(component);
  WriteObjectHeader(0, nullptr, component->ClassName(), component->Name());
  prefix_.clear();
  WriteProperties(*component);
  WriteListEnd();
  component->GetChildren([this](TComponent* child) { WriteComponent(child); }, Root());
  WriteListEnd();
}

void TWriter::WriteProperties(const TPersistent& instance) {
  if (prefix_.size() > 4 * formcodec::kMaxDepth) throw EWriteError("Sub-objects nested too deeply at " + prefix_);
  for (const TPropInfo* prop : instance.ClassType()->AllProperties())
    if (prop->IsStored(instance)) WriteProperty(instance, *prop);
  // A defined property is declared on a non-const filer callback path.
  const_cast<TPersistent&>(instance).DefineProperties(*this);
}

void TWriter::WritePropName(std::string_view name) {
  std::string full = prefix_;
  full += name;
  WriteStr(full);
}

void TWriter::WriteProperty(const TPersistent& instance, const TPropInfo& prop) {
  if (prop.IsOrdinal()) return WriteOrdinal(instance, prop);
  switch (prop.Kind) {
    case TTypeKind::Float: {
      const double value = prop.GetFloat(instance);
      if (value == 0 || !prop.SetFloat) return;
      WritePropName(prop.Name);
      WriteFloat(value);
      return;
    }
    case TTypeKind::String: {
      if (!prop.SetStr) return;
      const std::string value = prop.GetStr(instance);
      if (value.empty()) return;
      WritePropName(prop.Name);
      WriteString(value);
      return;
    }
    case TTypeKind::Method: {
      const TMethod method = prop.GetMethod(instance);
      if (method.Name.empty() || !prop.SetMethod) return;  // a name without code too
      WritePropName(prop.Name);
      WriteIdent(method.Name);
      return;
    }
    case TTypeKind::Component: {
      const auto* target = DynCast<TComponent>(prop.GetObj(instance));
      if (target == nullptr || target->Name().empty() || !prop.SetObj) return;
      WritePropName(prop.Name);
      WriteReference(target);
      return;
    }
    case TTypeKind::Class: {
      const auto* sub = DynCast<TPersistent>(prop.GetObj(instance));
      if (sub == nullptr) return;
      if (const auto* collection = DynCast<TCollection>(sub)) {
        // Written even when empty: the value replaces the items the reader's object has.
        WritePropName(prop.Name);
        return WriteCollection(*collection);
      }
      const std::string saved = prefix_;
      prefix_ += prop.Name + ".";
      WriteProperties(*sub);
      prefix_ = saved;
      return;
    }
    default: return;
  }
}

void TWriter::WriteCollection(const TCollection& collection) {
  if (depth_ >= formcodec::kMaxDepth) throw EWriteError("Collections nested too deeply at " + collection.GetNamePath());
  WriteValue(vaCollection);
  // Item properties are named from the item, not from the collection's owner.
  TScopeExit restore([this, saved = std::move(prefix_)]() mutable {
    prefix_ = std::move(saved);
    --depth_;
  });
  prefix_.clear();
  ++depth_;
  for (int i = 0; i < collection.Count(); ++i) {
    WriteListBegin();
    WriteProperties(*collection.Items(i));
    WriteListEnd();
  }
  WriteListEnd();
}

void TWriter::WriteOrdinal(const TPersistent& instance, const TPropInfo& prop) {
  if (!prop.SetOrd) return;
  std::int64_t value = prop.GetOrd(instance);
  // Ordinals up to 32 bits travel through their signed 32-bit view.
  if (prop.Kind == TTypeKind::Integer) value = static_cast<std::int32_t>(value);
  if (prop.Default && *prop.Default == value) return;
  WritePropName(prop.Name);
  switch (prop.Kind) {
    case TTypeKind::Boolean: return WriteBoolean(value != 0);
    case TTypeKind::Char: return WriteChar(static_cast<char>(value));
    case TTypeKind::WChar: return WriteWideChar(static_cast<char16_t>(value));
    case TTypeKind::Enumeration: {
      WriteValue(vaIdent);
      return WriteStr(prop.Enum ? GetEnumName(*prop.Enum, value) : std::to_string(value));
    }
    case TTypeKind::Set: {
      std::vector<std::string> names;
      for (int bit = 0; bit < 64; ++bit)
        if ((static_cast<std::uint64_t>(value) >> bit) & 1u)
          names.push_back(prop.Enum ? GetEnumName(*prop.Enum, bit) : std::to_string(bit));
      return WriteSet(names);
    }
    default:
      if (const std::string* name = prop.Idents ? prop.Idents->NameOf(value) : nullptr) {
        WriteValue(vaIdent);
        return WriteStr(*name);
      }
      return WriteInteger(value);
  }
}

void TWriter::WriteReference(const TComponent* target) {
  if (target == Root()) return WriteIdent("Owner");
  const TComponent* owner = target->Owner();
  if (owner == Root() || owner == nullptr || owner->Name().empty()) return WriteIdent(target->Name());
  WriteIdent(owner->Name() + "." + target->Name());
}

void TWriter::DefineProperty(const std::string& name, TReaderProc, TWriterProc write, bool hasData) {
  if (!hasData || !write) return;
  WritePropName(name);
  write(*this);
}

void TWriter::DefineBinaryProperty(const std::string& name, TStreamProc, TStreamProc write, bool hasData) {
  if (!hasData || !write) return;
  TMemoryStream data;
  write(data);
  WritePropName(name);
  WriteBinary(data.Data());
}

}  // namespace platform
