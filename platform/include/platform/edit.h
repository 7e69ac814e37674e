// A single-line, read-only edit box.
#pragma once

#include "platform/control.h"

namespace platform {

class Edit : public Control {
 public:
  explicit Edit(NativeControl* native) : Control(native) {}

  // Selects characters start to end (end -1: to the end of the text).
  void SetSel(int start, int end);
  // Replaces the selection (or inserts at the caret) with text.
  void ReplaceSel(const std::string& text);
  std::string GetText() const;
  // The selected range, for tests.
  int GetSelStart() const;
  int GetSelEnd() const;
};

}  // namespace platform
