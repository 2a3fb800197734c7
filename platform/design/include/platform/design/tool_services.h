#pragma once
// The design environment's tool services: what it tells the components it
// designs about the project open in it. None outside a design environment.
#include <string>

namespace platform {

class TToolServices {
 public:
  virtual ~TToolServices() = default;
  // Full file name of the project open in the environment, empty when none.
  virtual std::string GetProjectName() = 0;
};

// The services installed now; nullptr outside a design environment. Owned by
// whoever installed them.
TToolServices* ToolServices();
// The design environment installs its services (nullptr withdraws them);
// returns the previous ones. Not owned here: the installer keeps them alive
// until it withdraws them, and frees them. Process-wide, not locked; raises
// nothing.
TToolServices* SetToolServices(TToolServices* services);

}  // namespace platform
