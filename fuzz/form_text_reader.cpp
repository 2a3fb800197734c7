// Text forms from the fuzzer: parsed, converted to binary, decoded again and
// written back as text. A read error is the expected outcome for most inputs.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/base/exceptions.h"
#include "platform/form_files/form_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (int generation : {3, 4}) {
    try {
      const platform::TFormObject form = platform::ParseFormText(text, generation);
      const std::string binary = platform::EncodeBinaryForm(form, generation);
      platform::FormatFormText(platform::DecodeBinaryForm(binary, generation));
    } catch (const platform::Exception&) {
    }
  }
  return 0;
}
