#pragma once
// The screen: its size and resolution, and the cursor shown over the
// application. A windowing back end reports the real size; without one the
// screen is 1024 by 768 pixels at 96 pixels per inch.
namespace platform {

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crHourGlass = -11;

class TScreen {
 public:
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor) { cursor_ = cursor; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  int PixelsPerInch() const { return pixelsPerInch_; }
  // For the back end, which knows the display.
  void SetMetrics(int width, int height, int pixelsPerInch) {
    width_ = width;
    height_ = height;
    pixelsPerInch_ = pixelsPerInch;
  }

 private:
  TCursor cursor_ = crDefault;
  int width_ = 1024;
  int height_ = 768;
  int pixelsPerInch_ = 96;
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
