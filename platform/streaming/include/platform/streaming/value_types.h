#pragma once
// The value kinds of the binary form format, the flags of object headers and
// one value as the stream stores it.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/streaming/form_codec.h"

namespace platform {

// The type byte in front of every value of a binary form stream.
enum TValueType : std::uint8_t {
  vaNull, vaList, vaInt8, vaInt16, vaInt32, vaExtended, vaString, vaIdent, vaFalse, vaTrue,
  vaBinary, vaSet, vaLString, vaNil, vaCollection,
  // Generation 4 and later.
  vaSingle, vaCurrency, vaDate, vaWString, vaInt64
};
// The highest value kind a generation reads and writes.
TValueType HighestValueType(int generation);
const char* ValueTypeName(TValueType type);
// The smallest of vaInt8, vaInt16, vaInt32 and vaInt64 that holds the value.
TValueType IntegerValueType(std::int64_t value);
inline bool IsIntegerValue(TValueType type) {
  return type == vaInt8 || type == vaInt16 || type == vaInt32 || type == vaInt64;
}

// Prefix byte of an object header ($F0 + these bits) when any is set.
enum TFilerFlag : std::uint8_t { ffInherited = 1, ffChildPos = 2, ffInline = 4 };

inline constexpr char kFormSignature[] = "TPF0";

// A value other than a list or a collection, exactly as stored. Only the
// member its type names is filled in.
struct TStoredValue {
  TValueType Type = vaNull;
  std::int64_t Int = 0;                // integers; vaCurrency: the value times 10000
  formcodec::TExtended Extended{};     // vaExtended, as stored
  double Float = 0;                    // vaSingle, vaDate
  std::string Str;                     // vaString, vaLString, vaIdent, vaBinary
  std::u16string Wide;                 // vaWString
  std::vector<std::string> Names;      // vaSet
};

}  // namespace platform
