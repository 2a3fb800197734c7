// Binary form streams from the fuzzer: decoded class-free, converted to text
// and back, and read into a form. Only crashes, leaks and hangs are findings;
// a read error is the expected outcome for most inputs.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/base/exceptions.h"
#include "platform/forms/form.h"
#include "platform/form_files/form_text.h"
#include "platform/classes/reader.h"
#include "platform/rtti/class_registry.h"
#include "platform/streaming/streams.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  try {
    const std::string binary = platform::FormContentToBinary(bytes);
    const platform::TFormObject form = platform::DecodeBinaryForm(binary);
    platform::EncodeBinaryForm(platform::ParseFormText(platform::FormatFormText(form)));
  } catch (const platform::Exception&) {
  }
  try {
    platform::RegisterClass(platform::TForm::StaticClass());
    platform::TOwned<platform::TForm> form(new platform::TForm(nullptr));
    platform::TMemoryStream stream(bytes);
    platform::TReader reader(stream);
    reader.ReadRootComponent(form.get());
  } catch (const platform::Exception&) {
  }
  return 0;
}
