// Dialog 106: the Statistics page.
#include "dialogs.h"
#include "resource.h"

namespace {
using platform::ControlKind;
constexpr unsigned kValue = platform::ES_AUTOHSCROLL | platform::ES_NUMBER | platform::WS_TABSTOP;
constexpr int kNone = -1;
}  // namespace

const platform::DialogTemplate& StatisticsDialog() {
  static const platform::DialogTemplate dialog{
      IDD_STATISTICS,
      "Statistics",
      278,
      154,
      "MS Sans Serif",
      8,
      {
          {kNone, ControlKind::GroupBox, 0, "General ", 10, 10, 125, 135},
          {kNone, ControlKind::StaticText, 0, "Calls", 25, 25, 25, 12},
          {IDC_CALLS, ControlKind::ReadOnlyEdit, kValue, "", 95, 25, 30, 12},
          {kNone, ControlKind::StaticText, 0, "Tx Packets", 25, 43, 40, 12},
          {IDC_TX_PACKETS, ControlKind::ReadOnlyEdit, kValue, "", 95, 43, 30, 12},
          {kNone, ControlKind::StaticText, 0, "Rx Packets", 25, 61, 41, 12},
          {IDC_RX_PACKETS, ControlKind::ReadOnlyEdit, kValue, "", 95, 61, 30, 12},
          {kNone, ControlKind::StaticText, 0, "Last Clear Cause", 25, 79, 55, 12},
          {IDC_LAST_CLEAR_CAUSE, ControlKind::ReadOnlyEdit, kValue, "", 95, 79, 30, 12},
          {kNone, ControlKind::StaticText, 0, "TEI #1", 25, 115, 55, 12},
          {IDC_TEI1, ControlKind::ReadOnlyEdit, kValue, "", 95, 115, 30, 12},
          {kNone, ControlKind::StaticText, 0, "TEI #2", 25, 130, 55, 12},
          {IDC_TEI2, ControlKind::ReadOnlyEdit, kValue, "", 95, 130, 30, 12},
          {kNone, ControlKind::GroupBox, 0, "Performance", 140, 65, 131, 80},
          {kNone, ControlKind::StaticText, 0, "CRC Mismatch", 155, 76, 52, 9},
          {IDC_CRC_MISMATCH, ControlKind::ReadOnlyEdit, kValue, "", 225, 76, 30, 12},
          {kNone, ControlKind::StaticText, 0, "Hardware Overruns", 155, 89, 65, 9},
          {IDC_HARDWARE_OVERRUNS, ControlKind::ReadOnlyEdit, kValue, "", 225, 89, 30, 12},
          {kNone, ControlKind::StaticText, 0, "Buffer Overruns", 155, 102, 65, 9},
          {IDC_BUFFER_OVERRUNS, ControlKind::ReadOnlyEdit, kValue, "", 225, 102, 30, 12},
          {kNone, ControlKind::StaticText, 0, "D Channel FRMR", 155, 115, 65, 9},
          {IDC_D_CHANNEL_FRMR, ControlKind::ReadOnlyEdit, kValue, "", 225, 115, 30, 12},
          {kNone, ControlKind::StaticText, 0, "D Channel REJ", 155, 130, 65, 9},
          {IDC_D_CHANNEL_REJ, ControlKind::ReadOnlyEdit, kValue, "", 225, 130, 30, 12},
          {IDC_ANIMATION, ControlKind::Animation, platform::ACS_CENTER, "", 226, 7, 48, 52},
      }};
  return dialog;
}
