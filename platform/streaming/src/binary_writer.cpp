// TBinaryWriter: the value level of the binary form format.
#include "platform/streaming/binary_writer.h"

#include <bit>
#include <limits>

#include "platform/base/exceptions.h"
#include "platform/streaming/little_endian.h"
#include "platform/streaming/streams.h"

namespace platform {

TBinaryWriter::TBinaryWriter(TStream& stream, int generation) : output_(stream), generation_(generation) {}

void TBinaryWriter::Write(const void* buffer, std::size_t count) { output_.WriteBuffer(buffer, count); }

void TBinaryWriter::RequireGeneration4(const char* what) {
  if (generation_ < 4) throw EWriteError(std::string(what) + " cannot be written in a generation 3 form");
}

void TBinaryWriter::WriteValue(TValueType type) {
  const auto byte = static_cast<std::uint8_t>(type);
  Write(&byte, 1);
}

void TBinaryWriter::WriteInteger(std::int64_t value) {
  const TValueType type = IntegerValueType(value);
  if (type == vaInt64 && generation_ < 4)
    throw EWriteError("Integer " + std::to_string(value) + " does not fit a generation 3 form");
  const std::size_t size = type == vaInt8 ? 1 : type == vaInt16 ? 2 : type == vaInt32 ? 4 : 8;
  std::uint8_t b[9] = {type};
  StoreLittleEndian(b + 1, static_cast<std::uint64_t>(value), size);
  Write(b, size + 1);
}

void TBinaryWriter::WriteLength(TValueType type, std::size_t length, const char* what) {
  if (length > std::numeric_limits<std::uint32_t>::max()) throw EWriteError(std::string(what) + " too long for a form");
  std::uint8_t head[5] = {type};
  StoreLittleEndian(head + 1, length, 4);
  Write(head, 5);
}

void TBinaryWriter::WriteString(std::string_view value) {
  if (value.size() <= 255) {
    const std::uint8_t head[2] = {vaString, static_cast<std::uint8_t>(value.size())};
    Write(head, 2);
  } else {
    WriteLength(vaLString, value.size(), "String");
  }
  Write(value.data(), value.size());
}

void TBinaryWriter::WriteWideString(std::u16string_view value) {
  RequireGeneration4("A wide string");
  std::string bytes(5 + 2 * value.size(), '\0');
  auto* out = reinterpret_cast<std::uint8_t*>(bytes.data());
  out[0] = vaWString;
  StoreLittleEndian(out + 1, value.size(), 4);
  for (std::size_t i = 0; i < value.size(); ++i) StoreLittleEndian(out + 5 + 2 * i, value[i], 2);
  Write(bytes.data(), bytes.size());
}

void TBinaryWriter::WriteWideChar(char16_t value) {
  if (generation_ < 4) return WriteInteger(value);
  WriteWideString(std::u16string_view(&value, 1));
}

void TBinaryWriter::WriteStr(std::string_view name) {
  if (name.size() > 255) throw EWriteError("Name longer than 255 bytes: " + std::string(name.substr(0, 40)) + "...");
  const auto length = static_cast<std::uint8_t>(name.size());
  Write(&length, 1);
  Write(name.data(), name.size());
}

void TBinaryWriter::WriteIdent(std::string_view ident) {
  if (ident == "nil" || ident == "Nil" || ident == "NIL") return WriteValue(vaNil);
  if (ident == "False") return WriteValue(vaFalse);
  if (ident == "True") return WriteValue(vaTrue);
  WriteValue(vaIdent);
  WriteStr(ident);
}

void TBinaryWriter::WriteExtended(const formcodec::TExtended& bytes) {
  WriteValue(vaExtended);
  Write(bytes.data(), bytes.size());
}

void TBinaryWriter::WriteFloat(long double value) { WriteExtended(formcodec::FloatToExtended(value)); }

void TBinaryWriter::WriteSingle(float value) {
  RequireGeneration4("A single float");
  std::uint8_t b[5] = {vaSingle};
  StoreLittleEndian(b + 1, std::bit_cast<std::uint32_t>(value), 4);
  Write(b, 5);
}

void TBinaryWriter::WriteCurrency(std::int64_t scaled) {
  RequireGeneration4("A currency value");
  std::uint8_t b[9] = {vaCurrency};
  StoreLittleEndian(b + 1, static_cast<std::uint64_t>(scaled), 8);
  Write(b, 9);
}

void TBinaryWriter::WriteDate(double value) {
  RequireGeneration4("A date");
  std::uint8_t b[9] = {vaDate};
  StoreLittleEndian(b + 1, std::bit_cast<std::uint64_t>(value), 8);
  Write(b, 9);
}

void TBinaryWriter::WriteSet(const std::vector<std::string>& names) {
  WriteValue(vaSet);
  for (const std::string& name : names) WriteStr(name);
  WriteStr("");
}

void TBinaryWriter::WriteBinary(std::string_view bytes) {
  WriteLength(vaBinary, bytes.size(), "Binary data");
  Write(bytes.data(), bytes.size());
}

void TBinaryWriter::WriteStoredValue(const TStoredValue& v) {
  switch (v.Type) {
    case vaInt8:
    case vaInt16:
    case vaInt32:
    case vaInt64: return WriteInteger(v.Int);
    case vaCurrency: return WriteCurrency(v.Int);
    case vaExtended: return WriteExtended(v.Extended);
    case vaSingle: return WriteSingle(static_cast<float>(v.Float));
    case vaDate: return WriteDate(v.Float);
    case vaString:
    case vaLString: return WriteString(v.Str);
    case vaIdent:
      WriteValue(vaIdent);
      return WriteStr(v.Str);
    case vaBinary: return WriteBinary(v.Str);
    case vaWString: return WriteWideString(v.Wide);
    case vaSet: return WriteSet(v.Names);
    default: return WriteValue(v.Type);  // the kinds without a payload, lists and collections
  }
}

void TBinaryWriter::WriteSignature() { Write(kFormSignature, 4); }

void TBinaryWriter::WriteObjectHeader(std::uint8_t flags, const std::int64_t* position, std::string_view className,
                                      std::string_view name) {
  if (position != nullptr) flags |= ffChildPos;
  if (flags != 0) {
    const auto prefix = static_cast<std::uint8_t>(0xF0 | flags);
    Write(&prefix, 1);
    if (position != nullptr) WriteInteger(*position);
  }
  WriteStr(className);
  WriteStr(name);
}

}  // namespace platform
