// TBinaryReader: the value level of the binary form format.
#include "platform/streaming/binary_reader.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

#include "platform/base/exceptions.h"
#include "platform/streaming/little_endian.h"
#include "platform/streaming/streams.h"

namespace platform {

namespace {
constexpr std::size_t kChunk = 64 * 1024;  // few reads for a typical form, little waste for a small one
}

TBinaryReader::TBinaryReader(TStream& stream, int generation) : input_(stream), generation_(generation) {
  base_ = stream.Position();
  end_ = stream.Size();
}

TBinaryReader::~TBinaryReader() {
  if (pos_ >= buffer_.size()) return;
  try {
    input_.Seek(Offset(), TSeekOrigin::soBeginning);
  } catch (...) {  // a destructor must not throw; the stream is left where it is
  }
}

void TBinaryReader::ReadErrorAt(const std::string& what, std::int64_t offset) const {
  throw EReadError(what + " at " + PositionName(offset));
}

std::string TBinaryReader::PositionName(std::int64_t offset) const {
  return positions_ != nullptr ? positions_->Name(offset) : "offset " + std::to_string(offset);
}

void TBinaryReader::Refill(std::size_t atLeast) {
  buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(pos_));
  base_ += static_cast<std::int64_t>(pos_);
  pos_ = 0;
  const std::size_t have = buffer_.size();
  const std::size_t want = std::max(atLeast, kChunk);
  buffer_.resize(want);
  const std::size_t got = input_.Read(buffer_.data() + have, want - have);
  buffer_.resize(have + got);
  if (buffer_.size() < atLeast) ReadErrorAt("Unexpected end of form data", base_ + static_cast<std::int64_t>(buffer_.size()));
}

void TBinaryReader::CheckAvailable(std::uint64_t count) {
  const std::int64_t left = end_ - Offset();
  if (left < 0 || count > static_cast<std::uint64_t>(left))
    ReadError("Length " + std::to_string(count) + " exceeds the " + std::to_string(std::max<std::int64_t>(left, 0)) +
              " bytes left in the form data");
}

void TBinaryReader::Read(void* buffer, std::size_t count) {
  if (count == 0) return;
  Fill(count);
  std::memcpy(buffer, buffer_.data() + pos_, count);
  pos_ += count;
}

std::uint8_t TBinaryReader::ReadByte() {
  Fill(1);
  return static_cast<std::uint8_t>(buffer_[pos_++]);
}

void TBinaryReader::EnterNesting() {
  if (++depth_ > formcodec::kMaxDepth) {
    --depth_;
    ReadError("Form data nested deeper than " + std::to_string(formcodec::kMaxDepth) + " levels");
  }
}

TValueType TBinaryReader::NextValue() {
  Fill(1);
  const auto type = static_cast<std::uint8_t>(buffer_[pos_]);
  if (type > HighestValueType(generation_)) ReadError("Unknown value kind " + std::to_string(type));
  return static_cast<TValueType>(type);
}

bool TBinaryReader::EndOfList() {
  Fill(1);
  return buffer_[pos_] == 0;
}

TValueType TBinaryReader::ReadValue() {
  const TValueType type = NextValue();
  ++pos_;
  return type;
}

void TBinaryReader::CheckValue(TValueType expected) {
  const std::int64_t at = Offset();
  const TValueType type = ReadValue();
  if (type != expected)
    ReadErrorAt(std::string("Expected ") + ValueTypeName(expected) + " but found " + ValueTypeName(type), at);
}

std::int64_t TBinaryReader::ReadIntegerPayload(TValueType type) {
  std::uint8_t b[8];
  switch (type) {
    case vaInt8: return static_cast<std::int8_t>(ReadByte());
    case vaInt16: Read(b, 2); return static_cast<std::int16_t>(LoadLittleEndian(b, 2));
    case vaInt32: Read(b, 4); return static_cast<std::int32_t>(LoadLittleEndian(b, 4));
    case vaInt64: Read(b, 8); return static_cast<std::int64_t>(LoadLittleEndian(b, 8));
    default: ReadErrorAt(std::string("Expected an integer but found ") + ValueTypeName(type), Offset() - 1);
  }
}

std::uint64_t TBinaryReader::ReadLength() {
  std::uint8_t b[4];
  Read(b, 4);
  return LoadLittleEndian(b, 4);
}

formcodec::TExtended TBinaryReader::ReadExtendedPayload() {
  formcodec::TExtended b{};
  Read(b.data(), b.size());
  return b;
}

float TBinaryReader::ReadSinglePayload() {
  std::uint8_t b[4];
  Read(b, 4);
  return std::bit_cast<float>(static_cast<std::uint32_t>(LoadLittleEndian(b, 4)));
}

double TBinaryReader::ReadDatePayload() {
  std::uint8_t b[8];
  Read(b, 8);
  return std::bit_cast<double>(LoadLittleEndian(b, 8));
}

std::string_view TBinaryReader::StringPayloadView(TValueType type) {
  const std::uint64_t length = type == vaString || type == vaIdent ? ReadByte() : ReadLength();
  CheckAvailable(length);
  if (length == 0) return {};
  Fill(length);
  const std::string_view text(buffer_.data() + pos_, length);
  pos_ += length;
  return text;
}

void TBinaryReader::ReadStringPayload(TValueType type, std::string& into) {
  const std::string_view text = StringPayloadView(type);
  // Building a new string outright costs less than growing an empty one.
  if (into.capacity() < text.size()) into = std::string(text);
  else into.assign(text);
}

std::string TBinaryReader::ReadStringPayload(TValueType type) {
  std::string s;
  ReadStringPayload(type, s);
  return s;
}

std::u16string TBinaryReader::ReadWideStringPayload() {
  const std::uint64_t units = ReadLength();
  CheckAvailable(units * 2);
  Fill(units * 2);
  std::u16string s(units, u'\0');
  for (std::size_t i = 0; i < units; ++i) s[i] = static_cast<char16_t>(LoadLittleEndian(buffer_.data() + pos_ + 2 * i, 2));
  pos_ += units * 2;
  return s;
}

std::vector<std::string> TBinaryReader::ReadSetPayload() {
  std::vector<std::string> names;
  for (std::string name = ReadStr(); !name.empty(); name = ReadStr()) names.push_back(std::move(name));
  return names;
}

std::int64_t TBinaryReader::ReadInt64() { return ReadIntegerPayload(ReadValue()); }

std::int32_t TBinaryReader::ReadInteger() {
  const std::int64_t at = Offset();
  const std::int64_t v = ReadInt64();
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::uint32_t>::max())
    ReadErrorAt("Integer " + std::to_string(v) + " out of the 32-bit range", at);
  return static_cast<std::int32_t>(v);
}

bool TBinaryReader::ReadBoolean() {
  const std::int64_t at = Offset();
  const TValueType type = ReadValue();
  if (type != vaTrue && type != vaFalse) ReadErrorAt(std::string("Expected a Boolean but found ") + ValueTypeName(type), at);
  return type == vaTrue;
}

char TBinaryReader::ReadChar() {
  const std::int64_t at = Offset();
  // The text converter turns #128..#255 into a one-unit wide string.
  if (NextValue() == vaWString) {
    const std::u16string wide = ReadWideString();
    if (wide.size() != 1 || wide[0] > 0xFF)
      ReadErrorAt("Expected one 8-bit character but found " + formcodec::Utf16ToUtf8(wide), at);
    return static_cast<char>(wide[0]);
  }
  const std::string s = ReadString();
  if (s.size() != 1) ReadErrorAt("Expected one character but found " + std::to_string(s.size()), at);
  return s[0];
}

char16_t TBinaryReader::ReadWideChar() {
  const std::int64_t at = Offset();
  const TValueType next = NextValue();
  if (IsIntegerValue(next)) {
    const std::int64_t code = ReadInt64();
    if (code < 0 || code > 0xFFFF) ReadErrorAt("Character code " + std::to_string(code) + " out of range", at);
    return static_cast<char16_t>(code);
  }
  if (next == vaWString) {
    const std::u16string s = ReadWideString();
    if (s.size() != 1) ReadErrorAt("Expected one character but found " + std::to_string(s.size()), at);
    return s[0];
  }
  const std::string s = ReadString();
  // A single byte stands for itself, as Latin-1; longer text must be one UTF-8 character.
  if (s.size() == 1) return static_cast<unsigned char>(s[0]);
  const std::u16string units = formcodec::Utf8ToUtf16(s);
  if (units.size() != 1) ReadErrorAt("Expected one character but found " + std::to_string(units.size()), at);
  return units[0];
}

long double TBinaryReader::ReadFloat() {
  const std::int64_t at = Offset();
  const TValueType type = ReadValue();
  switch (type) {
    case vaExtended: return formcodec::ExtendedToFloat(ReadExtendedPayload());
    case vaSingle: return ReadSinglePayload();
    case vaDate: return ReadDatePayload();
    case vaCurrency: return static_cast<long double>(ReadIntegerPayload(vaInt64)) / 10000;
    case vaInt8:
    case vaInt16:
    case vaInt32:
    case vaInt64: return static_cast<long double>(ReadIntegerPayload(type));
    default: ReadErrorAt(std::string("Expected a number but found ") + ValueTypeName(type), at);
  }
}

float TBinaryReader::ReadSingle() { return static_cast<float>(ReadFloat()); }
double TBinaryReader::ReadDate() { return static_cast<double>(ReadFloat()); }

std::int64_t TBinaryReader::ReadCurrency() {
  if (NextValue() == vaCurrency) {
    ReadValue();
    return ReadIntegerPayload(vaInt64);
  }
  const long double v = ReadFloat() * 10000;
  if (!(v > -9.2e18L && v < 9.2e18L)) ReadError("Currency value out of range");
  return static_cast<std::int64_t>(v < 0 ? v - 0.5L : v + 0.5L);
}

std::string TBinaryReader::ReadString() {
  std::string s;
  ReadString(s);
  return s;
}

void TBinaryReader::ReadString(std::string& into) {
  const std::int64_t at = Offset();
  const TValueType type = ReadValue();
  if (type == vaString || type == vaLString) return ReadStringPayload(type, into);
  if (type == vaWString) {
    into = formcodec::Utf16ToUtf8(ReadWideStringPayload());
    return;
  }
  ReadErrorAt(std::string("Expected a string but found ") + ValueTypeName(type), at);
}

std::string_view TBinaryReader::ReadStringView(std::string& scratch) {
  const TValueType type = NextValue();
  if (type != vaString && type != vaLString) {
    ReadString(scratch);
    return scratch;
  }
  ReadValue();
  return StringPayloadView(type);
}

std::u16string TBinaryReader::ReadWideString() {
  if (NextValue() == vaWString) {
    ReadValue();
    return ReadWideStringPayload();
  }
  return formcodec::Utf8ToUtf16(ReadString());
}

std::string TBinaryReader::ReadIdent() {
  const std::int64_t at = Offset();
  const TValueType type = ReadValue();
  switch (type) {
    case vaIdent: return ReadStringPayload(vaIdent);
    case vaFalse: return "False";
    case vaTrue: return "True";
    case vaNil: return "nil";
    case vaNull: return "Null";
    default: ReadErrorAt(std::string("Expected an identifier but found ") + ValueTypeName(type), at);
  }
}

std::string TBinaryReader::ReadStr() { return ReadStringPayload(vaString); }

std::vector<std::string> TBinaryReader::ReadSet() {
  CheckValue(vaSet);
  return ReadSetPayload();
}

std::string TBinaryReader::ReadBinary() {
  CheckValue(vaBinary);
  return ReadStringPayload(vaBinary);
}

TStoredValue TBinaryReader::ReadStoredValue() {
  TStoredValue v;
  v.Type = ReadValue();
  switch (v.Type) {
    case vaNull:
    case vaFalse:
    case vaTrue:
    case vaNil:
    case vaList:
    case vaCollection: break;
    case vaInt8:
    case vaInt16:
    case vaInt32:
    case vaInt64: v.Int = ReadIntegerPayload(v.Type); break;
    case vaCurrency: v.Int = ReadIntegerPayload(vaInt64); break;
    case vaExtended: v.Extended = ReadExtendedPayload(); break;
    case vaSingle: v.Float = ReadSinglePayload(); break;
    case vaDate: v.Float = ReadDatePayload(); break;
    case vaString:
    case vaLString:
    case vaIdent:
    case vaBinary: ReadStringPayload(v.Type, v.Str); break;
    case vaWString: v.Wide = ReadWideStringPayload(); break;
    case vaSet: v.Names = ReadSetPayload(); break;
  }
  return v;
}

void TBinaryReader::SkipValue() {
  const TValueType type = ReadValue();
  switch (type) {
    case vaNull:
    case vaFalse:
    case vaTrue:
    case vaNil: return;
    case vaList: {
      TNestingScope nesting(*this);
      while (!EndOfList()) SkipValue();
      ReadValue();
      return;
    }
    case vaInt8:
    case vaInt16:
    case vaInt32:
    case vaInt64: ReadIntegerPayload(type); return;
    case vaExtended: ReadExtendedPayload(); return;
    case vaSingle: Fill(4); pos_ += 4; return;
    case vaCurrency:
    case vaDate: Fill(8); pos_ += 8; return;
    case vaString:
    case vaIdent:
    case vaLString:
    case vaBinary: ReadStringPayload(type); return;
    case vaWString: ReadWideStringPayload(); return;
    case vaSet: ReadSetPayload(); return;
    case vaCollection: return SkipCollection();
  }
}

void TBinaryReader::SkipCollection() {
  TNestingScope nesting(*this);
  while (!EndOfList()) {
    if (NextValue() != vaList) ReadIntegerPayload(ReadValue());  // the item's order
    CheckValue(vaList);
    while (!EndOfList()) {
      ReadStr();
      SkipValue();
    }
    ReadValue();
  }
  ReadValue();
}

void TBinaryReader::ReadSignature() {
  char signature[4];
  const std::int64_t at = Offset();
  if (end_ - at < 4) ReadErrorAt("Invalid stream format: too short for a form signature", at);
  Read(signature, 4);
  if (std::memcmp(signature, kFormSignature, 4) != 0) ReadErrorAt("Invalid stream format: no TPF0 signature", at);
}

TBinaryReader::TObjectHeader TBinaryReader::ReadObjectHeader() {
  TObjectHeader header;
  Fill(1);
  const auto first = static_cast<std::uint8_t>(buffer_[pos_]);
  if ((first & 0xF0) == 0xF0) {
    ++pos_;
    header.Flags = first & 0x0F;
    if (header.Flags & ffChildPos) {
      const std::int64_t at = Offset();
      const TValueType type = ReadValue();
      if (type != vaInt8 && type != vaInt16 && type != vaInt32)
        ReadErrorAt(std::string("Expected a child position but found ") + ValueTypeName(type), at);
      header.Position = ReadIntegerPayload(type);
    }
  }
  const std::int64_t at = Offset();
  header.ClassName = ReadStr();
  if (header.ClassName.empty()) ReadErrorAt("Empty class name", at);
  header.Name = ReadStr();
  return header;
}

}  // namespace platform
