#pragma once
// TBinaryReader: the binary form format value by value, over a buffer filled
// from a stream. The component reader walks objects on top of it; tools that
// show or convert form data use it alone. Every malformed input raises
// EReadError naming what was wrong and the stream offset where it was found,
// or the line and column of the text the stream was converted from.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/base/host_generation.h"
#include "platform/streaming/source_positions.h"
#include "platform/streaming/value_types.h"

namespace platform {

class TStream;

// Leaves the elements that a resize adds uninitialised: the read buffer grows
// only to be overwritten by the stream, so zeroing it first is wasted work.
template <class T>
struct TUninitialisedAllocator : std::allocator<T> {
  template <class U>
  struct rebind {
    using other = TUninitialisedAllocator<U>;
  };
  template <class U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
  template <class U, class... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
};

class TBinaryReader {
 public:
  explicit TBinaryReader(TStream& stream, int generation = HostGeneration());
  // Gives the bytes it buffered but did not use back to the stream.
  ~TBinaryReader();
  TBinaryReader(const TBinaryReader&) = delete;
  TBinaryReader& operator=(const TBinaryReader&) = delete;

  // Values. ReadValue raises on a kind the generation does not have.
  TValueType ReadValue();
  TValueType NextValue();
  // The end marker of a list of values, properties or objects. Only the zero
  // byte is looked at: a property or class name may follow instead.
  bool EndOfList();
  void CheckValue(TValueType expected);
  void ReadListBegin() { CheckValue(vaList); }
  void ReadListEnd() { CheckValue(vaNull); }
  std::int32_t ReadInteger();
  std::int64_t ReadInt64();
  bool ReadBoolean();
  char ReadChar();
  // A one-unit wide string, a one-character string or an integer code.
  char16_t ReadWideChar();
  long double ReadFloat();  // any float kind, or an integer
  float ReadSingle();
  std::int64_t ReadCurrency();  // the value times 10000
  double ReadDate();
  std::string ReadString();     // 8-bit strings as they stand, wide strings as UTF-8
  void ReadString(std::string& into);  // the same, reusing into's storage
  // The same, read in place where the stream holds 8-bit text (valid until
  // the next read), else decoded into `scratch`.
  std::string_view ReadStringView(std::string& scratch);
  std::u16string ReadWideString();
  std::string ReadIdent();      // also nil, False, True as their names
  std::vector<std::string> ReadSet();
  std::string ReadBinary();
  void SkipValue();
  // A value other than a list or a collection exactly as stored; for those
  // two only the type is read, and their contents follow.
  TStoredValue ReadStoredValue();

  std::string ReadStr();  // a short string: names of classes, objects, properties
  void ReadSignature();
  struct TObjectHeader {
    std::uint8_t Flags = 0;  // TFilerFlag bits
    std::optional<std::int64_t> Position;
    std::string ClassName;
    std::string Name;
  };
  TObjectHeader ReadObjectHeader();

  // Offset of the next byte in the stream.
  std::int64_t Offset() const { return base_ + static_cast<std::int64_t>(pos_); }
  [[noreturn]] void ReadError(const std::string& what) const { ReadErrorAt(what, Offset()); }
  [[noreturn]] void ReadErrorAt(const std::string& what, std::int64_t offset) const;
  // Errors name positions of this text instead of offsets; the positions
  // must outlive the reader.
  void SetSourcePositions(const TSourcePositions* positions) { positions_ = positions; }
  // "offset N", or "line L, column C" of the text.
  std::string PositionName(std::int64_t offset) const;
  // One more level of nesting for a scope; raises past the limit.
  class TNestingScope {
   public:
    explicit TNestingScope(TBinaryReader& reader) : reader_(reader) { reader_.EnterNesting(); }
    ~TNestingScope() { --reader_.depth_; }
    TNestingScope(const TNestingScope&) = delete;
    TNestingScope& operator=(const TNestingScope&) = delete;

   private:
    TBinaryReader& reader_;
  };

 private:
  // Payloads, after the type byte was taken.
  std::int64_t ReadIntegerPayload(TValueType type);
  std::uint64_t ReadLength();  // the 32-bit length of long strings and binary data
  void ReadStringPayload(TValueType type, std::string& into);  // vaString, vaLString, vaIdent, vaBinary
  std::string_view StringPayloadView(TValueType type);  // the same, valid until the next read
  std::string ReadStringPayload(TValueType type);
  std::u16string ReadWideStringPayload();
  std::vector<std::string> ReadSetPayload();
  formcodec::TExtended ReadExtendedPayload();
  float ReadSinglePayload();
  double ReadDatePayload();
  void SkipCollection();
  std::uint8_t ReadByte();
  void Read(void* buffer, std::size_t count);
  void EnterNesting();

  // Makes atLeast bytes available at pos_; the check is inline because every
  // value read asks.
  void Fill(std::size_t atLeast) {
    if (buffer_.size() - pos_ < atLeast) Refill(atLeast);
  }
  void Refill(std::size_t atLeast);
  void CheckAvailable(std::uint64_t count);

  TStream& input_;
  int generation_;
  std::vector<char, TUninitialisedAllocator<char>> buffer_;
  std::size_t pos_ = 0;
  std::int64_t base_ = 0;  // stream offset of buffer_[0]
  std::int64_t end_ = 0;   // stream size
  int depth_ = 0;
  const TSourcePositions* positions_ = nullptr;
};

}  // namespace platform
