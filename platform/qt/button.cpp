#include "platform/button.h"

#include <QAbstractButton>

#include "native_control.h"

namespace platform {

void Button::SetCheck(int check) {
  auto* button = native_->As<QAbstractButton>();
  if (button == nullptr || !button->isCheckable()) return;
  NativeControl::Quiet quiet(native_);
  button->setChecked((check & BST_CHECKED) != 0);
}

int Button::GetCheck() const {
  auto* button = native_->As<QAbstractButton>();
  return button != nullptr && button->isCheckable() && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

int Button::GetState() const {
  auto* button = native_->As<QAbstractButton>();
  if (button == nullptr) return 0;
  int state = GetCheck();
  if (button->isDown()) state |= BST_PUSHED;
  if (button->hasFocus()) state |= BST_FOCUS;
  return state;
}

void Button::UserClick() {
  auto* button = native_->As<QAbstractButton>();
  if (button != nullptr && button->isEnabled()) button->click();
}

}  // namespace platform
