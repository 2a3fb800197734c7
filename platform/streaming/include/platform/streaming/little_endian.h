#pragma once
// Integers in the byte order of form streams and resources: least
// significant byte first, whatever the host's order.
#include <cstddef>
#include <cstdint>

namespace platform {

inline std::uint64_t LoadLittleEndian(const void* bytes, std::size_t count) {
  const auto* b = static_cast<const std::uint8_t*>(bytes);
  std::uint64_t value = 0;
  for (std::size_t i = count; i-- > 0;) value = (value << 8) | b[i];
  return value;
}

inline void StoreLittleEndian(void* out, std::uint64_t value, std::size_t count) {
  auto* b = static_cast<std::uint8_t*>(out);
  for (std::size_t i = 0; i < count; ++i) b[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace platform
