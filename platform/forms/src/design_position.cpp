#include "platform/forms/design_position.h"

#include "platform/classes/reader.h"
#include "platform/classes/writer.h"

namespace platform {

void TDesignPosition::Define(TFiler& filer) {
  filer.DefineProperty(
      "Left", [this](TReader& r) { Left = r.ReadInteger(); }, [this](TWriter& w) { w.WriteInteger(Left); }, Left != 0);
  filer.DefineProperty(
      "Top", [this](TReader& r) { Top = r.ReadInteger(); }, [this](TWriter& w) { w.WriteInteger(Top); }, Top != 0);
}

}  // namespace platform
