#pragma once
// The generation of the host framework this library was built for (3 or 4).
// Code compiled once for every generation asks here instead of using the macro.
namespace platform {

int HostGeneration();

}  // namespace platform
