// The binary form format to and from the class-free form document.
#include "platform/base/exceptions.h"
#include "platform/form_files/form_document.h"
#include "platform/classes/reader.h"
#include "platform/streaming/streams.h"
#include "platform/classes/writer.h"

namespace platform {

namespace {


std::vector<TFormProperty> ReadPropertyList(TReader& reader) {
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

void WritePropertyList(TWriter& writer, const std::vector<TFormProperty>& properties) {
  for (const TFormProperty& p : properties) {
    writer.WriteStr(p.Name);
    WriteFormValue(writer, p.Value);
  }
  writer.WriteListEnd();
}

}  // namespace

TFormValue ReadFormValue(TReader& reader) {
  TFormValue v;
  v.Type = reader.ReadValue();
  switch (v.Type) {
    case vaNull:
    case vaFalse:
    case vaTrue:
    case vaNil: break;
    case vaInt8:
    case vaInt16:
    case vaInt32:
    case vaInt64: v.Int = reader.ReadIntegerPayload(v.Type); break;
    case vaCurrency: v.Int = reader.ReadIntegerPayload(vaInt64); break;
    case vaExtended: v.Extended = reader.ReadExtendedPayload(); break;
    case vaSingle: {
      float f;
      reader.Read(&f, 4);
      v.Float = f;
      break;
    }
    case vaDate: reader.Read(&v.Float, 8); break;
    case vaString:
    case vaLString:
    case vaIdent:
    case vaBinary: v.Str = reader.ReadStringPayload(v.Type); break;
    case vaWString: v.Wide = reader.ReadWideStringPayload(); break;
    case vaSet: v.Names = reader.ReadSetPayload(); break;
    case vaList: {
      TReader::TNestingScope nest(reader);
      while (!reader.EndOfList()) v.List.push_back(ReadFormValue(reader));
      reader.ReadValue();
      break;
    }
    case vaCollection: {
      TReader::TNestingScope nest(reader);
      while (!reader.EndOfList()) {
        TFormItem item;
        const TValueType next = reader.NextValue();
        if (next == vaInt8 || next == vaInt16 || next == vaInt32) item.Order = reader.ReadInt64();
        reader.CheckValue(vaList);
        item.Properties = ReadPropertyList(reader);
        v.Items.push_back(std::move(item));
      }
      reader.ReadValue();
      break;
    }
  }
  return v;
}

TFormObject ReadFormObject(TReader& reader) {
  TReader::TNestingScope nest(reader);
  const TReader::TObjectHeader header = reader.ReadObjectHeader();
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
  TReader reader(stream, generation);
  reader.ReadSignature();
  return ReadFormObject(reader);
}

void WriteFormValue(TWriter& writer, const TFormValue& v) {
  switch (v.Type) {
    case vaNull:
    case vaFalse:
    case vaTrue:
    case vaNil: return writer.WriteValue(v.Type);
    case vaInt8:
    case vaInt16:
    case vaInt32:
    case vaInt64: return writer.WriteInteger(v.Int);
    case vaCurrency: return writer.WriteCurrency(v.Int);
    case vaExtended: return writer.WriteExtended(v.Extended);
    case vaSingle: return writer.WriteSingle(static_cast<float>(v.Float));
    case vaDate: return writer.WriteDate(v.Float);
    case vaString:
    case vaLString: return writer.WriteString(v.Str);
    case vaIdent:
      writer.WriteValue(vaIdent);
      return writer.WriteStr(v.Str);
    case vaBinary: return writer.WriteBinary(v.Str);
    case vaWString: return writer.WriteWideString(v.Wide);
    case vaSet: return writer.WriteSet(v.Names);
    case vaList:
      writer.WriteListBegin();
      for (const TFormValue& item : v.List) WriteFormValue(writer, item);
      return writer.WriteListEnd();
    case vaCollection:
      writer.WriteValue(vaCollection);
      for (const TFormItem& item : v.Items) {
        if (item.Order) writer.WriteInteger(*item.Order);
        writer.WriteListBegin();
        WritePropertyList(writer, item.Properties);
      }
      return writer.WriteListEnd();
  }
}

void WriteFormObject(TWriter& writer, const TFormObject& object) {
  writer.WriteObjectHeader(object.Flags, object.Position ? &*object.Position : nullptr, object.ClassName, object.Name);
  WritePropertyList(writer, object.Properties);
  for (const TFormObject& child : object.Children) WriteFormObject(writer, child);
  writer.WriteListEnd();
}

std::string EncodeBinaryForm(const TFormObject& object, int generation) {
  TMemoryStream stream;
  TWriter writer(stream, generation);
  writer.WriteSignature();
  WriteFormObject(writer, object);
  return stream.Data();
}

}  // namespace platform
