// TStrings in form files: the lines travel as the defined property
// "Strings", a list of string values; an empty list is not stored.
#include "platform/classes/reader.h"
#include "platform/classes/strings.h"
#include "platform/classes/writer.h"

namespace platform {

void TStrings::DefineProperties(TFiler& filer) {
  filer.DefineProperty(
      "Strings",
      [this](TReader& reader) {
        reader.ReadListBegin();
        TStringsUpdate update(*this);
        Clear();
        // Each line goes into the list straight from the reader's buffer,
        // before the next read can move it.
        std::string scratch;
        while (!reader.EndOfList()) {
          const std::string_view line = reader.ReadStringView(scratch);
          AddStrings(std::span<const std::string_view>(&line, 1));
        }
        reader.ReadListEnd();
      },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        for (int i = 0; i < Count(); ++i) writer.WriteString(Strings(i));
        writer.WriteListEnd();
      },
      Count() > 0);
}

}  // namespace platform
