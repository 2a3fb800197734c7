// Format patterns from the fuzzer with arguments of every kind. The first
// line is the pattern; each further line is one argument, its first
// character naming the kind (i int, l int64, u uint64, f double, c char,
// s string, p pointer, n null pointer) and the rest its value. Every pattern
// is formatted under two settings records. A bad pattern or an argument of
// the wrong kind raises EConvertError; anything else is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/exceptions.h"
#include "platform/format/format.h"
#include "platform/format/format_settings.h"

namespace {

using platform::TVarRec;

platform::TFormatSettings Settings(bool european) {
  platform::TFormatSettings settings;
  settings.CurrencyString = european ? "EUR" : "$";
  settings.CurrencyFormat = european ? 3 : 0;
  settings.NegCurrFormat = european ? 8 : 0;
  settings.ThousandSeparator = european ? '.' : ',';
  settings.DecimalSeparator = european ? ',' : '.';
  settings.CurrencyDecimals = european ? 0 : 2;
  return settings;
}

TVarRec Argument(std::string_view line) {
  const std::string value(line.substr(1));
  switch (line[0]) {
    case 'i': return static_cast<std::int32_t>(std::strtol(value.c_str(), nullptr, 0));
    case 'l': return static_cast<std::int64_t>(std::strtoll(value.c_str(), nullptr, 0));
    case 'u': return static_cast<std::uint64_t>(std::strtoull(value.c_str(), nullptr, 0));
    case 'f': return std::strtod(value.c_str(), nullptr);
    case 'c': return value.empty() ? '\0' : value[0];
    case 'p': return reinterpret_cast<const void*>(static_cast<std::uintptr_t>(std::strtoull(value.c_str(), nullptr, 16)));
    case 'n': return nullptr;
    default: return value;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const platform::TFormatSettings kSettings[] = {Settings(false), Settings(true)};
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::size_t end = input.find('\n');
  const std::string_view pattern = input.substr(0, end);
  std::vector<TVarRec> args;
  while (end != std::string_view::npos && args.size() < 16) {
    const std::size_t start = end + 1;
    end = input.find('\n', start);
    const std::string_view line = input.substr(start, end == std::string_view::npos ? end : end - start);
    if (!line.empty()) args.push_back(Argument(line));
  }
  for (const platform::TFormatSettings& settings : kSettings) {
    try {
      platform::Format(pattern, args, settings);
    } catch (const platform::EConvertError&) {
    }
  }
  return 0;
}
