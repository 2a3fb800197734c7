#include "Lxv/Messages.h"

#include <cstdio>
#include <utility>

namespace Lxv {

namespace {
TMessageHandler& Handler() {
  static TMessageHandler handler;
  return handler;
}
}  // namespace

// STAND-IN for the platform's ShowMessage (see Messages.h).
void ShowMessage(const std::string& text) {
  if (const TMessageHandler& handler = Handler()) return handler(text);
  std::fprintf(stderr, "%s\n", text.c_str());
}

TMessageHandler SetMessageHandler(TMessageHandler handler) { return std::exchange(Handler(), std::move(handler)); }

}  // namespace Lxv
