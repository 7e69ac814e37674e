// Numbers of Vintrel's resources and of the controls on its pages.
#pragma once

// Dialog templates (the pages).
constexpr int IDD_STATISTICS = 106;
constexpr int IDD_LOGGING = 107;
constexpr int IDD_DIAGNOSTICS = 108;

// Pictures.
constexpr int IDI_VINTREL = 128;      // the application icon
constexpr int IDR_BRAND_CLIP = 144;   // the brand animation (AVI)

// Controls of every page.
constexpr int IDC_ANIMATION = 1008;

// Diagnostics.
constexpr int IDC_ACTIVE_CALLS = 1009;
constexpr int IDC_Q931_STATE = 1010;
constexpr int IDC_Q921_STATE = 1011;
constexpr int IDC_PHYSICAL_STATE = 1012;
constexpr int IDC_INTERFACE = 1013;
constexpr int IDC_PHONE1 = 1014;
constexpr int IDC_PHONE2 = 1015;
constexpr int IDC_SPID1 = 1016;
constexpr int IDC_SPID2 = 1017;
constexpr int IDC_BASE_IO = 1030;
constexpr int IDC_IRQ = 1031;

// Statistics.
constexpr int IDC_CRC_MISMATCH = 1000;
constexpr int IDC_HARDWARE_OVERRUNS = 1001;
constexpr int IDC_BUFFER_OVERRUNS = 1002;
constexpr int IDC_CALLS = 1003;
constexpr int IDC_TX_PACKETS = 1004;
constexpr int IDC_RX_PACKETS = 1005;
constexpr int IDC_D_CHANNEL_FRMR = 1007;
constexpr int IDC_D_CHANNEL_REJ = 1009;
constexpr int IDC_TEI1 = 1010;
constexpr int IDC_TEI2 = 1011;
constexpr int IDC_LAST_CLEAR_CAUSE = 1012;

// Logging.
constexpr int IDC_EVENT_LIST = 1023;
constexpr int IDC_FILTER_API = 1026;
constexpr int IDC_FREEZE = 1027;
constexpr int IDC_CLEAR = 1028;
constexpr int IDC_SAVE = 1029;
constexpr int IDC_FILTER_Q931 = 1035;
constexpr int IDC_FILTER_Q921 = 1036;
constexpr int IDC_FILTER_PHYSICAL = 1037;
