#pragma once
// A form stream decoded without classes: objects, their properties and values
// exactly as the stream holds them. The converters between the binary and the
// text format go through it, and tools use it to show a form file.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/host_generation.h"
#include "platform/streaming/value_types.h"

namespace platform {

struct TFormItem;

// A value as stored; lists and collections with their contents.
struct TFormValue : TStoredValue {
  std::vector<TFormValue> List;          // vaList
  std::vector<TFormItem> Items;          // vaCollection
};

struct TFormProperty {
  std::string Name;
  TFormValue Value;
};

struct TFormItem {
  std::optional<std::int64_t> Order;
  std::vector<TFormProperty> Properties;
};

struct TFormObject {
  std::uint8_t Flags = 0;  // TFilerFlag bits other than the position
  std::optional<std::int64_t> Position;
  std::string ClassName;
  std::string Name;
  std::vector<TFormProperty> Properties;
  std::vector<TFormObject> Children;
};

class TBinaryReader;
class TBinaryWriter;

// The binary format ("TPF0" and one object). Raise EReadError / EWriteError.
TFormObject ReadFormObject(TBinaryReader& reader);  // after the signature
TFormObject DecodeBinaryForm(std::string_view bytes, int generation = HostGeneration());
void WriteFormObject(TBinaryWriter& writer, const TFormObject& object);
std::string EncodeBinaryForm(const TFormObject& object, int generation = HostGeneration());
TFormValue ReadFormValue(TBinaryReader& reader);
void WriteFormValue(TBinaryWriter& writer, const TFormValue& value);

// The value as the text format writes it, on one line (lists and
// collections included); for showing values to people.
std::string FormValueToString(const TFormValue& value);

}  // namespace platform
