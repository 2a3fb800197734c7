// TWriter: the value level of the binary form format.
#include <cstring>
#include <limits>

#include "platform/streaming/form_codec.h"
#include "platform/base/exceptions.h"
#include "platform/streaming/streams.h"
#include "platform/classes/writer.h"

namespace platform {

TWriter::TWriter(TStream& stream, int generation) : TFiler(stream, generation) {}

void TWriter::Write(const void* buffer, std::size_t count) { Stream().WriteBuffer(buffer, count); }

void TWriter::RequireGeneration4(const char* what) {
  if (Generation() < 4) throw EWriteError(std::string(what) + " cannot be written in a generation 3 form");
}

void TWriter::WriteValue(TValueType type) {
  const auto byte = static_cast<std::uint8_t>(type);
  Write(&byte, 1);
}

namespace {
void PutLittleEndian(std::uint8_t* out, std::uint64_t value, std::size_t bytes) {
  for (std::size_t i = 0; i < bytes; ++i) out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}
}  // namespace

void TWriter::WriteInteger(std::int64_t value) {
  std::uint8_t b[9];
  std::size_t n;
  if (value >= -128 && value <= 127) {
    b[0] = vaInt8;
    n = 1;
  } else if (value >= -32768 && value <= 32767) {
    b[0] = vaInt16;
    n = 2;
  } else if (value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max()) {
    b[0] = vaInt32;
    n = 4;
  } else {
    if (Generation() < 4) throw EWriteError("Integer " + std::to_string(value) + " does not fit a generation 3 form");
    b[0] = vaInt64;
    n = 8;
  }
  PutLittleEndian(b + 1, static_cast<std::uint64_t>(value), n);
  Write(b, n + 1);
}

void TWriter::WriteString(std::string_view value) {
  if (value.size() <= 255) {
    const std::uint8_t head[2] = {vaString, static_cast<std::uint8_t>(value.size())};
    Write(head, 2);
  } else {
    if (value.size() > std::numeric_limits<std::uint32_t>::max()) throw EWriteError("String too long for a form");
    std::uint8_t head[5] = {vaLString};
    PutLittleEndian(head + 1, value.size(), 4);
    Write(head, 5);
  }
  Write(value.data(), value.size());
}

void TWriter::WriteWideString(std::u16string_view value) {
  RequireGeneration4("A wide string");
  std::string bytes(5 + 2 * value.size(), '\0');
  auto* out = reinterpret_cast<std::uint8_t*>(bytes.data());
  out[0] = vaWString;
  PutLittleEndian(out + 1, value.size(), 4);
  for (std::size_t i = 0; i < value.size(); ++i) PutLittleEndian(out + 5 + 2 * i, value[i], 2);
  Write(bytes.data(), bytes.size());
}

void TWriter::WriteStr(std::string_view name) {
  if (name.size() > 255) throw EWriteError("Name longer than 255 bytes: " + std::string(name.substr(0, 40)) + "...");
  const auto length = static_cast<std::uint8_t>(name.size());
  Write(&length, 1);
  Write(name.data(), name.size());
}

void TWriter::WriteIdent(std::string_view ident) {
  if (ident == "nil" || ident == "Nil" || ident == "NIL") return WriteValue(vaNil);
  if (ident == "False") return WriteValue(vaFalse);
  if (ident == "True") return WriteValue(vaTrue);
  WriteValue(vaIdent);
  WriteStr(ident);
}

void TWriter::WriteExtended(const std::array<std::uint8_t, 10>& bytes) {
  WriteValue(vaExtended);
  Write(bytes.data(), bytes.size());
}

void TWriter::WriteFloat(long double value) { WriteExtended(formcodec::FloatToExtended(value)); }

void TWriter::WriteSingle(float value) {
  RequireGeneration4("A single float");
  WriteValue(vaSingle);
  Write(&value, 4);
}

void TWriter::WriteCurrency(std::int64_t scaled) {
  RequireGeneration4("A currency value");
  std::uint8_t b[9] = {vaCurrency};
  PutLittleEndian(b + 1, static_cast<std::uint64_t>(scaled), 8);
  Write(b, 9);
}

void TWriter::WriteDate(double value) {
  RequireGeneration4("A date");
  WriteValue(vaDate);
  Write(&value, 8);
}

void TWriter::WriteSet(const std::vector<std::string>& names) {
  WriteValue(vaSet);
  for (const std::string& name : names) WriteStr(name);
  WriteStr("");
}

void TWriter::WriteBinary(std::string_view bytes) {
  if (bytes.size() > std::numeric_limits<std::uint32_t>::max()) throw EWriteError("Binary data too long for a form");
  std::uint8_t head[5] = {vaBinary};
  PutLittleEndian(head + 1, bytes.size(), 4);
  Write(head, 5);
  Write(bytes.data(), bytes.size());
}

void TWriter::WriteSignature() { Write(kFormSignature, 4); }

void TWriter::WriteObjectHeader(std::uint8_t flags, const std::int64_t* position, std::string_view className,
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
