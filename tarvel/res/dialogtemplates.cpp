#include "dialogtemplates.h"

namespace tarvel_res {
namespace {

using platform::ControlKind;
using platform::DialogTemplate;

// Drop-down lists and list boxes show names in database order (no sorted
// style): position p is always item p + 1.
constexpr unsigned kComboStyle = platform::WS_VSCROLL | platform::WS_TABSTOP;
constexpr unsigned kListStyle = platform::WS_BORDER | platform::WS_VSCROLL | platform::WS_TABSTOP |
                                platform::LBS_NOTIFY | platform::LBS_NOINTEGRALHEIGHT;

DialogTemplate MakeMapPage() {
  DialogTemplate t;
  t.id = IDD_MAP_PAGE;
  t.caption = "Map";
  t.width = 270;
  t.height = 220;
  t.controls = {
      {IDC_COUNTRY_CAPTION, ControlKind::StaticText, 0, "Country:  ", 170, 193, 30, 8},
      {IDC_REGION_CAPTION, ControlKind::StaticText, 0, "Region:  ", 75, 193, 30, 8},
      {IDC_SELECTION_GROUP, ControlKind::GroupBox, 0, "Selection", 8, 189, 255, 31},
      {IDC_GLOBE, ControlKind::PushButton, platform::WS_TABSTOP, "   Globe   ", 15, 201, 50, 14},
      // The heights are those of the open list.
      {IDC_REGION_COMBO, ControlKind::DropDownList, kComboStyle, "", 75, 203, 80, 36},
      {IDC_COUNTRY_COMBO, ControlKind::DropDownList, kComboStyle, "", 170, 203, 80, 41},
  };
  return t;
}

DialogTemplate MakeListPage() {
  DialogTemplate t;
  t.id = IDD_LIST_PAGE;
  t.caption = "List";
  t.width = 270;
  t.height = 220;
  t.controls = {
      {IDC_COUNTRY_LIST, ControlKind::ListBox, kListStyle, "", 150, 33, 100, 153},
      {IDC_REGION_LIST, ControlKind::ListBox, kListStyle, "", 19, 35, 90, 61},
      {IDC_CURRENT_COUNTRY, ControlKind::StaticText, 0, "", 23, 140, 90, 8},
      {IDC_MODEM_PORT, ControlKind::StaticText, 0, "", 23, 185, 45, 8},
      {IDC_REGIONS_GROUP, ControlKind::GroupBox, 0, "Regions", 9, 15, 110, 95},
      {IDC_COUNTRIES_GROUP, ControlKind::GroupBox, 0, "Countries", 140, 15, 120, 185},
      {IDC_CURRENT_GROUP, ControlKind::GroupBox, 0, "Current Selection", 9, 115, 110, 40},
      {IDC_MODEM_GROUP, ControlKind::GroupBox, 0, "Modem", 9, 160, 110, 40},
      {IDC_COUNTRY_CAPTION_LIST, ControlKind::StaticText, 0, "Country:", 17, 128, 40, 8},
      {IDC_PORT_CAPTION, ControlKind::StaticText, 0, "Port:", 17, 172, 39, 8},
  };
  return t;
}

}  // namespace

const DialogTemplate& MapPageTemplate() {
  static const DialogTemplate t = MakeMapPage();
  return t;
}

const DialogTemplate& ListPageTemplate() {
  static const DialogTemplate t = MakeListPage();
  return t;
}

}  // namespace tarvel_res
