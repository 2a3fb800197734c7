// Integer text from the fuzzer. The raising and the Try forms agree, and
// every value read is written back (decimal and hexadecimal) and read again
// unchanged; IntToHex writes a negative value of 32 bits as a 32-bit pattern,
// which the 64-bit reader takes as positive, so that one is not read back. A parse error raises EConvertError; anything else is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/base/conversions.h"
#include "platform/base/exceptions.h"

namespace {

template <typename T, typename Parse, typename TryParse>
void Check(std::string_view text, Parse parse, TryParse tryParse) {
  T tried = 0;
  const bool ok = tryParse(text, tried);
  T value = 0;
  try {
    value = parse(text);
  } catch (const platform::EConvertError&) {
    if (ok) std::abort();
    return;
  }
  if (!ok || tried != value) std::abort();
  if (parse(platform::IntToStr(value)) != value) std::abort();
  const bool hex32 = sizeof(T) > 4 && value < 0 && value >= INT32_MIN;
  if (!hex32 && parse("$" + platform::IntToHex(value, 1)) != value) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Check<std::int32_t>(
      text, [](std::string_view s) { return platform::StrToInt(s); },
      [](std::string_view s, std::int32_t& v) { return platform::TryStrToInt(s, v); });
  Check<std::int64_t>(
      text, [](std::string_view s) { return platform::StrToInt64(s); },
      [](std::string_view s, std::int64_t& v) { return platform::TryStrToInt64(s, v); });
  std::int32_t value = 0;
  if (platform::StrToIntDef(text, 7) != (platform::TryStrToInt(text, value) ? value : 7)) std::abort();
  return 0;
}
