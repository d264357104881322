// Copy: the conditions and results as ten CR LF lines, "label value", "-" for a disabled list, in
// the language spoken: labels and the entries that are words translated, notation as it is.

#include "RecordingCalcDlg.h"

#include "controls/Clipboard.h"
#include "controls/DialogHost.h"
#include "lang/Catalogue.h"

using namespace ctl;

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kSetDataFailed = N_("Unable to set Clipboard data");

} // namespace

std::string CRecordingCalcDlg::BuildReport() const {
    std::string report;
    for (const spanwise::CalcList condition : spanwise::kCalcLists) {
        const spanwise::CListFacts& line = spanwise::GetListFacts(condition);
        const CWnd list = GetDlgItem(line.nID);
        const bool bDash = line.bDashWhenDisabled && !list.IsWindowEnabled();
        report += spanwise::lang::Translate(GetDlgItem(line.nLabelID).GetWindowText());
        report += ' ';
        report += bDash ? std::string("-") : spanwise::lang::Translate(list.GetWindowText());
        report += kLineEnd;
    }
    report += kLineEnd;
    report += spanwise::lang::Translate(m_grpRecordingLength.GetWindowText()) + ' ' +
              m_stRecordingLength.GetWindowText();
    report += kLineEnd;
    report += spanwise::lang::Translate(m_grpRecordingTime.GetWindowText()) + ' ' +
              m_stRecordingTime.GetWindowText();
    report += kLineEnd;
    return report;
}

void CRecordingCalcDlg::OnCopy(int /*nID*/) {
    IClipboard& clipboard = GetHost().Clipboard();
    if (!clipboard.Open()) {
        MessageBox(spanwise::lang::Translate("Cannot open the Clipboard"));
        return;
    }
    if (!clipboard.Empty()) {
        MessageBox(spanwise::lang::Translate("Cannot empty the Clipboard"));
        clipboard.Close();
        return;
    }
    clipboard.WhenRefusedLater([this] { MessageBox(spanwise::lang::Translate(kSetDataFailed)); });
    if (!clipboard.SetText(BuildReport())) {
        MessageBox(spanwise::lang::Translate(kSetDataFailed));
    }
    clipboard.Close();
}
