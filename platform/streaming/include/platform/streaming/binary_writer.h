#pragma once
// TBinaryWriter: the binary form format value by value. The component writer
// walks objects on top of it; tools that convert form data use it alone.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/host_generation.h"
#include "platform/streaming/value_types.h"

namespace platform {

class TStream;

class TBinaryWriter {
 public:
  explicit TBinaryWriter(TStream& stream, int generation = HostGeneration());
  TBinaryWriter(const TBinaryWriter&) = delete;
  TBinaryWriter& operator=(const TBinaryWriter&) = delete;

  void WriteValue(TValueType type);
  // The smallest of vaInt8/16/32 that holds the value, vaInt64 beyond 32 bits
  // (raises EWriteError where the generation has no vaInt64).
  void WriteInteger(std::int64_t value);
  void WriteBoolean(bool value) { WriteValue(value ? vaTrue : vaFalse); }
  void WriteChar(char value) { WriteString(std::string_view(&value, 1)); }
  void WriteString(std::string_view value);  // vaString up to 255 bytes, else vaLString
  void WriteWideString(std::u16string_view value);
  // A one-unit wide string; an integer in generation 3, which has no wide strings.
  void WriteWideChar(char16_t value);
  void WriteIdent(std::string_view ident);   // nil, False, True get their own kinds
  void WriteFloat(long double value);
  void WriteExtended(const formcodec::TExtended& bytes);
  void WriteSingle(float value);
  void WriteCurrency(std::int64_t scaled);  // the value times 10000
  void WriteDate(double value);
  void WriteSet(const std::vector<std::string>& names);
  void WriteBinary(std::string_view bytes);
  void WriteListBegin() { WriteValue(vaList); }
  void WriteListEnd() { WriteValue(vaNull); }
  // A value other than a list or a collection, as ReadStoredValue gives it
  // (integers take the smallest kind that holds them); for those two only
  // the type is written.
  void WriteStoredValue(const TStoredValue& value);

  void WriteStr(std::string_view name);  // a short string; longer names raise EWriteError
  void WriteSignature();
  void WriteObjectHeader(std::uint8_t flags, const std::int64_t* position, std::string_view className,
                         std::string_view name);

 private:
  void Write(const void* buffer, std::size_t count);
  void WriteLength(TValueType type, std::size_t length, const char* what);  // type byte and 32-bit length
  void RequireGeneration4(const char* what);

  TStream& output_;
  int generation_;
};

}  // namespace platform
