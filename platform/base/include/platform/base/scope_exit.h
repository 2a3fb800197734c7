#pragma once
// Runs a callable when the scope ends, however it ends.
#include <exception>
#include <utility>

namespace platform {

// Runs `f` as a scope ends. An error `f` raises reaches the caller, except
// while an earlier error is already leaving the scope (more uncaught errors
// than at `uncaughtAtEntry`): that one is reported and this one dropped, as
// two cannot leave together.
template <class F>
void RunAtScopeEnd(F& f, int uncaughtAtEntry) {
  if (std::uncaught_exceptions() <= uncaughtAtEntry) return f();
  try {
    f();
  } catch (...) {  // NOLINT(bugprone-empty-catch): the error in flight wins
  }
}

template <class F>
class TScopeExit {
 public:
  explicit TScopeExit(F f) : f_(std::move(f)) {}
  ~TScopeExit() noexcept(false) { RunAtScopeEnd(f_, uncaught_); }
  TScopeExit(const TScopeExit&) = delete;
  TScopeExit& operator=(const TScopeExit&) = delete;

 private:
  F f_;
  int uncaught_ = std::uncaught_exceptions();
};

}  // namespace platform
