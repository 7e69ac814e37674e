// Tarvel's page templates and the numbers of its resources and controls.
#pragma once

#include <platform/dialog_template.h>

namespace tarvel_res {

// Resources.
constexpr int IDS_CAPTION = 102;   // "Ostrane"
constexpr int IDB_MAP_FIRST = 129;  // the globe; 130..135 are regions 1..6
constexpr int IDB_MAP_LAST = 135;

// The Map page.
constexpr int IDD_MAP_PAGE = 104;
constexpr int IDC_GLOBE = 1000;
constexpr int IDC_REGION_COMBO = 1002;
constexpr int IDC_COUNTRY_COMBO = 1009;
constexpr int IDC_SELECTION_GROUP = 1022;
constexpr int IDC_REGION_CAPTION = 1023;
constexpr int IDC_COUNTRY_CAPTION = 1024;

// The List page.
constexpr int IDD_LIST_PAGE = 105;
constexpr int IDC_REGIONS_GROUP = 1004;
constexpr int IDC_COUNTRIES_GROUP = 1005;
constexpr int IDC_PORT_CAPTION = 1006;
constexpr int IDC_REGION_LIST = 1017;
constexpr int IDC_COUNTRY_LIST = 1018;
constexpr int IDC_CURRENT_GROUP = 1019;
constexpr int IDC_MODEM_GROUP = 1021;
constexpr int IDC_COUNTRY_CAPTION_LIST = 1029;
constexpr int IDC_CURRENT_COUNTRY = 1036;
constexpr int IDC_MODEM_PORT = 1037;

const platform::DialogTemplate& MapPageTemplate();
const platform::DialogTemplate& ListPageTemplate();

}  // namespace tarvel_res
