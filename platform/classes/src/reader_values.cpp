// TReader: the value level of the binary form format.
#include <cstring>
#include <limits>

#include "platform/streaming/form_codec.h"
#include "platform/base/exceptions.h"
#include "platform/classes/reader.h"
#include "platform/streaming/streams.h"

namespace platform {

namespace {
constexpr std::size_t kChunk = 64 * 1024;  // few reads for a typical form, little waste for a small one
}

TReader::TReader(TStream& stream, int generation) : TFiler(stream, generation) {
  base_ = stream.Position();
  end_ = stream.Size();
}

TReader::~TReader() {
  if (pos_ >= buffer_.size()) return;
  try {
    Stream().Seek(Offset(), TSeekOrigin::soBeginning);
  } catch (...) {  // a destructor must not throw; the stream is left where it is
  }
}

void TReader::ReadErrorAt(const std::string& what, std::int64_t offset) const {
  throw EReadError(what + " at offset " + std::to_string(offset));
}

void TReader::Refill(std::size_t atLeast) {
  buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(pos_));
  base_ += static_cast<std::int64_t>(pos_);
  pos_ = 0;
  const std::size_t have = buffer_.size();
  const std::size_t want = std::max(atLeast, kChunk);
  buffer_.resize(want);
  const std::size_t got = Stream().Read(buffer_.data() + have, want - have);
  buffer_.resize(have + got);
  if (buffer_.size() < atLeast) ReadErrorAt("Unexpected end of form data", base_ + static_cast<std::int64_t>(buffer_.size()));
}

void TReader::CheckAvailable(std::uint64_t count) {
  const std::int64_t left = end_ - Offset();
  if (left < 0 || count > static_cast<std::uint64_t>(left))
    ReadError("Length " + std::to_string(count) + " exceeds the " + std::to_string(std::max<std::int64_t>(left, 0)) +
              " bytes left in the form data");
}

void TReader::Read(void* buffer, std::size_t count) {
  if (count == 0) return;
  Fill(count);
  std::memcpy(buffer, buffer_.data() + pos_, count);
  pos_ += count;
}

std::uint8_t TReader::ReadByte() {
  Fill(1);
  return static_cast<std::uint8_t>(buffer_[pos_++]);
}

void TReader::EnterNesting() {
  if (++depth_ > formcodec::kMaxDepth) {
    --depth_;
    ReadError("Form data nested deeper than " + std::to_string(formcodec::kMaxDepth) + " levels");
  }
}

TValueType TReader::NextValue() {
  Fill(1);
  const auto type = static_cast<std::uint8_t>(buffer_[pos_]);
  if (type > HighestValueType(Generation())) ReadError("Unknown value kind " + std::to_string(type));
  return static_cast<TValueType>(type);
}

bool TReader::EndOfList() {
  Fill(1);
  return buffer_[pos_] == 0;
}

TValueType TReader::ReadValue() {
  const TValueType type = NextValue();
  ++pos_;
  return type;
}

void TReader::CheckValue(TValueType expected) {
  const std::int64_t at = Offset();
  const TValueType type = ReadValue();
  if (type != expected)
    ReadErrorAt(std::string("Expected ") + ValueTypeName(expected) + " but found " + ValueTypeName(type), at);
}

std::int64_t TReader::ReadIntegerPayload(TValueType type) {
  switch (type) {
    case vaInt8: return static_cast<std::int8_t>(ReadByte());
    case vaInt16: {
      std::uint8_t b[2];
      Read(b, 2);
      return static_cast<std::int16_t>(b[0] | (b[1] << 8));
    }
    case vaInt32:
    case vaInt64: {
      std::uint8_t b[8];
      const std::size_t n = type == vaInt32 ? 4 : 8;
      Read(b, n);
      std::uint64_t v = 0;
      for (std::size_t i = n; i-- > 0;) v = (v << 8) | b[i];
      return type == vaInt32 ? static_cast<std::int32_t>(v) : static_cast<std::int64_t>(v);
    }
    default:
      ReadErrorAt(std::string("Expected an integer but found ") + ValueTypeName(type), Offset() - 1);
  }
}

std::int64_t TReader::ReadInt64() { return ReadIntegerPayload(ReadValue()); }

std::int32_t TReader::ReadInteger() {
  const std::int64_t at = Offset();
  const std::int64_t v = ReadInt64();
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::uint32_t>::max())
    ReadErrorAt("Integer " + std::to_string(v) + " out of the 32-bit range", at);
  return static_cast<std::int32_t>(v);
}

bool TReader::ReadBoolean() {
  const std::int64_t at = Offset();
  const TValueType type = ReadValue();
  if (type != vaTrue && type != vaFalse) ReadErrorAt(std::string("Expected a Boolean but found ") + ValueTypeName(type), at);
  return type == vaTrue;
}

char TReader::ReadChar() {
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

std::array<std::uint8_t, 10> TReader::ReadExtendedPayload() {
  std::array<std::uint8_t, 10> b{};
  Read(b.data(), b.size());
  return b;
}

long double TReader::ReadFloat() {
  const std::int64_t at = Offset();
  const TValueType type = ReadValue();
  switch (type) {
    case vaExtended: return formcodec::ExtendedToFloat(ReadExtendedPayload());
    case vaSingle: {
      float f;
      Read(&f, 4);
      return f;
    }
    case vaDate: {
      double d;
      Read(&d, 8);
      return d;
    }
    case vaCurrency: return static_cast<long double>(ReadIntegerPayload(vaInt64)) / 10000;
    case vaInt8:
    case vaInt16:
    case vaInt32:
    case vaInt64: return static_cast<long double>(ReadIntegerPayload(type));
    default: ReadErrorAt(std::string("Expected a number but found ") + ValueTypeName(type), at);
  }
}

float TReader::ReadSingle() { return static_cast<float>(ReadFloat()); }
double TReader::ReadDate() { return static_cast<double>(ReadFloat()); }

std::int64_t TReader::ReadCurrency() {
  if (NextValue() == vaCurrency) {
    ReadValue();
    return ReadIntegerPayload(vaInt64);
  }
  const long double v = ReadFloat() * 10000;
  if (!(v > -9.2e18L && v < 9.2e18L)) ReadError("Currency value out of range");
  return static_cast<std::int64_t>(v < 0 ? v - 0.5L : v + 0.5L);
}

std::string TReader::ReadStringPayload(TValueType type) {
  std::string s;
  ReadStringPayload(type, s);
  return s;
}

void TReader::ReadStringPayload(TValueType type, std::string& into) {
  std::uint64_t length;
  if (type == vaString || type == vaIdent) {
    length = ReadByte();
  } else {
    std::uint8_t b[4];
    Read(b, 4);
    length = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint64_t>(b[3]) << 24);
  }
  CheckAvailable(length);
  if (length == 0) return into.clear();
  Fill(length);
  into.assign(buffer_.data() + pos_, length);
  pos_ += length;
}

std::u16string TReader::ReadWideStringPayload() {
  std::uint8_t b[4];
  Read(b, 4);
  const std::uint64_t units = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint64_t>(b[3]) << 24);
  CheckAvailable(units * 2);
  std::string raw(units * 2, '\0');
  Read(raw.data(), raw.size());
  std::u16string s(units, u'\0');
  for (std::size_t i = 0; i < units; ++i)
    s[i] = static_cast<char16_t>(static_cast<std::uint8_t>(raw[2 * i]) | (static_cast<std::uint8_t>(raw[2 * i + 1]) << 8));
  return s;
}

std::string TReader::ReadString() {
  std::string s;
  ReadString(s);
  return s;
}

void TReader::ReadString(std::string& into) {
  const std::int64_t at = Offset();
  const TValueType type = ReadValue();
  if (type == vaString || type == vaLString) return ReadStringPayload(type, into);
  if (type == vaWString) {
    into = formcodec::Utf16ToUtf8(ReadWideStringPayload());
    return;
  }
  ReadErrorAt(std::string("Expected a string but found ") + ValueTypeName(type), at);
}

std::u16string TReader::ReadWideString() {
  if (NextValue() == vaWString) {
    ReadValue();
    return ReadWideStringPayload();
  }
  return formcodec::Utf8ToUtf16(ReadString());
}

std::string TReader::ReadIdent() {
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

std::string TReader::ReadStr() { return ReadStringPayload(vaString); }

std::vector<std::string> TReader::ReadSetPayload() {
  std::vector<std::string> names;
  for (std::string name = ReadStr(); !name.empty(); name = ReadStr()) names.push_back(std::move(name));
  return names;
}

std::vector<std::string> TReader::ReadSet() {
  CheckValue(vaSet);
  return ReadSetPayload();
}

std::string TReader::ReadBinary() {
  CheckValue(vaBinary);
  return ReadStringPayload(vaBinary);
}

void TReader::SkipValue() {
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
    case vaCollection: {
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
      return;
    }
  }
}

void TReader::ReadSignature() {
  char signature[4];
  const std::int64_t at = Offset();
  if (end_ - at < 4) ReadErrorAt("Invalid stream format: too short for a form signature", at);
  Read(signature, 4);
  if (std::memcmp(signature, kFormSignature, 4) != 0) ReadErrorAt("Invalid stream format: no TPF0 signature", at);
}

TReader::TObjectHeader TReader::ReadObjectHeader() {
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
