#include "custom_widget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "paint_target.h"
#include "platform/custom_window.h"

namespace platform {
namespace {

Rect ToRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

DrawEvent Event(DrawEvent::Kind kind, const QRect& r, bool erase = false) {
  DrawEvent event;
  event.kind = kind;
  event.rect = ToRect(r);
  event.erase = erase;
  return event;
}

}  // namespace

CustomWidget::CustomWidget(CustomWindow* owner, QWidget* parent) : QWidget(parent), owner_(owner) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::ArrowCursor);
}

void CustomWidget::InvalidateArea(const QRect& area, bool erase) {
  QRect r = area.intersected(rect());
  if (r.isEmpty()) return;
  invalid_ += r;
  if (erase) erase_ += r;
  if (owner_ != nullptr) owner_->Record(Event(DrawEvent::Invalidated, r, erase));
  update(r);
}

void CustomWidget::PaintPending() {
  if (backing_.size() != size()) {
    QImage grown(size(), QImage::Format_RGB32);
    grown.fill(palette().color(QPalette::Base));
    QPainter copy(&grown);
    copy.drawImage(0, 0, backing_);
    backing_ = grown;
  }
  if (invalid_.isEmpty() || owner_ == nullptr) return;
  QRegion area = invalid_;
  QRegion erase = erase_;
  invalid_ = QRegion();
  erase_ = QRegion();
  QPainter painter(&backing_);
  // The background of the window class: the system window colour.
  for (const QRect& r : erase) painter.fillRect(r, palette().color(QPalette::Base));
  painter.setClipRegion(area);
  PaintTarget target(&painter, owner_, area.boundingRect(), true);
  DeviceContext dc(&target);
  owner_->Record(Event(DrawEvent::Painted, area.boundingRect()));
  owner_->OnPaint(dc);
}

void CustomWidget::paintEvent(QPaintEvent* event) {
  PaintPending();
  QPainter painter(this);
  for (const QRect& r : event->region()) painter.drawImage(r, backing_, r);
}

void CustomWidget::resizeEvent(QResizeEvent*) { InvalidateArea(rect(), true); }

unsigned MouseFlagsOf(const QMouseEvent* event) {
  unsigned flags = 0;
  if (event->buttons() & Qt::LeftButton) flags |= MK_LBUTTON;
  if (event->buttons() & Qt::RightButton) flags |= MK_RBUTTON;
  if (event->modifiers() & Qt::ShiftModifier) flags |= MK_SHIFT;
  if (event->modifiers() & Qt::ControlModifier) flags |= MK_CONTROL;
  return flags;
}

void CustomWidget::mouseMoveEvent(QMouseEvent* event) {
  QPoint p = event->position().toPoint();
  if (owner_ != nullptr) owner_->OnMouseMove(MouseFlagsOf(event), p.x(), p.y());
}

void CustomWidget::mousePressEvent(QMouseEvent* event) {
  QPoint p = event->position().toPoint();
  if (owner_ != nullptr && event->button() == Qt::LeftButton) owner_->OnLButtonDown(MouseFlagsOf(event), p.x(), p.y());
}

void CustomWidget::mouseReleaseEvent(QMouseEvent* event) {
  QPoint p = event->position().toPoint();
  if (owner_ != nullptr && event->button() == Qt::LeftButton) owner_->OnLButtonUp(MouseFlagsOf(event), p.x(), p.y());
}

void CustomWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  QPoint p = event->position().toPoint();
  if (owner_ != nullptr && event->button() == Qt::LeftButton) {
    owner_->OnLButtonDblClk(MouseFlagsOf(event), p.x(), p.y());
  }
}

}  // namespace platform
