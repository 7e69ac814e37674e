#include "platform/control.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "native_control.h"
#include "text.h"

namespace platform {

Control::Control(NativeControl* native) : native_(native) {}

Control::~Control() { delete native_; }

int Control::GetDlgCtrlID() const { return native_->Template().id; }

ControlKind Control::Kind() const { return native_->Template().kind; }

bool Control::Exists() const { return native_->Widget() != nullptr; }

void Control::SetWindowText(const std::string& text) {
  NativeControl::Quiet quiet(native_);
  QWidget* w = native_->Widget();
  QString value = ToQString(text);
  if (auto* label = qobject_cast<QLabel*>(w)) {
    label->setText(value);
  } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    button->setText(value);
  } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
    group->setTitle(value);
  } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    edit->setText(value);
  }
}

std::string Control::GetWindowText() const {
  QWidget* w = native_->Widget();
  if (auto* label = qobject_cast<QLabel*>(w)) return FromQString(label->text());
  if (auto* button = qobject_cast<QAbstractButton*>(w)) return FromQString(button->text());
  if (auto* group = qobject_cast<QGroupBox*>(w)) return FromQString(group->title());
  if (auto* edit = qobject_cast<QLineEdit*>(w)) return FromQString(edit->text());
  return "";
}

void Control::EnableWindow(bool enable) {
  if (QWidget* w = native_->Widget()) w->setEnabled(enable);
}

bool Control::IsWindowEnabled() const {
  QWidget* w = native_->Widget();
  return w != nullptr && w->isEnabled();
}

bool Control::IsWindowVisible() const {
  QWidget* w = native_->Widget();
  return w != nullptr && w->isVisible();
}

Rect Control::GetRect() const {
  QWidget* w = native_->Widget();
  if (w == nullptr) return {};
  QRect r = w->geometry();
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

}  // namespace platform
