// Copy: the conditions and results as ten CR LF lines, "label value", "-" for a disabled list.

#include "RecordingCalcDlg.h"

#include "controls/Clipboard.h"
#include "controls/DialogHost.h"

using namespace ctl;

namespace {

constexpr const char* kLineEnd = "\r\n";

struct CReportLine {
    int nLabelID;
    int nListID;
    bool bDashWhenDisabled;
};

// clang-format off
const CReportLine kConditionLines[] = {
    { IDC_LBL_MODEL,      IDC_MODEL,      false },
    { IDC_LBL_MEMORY,     IDC_MEMORY,     true },
    { IDC_LBL_FUNCTION,   IDC_FUNCTION,   true },
    { IDC_LBL_SAMPLING,   IDC_SAMPLING,   true },
    { IDC_LBL_SCANNER,    IDC_SCANNER,    true },
    { IDC_LBL_CHANNELS,   IDC_CHANNELS,   true },
    { IDC_LBL_TIME_RANGE, IDC_TIME_RANGE, false },
};
// clang-format on

} // namespace

std::string CRecordingCalcDlg::BuildReport() const {
    std::string report;
    for (const CReportLine& line : kConditionLines) {
        const CWnd list = GetDlgItem(line.nListID);
        const bool bDash = line.bDashWhenDisabled && !list.IsWindowEnabled();
        report += GetDlgItem(line.nLabelID).GetWindowText();
        report += ' ';
        report += bDash ? std::string("-") : list.GetWindowText();
        report += kLineEnd;
    }
    report += kLineEnd;
    report += m_grpRecordingLength.GetWindowText() + ' ' + m_stRecordingLength.GetWindowText();
    report += kLineEnd;
    report += m_grpRecordingTime.GetWindowText() + ' ' + m_stRecordingTime.GetWindowText();
    report += kLineEnd;
    return report;
}

void CRecordingCalcDlg::OnCopy() {
    IClipboard& clipboard = GetHost().Clipboard();
    if (!clipboard.Open()) {
        MessageBox("Cannot open the Clipboard");
        return;
    }
    if (!clipboard.Empty()) {
        MessageBox("Cannot empty the Clipboard");
        clipboard.Close();
        return;
    }
    if (!clipboard.SetText(BuildReport())) {
        MessageBox("Unable to set Clipboard data");
    }
    clipboard.Close();
}
