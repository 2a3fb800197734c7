#pragma once
// The screen: the cursor shown over the application.
namespace platform {

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crHourGlass = -11;

class TScreen {
 public:
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor) { cursor_ = cursor; }

 private:
  TCursor cursor_ = crDefault;
};

TScreen& Screen();

// Shows a cursor for a scope and restores the previous one on every exit path.
class TCursorScope {
 public:
  explicit TCursorScope(TCursor cursor) : saved_(Screen().Cursor()) { Screen().SetCursor(cursor); }
  ~TCursorScope() { Screen().SetCursor(saved_); }
  TCursorScope(const TCursorScope&) = delete;
  TCursorScope& operator=(const TCursorScope&) = delete;

 private:
  TCursor saved_;
};

}  // namespace platform
