// Copy: the conditions and results as ten CR LF lines, "label value", "-" for a disabled list.

#include "RecordingCalcDlg.h"

#include "controls/Clipboard.h"
#include "controls/DialogHost.h"

using namespace ctl;

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kSetDataFailed = "Unable to set Clipboard data";

} // namespace

std::string CRecordingCalcDlg::BuildReport() const {
    std::string report;
    for (const spanwise::CalcList condition : spanwise::kCalcLists) {
        const spanwise::CListFacts& line = spanwise::GetListFacts(condition);
        const CWnd list = GetDlgItem(line.nID);
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

void CRecordingCalcDlg::OnCopy(int /*nID*/) {
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
    clipboard.WhenRefusedLater([this] { MessageBox(kSetDataFailed); });
    if (!clipboard.SetText(BuildReport())) {
        MessageBox(kSetDataFailed);
    }
    clipboard.Close();
}
