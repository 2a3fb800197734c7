#include "Lxv/TableLine.h"

namespace Lxv {

namespace {
bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
}  // namespace

std::string_view Utf8Head(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  // A character has at most three continuation bytes; text that is not
  // UTF-8 there is cut where it stands.
  for (std::size_t end = maxBytes; end + 3 >= maxBytes && end > 0; --end)
    if (!IsContinuationByte(text[end])) return text.substr(0, end);
  return text.substr(0, maxBytes);
}

std::string_view TextBefore(std::string_view text, char c) {
  const std::size_t at = text.find(c);
  return at == std::string_view::npos ? std::string_view() : text.substr(0, at);
}

std::string_view LineValue(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {};
  return TableValue(line.substr(equals + 1));
}

}  // namespace Lxv
