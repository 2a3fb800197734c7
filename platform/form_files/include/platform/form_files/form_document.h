#pragma once
// A form stream decoded without classes: objects, their properties and values
// exactly as the stream holds them. The converters between the binary and the
// text format go through it, and tools use it to show a form file.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/classes/filer.h"
#include "platform/base/host_generation.h"

namespace platform {

struct TFormItem;

struct TFormValue {
  TValueType Type = vaNull;
  std::int64_t Int = 0;                  // integers; vaCurrency: the value times 10000
  std::array<std::uint8_t, 10> Extended{};  // vaExtended, as stored
  double Float = 0;                      // vaSingle, vaDate
  std::string Str;                       // vaString, vaLString, vaIdent, vaBinary
  std::u16string Wide;                   // vaWString
  std::vector<std::string> Names;        // vaSet
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

class TReader;
class TWriter;

// The binary format ("TPF0" and one object). Raise EReadError / EWriteError.
TFormObject ReadFormObject(TReader& reader);  // after the signature
TFormObject DecodeBinaryForm(std::string_view bytes, int generation = HostGeneration());
void WriteFormObject(TWriter& writer, const TFormObject& object);
std::string EncodeBinaryForm(const TFormObject& object, int generation = HostGeneration());
TFormValue ReadFormValue(TReader& reader);
void WriteFormValue(TWriter& writer, const TFormValue& value);

// The value as the text format writes it, on one line (lists and
// collections included); for showing values to people.
std::string FormValueToString(const TFormValue& value);

}  // namespace platform
