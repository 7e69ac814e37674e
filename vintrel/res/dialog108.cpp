// Dialog 108: the Diagnostics page.
#include "dialogs.h"
#include "resource.h"

namespace {
using platform::ControlKind;
constexpr unsigned kBox = platform::ES_AUTOHSCROLL | platform::WS_TABSTOP;
constexpr unsigned kBoxNoTab = platform::ES_AUTOHSCROLL;
constexpr int kNone = -1;
}  // namespace

const platform::DialogTemplate& DiagnosticsDialog() {
  static const platform::DialogTemplate dialog{
      IDD_DIAGNOSTICS,
      "Diagnostics",
      281,
      154,
      "MS Sans Serif",
      8,
      {
          {IDC_ANIMATION, ControlKind::Animation, platform::ACS_CENTER, "", 226, 7, 48, 52},
          {kNone, ControlKind::GroupBox, 0, "ISDN Layer Status", 10, 7, 135, 80},
          {kNone, ControlKind::StaticText, 0, "Active Calls", 15, 25, 45, 8},
          {IDC_ACTIVE_CALLS, ControlKind::ReadOnlyEdit, kBoxNoTab, "", 65, 25, 75, 12},
          {kNone, ControlKind::StaticText, 0, "Q.931", 15, 40, 45, 8},
          {IDC_Q931_STATE, ControlKind::ReadOnlyEdit, kBox, "", 65, 40, 75, 12},
          {kNone, ControlKind::StaticText, 0, "Q.921", 15, 55, 45, 8},
          {IDC_Q921_STATE, ControlKind::ReadOnlyEdit, kBox, "", 65, 55, 75, 12},
          {kNone, ControlKind::StaticText, 0, "Physical", 15, 70, 45, 8},
          {IDC_PHYSICAL_STATE, ControlKind::ReadOnlyEdit, kBox, "", 65, 70, 75, 12},
          {kNone, ControlKind::GroupBox, 0, "Configuration", 10, 89, 206, 55},
          {kNone, ControlKind::StaticText, 0, "Interface", 15, 100, 35, 8},
          {IDC_INTERFACE, ControlKind::ReadOnlyEdit, kBox, "", 55, 100, 129, 12},
          {kNone, ControlKind::StaticText, 0, "Phone #1", 15, 115, 35, 8},
          {IDC_PHONE1, ControlKind::ReadOnlyEdit, kBox, "", 55, 115, 45, 12},
          {kNone, ControlKind::StaticText, 0, "Phone #2", 15, 130, 35, 8},
          {IDC_PHONE2, ControlKind::ReadOnlyEdit, kBox, "", 55, 130, 45, 12},
          {kNone, ControlKind::StaticText, 0, "SPID1", 105, 115, 20, 8},
          {IDC_SPID1, ControlKind::ReadOnlyEdit, kBox, "", 135, 115, 65, 12},
          {kNone, ControlKind::StaticText, 0, "SPID2", 105, 130, 25, 8},
          {IDC_SPID2, ControlKind::ReadOnlyEdit, kBox, "", 135, 130, 65, 12},
          {kNone, ControlKind::GroupBox, 0, "Resources", 218, 89, 56, 55},
          {kNone, ControlKind::StaticText, 0, "Base", 221, 100, 17, 12},
          {kNone, ControlKind::StaticText, 0, "IRQ", 221, 113, 17, 12},
          {IDC_BASE_IO, ControlKind::ReadOnlyEdit, kBox, "", 244, 100, 24, 12},
          {IDC_IRQ, ControlKind::ReadOnlyEdit, kBox, "", 244, 114, 23, 12},
      }};
  return dialog;
}
