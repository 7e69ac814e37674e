// A single-selection list box. Positions count from 0; LB_ERR (-1) is none.
#pragma once

#include "platform/control.h"

namespace platform {

class ListBox : public Control {
 public:
  explicit ListBox(NativeControl* native) : Control(native) {}

  // Appends (or, with LBS_SORT, inserts in order); returns the position.
  int AddString(const std::string& text);
  // Inserts at index (-1 appends), never sorted; returns the position.
  int InsertString(int index, const std::string& text);
  // Returns the count left, or LB_ERR for a bad index.
  int DeleteString(int index);
  void ResetContent();
  // -1 clears the selection (and returns LB_ERR); a bad index returns LB_ERR.
  int SetCurSel(int index);
  int GetCurSel() const;
  int GetCount() const;
  std::string GetText(int index) const;  // "" for a bad index
  int GetTopIndex() const;

  // As the user: a click on the item (selection change), and a double-click
  // (press, release, double-click, release).
  void UserClick(int index);
  void UserDoubleClick(int index);
};

}  // namespace platform
