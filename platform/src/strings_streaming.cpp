// TStrings in form files: the lines travel as the defined property
// "Strings", a list of string values; an empty list is not stored.
#include "platform/reader.h"
#include "platform/strings.h"
#include "platform/writer.h"

namespace platform {

void TStrings::DefineProperties(TFiler& filer) {
  filer.DefineProperty(
      "Strings",
      [this](TReader& reader) {
        reader.ReadListBegin();
        TStringsUpdate update(*this);
        Clear();
        std::string line;
        while (!reader.EndOfList()) {
          reader.ReadString(line);
          Add(line);
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
