#include "FitTimeDlg.h"

#include "res/DialogTemplates.h"
#include "res/Resource.h"

CFitTimeDlg::CFitTimeDlg(ctl::IDialogHost& host, ctl::CDialog* pParent)
    : CDialog(kFitTimeTemplate, host, pParent) {}

void CFitTimeDlg::OnOK() {
    m_strDuration = GetDlgItem(IDC_DURATION).GetWindowText();
    CDialog::OnOK();
}
