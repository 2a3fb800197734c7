#pragma once
// The common part of the component reader and writer: the stream, the root
// and the declaration of defined properties.
#include <functional>
#include <string>

#include "platform/rtti/object.h"
#include "platform/streaming/value_types.h"

namespace platform {

class TComponent;
class TReader;
class TWriter;
class TStream;

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
