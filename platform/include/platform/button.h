// Push buttons, check boxes and push-like check boxes.
#pragma once

#include "platform/control.h"

namespace platform {

// Button states, with the desktop platform's bits.
enum ButtonState : int {
  BST_UNCHECKED = 0x0,
  BST_CHECKED = 0x1,
  BST_INDETERMINATE = 0x2,
  BST_PUSHED = 0x4,
  BST_FOCUS = 0x8,
};

class Button : public Control {
 public:
  explicit Button(NativeControl* native) : Control(native) {}

  void SetCheck(int check);  // BST_UNCHECKED or BST_CHECKED
  int GetCheck() const;
  // The check bits (0x3) with BST_PUSHED while held down and BST_FOCUS.
  int GetState() const;

  // As the user: a click (a check box toggles itself, then the page gets
  // BN_CLICKED).
  void UserClick();
};

}  // namespace platform
