#include "platform/forms/simulated_clock.h"

namespace platform {

namespace {
TSimulatedClock*& ActiveClock() {
  static TSimulatedClock* active = nullptr;
  return active;
}
}  // namespace

TSimulatedClock::TSimulatedClock(std::uint32_t start, std::uint32_t idleStep)
    : now_(start), idleStep_(idleStep), previousActive_(ActiveClock()) {
  previous_ = SetTickSource([this] { return now_; });
  ActiveClock() = this;
}

TSimulatedClock::~TSimulatedClock() {
  SetTickSource(std::move(previous_));
  ActiveClock() = previousActive_;
}

TSimulatedClock* TSimulatedClock::Active() { return ActiveClock(); }

}  // namespace platform
