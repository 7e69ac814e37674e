#include "page_widget.h"

#include "dialog_units.h"
#include "native_control.h"
#include "platform/property_page.h"
#include "ui_font.h"
#include "window_host.h"

namespace platform {

QSize PageSize(const PropertyPage& page) {
  const DialogTemplate& t = page.Template();
  DialogUnits units(DialogFont(t.fontName, t.pointSize));
  return {units.X(t.width), units.Y(t.height)};
}

QWidget* CreatePageWindow(PropertyPage& page, QWidget* parent) {
  const DialogTemplate& t = page.Template();
  QFont font = DialogFont(t.fontName, t.pointSize);
  DialogUnits units(font);
  auto* widget = new QWidget(parent);
  widget->setFont(font);
  widget->setFixedSize(units.X(t.width), units.Y(t.height));
  WindowHost::Attach(&page, widget);
  for (const std::unique_ptr<Control>& control : page.Controls()) control->Native()->Create(widget, units);
  return widget;
}

}  // namespace platform
