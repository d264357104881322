#include "DialogTemplates.h"

#include "ModelEntries.h"
#include "Resource.h"
#include "controls/Messages.h"
#include "lang/Catalogue.h"
#include "res/Version.h"

#include <iterator>
#include <string_view>

using namespace ctl;

namespace {

constexpr unsigned kLabel = kStyleLeft | kStyleGroup;
constexpr unsigned kList = kStyleDropDownList | kStyleVScroll | kStyleTabStop;
constexpr unsigned kResult =
    kStyleCenter | kStyleCenterImage | kStyleNoPrefix | kStyleStaticEdge | kStyleGroup;
constexpr const char* kDialogFont = "ＭＳ Ｐゴシック";

// clang-format off
const CDialogItemTemplate kRecordingCalcItems[] = {
    // id                        kind                        caption                        x    y    cx   cy   style
    { IDC_LBL_MODEL,             ControlKind::Static,        N_("Model Number"),                10,  22,  64,   8, kLabel, 0 },
    { IDC_MODEL,                 ControlKind::ComboBox,      "",                            75,  20,  80, 110, kList, 0 },
    { IDC_LBL_MEMORY,            ControlKind::Static,        N_("Internal Memory"),             10,  43,  64,   8, kLabel, 0 },
    { IDC_MEMORY,                ControlKind::ComboBox,      "",                            75,  41,  80,  95, kList, 0 },
    { IDC_LBL_FUNCTION,          ControlKind::Static,        N_("Function"),                    10,  64,  64,   8, kLabel, 0 },
    { IDC_FUNCTION,              ControlKind::ComboBox,      "",                            75,  62,  80,  95, kList, 0 },
    { IDC_LBL_SAMPLING,          ControlKind::Static,        N_("Sampling"),                    10,  85,  64,   8, kLabel, 0 },
    { IDC_SAMPLING,              ControlKind::ComboBox,      "",                            75,  83,  80,  95, kList, 0 },
    { IDC_LBL_SCANNER,           ControlKind::Static,        N_("Sable Scanner Unit"),          10, 106,  64,   8, kLabel, 0 },
    { IDC_SCANNER,               ControlKind::ComboBox,      "",                            75, 104,  80,  95, kList, 0 },
    { IDC_LBL_CHANNELS,          ControlKind::Static,        N_("Channels"),                    10, 127,  64,   8, kLabel, 0 },
    { IDC_CHANNELS,              ControlKind::ComboBox,      "",                            75, 125,  80,  95, kList, 0 },
    { IDC_STATIC,                ControlKind::GroupBox,      N_("[Select Conditions]"),          5,   5, 155, 140, kStyleNone, 0 },
    { IDC_RECORDING_LENGTH,      ControlKind::Static,        "",                           180,  20,  95,  12, kResult, 0 },
    { IDC_GRP_RECORDING_LENGTH,  ControlKind::GroupBox,      N_("[Maximum Recording Length]"), 169,   5, 115,  35, kStyleNone, 0 },
    { IDC_LBL_TIME_RANGE,        ControlKind::Static,        N_("Time-axis Range"),            177,  64,  32,  20, kLabel, 0 },
    { IDC_TIME_RANGE,            ControlKind::ComboBox,      "",                           209,  64,  65, 260, kList, 0 },
    { IDC_SAMPLING_PERIOD,       ControlKind::Static,        "",                           180,  84,  95,   8, kStyleRight | kStyleGroup, 0 },
    { IDC_RECORDING_TIME,        ControlKind::Static,        "",                           180,  99,  95,  12, kResult, 0 },
    { IDC_GRP_RECORDING_TIME,    ControlKind::GroupBox,      N_("[Maximum Recording Time]"),   169,  49, 115,  72, kStyleNone, 0 },
    { IDC_COPY,                  ControlKind::PushButton,    N_("Copy"),                       169, 131,  54,  14, kStyleTabStop, 0 },
    { IDOK,                      ControlKind::DefPushButton, N_("Exit"),                       230, 131,  54,  14, kStyleTabStop, 0 },
};

const char* const kMemoryEntries[]    = { "32M", "128M", "512M", "1G" };
const char* const kFunctionEntries[]  = { "MEM", "REC" };
const char* const kSamplingEntries[]  = { N_("Single-axis Sampling"), N_("Dual-axis Sampling") };
const char* const kScannerEntries[]   = { N_("No Sable"), N_("Sable equipped"), N_("Sable only") };
const char* const kChannelsEntries[]  = { "1", "2", "4", "8", "16", "16+logic" };
const char* const kTimeRangeEntries[] = { "5us/div", "10us/div" };

const CListInitData kRecordingCalcLists[] = {
    { IDC_MODEL,      spanwise::kModelEntries, std::size(spanwise::kModelEntries) },
    { IDC_MEMORY,     kMemoryEntries,    std::size(kMemoryEntries) },
    { IDC_FUNCTION,   kFunctionEntries,  std::size(kFunctionEntries) },
    { IDC_SAMPLING,   kSamplingEntries,  std::size(kSamplingEntries) },
    { IDC_SCANNER,    kScannerEntries,   std::size(kScannerEntries) },
    { IDC_CHANNELS,   kChannelsEntries,  std::size(kChannelsEntries) },
    { IDC_TIME_RANGE, kTimeRangeEntries, std::size(kTimeRangeEntries) },
};

// The About box's version line is written by the build from the project's version. The catalogue
// knows it as it reads here: a new version stops the build until it is marked here too, so that
// its translations follow.
static_assert(std::string_view(spanwise::kAboutVersionLine) == N_("Spanwise Version 1.02"),
              "mark the About box's version line for the catalogue as the build now writes it");

const CDialogItemTemplate kAboutBoxItems[] = {
    // id         kind                        caption                                         x    y    cx   cy  style
    { IDC_STATIC, ControlKind::Icon,          "",                                              9,  15,  20, 20, kStyleNone, IDR_MAINFRAME },
    { IDC_STATIC, ControlKind::Static,        spanwise::kAboutVersionLine,                        40,  12, 119,  8, kStyleLeft | kStyleNoPrefix | kStyleGroup, 0 },
    { IDC_STATIC, ControlKind::Static,        N_("Copyright (C) 2026 The Spanwise developers.\n"
                                              "MIT License: free to use, provided as is, without warranty."), 40,  28, 190, 20, kStyleLeft | kStyleGroup, 0 },
    { IDOK,       ControlKind::DefPushButton, N_("OK"),                                          176,   7,  50, 14, kStyleTabStop | kStyleGroup, 0 },
};

const CDialogItemTemplate kFitTimeItems[] = {
    // id              kind                        caption                                               x    y    cx   cy  style
    { IDC_LBL_DURATION, ControlKind::Static,       N_("Recording time needed, for example 3d, 2d12h, 1h30min, 1.5h or 500ms:"), 7, 7, 180, 16, kStyleLeft | kStyleNoPrefix, 0 },
    { IDC_DURATION,     ControlKind::Edit,         "",                                                    7,  26, 180, 12, kStyleAutoHScroll | kStyleTabStop | kStyleStaticEdge, 0 },
    { IDOK,             ControlKind::DefPushButton, N_("OK"),                                                76,  45,  50, 14, kStyleTabStop | kStyleGroup, 0 },
    { IDCANCEL,         ControlKind::PushButton,   N_("Cancel"),                                            137,  45,  50, 14, kStyleTabStop, 0 },
};

const CDialogItemTemplate kRangesItems[] = {
    // id              kind                        caption                                             x    y    cx   cy  style
    { IDC_LBL_RANGES,  ControlKind::Static,        N_("Maximum recording time at each time-axis range:"),   7,   7, 286,   8, kStyleLeft | kStyleNoPrefix, 0 },
    { IDC_RANGES,      ControlKind::Table,         "",                                                  7,  18, 286, 170, kStyleTabStop | kStyleVScroll, 0 },
    { IDC_RANGES_FIT,  ControlKind::Static,        "",                                                  7, 192, 286,  16, kStyleLeft | kStyleNoPrefix, 0 },
    { IDCANCEL,        ControlKind::PushButton,    N_("Close"),                                           243, 210,  50,  14, kStyleTabStop | kStyleGroup, 0 },
};
// clang-format on

} // namespace

const CDialogTemplate kRecordingCalcTemplate = {
    IDD_RECORDINGCALC_DIALOG,
    N_("NORVAK MEMORY Loomgraphs Maximum Recording Calculator(Test Version)"),
    289,
    150,
    kDlgCaption | kDlgSysMenu | kDlgModalFrame | kDlgVisible | kDlgAppWindow,
    kDialogFont,
    9,
    kRecordingCalcItems,
    std::size(kRecordingCalcItems),
    kRecordingCalcLists,
    std::size(kRecordingCalcLists),
};

const CDialogTemplate kAboutBoxTemplate = {
    IDD_ABOUTBOX,
    N_("About Spanwise"),
    235,
    55,
    kDlgCaption | kDlgSysMenu | kDlgModalFrame,
    kDialogFont,
    9,
    kAboutBoxItems,
    std::size(kAboutBoxItems),
    nullptr,
    0,
};

const CDialogTemplate kFitTimeTemplate = {
    IDD_FIT_TIME,
    N_("Fit a Recording Time"),
    194,
    66,
    kDlgCaption | kDlgSysMenu | kDlgModalFrame,
    kDialogFont,
    9,
    kFitTimeItems,
    std::size(kFitTimeItems),
    nullptr,
    0,
};

const CDialogTemplate kRangesTemplate = {
    IDD_RANGES,
    N_("Ranges"),
    300,
    231,
    kDlgCaption | kDlgSysMenu | kDlgModalFrame,
    kDialogFont,
    9,
    kRangesItems,
    std::size(kRangesItems),
    nullptr,
    0,
};
