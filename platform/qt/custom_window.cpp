#include "platform/custom_window.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include "custom_widget.h"
#include "paint_target.h"
#include "window_host.h"

namespace platform {
namespace {

CustomWidget* WidgetOf(const Window* window) {
  WindowHost* host = WindowHost::Of(window);
  return host ? static_cast<CustomWidget*>(host->Widget()) : nullptr;
}

void Send(QWidget* target, QEvent::Type type, int x, int y, Qt::MouseButton button, Qt::MouseButtons held) {
  QPointF at(x, y);
  QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

}  // namespace

CustomWindow::CustomWindow() = default;

CustomWindow::~CustomWindow() {
  if (CustomWidget* widget = WidgetOf(this)) widget->Disown();
}

bool CustomWindow::Create(Window& parent, const Rect& rect) {
  WindowHost* parentHost = WindowHost::Of(&parent);
  if (parentHost == nullptr || Exists()) return false;
  auto* widget = new CustomWidget(this, parentHost->Widget());
  widget->setGeometry(rect.left, rect.top, std::max(0, rect.Width()), std::max(0, rect.Height()));
  WindowHost::Attach(this, widget);
  widget->InvalidateArea(widget->rect(), true);
  widget->show();
  return true;
}

void CustomWindow::DestroyWindow() {
  CustomWidget* widget = WidgetOf(this);
  if (widget == nullptr) return;
  widget->Disown();
  WindowHost::Of(this)->Detach();  // may delete this object
  widget->deleteLater();
}

void CustomWindow::DrawNow(const std::function<void(DeviceContext&)>& draw) {
  CustomWidget* widget = WidgetOf(this);
  if (widget == nullptr) return;
  widget->PaintPending();  // size the backing store
  {
    QPainter painter(&widget->Backing());
    PaintTarget target(&painter, this, widget->rect(), false);
    DeviceContext dc(&target);
    draw(dc);
  }
  widget->update();  // shows the backing store; paints nothing new
}

Colour CustomWindow::GetPixel(int x, int y) const {
  CustomWidget* widget = WidgetOf(this);
  if (widget == nullptr || !widget->Backing().valid(x, y)) return 0xFFFFFFFF;
  QRgb p = widget->Backing().pixel(x, y);
  return RGB(qRed(p), qGreen(p), qBlue(p));
}

void CustomWindow::OnPaint(DeviceContext&) {}
void CustomWindow::OnMouseMove(unsigned, int, int) {}
void CustomWindow::OnLButtonDown(unsigned, int, int) {}
void CustomWindow::OnLButtonUp(unsigned, int, int) {}
void CustomWindow::OnLButtonDblClk(unsigned, int, int) {}

void CustomWindow::SetDrawRecorder(std::function<void(const DrawEvent&)> recorder) { recorder_ = std::move(recorder); }

void CustomWindow::Record(const DrawEvent& event) const {
  if (recorder_) recorder_(event);
}

void CustomWindow::SimulateMouseMove(int x, int y, unsigned flags) {
  if (CustomWidget* widget = WidgetOf(this)) {
    Send(widget, QEvent::MouseMove, x, y, Qt::NoButton, (flags & MK_LBUTTON) ? Qt::LeftButton : Qt::NoButton);
  }
}

void CustomWindow::SimulateClick(int x, int y) {
  CustomWidget* widget = WidgetOf(this);
  if (widget == nullptr) return;
  Send(widget, QEvent::MouseButtonPress, x, y, Qt::LeftButton, Qt::LeftButton);
  if (WidgetOf(this) == widget) Send(widget, QEvent::MouseButtonRelease, x, y, Qt::LeftButton, Qt::NoButton);
}

void CustomWindow::SimulateDoubleClick(int x, int y) {
  CustomWidget* widget = WidgetOf(this);
  if (widget == nullptr) return;
  QPointer<CustomWidget> alive(widget);
  const QEvent::Type sequence[] = {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                                   QEvent::MouseButtonRelease};
  for (QEvent::Type type : sequence) {
    if (alive.isNull() || alive->Owner() == nullptr) return;
    Send(alive, type, x, y, Qt::LeftButton, type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton);
  }
}

}  // namespace platform
