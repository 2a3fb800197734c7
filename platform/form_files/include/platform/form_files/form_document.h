#pragma once
// A form stream decoded without classes: objects, their properties and values
// exactly as the stream holds them. The converters between the binary and the
// text format go through it, and tools use it to show a form file.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/host_generation.h"
#include "platform/streaming/value_types.h"

namespace platform {

struct TFormItem;

// Where a part of a document parsed from text starts there (a byte index);
// kNotFromText for parts that came from elsewhere.
inline constexpr std::size_t kNotFromText = static_cast<std::size_t>(-1);

// A value as stored; lists and collections with their contents.
struct TFormValue : TStoredValue {
  std::vector<TFormValue> List;          // vaList
  std::vector<TFormItem> Items;          // vaCollection
  std::size_t TextAt = kNotFromText;
};

struct TFormProperty {
  std::string Name;
  TFormValue Value;
  std::size_t TextAt = kNotFromText;
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
  std::size_t TextAt = kNotFromText;
};

class TBinaryReader;
class TBinaryWriter;
class TSourcePositions;

// The binary format ("TPF0" and one object). Raise EReadError / EWriteError.
TFormObject ReadFormObject(TBinaryReader& reader);  // after the signature
TFormObject DecodeBinaryForm(std::string_view bytes, int generation = HostGeneration());
void WriteFormObject(TBinaryWriter& writer, const TFormObject& object);
std::string EncodeBinaryForm(const TFormObject& object, int generation = HostGeneration());
// The same for a document parsed from `text`: marks in `positions` where each
// object, property and value of the stream came from in the text.
std::string EncodeBinaryForm(const TFormObject& object, std::string_view text, TSourcePositions& positions,
                             int generation = HostGeneration());
TFormValue ReadFormValue(TBinaryReader& reader);
void WriteFormValue(TBinaryWriter& writer, const TFormValue& value);

// The value as the text format writes it, on one line (lists and
// collections included); for showing values to people.
std::string FormValueToString(const TFormValue& value);

}  // namespace platform
