#include "platform/window.h"

#include <QWidget>

#include "window_host.h"

namespace platform {

Window::Window() = default;

Window::~Window() {
  if (host_ == nullptr) return;
  QWidget* widget = host_->Widget();
  // Cut the tie first so that nothing calls back into this half-destroyed object.
  host_->Forget();
  UnregisterWindow(handle_);
  handle_ = 0;
  host_ = nullptr;
  delete widget;  // takes the host with it
}

unsigned Window::SetTimer(unsigned id, unsigned periodMs) { return host_ ? host_->SetTimer(id, periodMs) : 0; }

bool Window::KillTimer(unsigned id) { return host_ ? host_->KillTimer(id) : false; }

bool Window::HasTimer(unsigned id) const { return TimerPeriod(id) != 0; }

unsigned Window::TimerPeriod(unsigned id) const { return host_ ? host_->TimerPeriod(id) : 0; }

bool Window::PostMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
  return platform::PostMessage(handle_, message, wParam, lParam);
}

void Window::Invalidate(const Rect& rect, bool erase) {
  if (host_) host_->Invalidate(QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1)), erase);
}

void Window::InvalidateAll(bool erase) {
  if (host_) host_->Invalidate(host_->Widget()->rect(), erase);
}

void Window::UpdateWindow() {
  if (host_) host_->UpdateNow();
}

Rect Window::GetWindowRect() const {
  if (!host_) return {};
  QWidget* w = host_->Widget();
  QPoint origin = w->mapToGlobal(QPoint(0, 0));
  return {origin.x(), origin.y(), origin.x() + w->width(), origin.y() + w->height()};
}

Rect Window::GetClientRect() const {
  if (!host_) return {};
  QWidget* w = host_->Widget();
  return {0, 0, w->width(), w->height()};
}

Point Window::ScreenToClient(Point p) const {
  if (!host_) return p;
  QPoint q = host_->Widget()->mapFromGlobal(QPoint(p.x, p.y));
  return {q.x(), q.y()};
}

Point Window::ClientToScreen(Point p) const {
  if (!host_) return p;
  QPoint q = host_->Widget()->mapToGlobal(QPoint(p.x, p.y));
  return {q.x(), q.y()};
}

void Window::OnTimer(unsigned) {}

void Window::OnPostedMessage(unsigned, std::uintptr_t, std::intptr_t) {}

void Window::OnDestroyed() {}

}  // namespace platform
