#pragma once
// TReader: reads a binary form stream, value by value or as whole components.
// Every malformed input raises EReadError naming what was wrong and the
// stream offset where it was found.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/classes/filer.h"
#include "platform/base/host_generation.h"

namespace platform {

class TCollection;
class TPersistent;
struct TPropInfo;

// True while a reader constructs the root it is about to read into: a form's
// constructor then leaves loading its layout to the reader.
bool ReadingNewRoot();

// Finds the root of another form for references such as "Form2.Button1".
// The forms layer installs one that searches the application's forms; with
// none installed, only the root being read is found.
using TRootLookup = std::function<TComponent*(const std::string& rootName)>;
void SetGlobalRootLookup(TRootLookup lookup);

class TReader : public TFiler {
 public:
  explicit TReader(TStream& stream, int generation = HostGeneration());
  // Gives the bytes it buffered but did not use back to the stream.
  ~TReader() override;

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
  std::u16string ReadWideString();
  std::string ReadIdent();      // also nil, False, True as their names
  std::vector<std::string> ReadSet();
  std::string ReadBinary();
  void SkipValue();

  // Payloads, after the type byte was taken with ReadValue.
  std::int64_t ReadIntegerPayload(TValueType type);
  std::array<std::uint8_t, 10> ReadExtendedPayload();
  std::string ReadStringPayload(TValueType type);  // vaString, vaLString, vaIdent, vaBinary
  void ReadStringPayload(TValueType type, std::string& into);
  std::u16string ReadWideStringPayload();
  std::vector<std::string> ReadSetPayload();
  std::string ReadStr();  // a short string: names of classes, objects, properties
  std::uint8_t ReadByte();
  void Read(void* buffer, std::size_t count);

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
  // One more level of nesting for a scope; raises past the limit.
  class TNestingScope {
   public:
    explicit TNestingScope(TReader& reader) : reader_(reader) { reader_.EnterNesting(); }
    ~TNestingScope() { reader_.LeaveNesting(); }
    TNestingScope(const TNestingScope&) = delete;
    TNestingScope& operator=(const TNestingScope&) = delete;

   private:
    TReader& reader_;
  };
  void EnterNesting();
  void LeaveNesting() { --depth_; }

  // Components. Reads the root into `root`, or, when root is nullptr, into a
  // new instance of the stream's class owned by `ownerOfNew`. On failure every
  // component the read created is freed.
  TComponent* ReadRootComponent(TComponent* root, TComponent* ownerOfNew = nullptr);
  // Replaces the collection's items with those of a vaCollection value; when
  // the value is malformed the collection keeps the items it had.
  void ReadCollection(TCollection& collection);
  // Asked before an unknown property raises; set handled to skip its value.
  std::function<void(const std::string& message, bool& handled)> OnError;

  void DefineProperty(const std::string& name, TReaderProc read, TWriterProc write, bool hasData) override;
  void DefineBinaryProperty(const std::string& name, TStreamProc read, TStreamProc write, bool hasData) override;

 private:
  struct TFixup {
    TPersistent* Instance;
    const TPropInfo* Prop;
    std::string Name;
    std::string Where;
  };
  // Makes atLeast bytes available at pos_; the check is inline because every
  // value read asks.
  void Fill(std::size_t atLeast) {
    if (buffer_.size() - pos_ < atLeast) Refill(atLeast);
  }
  void Refill(std::size_t atLeast);
  void CheckAvailable(std::uint64_t count);
  void ReadComponentData(TComponent* instance);
  void ReadChild(TComponent* parent);
  TComponent* CreateChild(const TObjectHeader& header, std::int64_t offset);
  void ReadProperty(TPersistent* instance, const std::string& ownerPath);
  void ReadPropValue(TPersistent* instance, const TPropInfo& prop, const std::string& where);
  void ReadOrdinal(TPersistent* instance, const TPropInfo& prop);
  void ReadMethod(TPersistent* instance, const TPropInfo& prop);
  void ReadReference(TPersistent* instance, const TPropInfo& prop, const std::string& where);
  void ReadCollection(TCollection& collection, const std::string& where);
  void UnknownProperty(const std::string& message, std::int64_t offset);
  void ResolveFixups();
  TComponent* FindReference(const std::string& name) const;

  std::vector<char> buffer_;
  std::size_t pos_ = 0;
  std::int64_t base_ = 0;  // stream offset of buffer_[0]
  std::int64_t end_ = 0;   // stream size
  int depth_ = 0;

  std::vector<TFixup> fixups_;
  std::vector<TComponent*> loaded_;
  std::vector<TComponent*> created_;
  std::string pending_;  // name of the defined property being looked for
  bool pendingFound_ = false;
};

}  // namespace platform
