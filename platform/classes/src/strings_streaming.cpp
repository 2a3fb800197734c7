// TStrings in form files: the lines travel as the defined property
// "Strings", a list of string values; an empty list is not stored.
#include "platform/classes/reader.h"
#include "platform/classes/strings.h"
#include "platform/classes/writer.h"

namespace platform {

namespace {
constexpr std::size_t kBatch = 256;
}  // namespace

void TStrings::DefineProperties(TFiler& filer) {
  filer.DefineProperty(
      "Strings",
      [this](TReader& reader) {
        reader.ReadListBegin();
        TStringsUpdate update(*this);
        Clear();
        // Lines move into the list in batches: no copy of their text, and no
        // scratch allocation that grows with the list.
        std::vector<std::string> batch;
        batch.reserve(kBatch);
        while (!reader.EndOfList()) {
          reader.ReadString(batch.emplace_back());
          if (batch.size() == kBatch) {
            AddStrings(std::move(batch));
            batch.clear();
          }
        }
        reader.ReadListEnd();
        AddStrings(std::move(batch));
      },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        for (int i = 0; i < Count(); ++i) writer.WriteString(Strings(i));
        writer.WriteListEnd();
      },
      Count() > 0);
}

}  // namespace platform
