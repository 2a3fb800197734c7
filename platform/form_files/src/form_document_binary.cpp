// The binary form format to and from the class-free form document.
#include "platform/base/exceptions.h"
#include "platform/form_files/form_document.h"
#include "platform/streaming/binary_reader.h"
#include "platform/streaming/binary_writer.h"
#include "platform/streaming/streams.h"

namespace platform {

namespace {

std::vector<TFormProperty> ReadPropertyList(TBinaryReader& reader) {
  std::vector<TFormProperty> properties;
  while (!reader.EndOfList()) {
    const std::int64_t at = reader.Offset();
    TFormProperty p;
    p.Name = reader.ReadStr();
    if (p.Name.empty()) reader.ReadErrorAt("Empty property name", at);
    p.Value = ReadFormValue(reader);
    properties.push_back(std::move(p));
  }
  reader.ReadValue();
  return properties;
}

void WritePropertyList(TBinaryWriter& writer, const std::vector<TFormProperty>& properties) {
  for (const TFormProperty& p : properties) {
    writer.WriteStr(p.Name);
    WriteFormValue(writer, p.Value);
  }
  writer.WriteListEnd();
}

}  // namespace

TFormValue ReadFormValue(TBinaryReader& reader) {
  TFormValue v;
  static_cast<TStoredValue&>(v) = reader.ReadStoredValue();
  if (v.Type == vaList) {
    TBinaryReader::TNestingScope nest(reader);
    while (!reader.EndOfList()) v.List.push_back(ReadFormValue(reader));
    reader.ReadValue();
  } else if (v.Type == vaCollection) {
    TBinaryReader::TNestingScope nest(reader);
    while (!reader.EndOfList()) {
      TFormItem item;
      const TValueType next = reader.NextValue();
      if (next == vaInt8 || next == vaInt16 || next == vaInt32) item.Order = reader.ReadInt64();
      reader.CheckValue(vaList);
      item.Properties = ReadPropertyList(reader);
      v.Items.push_back(std::move(item));
    }
    reader.ReadValue();
  }
  return v;
}

TFormObject ReadFormObject(TBinaryReader& reader) {
  TBinaryReader::TNestingScope nest(reader);
  const TBinaryReader::TObjectHeader header = reader.ReadObjectHeader();
  TFormObject object;
  object.Flags = header.Flags & ~ffChildPos;
  object.Position = header.Position;
  object.ClassName = header.ClassName;
  object.Name = header.Name;
  object.Properties = ReadPropertyList(reader);
  while (!reader.EndOfList()) object.Children.push_back(ReadFormObject(reader));
  reader.ReadValue();
  return object;
}

TFormObject DecodeBinaryForm(std::string_view bytes, int generation) {
  TMemoryStream stream{std::string(bytes)};
  TBinaryReader reader(stream, generation);
  reader.ReadSignature();
  return ReadFormObject(reader);
}

void WriteFormValue(TBinaryWriter& writer, const TFormValue& v) {
  writer.WriteStoredValue(v);
  if (v.Type == vaList) {
    for (const TFormValue& item : v.List) WriteFormValue(writer, item);
    writer.WriteListEnd();
  } else if (v.Type == vaCollection) {
    for (const TFormItem& item : v.Items) {
      if (item.Order) writer.WriteInteger(*item.Order);
      writer.WriteListBegin();
      WritePropertyList(writer, item.Properties);
    }
    writer.WriteListEnd();
  }
}

void WriteFormObject(TBinaryWriter& writer, const TFormObject& object) {
  writer.WriteObjectHeader(object.Flags, object.Position ? &*object.Position : nullptr, object.ClassName, object.Name);
  WritePropertyList(writer, object.Properties);
  for (const TFormObject& child : object.Children) WriteFormObject(writer, child);
  writer.WriteListEnd();
}

std::string EncodeBinaryForm(const TFormObject& object, int generation) {
  TMemoryStream stream;
  TBinaryWriter writer(stream, generation);
  writer.WriteSignature();
  WriteFormObject(writer, object);
  return stream.Data();
}

}  // namespace platform
