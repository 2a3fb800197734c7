#pragma once
// TWriter: writes components as a binary form stream. The values go through
// the binary driver it is built on (the value-level writes stay available
// for defined properties); this part walks objects, properties, collections
// and references.
#include <string>
#include <string_view>

#include "platform/base/host_generation.h"
#include "platform/classes/filer.h"
#include "platform/streaming/binary_writer.h"

namespace platform {

class TCollection;
class TPersistent;
struct TPropInfo;

class TWriter : public TFiler, public TBinaryWriter {
 public:
  explicit TWriter(TStream& stream, int generation = HostGeneration());

  // Components: class and name, stored published properties, defined
  // properties, then the children the component enumerates.
  void WriteRootComponent(TComponent* root);
  void WriteComponent(TComponent* component);
  void WriteProperties(const TPersistent& instance);
  // A vaCollection value: each item's stored properties as one list.
  void WriteCollection(const TCollection& collection);

  void DefineProperty(const std::string& name, TReaderProc read, TWriterProc write, bool hasData) override;
  void DefineBinaryProperty(const std::string& name, TStreamProc read, TStreamProc write, bool hasData) override;

 private:
  void WriteProperty(const TPersistent& instance, const TPropInfo& prop);
  void WriteOrdinal(const TPersistent& instance, const TPropInfo& prop);
  void WriteReference(const TComponent* target);
  void WritePropName(std::string_view name);

  std::string prefix_;  // path of the sub-object whose properties are written
  int depth_ = 0;       // collections within collections
};

}  // namespace platform
