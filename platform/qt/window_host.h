// The toolkit side of a Window: ties a Window object to its widget, gives it a
// handle while the widget lives, and runs its timers.
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <map>

#include "platform/window.h"

class QTimer;

namespace platform {

class WindowHost : public QObject {
 public:
  // Makes widget the window of `window` (registers its handle).
  static WindowHost* Attach(Window* window, QWidget* widget);
  // The host of a window object, or nullptr.
  static WindowHost* Of(const Window* window) { return window ? window->host_ : nullptr; }

  ~WindowHost() override;

  QWidget* Widget() const { return widget_; }
  Window* Owner() const { return window_; }

  unsigned SetTimer(unsigned id, unsigned periodMs);
  bool KillTimer(unsigned id);
  unsigned TimerPeriod(unsigned id) const;

  // The window is going: its timers stop, its handle is withdrawn, and the
  // window object is told (OnDestroyed). The widget itself may go later.
  void Detach();
  // The window object is going first: stop without telling it anything.
  void Forget();

  // Invalidates rect (widget pixels) here and in the custom-drawn widgets
  // inside.
  void Invalidate(const QRect& rect, bool erase);
  void UpdateNow();

 private:
  WindowHost(Window* window, QWidget* widget);

  Window* window_;
  QWidget* widget_;
  std::map<unsigned, QTimer*> timers_;
};

// Every host at or below widget, parents first.
std::vector<WindowHost*> HostsWithin(QWidget* widget);

}  // namespace platform
