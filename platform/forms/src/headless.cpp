#include "platform/forms/headless.h"

#include <algorithm>
#include <cstdlib>

#include "platform/forms/graphics.h"

namespace platform {

std::unique_ptr<TPeer> THeadlessBackEnd::CreatePeer(TControl&) {
  ++peers_;
  return std::make_unique<TPeer>();
}

void THeadlessBackEnd::UpdatePeer(TControl&, TPeer&, TPeerChange) {}

void THeadlessBackEnd::DestroyPeer(TControl&, std::unique_ptr<TPeer> peer) {
  if (peer) --peers_;
}

TTextExtent THeadlessBackEnd::MeasureText(const TFont& font, std::string_view text) {
  const int h = font.Height() == 0 ? 13 : std::abs(font.Height());
  const int advance = std::max(1, h / 2) + (font.Style().Contains(fsBold) ? 1 : 0);
  const int lineHeight = std::max(1, h * 5 / 4);
  int lines = 1, widest = 0, current = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      ++lines;
      current = 0;
    } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {  // not a continuation byte
      widest = std::max(widest, ++current);
    }
  }
  return {widest * advance, lines * lineHeight};
}

TScriptedUser& ScriptedUser() {
  auto* headless = dynamic_cast<THeadlessBackEnd*>(&platform::BackEnd());
  if (headless == nullptr) throw EInvalidOperation("The installed back end has no scripted user");
  return headless->User();
}

THeadlessSession::THeadlessSession(std::uint32_t clockStart)
    : clock_(clockStart), backEnd_(std::make_shared<THeadlessBackEnd>()), previous_(SetBackEnd(backEnd_)) {}

THeadlessSession::~THeadlessSession() { SetBackEnd(previous_); }

}  // namespace platform
