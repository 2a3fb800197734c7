#pragma once
// The common part of the form reader and writer: the value kinds of the
// binary form format and the declaration of defined properties.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/rtti/object.h"

namespace platform {

class TComponent;
class TReader;
class TWriter;
class TStream;

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

// Prefix byte of an object header ($F0 + these bits) when any is set.
enum TFilerFlag : std::uint8_t { ffInherited = 1, ffChildPos = 2, ffInline = 4 };

inline constexpr char kFormSignature[] = "TPF0";

using TReaderProc = std::function<void(TReader&)>;
using TWriterProc = std::function<void(TWriter&)>;
using TStreamProc = std::function<void(TStream&)>;

class TFiler : public TObject {
 public:
  TFiler(TStream& stream, int generation);
  TStream& Stream() const { return stream_; }
  int Generation() const { return generation_; }
  TComponent* Root() const { return root_; }
  void SetRoot(TComponent* root) { root_ = root; }

  // Data a persistent stores besides its published properties. The writer
  // calls `write` when hasData is true; the reader calls `read` when the
  // stream holds a property of that name.
  virtual void DefineProperty(const std::string& name, TReaderProc read, TWriterProc write, bool hasData) = 0;
  // The same for raw bytes, which travel as one vaBinary value.
  virtual void DefineBinaryProperty(const std::string& name, TStreamProc read, TStreamProc write, bool hasData) = 0;

 private:
  TStream& stream_;
  int generation_;
  TComponent* root_ = nullptr;
};

}  // namespace platform
