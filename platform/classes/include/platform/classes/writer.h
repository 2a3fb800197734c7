#pragma once
// TWriter: writes a binary form stream, value by value or as whole components.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/classes/filer.h"
#include "platform/base/host_generation.h"

namespace platform {

class TCollection;
class TPersistent;
struct TPropInfo;

class TWriter : public TFiler {
 public:
  explicit TWriter(TStream& stream, int generation = HostGeneration());

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
  void WriteExtended(const std::array<std::uint8_t, 10>& bytes);
  void WriteSingle(float value);
  void WriteCurrency(std::int64_t scaled);  // the value times 10000
  void WriteDate(double value);
  void WriteSet(const std::vector<std::string>& names);
  void WriteBinary(std::string_view bytes);
  void WriteListBegin() { WriteValue(vaList); }
  void WriteListEnd() { WriteValue(vaNull); }
  void WriteStr(std::string_view name);  // a short string; longer names raise EWriteError
  void WriteSignature();
  void WriteObjectHeader(std::uint8_t flags, const std::int64_t* position, std::string_view className,
                         std::string_view name);
  void Write(const void* buffer, std::size_t count);

  // Components: class and name, stored published properties, defined
  // properties, then the children the component enumerates.
  void WriteRootComponent(TComponent* root);
  void WriteComponent(TComponent* component);
  void WriteProperties(const TPersistent& instance);
  // A vaCollection value: each item's stored properties as one list.
  void WriteCollection(const TCollection& collection);

  void DefineProperty(const std::string& name, TReaderProc read, TWriterProc write, bool hasData) override;
  void DefineBinaryProperty(const std::string& name, TStreamProc read, TStreamProc write, bool hasData) override;

 private:
  void RequireGeneration4(const char* what);
  void WriteProperty(const TPersistent& instance, const TPropInfo& prop);
  void WriteOrdinal(const TPersistent& instance, const TPropInfo& prop);
  void WriteReference(const TComponent* target);
  void WritePropName(std::string_view name);

  std::string prefix_;  // path of the sub-object whose properties are written
  int depth_ = 0;       // collections within collections
};

}  // namespace platform
