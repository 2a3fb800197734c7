// Text from the fuzzer through both escapes: read as a quoted-literal form and
// as a backslash-escaped form (a conversion error is expected for a "#"
// without digits), and written and read back unchanged in both forms.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Lxv/Literals.h"
#include "platform/base/exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::string s = text;
  try {
    Lxv::ConvertFromLiterals(s);
  } catch (const platform::EConvertError&) {
  }
  if (s.size() > text.size()) std::abort();  // reading never lengthens the text
  if (Lxv::ReadString(text).size() > text.size()) std::abort();

  s = text;
  Lxv::ConvertToLiterals(s);
  Lxv::ConvertFromLiterals(s);
  if (s != text) std::abort();
  if (Lxv::ReadString(Lxv::WriteString(text)) != text) std::abort();
  return 0;
}
