// The base of every window the programs own: property sheets, pages and
// custom-drawn child windows.
//
// A Window object may exist without its on-screen window (a page whose tab has
// not been opened yet). While the window exists it has a handle that any
// thread may post messages to; when the window goes, the handle is withdrawn,
// so later posts are dropped, and its timers stop.
#pragma once

#include <cstdint>

#include "platform/geometry.h"
#include "platform/queue.h"

namespace platform {

class WindowHost;  // the toolkit side of a window

class Window : public MessageTarget {
 public:
  Window();
  ~Window() override;  // destroys the on-screen window if it still exists
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // The handle for PostMessage, 0 while the window does not exist.
  WindowHandle GetSafeHwnd() const { return handle_; }
  bool Exists() const { return host_ != nullptr; }

  // Starts (or restarts) the timer id with the period in milliseconds; OnTimer
  // gets the id. Returns the id, or 0 when the window does not exist or id is 0.
  unsigned SetTimer(unsigned id, unsigned periodMs);
  // Stops the timer; false when it was not running.
  bool KillTimer(unsigned id);
  bool HasTimer(unsigned id) const;
  unsigned TimerPeriod(unsigned id) const;  // 0 when not running

  // Posts a message to this window (dropped if the window is gone by then).
  bool PostMessage(unsigned message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);

  // Queues a rectangle (client pixels) for the next paint of this window and
  // of the custom-drawn windows inside it. With erase the background is
  // cleared before painting.
  void Invalidate(const Rect& rect, bool erase = true);
  void InvalidateAll(bool erase = true);
  // Runs the paint that is pending, now.
  void UpdateWindow();

  // Geometry in pixels. The window rectangle is in screen coordinates, the
  // client rectangle starts at (0, 0).
  Rect GetWindowRect() const;
  Rect GetClientRect() const;
  Point ScreenToClient(Point p) const;
  Point ClientToScreen(Point p) const;

  // Handlers, all called on the UI thread.
  virtual void OnTimer(unsigned id);
  void OnPostedMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;

  WindowHost* Host() const { return host_; }

 protected:
  // Called once the on-screen window is gone. A window object that lives on
  // the heap and owns itself may delete itself here; nothing touches it after.
  virtual void OnDestroyed();

 private:
  friend class WindowHost;
  WindowHost* host_ = nullptr;
  WindowHandle handle_ = 0;
};

}  // namespace platform
