// Static text and group boxes.
#pragma once

#include "platform/control.h"

namespace platform {

class StaticText : public Control {
 public:
  explicit StaticText(NativeControl* native) : Control(native) {}

  void SetText(const std::string& text) { SetWindowText(text); }
  std::string GetText() const { return GetWindowText(); }
};

}  // namespace platform
