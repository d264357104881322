#pragma once

// Resource ids: dialogs, controls, strings, icon.

// Dialog templates
constexpr int IDD_ABOUTBOX = 100;
constexpr int IDD_RECORDINGCALC_DIALOG = 102;
constexpr int IDD_FIT_TIME = 103;
constexpr int IDD_RANGES = 104;

// Icon
constexpr int IDR_MAINFRAME = 128;

// Controls of the main dialog
constexpr int IDC_MODEL = 1000;
constexpr int IDC_MEMORY = 1001;
constexpr int IDC_FUNCTION = 1002;
constexpr int IDC_SCANNER = 1003;
constexpr int IDC_SAMPLING = 1004;
constexpr int IDC_CHANNELS = 1005;
constexpr int IDC_RECORDING_LENGTH = 1006;
constexpr int IDC_RECORDING_TIME = 1007;
constexpr int IDC_TIME_RANGE = 1008;
constexpr int IDC_SAMPLING_PERIOD = 1009;
constexpr int IDC_GRP_RECORDING_LENGTH = 1010;
constexpr int IDC_GRP_RECORDING_TIME = 1011;
constexpr int IDC_COPY = 1012;
constexpr int IDC_LBL_TIME_RANGE = 1013;
constexpr int IDC_LBL_MODEL = 1014;
constexpr int IDC_LBL_MEMORY = 1015;
constexpr int IDC_LBL_FUNCTION = 1016;
constexpr int IDC_LBL_SAMPLING = 1017;
constexpr int IDC_LBL_SCANNER = 1018;
constexpr int IDC_LBL_CHANNELS = 1019;

// Controls of the Fit a Recording Time dialog
constexpr int IDC_DURATION = 1020;
constexpr int IDC_LBL_DURATION = 1021;

// Controls of the Ranges dialog
constexpr int IDC_RANGES = 1030;
constexpr int IDC_RANGES_FIT = 1031;
constexpr int IDC_LBL_RANGES = 1032;

// Strings
constexpr unsigned IDS_ABOUTBOX = 101;
constexpr unsigned IDS_FIT_TIME = 102;
constexpr unsigned IDS_RANGES = 103;
constexpr unsigned IDS_RESULT_FONT_FACE = 1010;
constexpr unsigned IDS_SAMPLING_PERIOD_NAME = 1011;
constexpr unsigned IDS_COPY_TOOLTIP = 1107;
// The web page's own: its window menu's button and item, what it says after Copy and Copy Link,
// after Exit (%1 is the link to reload), a message box's button, a range row's check mark, the
// title of a table's column of bars (for screen readers: the windows draw the bars in a column
// that has a title)
constexpr unsigned IDS_PAGE_MENU = 2000;
constexpr unsigned IDS_PAGE_COPY_LINK = 2001;
constexpr unsigned IDS_PAGE_REPORT_COPIED = 2002;
constexpr unsigned IDS_PAGE_LINK_COPIED = 2003;
constexpr unsigned IDS_PAGE_LINK_NOT_COPIED = 2004;
constexpr unsigned IDS_PAGE_CLOSED = 2005;
constexpr unsigned IDS_PAGE_RELOAD = 2006;
constexpr unsigned IDS_PAGE_OK = 2007;
constexpr unsigned IDS_PAGE_RANGE_MARKED = 2008;
constexpr unsigned IDS_PAGE_BAR_COLUMN = 2009;

// System-menu command of the About item
constexpr unsigned IDM_ABOUTBOX = 0x0010;
// System-menu command of the Fit a Recording Time item
constexpr unsigned IDM_FIT_TIME = 0x0020;
// System-menu command of the Ranges item
constexpr unsigned IDM_RANGES = 0x0030;
