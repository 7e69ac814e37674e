#include "platform/device_context.h"

#include <QFontMetrics>

#include "bitmap.h"
#include "paint_target.h"
#include "platform/custom_window.h"
#include "text.h"
#include "ui_font.h"

namespace platform {
namespace {

Rect ToRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
DrawEvent Event(DrawEvent::Kind kind, const Rect& rect, bool duringPaint) {
  DrawEvent event;
  event.kind = kind;
  event.rect = rect;
  event.duringPaint = duringPaint;
  return event;
}
QColor ToQColor(Colour c) { return QColor(static_cast<int>(GetRValue(c)), static_cast<int>(GetGValue(c)), static_cast<int>(GetBValue(c))); }

}  // namespace

bool DeviceContext::DrawBitmap(int bitmapResourceId, int x, int y) {
  QImage image = LoadBitmapImage(bitmapResourceId);
  if (image.isNull()) return false;
  target_->painter->drawImage(x, y, image);
  DrawEvent event = Event(DrawEvent::Bitmap, ToRect(QRect(x, y, image.width(), image.height())), target_->duringPaint);
  event.resourceId = bitmapResourceId;
  target_->owner->Record(event);
  return true;
}

void DeviceContext::TextOut(int x, int y, const std::string& text, Colour background) {
  QFont font = UiFont();
  QString value = ToQString(text);
  QFontMetrics metrics(font);
  QRect box(x, y, metrics.horizontalAdvance(value), metrics.height());
  QPainter* p = target_->painter;
  p->fillRect(box, ToQColor(background));
  p->setFont(font);
  p->setPen(Qt::black);
  p->drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, value);
  DrawEvent event = Event(DrawEvent::Text, ToRect(box), target_->duringPaint);
  event.text = text;
  event.colour = background;
  target_->owner->Record(event);
}

Size DeviceContext::TextExtent(const std::string& text) const {
  QFontMetrics metrics(UiFont());
  return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

void DeviceContext::FillRect(const Rect& rect, Colour colour) {
  QRect box(rect.left, rect.top, rect.Width(), rect.Height());
  target_->painter->fillRect(box, ToQColor(colour));
  DrawEvent event = Event(DrawEvent::Fill, rect, target_->duringPaint);
  event.colour = colour;
  target_->owner->Record(event);
}

Rect DeviceContext::ClipBox() const { return ToRect(target_->clip); }

}  // namespace platform
