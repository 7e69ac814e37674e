// Dialog 107: the Logging page.
#include "dialogs.h"
#include "resource.h"

namespace {
using platform::ControlKind;
constexpr unsigned kList = platform::WS_VSCROLL | platform::WS_BORDER | platform::LBS_NOINTEGRALHEIGHT |
                           platform::LBS_NOTIFY | platform::WS_TABSTOP;
constexpr unsigned kButton = platform::WS_TABSTOP;
constexpr int kNone = -1;
}  // namespace

const platform::DialogTemplate& LoggingDialog() {
  static const platform::DialogTemplate dialog{
      IDD_LOGGING,
      "Logging",
      282,
      154,
      "MS Sans Serif",
      8,
      {
          {kNone, ControlKind::GroupBox, 0, "Event Log", 7, 7, 219, 125},
          {kNone, ControlKind::GroupBox, 0, "Filters", 228, 65, 44, 67},
          {IDC_ANIMATION, ControlKind::Animation, platform::ACS_CENTER, "", 226, 7, 48, 52},
          {IDC_EVENT_LIST, ControlKind::ListBox, kList, "", 13, 21, 209, 106},
          {IDC_FILTER_API, ControlKind::CheckBox, kButton, "API", 229, 77, 26, 11},
          {IDC_FILTER_Q931, ControlKind::CheckBox, kButton, "Q.931", 229, 91, 33, 11},
          {IDC_FILTER_Q921, ControlKind::CheckBox, kButton, "Q.921", 229, 104, 33, 11},
          {IDC_FILTER_PHYSICAL, ControlKind::CheckBox, kButton, "Physical", 229, 117, 39, 11},
          {IDC_FREEZE, ControlKind::PushLikeCheckBox, kButton, "Freeze", 7, 132, 50, 15},
          {IDC_CLEAR, ControlKind::PushButton, kButton, "Clear", 61, 132, 50, 15},
          {IDC_SAVE, ControlKind::PushButton, kButton, "Save", 115, 132, 50, 15},
      }};
  return dialog;
}
