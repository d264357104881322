#include "RecordingCalcDlg.h"

#include "AboutDlg.h"
#include "RangesDlg.h"
#include "calc/ShownText.h"
#include "controls/DC.h"
#include "lang/Catalogue.h"
#include "res/DialogTemplates.h"
#include "res/StringTable.h"

#include <memory>

using namespace ctl;

// clang-format off
const CRecordingCalcDlg::CCommandMapEntry CRecordingCalcDlg::kCommandMap[] = {
    { IDC_MODEL,      CBN_SELCHANGE, &CRecordingCalcDlg::OnSelchangeList },
    { IDC_MEMORY,     CBN_SELCHANGE, &CRecordingCalcDlg::OnSelchangeList },
    { IDC_FUNCTION,   CBN_SELCHANGE, &CRecordingCalcDlg::OnSelchangeList },
    { IDC_SAMPLING,   CBN_SELCHANGE, &CRecordingCalcDlg::OnSelchangeList },
    { IDC_SCANNER,    CBN_SELCHANGE, &CRecordingCalcDlg::OnSelchangeList },
    { IDC_CHANNELS,   CBN_SELCHANGE, &CRecordingCalcDlg::OnSelchangeList },
    { IDC_TIME_RANGE, CBN_SELCHANGE, &CRecordingCalcDlg::OnSelchangeList },
    { IDC_COPY,       BN_CLICKED,    &CRecordingCalcDlg::OnCopy },
};
// clang-format on

namespace {

constexpr int kStandardIconSize = 32;
constexpr int kSmallIconSize = 16;
constexpr COLORREF kResultColour = RGB(0, 0, 255);

} // namespace

CRecordingCalcDlg::CRecordingCalcDlg(IDialogHost& host, CDialog* pParent)
    : CDialog(kRecordingCalcTemplate, host, pParent), m_hIcon{IDR_MAINFRAME, kStandardIconSize},
      m_hIconSmall{IDR_MAINFRAME, kSmallIconSize} {}

void CRecordingCalcDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_btnExit);
    DDX_Control(pDX, IDC_COPY, m_btnCopy);
    DDX_Control(pDX, IDC_MODEL, m_cbModel);
    DDX_Control(pDX, IDC_MEMORY, m_cbMemory);
    DDX_Control(pDX, IDC_FUNCTION, m_cbFunction);
    DDX_Control(pDX, IDC_SAMPLING, m_cbSampling);
    DDX_Control(pDX, IDC_SCANNER, m_cbScanner);
    DDX_Control(pDX, IDC_CHANNELS, m_cbChannels);
    DDX_Control(pDX, IDC_TIME_RANGE, m_cbTimeRange);
    DDX_Control(pDX, IDC_RECORDING_LENGTH, m_stRecordingLength);
    DDX_Control(pDX, IDC_SAMPLING_PERIOD, m_stSamplingPeriod);
    DDX_Control(pDX, IDC_RECORDING_TIME, m_stRecordingTime);
    for (const spanwise::CalcList list : spanwise::kCalcLists) {
        DDX_CBIndex(pDX, spanwise::GetListControlID(list), m_selection[list]);
    }
    DDX_Control(pDX, IDC_GRP_RECORDING_LENGTH, m_grpRecordingLength);
    DDX_Control(pDX, IDC_GRP_RECORDING_TIME, m_grpRecordingTime);
}

bool CRecordingCalcDlg::OnCommand(int nID, int nCode) {
    for (const CCommandMapEntry& entry : kCommandMap) {
        if (entry.nID == nID && entry.nCode == nCode) {
            (this->*entry.pfn)(nID);
            return true;
        }
    }
    return CDialog::OnCommand(nID, nCode);
}

bool CRecordingCalcDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    CMenu* pSysMenu = GetSystemMenu(false);
    if (pSysMenu != nullptr) {
        const std::string strAboutMenu = LoadString(IDS_ABOUTBOX);
        if (!strAboutMenu.empty()) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
        }
        const std::string strFitMenu = LoadString(IDS_FIT_TIME);
        if (!strFitMenu.empty()) {
            pSysMenu->AppendMenu(MF_STRING, IDM_FIT_TIME, strFitMenu);
        }
        const std::string strRangesMenu = LoadString(IDS_RANGES);
        if (!strRangesMenu.empty()) {
            pSysMenu->AppendMenu(MF_STRING, IDM_RANGES, strRangesMenu);
        }
    }

    SetIcon(m_hIcon, true);
    SetIcon(m_hIconSmall, false);

    LOGFONT lf;
    InitLogFont(lf, 12, FW_BOLD, nullptr);
    m_fontResult.CreateFontIndirect(lf);
    m_stRecordingLength.SetFont(m_fontResult, true);
    m_stRecordingTime.SetFont(m_fontResult, true);

    if (m_tooltip.Create(this)) {
        m_tooltip.AddTool(&m_btnCopy, LoadString(IDS_COPY_TOOLTIP));
        m_tooltip.Activate(true);
    }

    RunRefreshSteps(kOpening);
    return true;
}

void CRecordingCalcDlg::InitLogFont(LOGFONT& lf, int height, int weight, const char* faceName) {
    lf = LOGFONT();
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_STROKE_PRECIS;
    lf.lfQuality = DRAFT_QUALITY;
    lf.lfPitchAndFamily = FF_MODERN | VARIABLE_PITCH;
    lf.lfFaceName = faceName != nullptr ? std::string(faceName) : LoadString(IDS_RESULT_FONT_FACE);
}

void CRecordingCalcDlg::OnSysCommand(unsigned nID, long lParam) {
    if ((nID & 0xFFF0U) == IDM_ABOUTBOX) {
        OpenChild(std::make_unique<CAboutDlg>(GetHost(), this));
        return;
    }
    if ((nID & 0xFFF0U) == IDM_FIT_TIME) {
        OpenFitTime();
        return;
    }
    if ((nID & 0xFFF0U) == IDM_RANGES) {
        OpenRanges();
        return;
    }
    CDialog::OnSysCommand(nID, lParam);
}

void CRecordingCalcDlg::OpenRanges() {
    const std::vector<spanwise::CRangeRow> ranges = GetRangeRows();
    std::vector<CTableRow> rows;
    int nFinest = -1;
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        CTableRow row;
        row.cells = ranges[i].Cells();
        row.dBar = spanwise::RecordingTimeBar(ranges[i].dRecordingTime);
        row.bCurrent = static_cast<int>(i) == m_nTimeRange;
        row.bMarked = m_dFittedSeconds > 0 && ranges[i].dRecordingTime >= m_dFittedSeconds;
        if (row.bMarked && nFinest < 0) {
            nFinest = static_cast<int>(i);
        }
        // What a screen reader adds to the row's cells: the marks are seen, not read.
        const std::string fitted = spanwise::EscapeNonPrinting(m_strFittedDuration);
        if (row.bCurrent && row.bMarked) {
            row.note = spanwise::lang::TranslateFormat("current range, records %1", {fitted});
        } else if (row.bCurrent) {
            row.note = spanwise::lang::Translate("current range");
        } else if (row.bMarked) {
            row.note = spanwise::lang::TranslateFormat("records %1", {fitted});
        }
        rows.push_back(std::move(row));
    }
    std::string note;
    if (m_dFittedSeconds > 0) {
        const std::string quoted = spanwise::QuoteTyped(m_strFittedDuration);
        note = nFinest >= 0 ? spanwise::lang::TranslateFormat(
                                  "Marked: the ranges that record %1; the finest is %2.",
                                  {quoted, ranges[static_cast<std::size_t>(nFinest)].range})
                            : spanwise::lang::TranslateFormat(
                                  "No range records %1 under these conditions.", {quoted});
    }
    OpenChild<CRangesDlg>(
        std::make_unique<CRangesDlg>(GetHost(), this, std::move(rows), m_nTimeRange, note),
        [this](CRangesDlg& dlgRanges, int nResult) {
            if (nResult == IDOK) {
                PickForUser(IDC_TIME_RANGE, dlgRanges.GetChosenRow());
            }
        });
}

std::string CRecordingCalcDlg::GetFieldName(const CControlState& control) const {
    return control.GetID() == IDC_SAMPLING_PERIOD
               ? spanwise::lang::Translate(LoadString(IDS_SAMPLING_PERIOD_NAME))
               : CDialog::GetFieldName(control);
}

std::string CRecordingCalcDlg::GetFieldValue(const CControlState& control) const {
    return control.GetID() == IDC_SAMPLING_PERIOD ? GetSamplingPeriod()
                                                  : CDialog::GetFieldValue(control);
}

void CRecordingCalcDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, unsigned nCtlColor) {
    CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if (pWnd != nullptr) {
        const int nID = pWnd->GetDlgCtrlID();
        if (nID >= IDC_RECORDING_LENGTH && nID <= IDC_RECORDING_TIME) {
            pDC->SetTextColor(kResultColour);
        }
    }
}
