#include "AboutDlg.h"

#include "res/DialogTemplates.h"

CAboutDlg::CAboutDlg(ctl::IDialogHost& host, ctl::CDialog* pParent)
    : CDialog(kAboutBoxTemplate, host, pParent) {}
