#pragma once
// TReader: reads components from a binary form stream. The values come from
// the binary driver it is built on (the value-level reads stay available for
// defined properties); this part walks objects, properties, collections,
// references and events.
#include <functional>
#include <string>
#include <vector>

#include "platform/base/host_generation.h"
#include "platform/classes/filer.h"
#include "platform/streaming/binary_reader.h"

namespace platform {

class TCollection;
class TPersistent;
struct TPropInfo;

// Finds the root of another form for references such as "Form2.Button1".
// The forms layer installs one that searches the application's forms; with
// none installed, only the root being read is found.
using TRootLookup = std::function<TComponent*(const std::string& rootName)>;
// Installs `lookup` and returns the one it replaces.
TRootLookup SetGlobalRootLookup(TRootLookup lookup);
// The root the installed lookup finds; nullptr when none is installed.
TComponent* FindGlobalRoot(const std::string& rootName);

class TReader : public TFiler, public TBinaryReader {
 public:
  explicit TReader(TStream& stream, int generation = HostGeneration());

  // Reads the root into `root`, or, when root is nullptr, into a new instance
  // of the stream's class owned by `ownerOfNew`; that instance is constructed
  // with csLoading set, so its constructor can tell that the reader brings its
  // layout. On failure every component the read created is freed.
  TComponent* ReadRootComponent(TComponent* root, TComponent* ownerOfNew = nullptr);
  // Replaces the collection's items with those of a vaCollection value; when
  // the value is malformed the collection keeps the items it had.
  void ReadCollection(TCollection& collection);
  // At design time an event keeps its handler's name without binding it (the
  // root's class need not publish the method).
  bool DesignTime = false;
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
  void ReadComponentData(TComponent* instance);
  void ReadChild(TComponent* parent);
  TComponent* CreateChild(const TObjectHeader& header, std::int64_t offset);
  void SetField(TComponent* child, std::int64_t offset);
  void ReadProperty(TPersistent* instance, const std::string& ownerPath);
  void ReadPropValue(TPersistent* instance, const TPropInfo& prop, const std::string& where);
  void ReadOrdinal(TPersistent* instance, const TPropInfo& prop);
  void ReadMethod(TPersistent* instance, const TPropInfo& prop);
  void ReadReference(TPersistent* instance, const TPropInfo& prop, const std::string& where);
  void ReadCollection(TCollection& collection, const std::string& where);
  void UnknownProperty(const std::string& message, std::int64_t offset);
  void ResolveFixups();
  TComponent* FindReference(const std::string& name) const;

  std::vector<TFixup> fixups_;
  std::vector<TComponent*> loaded_;
  std::vector<TComponent*> created_;
  std::string pending_;  // name of the defined property being looked for
  bool pendingFound_ = false;
};

}  // namespace platform
