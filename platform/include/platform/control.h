// The controls of a page, found by their ID (PropertyPage::GetListBox and the
// like). A control object lives as long as its page object; while the page's
// window does not exist its operations do nothing and return -1 or "".
//
// Programmatic changes never notify the page. What the user does raises
// OnCommand(controlId, notification) on the page; the User* operations act as
// the user would, for tests.
#pragma once

#include <string>

#include "platform/dialog_template.h"
#include "platform/geometry.h"

namespace platform {

// Notification codes, with the desktop platform's values.
enum Notification : int {
  BN_CLICKED = 0,
  LBN_SELCHANGE = 1,
  LBN_DBLCLK = 2,
  CBN_SELCHANGE = 1,
};

constexpr int LB_ERR = -1;
constexpr int CB_ERR = -1;

class NativeControl;  // the toolkit side of a control

class Control {
 public:
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  int GetDlgCtrlID() const;
  ControlKind Kind() const;
  bool Exists() const;

  void SetWindowText(const std::string& text);
  std::string GetWindowText() const;
  void EnableWindow(bool enable);
  bool IsWindowEnabled() const;
  bool IsWindowVisible() const;
  // In the page's client pixels.
  Rect GetRect() const;

  NativeControl* Native() const { return native_; }

 protected:
  explicit Control(NativeControl* native);
  NativeControl* native_;
};

}  // namespace platform
