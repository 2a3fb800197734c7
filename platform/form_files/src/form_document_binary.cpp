// The binary form format to and from the class-free form document.
#include "platform/base/exceptions.h"
#include "platform/form_files/form_document.h"
#include "platform/streaming/binary_reader.h"
#include "platform/streaming/binary_writer.h"
#include "platform/streaming/source_positions.h"
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

// Notes where each part of a document parsed from text begins in the stream
// being written; does nothing without positions to fill.
struct TMarker {
  TStream* Stream = nullptr;
  TTextCursor* Cursor = nullptr;
  TSourcePositions* Positions = nullptr;
  void operator()(std::size_t textAt) const {
    if (Positions != nullptr && textAt != kNotFromText) Positions->Mark(Stream->Position(), Cursor->At(textAt));
  }
};

void WriteValue(TBinaryWriter& writer, const TFormValue& v, const TMarker& mark);

void WritePropertyList(TBinaryWriter& writer, const std::vector<TFormProperty>& properties, const TMarker& mark) {
  for (const TFormProperty& p : properties) {
    mark(p.TextAt);
    writer.WriteStr(p.Name);
    WriteValue(writer, p.Value, mark);
  }
  writer.WriteListEnd();
}

void WriteValue(TBinaryWriter& writer, const TFormValue& v, const TMarker& mark) {
  mark(v.TextAt);
  writer.WriteStoredValue(v);
  if (v.Type == vaList) {
    for (const TFormValue& item : v.List) WriteValue(writer, item, mark);
    writer.WriteListEnd();
  } else if (v.Type == vaCollection) {
    for (const TFormItem& item : v.Items) {
      if (item.Order) writer.WriteInteger(*item.Order);
      writer.WriteListBegin();
      WritePropertyList(writer, item.Properties, mark);
    }
    writer.WriteListEnd();
  }
}

void WriteObject(TBinaryWriter& writer, const TFormObject& object, const TMarker& mark) {
  mark(object.TextAt);
  writer.WriteObjectHeader(object.Flags, object.Position ? &*object.Position : nullptr, object.ClassName, object.Name);
  WritePropertyList(writer, object.Properties, mark);
  for (const TFormObject& child : object.Children) WriteObject(writer, child, mark);
  writer.WriteListEnd();
}

std::string Encode(const TFormObject& object, int generation, TTextCursor* cursor, TSourcePositions* positions) {
  TMemoryStream stream;
  TBinaryWriter writer(stream, generation);
  writer.WriteSignature();
  WriteObject(writer, object, TMarker{&stream, cursor, positions});
  return stream.Data();
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

void WriteFormValue(TBinaryWriter& writer, const TFormValue& v) { WriteValue(writer, v, TMarker{}); }

void WriteFormObject(TBinaryWriter& writer, const TFormObject& object) { WriteObject(writer, object, TMarker{}); }

std::string EncodeBinaryForm(const TFormObject& object, int generation) {
  return Encode(object, generation, nullptr, nullptr);
}

std::string EncodeBinaryForm(const TFormObject& object, std::string_view text, TSourcePositions& positions,
                             int generation) {
  TTextCursor cursor(text);
  return Encode(object, generation, &cursor, &positions);
}

}  // namespace platform
