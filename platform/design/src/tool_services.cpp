#include "platform/design/tool_services.h"

namespace platform {

namespace {
TToolServices* g_toolServices = nullptr;
}  // namespace

TToolServices* ToolServices() { return g_toolServices; }

TToolServices* SetToolServices(TToolServices* services) {
  TToolServices* previous = g_toolServices;
  g_toolServices = services;
  return previous;
}

}  // namespace platform
