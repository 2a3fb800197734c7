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
        // Lines go into the list in batches, read into strings that are
        // reused: after the first batch, reading allocates nothing per line.
        std::vector<std::string> batch(kBatch);
        std::size_t filled = 0;
        while (!reader.EndOfList()) {
          reader.ReadString(batch[filled++]);
          if (filled == kBatch) {
            AddStrings(batch);
            filled = 0;
          }
        }
        reader.ReadListEnd();
        AddStrings(std::span(batch).first(filled));
      },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        for (int i = 0; i < Count(); ++i) writer.WriteString(Strings(i));
        writer.WriteListEnd();
      },
      Count() > 0);
}

}  // namespace platform
