#pragma once
// A clock for tests and headless runs: while one lives, GetTickCount reads it.
// It moves only when told to, or by its idle step each time the user-interface
// thread finds nothing to do (a busy wait that keeps processing messages), so
// a 1500 ms wait costs no real time.
#include <cstdint>

#include "platform/base/clock.h"

namespace platform {

class TSimulatedClock {
 public:
  explicit TSimulatedClock(std::uint32_t start = 0, std::uint32_t idleStep = 10);
  ~TSimulatedClock();
  TSimulatedClock(const TSimulatedClock&) = delete;
  TSimulatedClock& operator=(const TSimulatedClock&) = delete;

  std::uint32_t Now() const { return now_; }
  void Advance(std::uint32_t milliseconds) { now_ += milliseconds; }  // wraps as the tick counter does
  void Idle() { Advance(idleStep_); }

  // The clock GetTickCount reads now, or nullptr for the system's.
  static TSimulatedClock* Active();

 private:
  std::uint32_t now_;
  std::uint32_t idleStep_;
  TTickSource previous_;
  TSimulatedClock* previousActive_;
};

}  // namespace platform
