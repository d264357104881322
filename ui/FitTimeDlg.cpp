#include "FitTimeDlg.h"

#include "res/DialogTemplates.h"
#include "res/Resource.h"

using namespace ctl;

CFitTimeDlg::CFitTimeDlg(IDialogHost& host, std::string strDuration, Check check, CDialog* pParent)
    : CDialog(kFitTimeTemplate, host, pParent), m_strDuration(std::move(strDuration)),
      m_check(std::move(check)) {}

bool CFitTimeDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    GetDlgItem(IDC_DURATION).SetWindowText(m_strDuration);
    return true;
}

void CFitTimeDlg::OnOK() {
    m_strDuration = GetDlgItem(IDC_DURATION).GetWindowText();
    const std::string message = m_check ? m_check(m_strDuration) : std::string();
    if (message.empty()) {
        CDialog::OnOK();
        return;
    }
    MessageBox(message, nullptr, MB_OK,
               [this, alive = std::weak_ptr<int>(m_pAlive)](int /*nResult*/) {
                   if (!alive.expired()) {
                       GotoDlgCtrl(IDC_DURATION);
                   }
               });
}
