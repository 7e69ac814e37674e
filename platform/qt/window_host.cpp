#include "window_host.h"

#include <QTimer>

#include "custom_widget.h"
#include "descendants.h"

namespace platform {

WindowHost::WindowHost(Window* window, QWidget* widget) : QObject(widget), window_(window), widget_(widget) {}

WindowHost* WindowHost::Attach(Window* window, QWidget* widget) {
  auto* host = new WindowHost(window, widget);
  window->host_ = host;
  window->handle_ = RegisterWindow(window);
  return host;
}

WindowHost::~WindowHost() { Detach(); }

void WindowHost::Detach() {
  for (auto& [id, timer] : timers_) {
    timer->stop();
    timer->deleteLater();
  }
  timers_.clear();
  Window* window = window_;
  if (window == nullptr) return;
  window_ = nullptr;
  if (auto* custom = dynamic_cast<CustomWidget*>(widget_)) custom->Disown();
  UnregisterWindow(window->handle_);
  window->handle_ = 0;
  window->host_ = nullptr;
  window->OnDestroyed();  // may delete the window object
}

void WindowHost::Forget() {
  for (auto& [id, timer] : timers_) timer->stop();
  window_ = nullptr;
}

unsigned WindowHost::SetTimer(unsigned id, unsigned periodMs) {
  if (id == 0 || window_ == nullptr) return 0;
  QTimer*& timer = timers_[id];
  if (timer == nullptr) {
    timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this, id] {
      // The timer may have been killed by an earlier handler in this round.
      if (window_ != nullptr && timers_.count(id) != 0) window_->OnTimer(id);
    });
  }
  timer->start(static_cast<int>(periodMs));
  return id;
}

bool WindowHost::KillTimer(unsigned id) {
  auto it = timers_.find(id);
  if (it == timers_.end()) return false;
  it->second->stop();
  it->second->deleteLater();  // it may be the one whose timeout is running
  timers_.erase(it);
  return true;
}

unsigned WindowHost::TimerPeriod(unsigned id) const {
  auto it = timers_.find(id);
  return it == timers_.end() ? 0 : static_cast<unsigned>(it->second->interval());
}

void WindowHost::Invalidate(const QRect& rect, bool erase) {
  QRect area = rect.intersected(widget_->rect());
  if (area.isEmpty()) return;
  if (auto* custom = dynamic_cast<CustomWidget*>(widget_)) {
    custom->InvalidateArea(area, erase);
  } else {
    widget_->update(area);
  }
  for (CustomWidget* child : Descendants<CustomWidget>(widget_)) {
    if (child == widget_) continue;
    QRect inChild(child->mapFrom(widget_, area.topLeft()), area.size());
    child->InvalidateArea(inChild.intersected(child->rect()), erase);
  }
}

void WindowHost::UpdateNow() {
  if (auto* custom = dynamic_cast<CustomWidget*>(widget_)) custom->PaintPending();
  for (CustomWidget* child : Descendants<CustomWidget>(widget_)) child->PaintPending();
  if (widget_->isVisible()) widget_->repaint();
}

std::vector<WindowHost*> HostsWithin(QWidget* widget) {
  if (widget == nullptr) return {};
  return Descendants<WindowHost>(widget);
}

}  // namespace platform
