// A drop-down list combo box. Positions count from 0; CB_ERR (-1) is none.
#pragma once

#include "platform/control.h"

namespace platform {

class ComboBox : public Control {
 public:
  explicit ComboBox(NativeControl* native) : Control(native) {}

  // Appends (or, with CBS_SORT, inserts in order); returns the position.
  int AddString(const std::string& text);
  void ResetContent();
  // -1 clears the selection (and returns CB_ERR); a bad index returns CB_ERR.
  int SetCurSel(int index);
  int GetCurSel() const;
  int GetCount() const;
  std::string GetText(int index) const;  // "" for a bad index

  // As the user: picks the item from the open list.
  void UserSelect(int index);
};

}  // namespace platform
