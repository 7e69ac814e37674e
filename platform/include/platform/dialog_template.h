// Dialog templates as data: a page and its controls, with positions and sizes
// in dialog units. A dialog unit is a quarter of the font's average character
// width across and an eighth of its character height down.
#pragma once

#include <string>
#include <vector>

namespace platform {

enum class ControlKind {
  ListBox,           // single selection; styles LBS_SORT, LBS_NOTIFY, WS_VSCROLL
  DropDownList,      // combo box that only picks from its list; CBS_SORT, WS_VSCROLL
  ReadOnlyEdit,      // single line, read-only; ES_AUTOHSCROLL, ES_NUMBER
  CheckBox,          // toggles itself when clicked
  PushLikeCheckBox,  // a check box drawn as a push button, toggles itself
  PushButton,
  StaticText,
  GroupBox,
  Animation,         // plays an AVI clip; ACS_CENTER centres it
};

// Style flags, with the values the desktop platform uses. Flags that do not
// apply to a kind are ignored.
enum ControlStyle : unsigned {
  WS_TABSTOP = 0x00010000,
  WS_VSCROLL = 0x00200000,
  WS_BORDER = 0x00800000,
  LBS_NOTIFY = 0x0001,  // the list box tells its page of selection changes and double-clicks
  LBS_SORT = 0x0002,
  LBS_NOINTEGRALHEIGHT = 0x0100,
  CBS_SORT = 0x0100,
  ES_AUTOHSCROLL = 0x0080,
  ES_NUMBER = 0x2000,
  ACS_CENTER = 0x0001,
};

struct ControlTemplate {
  int id = 0;  // -1 for controls that are never looked up
  ControlKind kind = ControlKind::StaticText;
  unsigned style = 0;
  std::string text;
  int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
};

struct DialogTemplate {
  int id = 0;
  std::string caption;  // a page's tab label
  int width = 0, height = 0;  // dialog units
  std::string fontName = "MS Sans Serif";
  int pointSize = 8;
  std::vector<ControlTemplate> controls;  // in tab and drawing order
};

}  // namespace platform
